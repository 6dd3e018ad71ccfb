#include "datapacket.h"
#include "ptypair.h"
#include "serialport.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include <memory>

class TestSerialPort : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensAndClosesPseudoTerminal();
    void openFailsForMissingPort_data();
    void openFailsForMissingPort();
    void singleFrameReportsFullProgress();
    void sendDatChunks_data();
    void sendDatChunks();
    void framesArePaced_data();
    void framesArePaced();
    void framesQueuedWhileClosedAreDropped();
    void closeEmptiesQueue();
    void queueEmptyWaitsForTheDriver();
    void receivedBursts_data();
    void receivedBursts();
    void replyDoesNotDiscardOutgoingFrame();
    void discoveryPausesWhileOpen();
    void unpluggedDeviceClosesPort();

private:
    std::unique_ptr<PtyPair> pty;
    std::unique_ptr<SerialPort> link;
};

namespace {
QByteArray pattern(int size)
{
    QByteArray dat(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        dat[i] = char((i * 31 + 5) & 0xFF);
    return dat;
}

// Three small frames: the first goes out at once, the rest wait in the queue behind it.
void queueThreeFrames(SerialPort &link)
{
    link.queueDat(QByteArray("one"));
    link.queueDat(QByteArray("two"));
    link.queueDat(QByteArray("three"));
}

QList<int> progressValues(const QSignalSpy &spy)
{
    QList<int> values;
    for (const QList<QVariant> &args : spy)
        values.append(args.at(0).toInt());
    return values;
}
// The link's intervals shortened, in the same proportions, so the tests need not sit through
// the device's 300 ms pacing and the two-second port listing.
const LinkTiming kTiming{10, 60, 30, 300};
} // namespace

void TestSerialPort::init()
{
    pty = std::make_unique<PtyPair>();
    QVERIFY(pty->isValid());
    link = std::make_unique<SerialPort>(kTiming);
}

void TestSerialPort::cleanup()
{
    link.reset();
    pty.reset();
}

void TestSerialPort::opensAndClosesPseudoTerminal()
{
    QVERIFY(!link->isOpen());
    QVERIFY(link->openSerialPort(pty->slavePath()));
    QVERIFY(link->isOpen());
    QVERIFY(link->closeSerialPort());
    QVERIFY(!link->isOpen());
}

void TestSerialPort::openFailsForMissingPort_data()
{
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("why");
    QTest::newRow("no such device") << "/dev/ticketstation-no-such-port"
                                    << "No such file";
    QTest::newRow("tcp without port") << "tcp://127.0.0.1"
                                      << "tcp://地址:端口号";
    QTest::newRow("tcp port 0") << "tcp://127.0.0.1:0"
                                << "1 到 65535";
    QTest::newRow("tcp port too high") << "tcp://127.0.0.1:65536"
                                       << "1 到 65535";
    QTest::newRow("tcp host name") << "tcp://dispenser.example:4001"
                                   << "IP 地址";
    QTest::newRow("tcp IPv6 without brackets") << "tcp://::1:4001"
                                               << "IP 地址";
}

void TestSerialPort::openFailsForMissingPort()
{
    QFETCH(QString, port);
    QFETCH(QString, why);
    QVERIFY(!link->openSerialPort(port));
    QVERIFY(!link->isOpen());
    QVERIFY2(link->errorString().contains(why), qPrintable(link->errorString()));
}

void TestSerialPort::singleFrameReportsFullProgress()
{
    QSignalSpy progress(link.get(), &SerialPort::sgnTransmissionProgress);
    QVERIFY(link->openSerialPort(pty->slavePath()));
    const QByteArray frame = packetHeader(PACKET_VERSION_QUERY, kSingleFrameLength);

    link->queueDat(frame);

    QCOMPARE(pty->read(frame.size(), 2000), frame);
    QTRY_COMPARE(progressValues(progress), QList<int>{100});
}

void TestSerialPort::sendDatChunks_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QByteArray>("wire");
    QTest::addColumn<QList<int>>("reports");

    const QByteArray exact = pattern(1024);
    QTest::newRow("1024 bytes in one chunk")
        << 1024 << QByteArray::fromHex("1300000000040000") + exact << QList<int>{100};
    const QByteArray over = pattern(1025);
    QTest::newRow("1025 bytes in two chunks")
        << 1025
        << QByteArray::fromHex("1300000000040000") + over.left(1024) +
               QByteArray::fromHex("1300000001000000") + over.right(1)
        << QList<int>{50, 100};
    QTest::newRow("empty data queues nothing") << 0 << QByteArray() << QList<int>();
}

