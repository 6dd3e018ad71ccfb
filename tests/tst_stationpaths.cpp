#include "stationpaths.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// Which folders the program reads and writes, checked on real folders; whether a folder is
// writable is handed to the choice, so it holds for root too, whom permission bits do not stop.
class TestStationPaths : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void choice_data();
    void choice();
    void probeNeedsAFolderItCanWriteIn();
    void firstStartCopiesTheDefaults();
    void laterStartsKeepTheUsersFiles();
    void unmakeableFolderIsReported();
    void versionWithoutDisplay();

private:
    QString path(const QString &name) const { return dir->filePath(name) + QLatin1Char('/'); }
    void writeFile(const QString &file, const QByteArray &content);
    QByteArray readFile(const QString &file);

    std::unique_ptr<QTemporaryDir> dir;
};

void TestStationPaths::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

void TestStationPaths::writeFile(const QString &file, const QByteArray &content)
{
    QVERIFY(QDir().mkpath(QFileInfo(file).absolutePath()));
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    QCOMPARE(out.write(content), content.size());
}

QByteArray TestStationPaths::readFile(const QString &file)
{
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("(missing)");
}

void TestStationPaths::choice_data()
{
    QTest::addColumn<bool>("besideExists");
    QTest::addColumn<bool>("besideWritable");
    QTest::addColumn<bool>("installedExists");
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("catalogues");

    QTest::newRow("portable") << true << true << true << "bin/language"
                              << "bin/language";
    QTest::newRow("portable, read-only") << true << false << false << "user"
                                         << "bin/language";
    QTest::newRow("installed") << false << true << true << "user"
                               << "share/language";
    QTest::newRow("bare program") << false << true << false << "bin/language"
                                  << "bin/language";
}

void TestStationPaths::choice()
{
    QFETCH(bool, besideExists);
    QFETCH(bool, besideWritable);
    QFETCH(bool, installedExists);
    QFETCH(QString, data);
    QFETCH(QString, catalogues);
    if (besideExists)
        QVERIFY(QDir().mkpath(path("bin/language")));
    if (installedExists)
        QVERIFY(QDir().mkpath(path("share/language")));

    const StationDirs dirs = chooseStationDirs(
        path("bin/language"), path("share/language"), path("user"),
        [&](const QString &folder) { return folder == path("bin/language") && besideWritable; });
    QCOMPARE(dirs.data, path(data));
    QCOMPARE(dirs.catalogues, path(catalogues));
    QCOMPARE(dirs.perUser, data == "user");
    // Only ever made on demand beside the program, never in an installed bin folder.
    QCOMPARE(QFileInfo::exists(path("bin/language")), besideExists);
}

void TestStationPaths::probeNeedsAFolderItCanWriteIn()
{
    writeFile(dir->filePath("file"), "x");
    QVERIFY(canCreateFilesIn(dir->path()));
    QVERIFY(!canCreateFilesIn(dir->filePath("missing")));
    QVERIFY(!canCreateFilesIn(dir->filePath("file")));
    // The probe leaves nothing behind.
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"file"});
}

void TestStationPaths::firstStartCopiesTheDefaults()
{
    writeFile(path("defaults") + "settings.ini", "[General]\nLanguage=queuestation_pl.qm\n");
    writeFile(path("defaults") + "Config/template.json", "{}");
    writeFile(path("defaults") + "ticketstation_en.qm", "catalogue");

    const SeedOutcome outcome = seedLanguageDir(path("defaults"), path("user"));
    QVERIFY(outcome.ok());
    QVERIFY(outcome.message().isEmpty());
    QCOMPARE(readFile(path("user") + "settings.ini"), "[General]\nLanguage=queuestation_pl.qm\n");
    QCOMPARE(readFile(path("user") + "Config/template.json"), "{}");
    QVERIFY(QFileInfo(path("user") + "temp").isDir());
    // Catalogues are read where they were installed.
    QVERIFY(!QFileInfo::exists(path("user") + "ticketstation_en.qm"));

    // Without shipped defaults the layout is still made.
    QVERIFY(seedLanguageDir(path("none"), path("user2")).ok());
    QVERIFY(QFileInfo(path("user2") + "Config").isDir());
}

void TestStationPaths::laterStartsKeepTheUsersFiles()
{
    writeFile(path("defaults") + "settings.ini", "shipped");
    writeFile(path("defaults") + "Config/template.json", "shipped");
    writeFile(path("user") + "settings.ini", "mine");

    QVERIFY(seedLanguageDir(path("defaults"), path("user")).ok());
    QCOMPARE(readFile(path("user") + "settings.ini"), "mine");
    // A design the user removed stays removed.
    QVERIFY(!QFileInfo::exists(path("user") + "Config/template.json"));
    QVERIFY(QFileInfo(path("user") + "temp").isDir());
}

void TestStationPaths::unmakeableFolderIsReported()
{
    // Nothing can be made below a regular file, whatever the user's rights.
    writeFile(dir->filePath("file"), "x");
    const SeedOutcome outcome = seedLanguageDir(path("defaults"), path("file/user"));
    QVERIFY(!outcome.ok());
    QVERIFY2(outcome.message().contains(QDir::toNativeSeparators(dir->filePath("file/user"))),
             qPrintable(outcome.message()));
    QCOMPARE(readFile(dir->filePath("file")), "x");
}

void TestStationPaths::versionWithoutDisplay()
{
    // With no display a window system plugin would abort the program, so only an answer given
    // before the application starts passes.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.insert("QT_QPA_PLATFORM", "xcb");
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(TS_PROGRAM_FILE, {"--version"});
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitCode(), 0);
    // A line of text, as the system ends one.
    QCOMPARE(program.readAllStandardOutput().replace("\r\n", "\n"),
             QByteArray("TicketStation " TS_VERSION "\n"));
}

QTEST_GUILESS_MAIN(TestStationPaths)
#include "tst_stationpaths.moc"
