// One dispenser connection over real lines: a pseudo-terminal the test plays the device on,
// and the emulated device over a pseudo-terminal and over loopback TCP, answering, frozen or
// gone. The device acknowledges nothing but the version query, so that is what confirms a job.

#include "devicecommands.h"
#include "dispenser.h"
#include "emulatorsession.h"
#include "fasttiming.h"
#include "pagedownload.h"
#include "ptypair.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// A download of `pages` white 384 x 240 pages: 2 + 12 frames for one page.
DesignDownload whiteDownload(int pages = 1, int height = 240)
{
    QImage page(384, height, QImage::Format_RGB888);
    page.fill(Qt::white);
    QList<QImage> design;
    for (int i = 0; i < pages; ++i)
        design << page;
    return prepareDownload(design);
}

QByteArray joined(const QList<QByteArray> &frames)
{
    QByteArray bytes;
    for (const QByteArray &frame : frames)
        bytes += frame;
    return bytes;
}

// Every signal of a job, in the order it came, as text.
class JobLog
{
public:
    explicit JobLog(Dispenser &dispenser)
    {
        QObject::connect(&dispenser, &Dispenser::jobQueued, [this](Dispenser::Job, int frames) {
            lines << QStringLiteral("queued %1").arg(frames);
        });
        QObject::connect(&dispenser, &Dispenser::jobProgress,
                         [this](Dispenser::Job, int sent, int frames) {
                             lines << QStringLiteral("%1/%2").arg(sent).arg(frames);
                         });
        QObject::connect(&dispenser, &Dispenser::jobSent,
                         [this](Dispenser::Job) { lines << "sent"; });
        QObject::connect(&dispenser, &Dispenser::jobConfirmed,
                         [this](Dispenser::Job) { lines << "confirmed"; });
        QObject::connect(&dispenser, &Dispenser::jobFailed,
                         [this](Dispenser::Job, Dispenser::Failure failure, int sent, int frames) {
                             lines
                                 << QStringLiteral("failed %1 at %2/%3")
                                        .arg(QMetaEnum::fromType<Dispenser::Failure>().key(failure))
                                        .arg(sent)
                                        .arg(frames);
                         });
    }
    QString last() const { return lines.value(lines.size() - 1); }
    QStringList lines;
};

} // namespace

class TestDispenser : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void versionReply_data();
    void versionReply();
    void silentDeviceIsReported();
    void jobsReportTheirWay_data();
    void jobsReportTheirWay();
    void cancelEmptiesTheQueue();
    void emulatedDownload_data();
    void emulatedDownload();
    void idleDeviceThatStopsAnswering();

private:
    bool startEmulator(const QStringList &arguments);

    std::unique_ptr<PtyPair> pty;
    std::unique_ptr<Dispenser> dispenser;
    QTemporaryDir outDir;
    EmulatorSession emulator;
};

void TestDispenser::init()
{
    pty = std::make_unique<PtyPair>();
    QVERIFY(pty->isValid());
    dispenser = std::make_unique<Dispenser>(fastTiming());
}

void TestDispenser::cleanup()
{
    dispenser.reset();
    emulator.stop();
    pty.reset();
}

bool TestDispenser::startEmulator(const QStringList &arguments)
{
    return emulator.start(QStringLiteral(EMULATOR_PATH),
                          QStringList{"--out", outDir.path()} + arguments);
}

void TestDispenser::versionReply_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("version");
    QTest::newRow("plain") << QByteArray("#VERSION:V2.0.3") << "V2.0.3";
    QTest::newRow("up to a NUL") << QByteArray("#VERSION:V1\0garbage", 19) << "V1";
    QTest::newRow("empty version") << QByteArray("#VERSION:") << "";
    QTest::newRow("UTF-8") << QByteArray("#VERSION:版本2") << "版本2";
    QTest::newRow("line end kept") << QByteArray("#VERSION:V1.2\r\n") << "V1.2\r\n";
    QTest::newRow("marker twice") << QByteArray("#VERSION:A#VERSION:B") << "AB";
    QTest::newRow("text before the marker stays") << QByteArray("ok#VERSION:2.0") << "ok2.0";
}