void TestSerialPort::sendDatChunks()
{
    QFETCH(int, size);
    QFETCH(QByteArray, wire);
    QFETCH(QList<int>, reports);
    QSignalSpy progress(link.get(), &SerialPort::sgnTransmissionProgress);
    QVERIFY(link->openSerialPort(pty->slavePath()));

    link->sendDat(PACKET_TICKET_SET, pattern(size));

    if (wire.isEmpty())
        QCOMPARE(pty->readFor(kTiming.sendGap * 3), QByteArray());
    else
        QCOMPARE(pty->read(wire.size(), 3000), wire);
    QTRY_COMPARE(progressValues(progress), reports);
}

void TestSerialPort::framesArePaced_data()
{
    QTest::addColumn<bool>("overTcp");
    QTest::newRow("serial") << false;
    QTest::newRow("tcp") << true;
}

void TestSerialPort::framesArePaced()
{
    QFETCH(bool, overTcp);
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    QVERIFY(link->openSerialPort(overTcp
                                     ? QStringLiteral("tcp://localhost:%1").arg(server.serverPort())
                                     : pty->slavePath()));
    QTRY_VERIFY(!overTcp || server.hasPendingConnections());
    QTcpSocket *peer = server.nextPendingConnection();
    QList<int> reports;
    QList<qint64> times;
    QElapsedTimer clock;
    clock.start();
    connect(link.get(), &SerialPort::sgnTransmissionProgress, this, [&](int percentage) {
        reports.append(percentage);
        times.append(clock.elapsed());
    });
    const QList<QByteArray> frames{QByteArray("\x01first", 6), QByteArray("\x02second", 7),
                                   QByteArray("\x03third", 6)};

    for (const QByteArray &frame : frames)
        link->queueDat(frame);

    if (overTcp)
        QTRY_COMPARE(peer->peek(19), frames.at(0) + frames.at(1) + frames.at(2));
    else
        QCOMPARE(pty->read(19, 5000), frames.at(0) + frames.at(1) + frames.at(2));
    QTRY_COMPARE(reports, (QList<int>{33, 66, 100}));
    // The gap is the device's only flow control; the upper bound only catches a stalled queue.
    for (int i = 1; i < times.size(); ++i) {
        const qint64 gap = times.at(i) - times.at(i - 1);
        QVERIFY2(gap >= kTiming.sendGap * 5 / 6 && gap < 2000, qPrintable(QString::number(gap)));
    }
}

void TestSerialPort::framesQueuedWhileClosedAreDropped()
{
    QSignalSpy progress(link.get(), &SerialPort::sgnTransmissionProgress);
    link->queueDat(QByteArray("stale"));
    QTest::qWait(kTiming.sendGap * 2);
    QCOMPARE(progress.count(), 0);

    QVERIFY(link->openSerialPort(pty->slavePath()));
    QCOMPARE(pty->readFor(kTiming.sendGap * 3), QByteArray());
    QCOMPARE(progress.count(), 0);

    link->queueDat(QByteArray("fresh"));
    QCOMPARE(pty->read(5, 2000), QByteArray("fresh"));
    QTRY_COMPARE(progressValues(progress), QList<int>{100});
}

void TestSerialPort::closeEmptiesQueue()
{
    QSignalSpy progress(link.get(), &SerialPort::sgnTransmissionProgress);
    QVERIFY(link->openSerialPort(pty->slavePath()));
    queueThreeFrames(*link);
    QVERIFY(progress.wait(2000));
    QVERIFY(link->closeSerialPort());

    QVERIFY(link->openSerialPort(pty->slavePath()));
    QCOMPARE(pty->readFor(kTiming.sendGap * 3), QByteArray("one"));
    QCOMPARE(progressValues(progress), QList<int>{33});
}

