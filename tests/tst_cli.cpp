// The command-line program as it is run: the real binary, real files, emulated dispensers on
// pseudo-terminals and on loopback TCP ports.

#include "devicestate.h"
#include "emulatorsession.h"
#include "ptypair.h"

#include "monochrome.h"

#include <QDir>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>

namespace {

const QString kDefaultDesign = QStringLiteral(TS_GOLDEN_DIR "/default/design.json");
const QString kGoldenTime = QStringLiteral("2024-05-06T07:08:09");
// Short enough for a quick test, long enough for a busy emulator to keep up.
const QString kSendGap = QStringLiteral("5");

struct CliRun
{
    int exitCode = -1;
    QByteArray out;
    QString err;
};

CliRun runCli(const QStringList &arguments)
{
    qRegisterMetaType<QProcess::ExitStatus>();
    QProcess process;
    QSignalSpy finished(&process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished));
    process.start(QStringLiteral(CLI_PATH), arguments);
    CliRun run;
    // The event loop keeps running meanwhile, so the emulators' logs are read.
    if (!finished.wait(120000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QByteArray goldenBytes(const QString &design)
{
    QFile file(QStringLiteral(TS_GOLDEN_DIR "/%1/download.bin").arg(design));
    return file.open(QIODevice::ReadOnly) ? qUncompress(file.readAll()) : QByteArray();
}

// The pages the device keeps after receiving `bytes`.
QList<QImage> storedPages(const QByteArray &bytes)
{
    devicemodel::DeviceState device{QString()};
    devicemodel::FrameDecoder decoder;
    for (const devicemodel::FrameDecoder::Event &event : decoder.feed(bytes)) {
        if (!event.isFault())
            device.handleFrame(event.frame);
    }
    return device.nvPages();
}

bool storesGoldenDefault(EmulatorSession &emulator, const QString &dir)
{
    const QList<QImage> expected = storedPages(goldenBytes("default"));
    if (!emulator.waitForLog("nv_page_1.png", 10000) || expected.size() != 2)
        return false;
    for (int k = 0; k < expected.size(); ++k) {
        if (printedDots(QImage(QStringLiteral("%1/nv_page_%2.png").arg(dir).arg(k))) !=
            printedDots(expected.at(k)))
            return false;
    }
    return true;
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void renderGivesStoredDotsAndTicket_data();
    void renderGivesStoredDotsAndTicket();
    void bytesAreTheDownload_data();
    void bytesAreTheDownload();
    void downloadToSeveralPorts_data();
    void downloadToSeveralPorts();
    void ctrlCNamesIncompletePorts();
    void deviceCommands_data();
    void deviceCommands();
    void unusableInputIsRefused_data();
    void unusableInputIsRefused();
    void pagesBeyondTheDeviceNeedForce_data();
    void pagesBeyondTheDeviceNeedForce();
};

void TestCli::renderGivesStoredDotsAndTicket_data()
{
    QTest::addColumn<QStringList>("samples");
    QTest::addColumn<bool>("goldenTicket");
    QTest::newRow("preview's samples") << QStringList{"--time", kGoldenTime} << true;
    QTest::newRow("other samples")
        << QStringList{"--time", kGoldenTime, "--number", "42", "--waiting", "7"} << false;
}

void TestCli::renderGivesStoredDotsAndTicket()
{
    QFETCH(QStringList, samples);
    QFETCH(bool, goldenTicket);
    QTemporaryDir out;
    const CliRun run = runCli(QStringList{"render", kDefaultDesign, "--out", out.path()} + samples);
    QCOMPARE(run.exitCode, 0);

    const QList<QImage> stored = storedPages(goldenBytes("default"));
    QCOMPARE(stored.size(), 2);
    for (int n = 1; n <= stored.size(); ++n) {
        QCOMPARE(printedDots(QImage(out.filePath(QStringLiteral("page-%1.png").arg(n)))),
                 printedDots(stored.at(n - 1)));
        // The golden preview marks grey-only dots in colour; they are ink all the same.
        const QImage golden(QStringLiteral(TS_GOLDEN_DIR "/default/preview-%1.png").arg(n));
        const QImage ticket(out.filePath(QStringLiteral("ticket-%1.png").arg(n)));
        QCOMPARE(printedDots(ticket) == printedDots(golden), goldenTicket);
    }
}

void TestCli::bytesAreTheDownload_data()
{
    QTest::addColumn<QString>("design");
    QTest::addColumn<bool>("toFile");
    for (const char *design : {"default", "polish-default", "six-full", "blank"})
        QTest::newRow(design) << QString::fromLatin1(design) << false;
    QTest::newRow("tallest") << QStringLiteral("tallest") << true;
}

void TestCli::bytesAreTheDownload()
{
    QFETCH(QString, design);
    QFETCH(bool, toFile);
    const QString dir = QStringLiteral(TS_GOLDEN_DIR "/") + design;
    // The page count comes from the design itself; the height is the station's setting.
    const QSettings ini(dir + "/settings.ini", QSettings::IniFormat);
    QStringList arguments{"bytes", dir + "/design.json", "--max-height",
                          ini.value("editTextMaxHeight").toString()};
    QTemporaryDir out;
    if (toFile)
        arguments << "--out" << out.filePath("download.bin");

    const CliRun run = runCli(arguments);
    QCOMPARE(run.exitCode, 0);
    QFile written(out.filePath("download.bin"));
    QVERIFY(!toFile || written.open(QIODevice::ReadOnly));
    QVERIFY((toFile ? written.readAll() : run.out) == goldenBytes(design));
}

void TestCli::downloadToSeveralPorts_data()
{
    // Each port after the first, which is an emulator on a pseudo-terminal.
    QTest::addColumn<QStringList>("others");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("why");
    QTest::newRow("two emulators") << QStringList{"pty"} << 0 << QString();
    QTest::newRow("two over TCP, two over terminals")
        << QStringList{"tcp", "tcp", "pty"} << 0 << QString();
    QTest::newRow("TCP port refused")
        << QStringList{"refused"} << 1 << "cannot open: connection refused";
    QTest::newRow("emulator gone mid-download")
        << QStringList{"pty hangup"} << 1 << "incomplete design";
    QTest::newRow("TCP emulator gone mid-download")
        << QStringList{"tcp hangup"} << 1 << "incomplete design";
    // The terminal fills up and stops taking data; the TCP connection takes everything, and
    // then no answer comes.
    QTest::newRow("emulator frozen mid-download")
        << QStringList{"pty frozen"} << 1 << "the line stopped taking data at";
    QTest::newRow("TCP emulator frozen mid-download")
        << QStringList{"tcp frozen"} << 1 << "the device did not answer afterwards";
}

void TestCli::downloadToSeveralPorts()
{
    QFETCH(QStringList, others);
    QFETCH(int, exitCode);
    QFETCH(QString, why);
    std::vector<std::unique_ptr<QTemporaryDir>> dirs;
    std::vector<std::unique_ptr<EmulatorSession>> emulators;
    QStringList arguments{"download", kDefaultDesign, "--send-gap", kSendGap};
    QString failing;
    for (const QString &other : QStringList{"pty"} + others) {
        if (other == QLatin1String("refused")) {
            QTcpServer closed;
            QVERIFY(closed.listen(QHostAddress::LocalHost));
            failing = QStringLiteral("tcp://127.0.0.1:%1").arg(closed.serverPort());
            arguments << "--port" << failing;
            continue;
        }
        dirs.push_back(std::make_unique<QTemporaryDir>());
        emulators.push_back(std::make_unique<EmulatorSession>());
        QStringList options{"--out", dirs.back()->path()};
        if (other.startsWith("tcp"))
            options << "--tcp"
                    << "0";
        if (other.endsWith("hangup"))
            options << "--hangup-after"
                    << "10";
        if (other.endsWith("frozen")) {
            options << "--stop-after"
                    << "10";
            // Silence is the same after any wait; the healthy port answers well within it.
            arguments << "--answer-wait"
                      << "500"
                      << "--stall-time"
                      << "500";
        }
        QVERIFY(emulators.back()->start(EMULATOR_PATH, options));
        arguments << "--port" << emulators.back()->portPath();
        if (other.contains(' '))
            failing = emulators.back()->portPath();
    }

    QElapsedTimer clock;
    clock.start();
    const CliRun run = runCli(arguments);
    qInfo("the run took %lld ms", clock.elapsed());
    QCOMPARE(run.exitCode, exitCode);
    // Every emulator that stayed stores the design; one port failing leaves the others alone.
    for (size_t i = 0; i < emulators.size(); ++i) {
        if (emulators.at(i)->portPath() != failing)
            QVERIFY(storesGoldenDefault(*emulators.at(i), dirs.at(i)->path()));
    }
    // Beside the design's findings, one line, naming the port that failed and why; the other
    // port is not mentioned.
    const QStringList portLines =
        run.err.split('\n', Qt::SkipEmptyParts)
            .filter(QRegularExpression("^ticketstation-cli: (?!" +
                                       QRegularExpression::escape(kDefaultDesign) + ")"));
    if (exitCode == 0) {
        QVERIFY2(portLines.isEmpty(), qPrintable(run.err));
        return;
    }
    QCOMPARE(portLines.size(), 1);
    QVERIFY2(portLines.first().contains(failing) && portLines.first().contains(why),
             qPrintable(run.err));
}

void TestCli::ctrlCNamesIncompletePorts()
{
    QTemporaryDir overPty;
    QTemporaryDir overTcp;
    EmulatorSession first;
    EmulatorSession second;
    QVERIFY(first.start(EMULATOR_PATH, {"--out", overPty.path()}));
    QVERIFY(second.start(EMULATOR_PATH, {"--out", overTcp.path(), "--tcp", "0"}));
    qRegisterMetaType<QProcess::ExitStatus>();
    QProcess cli;
    QSignalSpy finished(&cli, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished));
    // Slow enough to be stopped in the middle.
    cli.start(CLI_PATH, {"download", kDefaultDesign, "--send-gap", "50", "--port", first.portPath(),
                         "--port", second.portPath()});
    QVERIFY(first.waitForLog("[frame 5]", 20000));

    QCOMPARE(::kill(pid_t(cli.processId()), SIGINT), 0);

    QVERIFY(finished.wait(10000));
    QCOMPARE(cli.exitStatus(), QProcess::NormalExit);
    QCOMPARE(cli.exitCode(), 130);
    const QStringList lines = QString::fromUtf8(cli.readAllStandardError())
                                  .split('\n', Qt::SkipEmptyParts)
                                  .filter(QRegularExpression("^(?!.*design\\.json: )"));
    QCOMPARE(lines.size(), 2);
    for (const QString &port : {first.portPath(), second.portPath()}) {
        const QString line = lines.filter(port).value(0);
        QVERIFY2(line.contains(QRegularExpression(
                     "stopped at \\d+ of \\d+ frames\\. The device keeps an incomplete design "
                     "until the next complete download")),
                 qPrintable(lines.join('\n')));
    }
}

void TestCli::deviceCommands_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("printed");
    QTest::addColumn<QString>("deviceLog");
    QTest::newRow("version") << QStringList{"version"} << "EMU-1.0\n"
                             << "version query";
    QTest::newRow("set-clock") << QStringList{"set-clock", "--time", kGoldenTime}
                               << "Clock set: the device answered (2024-05-06 07:08:09)"
                               << "clock set to 2024-05-06 07:08:09, day of week 1";
    QTest::newRow("settings from the design, changed")
        << QStringList{"settings", "--design",    kDefaultDesign,     "--network",       "7",
                       "--limits", "1,2,3,4,5,6", "--disable-limits", "--number-format", "spaces"}
        << "System settings sent: the device answered (network 7"
        << "settings: network 7, number reset 00:00, interval 0, limits off [1 2 3 4 5 6], "
           "number format ____1";
    QTest::newRow("test-print") << QStringList{"test-print", kDefaultDesign}
                                << "Test ticket sent: the device answered (page 1)"
                                << "print_1.png";
}

void TestCli::deviceCommands()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, printed);
    QFETCH(QString, deviceLog);
    QTemporaryDir dir;
    EmulatorSession emulator;
    QVERIFY(emulator.start(EMULATOR_PATH, {"--out", dir.path()}));

    const CliRun run = runCli(arguments + QStringList{"--port", emulator.portPath()});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(QString::fromUtf8(run.out).contains(printed), run.out.constData());
    QVERIFY2(emulator.waitForLog(deviceLog, 5000), qPrintable(emulator.log()));
}

