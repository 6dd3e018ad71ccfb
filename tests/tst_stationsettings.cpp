#include "stationsettings.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class TestStationSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void defaultsWithoutFile();
    void pageCount_data();
    void pageCount();
    void maxHeight_data();
    void maxHeight();
    void language_data();
    void language();
    void writingKeepsWhatTheStationSet();

private:
    // Writes `lines` as the INI file and reads it back the way the window does.
    StationSettings readFile(const QByteArray &lines);

    std::unique_ptr<QTemporaryDir> dir;
};

void TestStationSettings::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

void TestStationSettings::cleanup()
{
    dir.reset();
}

StationSettings TestStationSettings::readFile(const QByteArray &lines)
{
    const QString path = dir->filePath(QStringLiteral("settings.ini"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(lines);
    file.close();
    const QSettings ini(path, QSettings::IniFormat);
    return readStationSettings(ini);
}

void TestStationSettings::defaultsWithoutFile()
{
    const QSettings ini(dir->filePath(QStringLiteral("missing.ini")), QSettings::IniFormat);
    const StationSettings settings = readStationSettings(ini);
    QCOMPARE(settings.language, QString());
    QCOMPARE(settings.pageCount, 2);
    QCOMPARE(settings.maxHeight, 480);
}

void TestStationSettings::pageCount_data()
{
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<int>("pages");

    QTest::newRow("absent") << QByteArray("editTextMaxHeight=480\n") << 2;
    QTest::newRow("empty value") << QByteArray("maxTabWidget=\n") << 2;
    QTest::newRow("zero") << QByteArray("maxTabWidget=0\n") << 2;
    QTest::newRow("negative") << QByteArray("maxTabWidget=-3\n") << 2;
    QTest::newRow("one") << QByteArray("maxTabWidget=1\n") << 1;
    QTest::newRow("six") << QByteArray("maxTabWidget=6\n") << 6;
    QTest::newRow("seven leaves none, so default") << QByteArray("maxTabWidget=7\n") << 2;
    QTest::newRow("eight wraps to one") << QByteArray("maxTabWidget=8\n") << 1;
    QTest::newRow("nine wraps to two") << QByteArray("maxTabWidget=9\n") << 2;
    QTest::newRow("fourteen leaves none") << QByteArray("maxTabWidget=14\n") << 2;
    QTest::newRow("thirteen") << QByteArray("maxTabWidget=13\n") << 6;
    QTest::newRow("garbage") << QByteArray("maxTabWidget=lots\n") << 2;
    QTest::newRow("trailing garbage") << QByteArray("maxTabWidget=3x\n") << 2;
    QTest::newRow("fraction") << QByteArray("maxTabWidget=3.5\n") << 2;
    QTest::newRow("int max") << QByteArray("maxTabWidget=2147483647\n") << 1;
    QTest::newRow("beyond int") << QByteArray("maxTabWidget=99999999999\n") << 2;
    QTest::newRow("in General group") << QByteArray("[General]\nmaxTabWidget=4\n") << 4;
    QTest::newRow("in another group only") << QByteArray("[Other]\nmaxTabWidget=4\n") << 2;
}

void TestStationSettings::pageCount()
{
    QFETCH(QByteArray, lines);
    QFETCH(int, pages);
    QCOMPARE(readFile(lines).pageCount, pages);
}

void TestStationSettings::maxHeight_data()
{
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<int>("height");

    QTest::newRow("absent") << QByteArray("maxTabWidget=2\n") << 480;
    QTest::newRow("zero") << QByteArray("editTextMaxHeight=0\n") << 480;
    QTest::newRow("negative") << QByteArray("editTextMaxHeight=-20\n") << 480;
    QTest::newRow("one") << QByteArray("editTextMaxHeight=1\n") << 1;
    QTest::newRow("700") << QByteArray("editTextMaxHeight=700\n") << 700;
    QTest::newRow("16-bit limit") << QByteArray("editTextMaxHeight=65535\n") << 65535;
    QTest::newRow("just above 16 bits") << QByteArray("editTextMaxHeight=65536\n") << 65535;
    QTest::newRow("70000") << QByteArray("editTextMaxHeight=70000\n") << 65535;
    QTest::newRow("garbage") << QByteArray("editTextMaxHeight=tall\n") << 480;
    QTest::newRow("beyond int") << QByteArray("editTextMaxHeight=99999999999\n") << 480;
}

void TestStationSettings::maxHeight()
{
    QFETCH(QByteArray, lines);
    QFETCH(int, height);
    QCOMPARE(readFile(lines).maxHeight, height);
}

void TestStationSettings::language_data()
{
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<QString>("language");

    QTest::newRow("absent") << QByteArray("maxTabWidget=2\n") << QString();
    QTest::newRow("english") << QByteArray("Language=ticketstation_en.qm\n")
                             << QStringLiteral("ticketstation_en.qm");
    QTest::newRow("polish") << QByteArray("Language=queuestation_pl.qm\n")
                            << QStringLiteral("queuestation_pl.qm");
    QTest::newRow("empty") << QByteArray("Language=\n") << QString();
}

void TestStationSettings::language()
{
    QFETCH(QByteArray, lines);
    QFETCH(QString, language);
    QCOMPARE(readFile(lines).language, language);
}

void TestStationSettings::writingKeepsWhatTheStationSet()
{
    readFile("maxTabWidget=9\neditTextMaxHeight=700\nOther=kept\n");
    const StationSettingsFile file(dir->filePath(QStringLiteral("settings.ini")));
    StationSettings settings = file.read();
    settings.language = QStringLiteral("ticketstation_en.qm");
    for (const char *port : {"/dev/ttyUSB0", "tcp://10.0.0.2:4001", "/dev/ttyUSB0"})
        StationSettingsFile::remember(settings.recentPorts, port, 8);
    for (int i = 0; i < 12; ++i)
        StationSettingsFile::remember(settings.recentDesigns, QString("/d/%1.json").arg(i), 8);
    settings.lastFolder = QStringLiteral("/d");
    QVERIFY(file.write(settings));

    const StationSettings back = file.read();
    QCOMPARE(back.recentPorts, QStringList({"/dev/ttyUSB0", "tcp://10.0.0.2:4001"}));
    QCOMPARE(back.recentDesigns.size(), 8);
    QCOMPARE(back.recentDesigns.first(), QStringLiteral("/d/11.json"));
    QCOMPARE(back.lastFolder, QStringLiteral("/d"));
    QCOMPARE(back.language, QStringLiteral("ticketstation_en.qm"));
    // The station's own values stay as written, not as corrected when read.
    const QSettings ini(dir->filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    QCOMPARE(ini.value("maxTabWidget").toString(), QStringLiteral("9"));
    QCOMPARE(ini.value("Other").toString(), QStringLiteral("kept"));
}

QTEST_GUILESS_MAIN(TestStationSettings)
#include "tst_stationsettings.moc"
