#include "datapacket.h"
#include "ptypair.h"
#include "serialport.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include <memory>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

class TestSerialPort : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void portsThatOpenNothing_data();
    void portsThatOpenNothing();
    void singleFrameReportsFullProgress();
    void sendDatUsesTheRuleItIsHanded();
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
const LinkTiming kTiming{10, 60, 30, 300, 300};
const FrameCutting kCutting{PACKET_PRINT_DAT, chunkFrames};

// A loopback port whose queue of connections waiting to be accepted is full, once `filler`
// has taken the one place: the kernel drops further connection requests, so a connection
// there neither comes about nor is refused.
struct FullBacklog
{
    FullBacklog()
    {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        fd = socket(AF_INET, SOCK_STREAM, 0);
        if (fd < 0 || bind(fd, reinterpret_cast<sockaddr *>(&address), size) != 0 ||
            listen(fd, 0) != 0 ||
            getsockname(fd, reinterpret_cast<sockaddr *>(&address), &size) != 0)
            return;
        port = ntohs(address.sin_port);
        filler.connectToHost(QHostAddress::LocalHost, port);
        if (!filler.waitForConnected(2000))
            port = 0;
    }
    ~FullBacklog()
    {
        if (fd >= 0)
            close(fd);
    }
    int fd = -1;
    quint16 port = 0;
    QTcpSocket filler;
};
} // namespace

void TestSerialPort::init()
{
    pty = std::make_unique<PtyPair>();
    QVERIFY(pty->isValid());
    link = std::make_unique<SerialPort>(kCutting, kTiming);
}

void TestSerialPort::cleanup()
{
    link.reset();
    pty.reset();
}

void TestSerialPort::portsThatOpenNothing_data()
{
    // What the operator is told, in the interface language, and the system's words after it.
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("why");
    QTest::newRow("no such device") << "/dev/ticketstation-no-such-port"
                                    << "端口不存在（No such file or directory）";
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
    QTest::newRow("held by another program") << "HELD"
                                             << "端口正被其他程序使用";
    // These fail after the open has returned.
    QTest::newRow("tcp refused")
        << "tcp://127.0.0.1:CLOSED"
        << "连接被拒绝：该地址上没有设备服务器在监听（Connection refused）";
    QTest::newRow("tcp never connects") << "tcp://127.0.0.1:FULL"
                                        << "连接超时（0.3 秒内未能连接）";
}

void TestSerialPort::portsThatOpenNothing()
{
    QFETCH(QString, port);
    QFETCH(QString, why);
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost));
    port.replace("CLOSED", QString::number(closed.serverPort()));
    closed.close();
    FullBacklog full;
    QVERIFY(full.port);
    port.replace("FULL", QString::number(full.port));
    SerialPort holder(kCutting, kTiming);
    if (port == "HELD") {
        port = pty->slavePath();
        QVERIFY(holder.openSerialPort(port));
    }
    QSignalSpy failed(link.get(), &SerialPort::sgnOpenFailed);

    if (link->openSerialPort(port)) {
        QVERIFY(link->isConnecting());
        QVERIFY(failed.wait(3000));
        QCOMPARE(failed.first().first().toString(), link->errorString());
    }
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

void TestSerialPort::sendDatUsesTheRuleItIsHanded()
{
    // A rule of the test's own: the type in front of every two bytes.
    const FrameCutting pairs{7, [](int type, const QByteArray &dat) {
                                 QList<QByteArray> frames;
                                 for (int i = 0; i < dat.size(); i += 2)
                                     frames << char(type) + dat.mid(i, 2);
                                 return frames;
                             }};
    SerialPort paired(pairs, kTiming);
    QSignalSpy progress(&paired, &SerialPort::sgnTransmissionProgress);
    QVERIFY(paired.openSerialPort(pty->slavePath()));

    paired.sendDat(QByteArray("abc"));
    paired.sendDat(9, QByteArray());

    QCOMPARE(paired.pendingFrames(), 2);
    QCOMPARE(pty->read(5, 2000), QByteArray("\x07"
                                            "ab\x07"
                                            "c"));
    QTRY_COMPARE(progressValues(progress), (QList<int>{50, 100}));
}

