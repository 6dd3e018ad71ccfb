#include "dummy.h"

#include <QLibrary>
#include <QProcess>
#include <QSet>
#include <QtTest>

#include <algorithm>
#include <memory>

// The companion libraries are reached two ways: through their headers, as a program linking
// them would, and by loading the built files at run time and calling their decorated exports.
class TestLibraries : public QObject
{
    Q_OBJECT

private slots:
    void loadedDummyAnswersVersion();
    void exportedSymbolsAreExactlyTheClass_data();
    void exportedSymbolsAreExactlyTheClass();
    void dependencies_data();
    void dependencies();
};

namespace {

// A member function is called like a free function whose first argument is the object (the
// hidden result address, where there is one, comes before it in both cases), so the resolved
// decorated names can be called through these types.
template <class Function> Function loaded(QLibrary &library, const char *symbol)
{
    return reinterpret_cast<Function>(library.resolve(symbol));
}

std::unique_ptr<QLibrary> loadLibrary(const char *file)
{
    auto library = std::make_unique<QLibrary>(QString::fromLocal8Bit(file));
    if (!library->load())
        qWarning("%s", qPrintable(library->errorString()));
    return library;
}

// Lines of a tool's output, or an empty list when the tool is not installed.
QStringList toolOutput(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(process.readAllStandardOutput())
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QStringList neededLibraries(const QString &file)
{
    QStringList needed;
    for (const QString &line : toolOutput(QStringLiteral("readelf"), {"-d", "-W", file})) {
        if (!line.contains(QLatin1String("(NEEDED)")))
            continue;
        const int open = line.indexOf(QLatin1Char('['));
        const int close = line.indexOf(QLatin1Char(']'), open);
        needed << line.mid(open + 1, close - open - 1);
    }
    return needed;
}

} // namespace

void TestLibraries::loadedDummyAnswersVersion()
{
    const auto library = loadLibrary(TS_DUMMY_FILE);
    QVERIFY(library->isLoaded());
    const auto construct = loaded<void (*)(Dummy *)>(*library, "_ZN5DummyC1Ev");
    const auto version = loaded<QString (*)(Dummy *)>(*library, "_ZN5Dummy7VersionEv");
    const auto copyAssign =
        loaded<Dummy &(*)(Dummy *, const Dummy &)>(*library, "_ZN5DummyaSERKS_");
    QVERIFY(construct && version && copyAssign);

    // Raw storage, so only the loaded constructor brings the objects to life.
    alignas(Dummy) unsigned char firstStorage[sizeof(Dummy)];
    alignas(Dummy) unsigned char secondStorage[sizeof(Dummy)];
    auto *first = reinterpret_cast<Dummy *>(firstStorage);
    auto *second = reinterpret_cast<Dummy *>(secondStorage);
    construct(first);
    construct(second);
    QCOMPARE(&copyAssign(second, *first), second);
    QCOMPARE(version(second), QStringLiteral("V1.0"));
}

void TestLibraries::exportedSymbolsAreExactlyTheClass_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("expected");

    // C1 and C2 are the complete- and base-object names of the one constructor.
    QTest::newRow("Dummy") << QString::fromLocal8Bit(TS_DUMMY_FILE)
                           << QStringList{"_ZN5DummyC1Ev", "_ZN5DummyC2Ev", "_ZN5DummyaSERKS_",
                                          "_ZN5DummyaSEOS_", "_ZN5Dummy7VersionEv"};
    QTest::newRow("Tesseract") << QString::fromLocal8Bit(TS_TESSERACT_FILE)
                               << QStringList{"_ZN9TesseractC1Ev", "_ZN9TesseractC2Ev",
                                              "_ZN9TesseractaSERKS_", "_ZN9TesseractaSEOS_"};
}

void TestLibraries::exportedSymbolsAreExactlyTheClass()
{
    QFETCH(QString, file);
    QFETCH(QStringList, expected);

    const QStringList lines = toolOutput(QStringLiteral("nm"), {"-D", "--defined-only", file});
    if (lines.isEmpty())
        QSKIP("nm is not available");
    QSet<QString> exported;
    for (const QString &line : lines) {
        const QStringList fields = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        exported.insert(fields.last());
    }
    QCOMPARE(exported, QSet<QString>(expected.begin(), expected.end()));
}

void TestLibraries::dependencies_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("forbidden");
    QTest::addColumn<QStringList>("required");

    QTest::newRow("Dummy links Qt Core only")
        << QString::fromLocal8Bit(TS_DUMMY_FILE)
        << QStringList{"libQt5Gui", "libQt5Widgets", "libQt5SerialPort", "libTesseract"}
        << QStringList{"libQt5Core", "libc.so"};
    QTest::newRow("Tesseract needs no Qt")
        << QString::fromLocal8Bit(TS_TESSERACT_FILE) << QStringList{"libQt5", "libDummy"}
        << QStringList{"libc.so"};
    QTest::newRow("program links neither library")
        << QString::fromLocal8Bit(TS_PROGRAM_FILE) << QStringList{"libDummy", "libTesseract"}
        << QStringList{"libQt5Widgets"};
}

void TestLibraries::dependencies()
{
    QFETCH(QString, file);
    QFETCH(QStringList, forbidden);
    QFETCH(QStringList, required);

    QVERIFY2(QFile::exists(file), qPrintable(file));
    if (toolOutput(QStringLiteral("readelf"), {"--version"}).isEmpty())
        QSKIP("readelf is not available");
    const QStringList needed = neededLibraries(file);
    for (const QString &library : needed) {
        for (const QString &prefix : forbidden)
            QVERIFY2(!library.startsWith(prefix), qPrintable(library));
    }
    for (const QString &prefix : required) {
        QVERIFY2(
            std::any_of(needed.begin(), needed.end(),
                        [&prefix](const QString &library) { return library.startsWith(prefix); }),
            qPrintable(needed.join(QLatin1Char(' '))));
    }
}

QTEST_APPLESS_MAIN(TestLibraries)
#include "tst_libraries.moc"