void TestCli::unusableInputIsRefused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("content"); // of the file named FILE in the arguments
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("why");
    QTest::newRow("missing file") << QStringList{"bytes", "/no/such/design.json"} << QByteArray()
                                  << 2 << "/no/such/design.json";
    QTest::newRow("JSON array") << QStringList{"render", "FILE", "--out", "OUT"}
                                << QByteArray("[1,2,3]") << 2 << "not a design file";
    QTest::newRow("object of no design")
        << QStringList{"bytes", "FILE"} << QByteArray(R"({"a": 1})") << 2 << "not a design file";
    QTest::newRow("pages beyond the device")
        << QStringList{"bytes", kDefaultDesign, "--pages", "7"} << QByteArray() << 2 << "--pages";
    QTest::newRow("unknown option")
        << QStringList{"render", kDefaultDesign, "--colour"} << QByteArray() << 2 << "colour";
    QTest::newRow("one port twice")
        << QStringList{"version", "--port", "/dev/null", "--port", "/dev/null"} << QByteArray() << 2
        << "given twice";
    QTest::newRow("port nobody answers on")
        << QStringList{"version", "--port", "PTY", "--send-gap", "20", "--answer-wait", "300"}
        << QByteArray() << 1 << "no answer";
    QTest::newRow("TCP port out of range")
        << QStringList{"version", "--port", "tcp://127.0.0.1:65536"} << QByteArray() << 2
        << "1 to 65535";
    QTest::newRow("TCP port given twice")
        << QStringList{"version", "--port", "tcp://localhost:4001", "--port",
                       "tcp://127.0.0.1:4001"}
        << QByteArray() << 2 << "given twice";
}