void TestDispenser::versionReply()
{
    QFETCH(QByteArray, reply);
    QFETCH(QString, version);
    QSignalSpy answered(dispenser.get(), &Dispenser::versionReceived);
    QVERIFY(dispenser->open(pty->slavePath()));
    QCOMPARE(pty->read(8, 3000), kVersionQuery);

    QVERIFY(pty->write(reply));

    QVERIFY(answered.wait());
    QCOMPARE(answered.first().first().toString(), version);
    QCOMPARE(dispenser->version(), version);
    QCOMPARE(dispenser->state(), Dispenser::Answering);
}

void TestDispenser::silentDeviceIsReported()
{
    // Silence is silence after any wait.
    DispenserTiming timing = fastTiming();
    timing.answerTimeout = 300;
    dispenser = std::make_unique<Dispenser>(timing);
    QVERIFY(dispenser->open(pty->slavePath()));
    QCOMPARE(pty->read(8, 3000), kVersionQuery);
    // Neither noise nor a zero byte before the marker is a version.
    QVERIFY(pty->write(QByteArray("\0#VERSION:V1.2 and noise", 24)));

    QTRY_COMPARE_WITH_TIMEOUT(dispenser->state(), Dispenser::NotAnswering, 5000);
    QVERIFY(dispenser->version().isEmpty());
}

void TestDispenser::jobsReportTheirWay_data()
{
    QTest::addColumn<int>("job");
    QTest::addColumn<QByteArray>("frames"); // as the device reads them, the query after them
    QTest::addColumn<int>("count");
    const QByteArray print = testPageStart() + testPageEnd();
    const QDateTime time(QDate(2024, 5, 6), QTime(7, 8, 9));
    QTest::newRow("download") << int(Dispenser::Download)
                              << joined(downloadFrames(whiteDownload())) + kVersionQuery << 14;
    QTest::newRow("test print") << int(Dispenser::TestPrint)
                                << QByteArray::fromHex("1600000012000000") + print + kVersionQuery
                                << 1;
    QTest::newRow("clock") << int(Dispenser::Clock) << timeSetFrame(time) + kVersionQuery << 1;
    QTest::newRow("settings") << int(Dispenser::Settings) << systemConfigFrame({}) + kVersionQuery
                              << 1;
    QTest::newRow("version") << int(Dispenser::Version) << kVersionQuery << 1;
}

void TestDispenser::jobsReportTheirWay()
{
    QFETCH(int, job);
    QFETCH(QByteArray, frames);
    QFETCH(int, count);
    DispenserTiming timing = fastTiming();
    timing.versionQueryDelay = -1;
    Dispenser quiet(timing);
    JobLog log(quiet);
    QVERIFY(quiet.open(pty->slavePath()));
    const DesignDownload download = whiteDownload();

    switch (Dispenser::Job(job)) {
    case Dispenser::Download:
        QVERIFY(quiet.download(download));
        QVERIFY(quiet.isDownloading());
        break;
    case Dispenser::TestPrint:
        QVERIFY(quiet.testPrint(testPageStart() + testPageEnd()));
        break;
    case Dispenser::Clock:
        QVERIFY(quiet.setClock(QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9))));
        break;
    case Dispenser::Settings:
        QVERIFY(quiet.sendSettings({}));
        break;
    case Dispenser::Version:
        QVERIFY(quiet.queryVersion());
        break;
    }
    QCOMPARE(pty->read(frames.size(), 5000).toHex(' '), frames.toHex(' '));
    QTRY_COMPARE(log.last(), QStringLiteral("sent"));
    QVERIFY(pty->write("#VERSION:V1"));

    QTRY_COMPARE(log.last(), QStringLiteral("confirmed"));
    QStringList expected{QStringLiteral("queued %1").arg(count)};
    for (int i = 1; i <= count; ++i)
        expected << QStringLiteral("%1/%2").arg(i).arg(count);
    QCOMPARE(log.lines, expected + QStringList({"sent", "confirmed"}));
}

void TestDispenser::cancelEmptiesTheQueue()
{
    DispenserTiming timing = fastTiming();
    timing.versionQueryDelay = -1;
    timing.link.sendGap = 20;
    Dispenser paced(timing);
    JobLog log(paced);
    QVERIFY(paced.open(pty->slavePath()));
    const QList<QByteArray> frames = downloadFrames(whiteDownload());
    connect(&paced, &Dispenser::jobProgress, this, [&](Dispenser::Job, int sent, int) {
        if (sent == 3)
            paced.cancel();
    });

    QVERIFY(paced.download(whiteDownload()));
    QTRY_COMPARE(log.last(), QStringLiteral("failed Cancelled at 3/14"));
    QVERIFY(!paced.isDownloading());

    // The line is free again: the next job follows the three frames written, nothing between.
    QVERIFY(paced.setClock(QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9))));
    const QByteArray expected = frames.at(0) + frames.at(1) + frames.at(2) +
                                timeSetFrame(QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9))) +
                                kVersionQuery;
    QCOMPARE(pty->read(expected.size(), 5000).toHex(' '), expected.toHex(' '));
}

