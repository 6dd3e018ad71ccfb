// The device misbehaving on a real line: it vanishes in the middle of a download, or floods
// the line with noise.

#include "emulatorsession.h"
#include "faulttools.h"
#include "jobtexts.h"
#include "ptypair.h"
#include "testmain.h"
#include "ticketstation.h"

#include <QComboBox>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <memory>

class TestFaultDevice : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void deviceVanishesDuringDownload();
    void noiseFloodKeepsMemoryBounded();

private:
    // Starts the emulator and waits for the line it serves.
    void startEmulator(EmulatorSession &emulator, const QStringList &arguments);
    void connectTo(const QString &port);

    QTemporaryDir outDir;
    EmulatorSession first;
    EmulatorSession second;
    std::unique_ptr<TicketStation> window;
};

void TestFaultDevice::init()
{
    QVERIFY(outDir.isValid());
    // Two default pages of the default height: a download of some forty frames.
    QVERIFY(writeSettingsIni("maxTabWidget=2\n"));
    window = std::make_unique<TicketStation>(nullptr, fastTiming());
    window->show();
}

void TestFaultDevice::cleanup()
{
    window.reset();
    first.stop();
    second.stop();
    removeSettingsIni();
}

void TestFaultDevice::startEmulator(EmulatorSession &emulator, const QStringList &arguments)
{
    QVERIFY2(emulator.start(QStringLiteral(EMULATOR_PATH),
                            QStringList{"--out", outDir.path()} + arguments),
             qPrintable(emulator.log()));
}

void TestFaultDevice::connectTo(const QString &port)
{
    connectWindowTo(window.get(), port);
    QCOMPARE(window->findChild<QPushButton *>("btnConnect")->text(), QObject::tr("断开连接"));
}

void TestFaultDevice::deviceVanishesDuringDownload()
{
    // Frame 1 is the version query, so the line goes away after three frames of the download.
    startEmulator(first, {"--version", "EMU-1.0", "--hangup-after", "4"});
    QVERIFY(!first.portPath().isEmpty());
    connectTo(first.portPath());
    auto *version = window->findChild<QLabel *>("labVersion");
    auto *state = window->findChild<QLabel *>("labState");
    auto *button = window->findChild<QPushButton *>("btnConnect");
    auto *ports = window->findChild<QComboBox *>("cmbSerialPort");
    QTRY_COMPARE_WITH_TIMEOUT(version->text(), QObject::tr("版本号:%1").arg("EMU-1.0"), 5000);

    downloadAnyway(window.get());
    QTRY_VERIFY_WITH_TIMEOUT(first.log().contains("hanging up after 4 frames"), 10000);
    QElapsedTimer sinceHangup;
    sinceHangup.start();
    QTRY_COMPARE_WITH_TIMEOUT(button->text(), QObject::tr("连接设备"), 1000);
    QVERIFY2(sinceHangup.elapsed() < 1000, qPrintable(QString::number(sinceHangup.elapsed())));
    QVERIFY(ports->isEnabled());
    QCOMPARE(version->text(), QObject::tr("版本号:--"));
    QCOMPARE(state->text(), QObject::tr("连接状态:--"));
    // The operator learns that the device now holds half a design, and it stays said.
    const QString interrupted = jobStatusText(window.get());
    QVERIFY2(interrupted.startsWith(jobRefusedText(Dispenser::Download, QString())) &&
                 interrupted.contains(incompleteDesignText()),
             qPrintable(interrupted));

    // The rest of the download is dropped: no progress is shown any more.
    QVERIFY(!window->findChild<QProgressBar *>("transferBar")->isVisible());

    // A device plugged in again is reached as usual.
    startEmulator(second, {"--version", "EMU-2.0"});
    QVERIFY(!second.portPath().isEmpty());
    connectTo(second.portPath());
    QTRY_COMPARE_WITH_TIMEOUT(version->text(), QObject::tr("版本号:%1").arg("EMU-2.0"), 5000);
    QCOMPARE(state->text(), QObject::tr("连接状态:已连接"));
    // Connecting again is no sign the operator has read it.
    QCOMPARE(jobStatusText(window.get()), interrupted);
}

void TestFaultDevice::noiseFloodKeepsMemoryBounded()
{
    // Noise is no answer after any wait; the dispenser asks again and again.
    DispenserTiming timing = fastTiming();
    timing.answerTimeout = 300;
    timing.livenessInterval = 300;
    window = std::make_unique<TicketStation>(nullptr, timing);
    window->show();
    PtyPair pty;
    QVERIFY(pty.isValid());
    connectTo(pty.slavePath());
    auto *version = window->findChild<QLabel *>("labVersion");

    // Without a pause the link never sees the end of a burst; 10 MB arrive in 64 KB writes.
    // Held as one burst they would take several times their size.
    constexpr int floodBytes = 10 * 1024 * 1024;
    QRandomGenerator random(20261208);
    QByteArray chunk(64 * 1024, Qt::Uninitialized);
    const qint64 before = residentKiB();
    qint64 peak = before;
    for (int sent = 0; sent < floodBytes; sent += chunk.size()) {
        random.fillRange(reinterpret_cast<quint32 *>(chunk.data()), chunk.size() / 4);
        QVERIFY(pty.write(chunk));
        QCoreApplication::processEvents();
        peak = qMax(peak, residentKiB());
    }
    // The first query went unanswered in the noise; by then the link has read all of it.
    QTRY_COMPARE_WITH_TIMEOUT(window->findChild<QLabel *>("labState")->text(),
                              QObject::tr("连接状态:设备无应答"), 10000);
    peak = qMax(peak, residentKiB());
    qDebug("resident memory grew by %lld KiB during the flood", peak - before);
    QVERIFY2(peak - before < memoryBoundKiB(floodBytes / 1024 * 3 / 4),
             qPrintable(QString("grew by %1 KiB").arg(peak - before)));
    QCOMPARE(window->findChild<QPushButton *>("btnConnect")->text(), QObject::tr("断开连接"));
    QCOMPARE(version->text(), QObject::tr("版本号:--"));

    // The link still understands the device once the noise is over. A reply that follows the
    // last of the noise within the link's silence is part of that noise; the next is not.
    QDeadlineTimer deadline(10000);
    while (version->text() != QObject::tr("版本号:%1").arg("V9.9")) {
        QVERIFY2(!deadline.hasExpired(), "no reply understood after the noise");
        if (pty.read(4096, 50).contains(kVersionQuery))
            QVERIFY(pty.write("#VERSION:V9.9"));
    }
    QCOMPARE(window->findChild<QLabel *>("labState")->text(), QObject::tr("连接状态:已连接"));
}

TS_TEST_MAIN(TestFaultDevice)
#include "tst_fault_device.moc"