void TestSerialPort::queueEmptyWaitsForTheDriver()
{
    // Frames faster than the far side reads fill the terminal's buffer; what the port still
    // holds then must reach the line before the queue counts as written.
    SerialPort fast(LinkTiming{1, 1, 30, 2000});
    QSignalSpy empty(&fast, &SerialPort::sgnQueueEmpty);
    QSignalSpy lost(&fast, &SerialPort::sgnDeviceLost);
    QVERIFY(fast.openSerialPort(pty->slavePath()));
    const QByteArray frame = pattern(1024);
    constexpr int kFrames = 256;
    for (int i = 0; i < kFrames; ++i)
        fast.queueDat(frame);
    QTRY_COMPARE_WITH_TIMEOUT(fast.pendingFrames(), 0, 10000);
    QCOMPARE(empty.count(), 0);

    QCOMPARE(pty->read(kFrames * frame.size(), 10000).size(), kFrames * frame.size());
    QTRY_COMPARE(empty.count(), 1);
    QCOMPARE(lost.count(), 0);
}

void TestSerialPort::receivedBursts_data()
{
    QTest::addColumn<int>("pauseMs");
    QTest::addColumn<QList<QByteArray>>("bursts");
    QTest::newRow("short pause joins the pieces") << 5 << QList<QByteArray>{"#VERSION:V1.2"};
    QTest::newRow("long silence splits them") << 80 << QList<QByteArray>{"#VERSION", ":V1.2"};
}

void TestSerialPort::receivedBursts()
{
    QFETCH(int, pauseMs);
    QFETCH(QList<QByteArray>, bursts);
    QSignalSpy received(link.get(), &SerialPort::sgnReceiveDat);
    QVERIFY(link->openSerialPort(pty->slavePath()));

    QVERIFY(pty->write("#VERSION"));
    QTest::qWait(pauseMs);
    QVERIFY(pty->write(":V1.2"));

    QTRY_COMPARE(received.count(), bursts.size());
    QTest::qWait(100);
    QCOMPARE(received.count(), bursts.size());
    for (int i = 0; i < bursts.size(); ++i)
        QCOMPARE(received.at(i).at(0).toByteArray(), bursts.at(i));
}

void TestSerialPort::replyDoesNotDiscardOutgoingFrame()
{
    // The device answers while earlier frames are still on their way to it (it has not read
    // them yet); they must arrive whole. More than the terminal's 4 KiB read buffer is sent so
    // that part of it still waits in the driver when the reply comes in.
    QSignalSpy received(link.get(), &SerialPort::sgnReceiveDat);
    QSignalSpy progress(link.get(), &SerialPort::sgnTransmissionProgress);
    QVERIFY(link->openSerialPort(pty->slavePath()));
    const QByteArray dat = pattern(6000);
    QByteArray wire;
    for (const QByteArray &frame : chunkFrames(PACKET_PRINT_DAT, dat))
        wire += frame;

    link->sendDat(PACKET_PRINT_DAT, dat);
    QTRY_COMPARE_WITH_TIMEOUT(progress.count(), 6, 5000);
    QVERIFY(pty->write("busy"));
    QVERIFY(received.wait(2000));

    QCOMPARE(pty->read(wire.size(), 2000), wire);
}

void TestSerialPort::discoveryPausesWhileOpen()
{
    QSignalSpy found(link.get(), &SerialPort::sgnFindNewSerialPort);
    QVERIFY(link->openSerialPort(pty->slavePath()));
    QTest::qWait(kTiming.discovery * 2);
    QCOMPARE(found.count(), 0);

    QVERIFY(link->closeSerialPort());
    QVERIFY(found.wait(3000));
}

void TestSerialPort::unpluggedDeviceClosesPort()
{
    QSignalSpy lost(link.get(), &SerialPort::sgnDeviceLost);
    QSignalSpy errors(link.get(), &SerialPort::sgnSerialPortError);
    QSignalSpy progress(link.get(), &SerialPort::sgnTransmissionProgress);
    QVERIFY(link->openSerialPort(pty->slavePath()));
    queueThreeFrames(*link);
    QVERIFY(progress.wait(2000));

    pty->closeMaster();

    QVERIFY(lost.wait(1000));
    QVERIFY(errors.count() > 0);
    QVERIFY(!link->isOpen());
    QTest::qWait(kTiming.sendGap * 3);
    QCOMPARE(progressValues(progress), QList<int>{33});
    QCOMPARE(lost.count(), 1);

    PtyPair replacement;
    QVERIFY(replacement.isValid());
    QVERIFY(link->openSerialPort(replacement.slavePath()));
    link->queueDat(QByteArray("again"));
    QCOMPARE(replacement.read(5, 2000), QByteArray("again"));
    QTRY_COMPARE(progressValues(progress), (QList<int>{33, 100}));
}

QTEST_GUILESS_MAIN(TestSerialPort)
#include "tst_serialport.moc"