void TestDispenser::emulatedDownload_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("height"); // of the one page, in dots
    QTest::addColumn<QString>("outcome");
    const QStringList tcp{"--tcp", "0"};
    // Frame 1 is the query on connecting; the emulator freezes two frames into the download.
    const QStringList frozen{"--stop-after", "3"};
    QTest::newRow("answers over a terminal") << QStringList() << 480 << "confirmed";
    QTest::newRow("answers over TCP") << tcp << 480 << "confirmed";
    // The system's buffers take the whole download: only the missing answer tells.
    QTest::newRow("frozen, terminal") << frozen << 240 << "failed NotConfirmed at 14/14";
    QTest::newRow("frozen, TCP") << tcp + frozen << 480 << "failed NotConfirmed at 25/25";
    // More than a terminal holds: the line stops taking data part of the way.
    QTest::newRow("frozen, terminal full") << frozen << 480 << "failed Stalled at ";
    const QStringList gone{"--hangup-after", "3"};
    QTest::newRow("gone, terminal") << gone << 480 << "failed LineLost at ";
    QTest::newRow("gone, TCP") << tcp + gone << 480 << "failed LineLost at ";
}

void TestDispenser::emulatedDownload()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, height);
    QFETCH(QString, outcome);
    QVERIFY(startEmulator(arguments));
    DispenserTiming timing = fastTiming();
    timing.stallTimeout = 500;
    // A device that never answers gives the same outcome after any wait, so it is short there;
    // an answering one has all the time it needs.
    if (outcome != "confirmed")
        timing.answerTimeout = 300;
    Dispenser device(timing);
    JobLog log(device);
    QVERIFY(device.open(emulator.portPath()));
    QTRY_COMPARE_WITH_TIMEOUT(device.state(), Dispenser::Answering, 5000);

    QVERIFY(device.download(whiteDownload(1, height)));

    QTRY_VERIFY_WITH_TIMEOUT(log.last().startsWith("confirmed") || log.last().startsWith("failed"),
                             20000);
    QVERIFY2(log.last().startsWith(outcome), qPrintable(log.last()));
    QCOMPARE(log.lines.contains("confirmed"), outcome == "confirmed");
    // A line that stalled or went away took only part of the frames, and is closed.
    const bool cut = outcome.contains("Stalled") || outcome.contains("LineLost");
    QCOMPARE(log.lines.contains("sent"), !cut);
    QCOMPARE(device.isOpen(), !cut);
    if (outcome == "confirmed")
        QVERIFY(emulator.log().contains("nv_page_0.png"));
    emulator.resume();
}

void TestDispenser::idleDeviceThatStopsAnswering()
{
    // The emulator answers the query on connecting, then freezes.
    QVERIFY(startEmulator({"--stop-after", "1"}));
    DispenserTiming timing = fastTiming();
    timing.livenessInterval = 400;
    timing.answerTimeout = 200;
    Dispenser device(timing);
    QVERIFY(device.open(emulator.portPath()));
    QTRY_COMPARE_WITH_TIMEOUT(device.state(), Dispenser::Answering, 5000);
    QElapsedTimer sinceAnswer;
    sinceAnswer.start();

    // Two queries go unanswered: the second is asked two intervals after the answer.
    QTRY_COMPARE_WITH_TIMEOUT(device.state(), Dispenser::NotAnswering, 5000);
    QVERIFY2(sinceAnswer.elapsed() >= 2 * timing.livenessInterval,
             qPrintable(QString::number(sinceAnswer.elapsed())));

    emulator.resume();
    QTRY_COMPARE_WITH_TIMEOUT(device.state(), Dispenser::Answering, 5000);
    QVERIFY(device.isOpen());
}

QTEST_GUILESS_MAIN(TestDispenser)
#include "tst_dispenser.moc"