void TestSerialPort::framesArePaced_data()
{
    QTest::addColumn<bool>("overTcp");
    QTest::newRow("serial") << false;
    QTest::newRow("tcp") << true;
}

void TestSerialPort::framesArePaced()
{
    // Three frames at once, then a fourth as soon as the third is out: after an idle spell the
    // next frame still keeps the gap.
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
    const QByteArray fourth("\x04"
                            "fourth",
                            7);
    connect(link.get(), &SerialPort::sgnTransmissionProgress, this, [&](int percentage) {
        reports.append(percentage);
        times.append(clock.elapsed());
        if (reports.size() == 3)
            link->queueDat(fourth);
    });
    const QList<QByteArray> frames{QByteArray("\x01first", 6), QByteArray("\x02second", 7),
                                   QByteArray("\x03third", 6)};

    for (const QByteArray &frame : frames)
        link->queueDat(frame);

    const QByteArray wire = frames.at(0) + frames.at(1) + frames.at(2) + fourth;
    if (overTcp)
        QTRY_COMPARE(peer->peek(wire.size()), wire);
    else
        QCOMPARE(pty->read(wire.size(), 5000), wire);
    QTRY_COMPARE(reports, (QList<int>{33, 66, 100, 100}));
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

    QVERIFY(link->openSerialPort(pty->slavePath()));
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
    link->queueDat(QByteArray("four"));

    // Only what was written before the close came ahead of the new frame.
    QCOMPARE(pty->read(7, 2000), QByteArray("onefour"));
    QCOMPARE(progressValues(progress), (QList<int>{33, 100}));
}

void TestSerialPort::queueEmptyWaitsForTheDriver()
{
    // Frames faster than the far side reads fill the terminal's buffer; what the port still
    // holds then must reach the line before the queue counts as written.
    SerialPort fast(kCutting, LinkTiming{1, 1, 30, 2000});
    QSignalSpy empty(&fast, &SerialPort::sgnQueueEmpty);
    QSignalSpy lost(&fast, &SerialPort::sgnDeviceLost);
    QVERIFY(fast.openSerialPort(pty->slavePath()));
    const QByteArray frame = pattern(1024);
    // Well beyond what a terminal buffers.
    constexpr int kFrames = 96;
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
    QTest::addColumn<bool>("silenceBetween");
    QTest::addColumn<QList<QByteArray>>("bursts");
    QTest::newRow("pieces without a pause join") << false << QList<QByteArray>{"#VERSION:V1.2"};
    QTest::newRow("silence splits them") << true << QList<QByteArray>{"#VERSION", ":V1.2"};
}

void TestSerialPort::receivedBursts()
{
    QFETCH(bool, silenceBetween);
    QFETCH(QList<QByteArray>, bursts);
    QSignalSpy received(link.get(), &SerialPort::sgnReceiveDat);
    QVERIFY(link->openSerialPort(pty->slavePath()));

    QVERIFY(pty->write("#VERSION"));
    // The first burst ends with the silence after it.
    if (silenceBetween)
        QVERIFY(received.wait(2000));
    QVERIFY(pty->write(":V1.2"));

    QTRY_COMPARE(received.count(), bursts.size());
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
    // Frames that take longer than two listings to go out.
    const int frames = kTiming.discovery * 2 / kTiming.sendGap + 2;
    for (int i = 0; i < frames; ++i)
        link->queueDat(QByteArray("x"));
    QCOMPARE(pty->read(frames, 5000).size(), frames);
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
    // Nothing is left to write to a line that is gone.
    QVERIFY(!link->isWriting());
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