void TestCli::unusableInputIsRefused()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, content);
    QFETCH(int, exitCode);
    QFETCH(QString, why);
    QTemporaryDir dir;
    QFile file(dir.filePath("design.json"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    file.close();
    arguments.replaceInStrings(QRegularExpression("^FILE$"), file.fileName());
    arguments.replaceInStrings(QRegularExpression("^OUT$"), dir.filePath("out"));
    const PtyPair silent;
    arguments.replaceInStrings(QRegularExpression("^PTY$"), silent.slavePath());

    const CliRun run = runCli(arguments);
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.err.count('\n'), 1);
    QVERIFY2(run.err.contains(why), qPrintable(run.err));
    // Nothing was written, least of all over the file that was read.
    QVERIFY(!QFile::exists(dir.filePath("out")));
    QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll() == content);
}

void TestCli::pagesBeyondTheDeviceNeedForce_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("force");
    for (const char *command : {"render", "download"}) {
        QTest::newRow(qPrintable(QString(command) + ", refused")) << command << false;
        QTest::newRow(qPrintable(QString(command) + ", forced")) << command << true;
    }
}

void TestCli::pagesBeyondTheDeviceNeedForce()
{
    QFETCH(QString, command);
    QFETCH(bool, force);
    // The default design with a seventh page, a copy of its first.
    QFile source(kDefaultDesign);
    QVERIFY(source.open(QIODevice::ReadOnly));
    QJsonObject root = QJsonDocument::fromJson(source.readAll()).object();
    root.insert("type_7_html", root.value("type_1_html"));
    QTemporaryDir dir;
    QFile seven(dir.filePath("seven.json"));
    QVERIFY(seven.open(QIODevice::WriteOnly));
    seven.write(QJsonDocument(root).toJson());
    seven.close();
    EmulatorSession emulator;
    QStringList arguments{command, seven.fileName()};
    if (command == "render") {
        arguments << "--out" << dir.filePath("out");
    } else {
        QVERIFY(emulator.start(EMULATOR_PATH, {"--out", dir.filePath("device")}));
        arguments << "--port" << emulator.portPath() << "--send-gap" << kSendGap;
    }
    if (force)
        arguments << "--force";

    const CliRun run = runCli(arguments);

    QCOMPARE(run.exitCode, force ? 0 : 2);
    // Named whether it goes on or not.
    QVERIFY2(run.err.contains("Type 7"), qPrintable(run.err));
    QVERIFY2(run.err.contains("--force") != force, qPrintable(run.err));
    // Refused, nothing was made or sent; forced, the six pages the device takes.
    if (command == "render")
        QCOMPARE(QDir(dir.filePath("out")).entryList(QDir::Files).size(), force ? 12 : 0);
    else
        QCOMPARE(emulator.log().contains("[frame 2]"), force);
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
