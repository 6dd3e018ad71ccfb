// One dispenser connection over a real local socket standing in for the line: the version
// query and its answer, silence, progress of downloads, and a line that goes away; and the
// same over TCP on the loopback address, with connections that never come about.

#include "devicecommands.h"
#include "dispenser.h"
#include "fasttiming.h"
#include "pagedownload.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include <memory>

#ifdef Q_OS_UNIX
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {

const QByteArray kVersionQuery = QByteArray::fromHex("15000000ffffffff");

// A download of one 384 x 240 page: 2 + 12 frames.
DesignDownload smallDownload()
{
    QImage page(384, 240, QImage::Format_RGB888);
    page.fill(Qt::white);
    return prepareDownload({page});
}

#ifdef Q_OS_UNIX
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
#endif

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
    void progressIsForDownloadsOnly();
    void lineLostDuringDownload();
    void nothingIsQueuedWithoutALine();
    void networkPort_data();
    void networkPort();

private:
    // Reads from the device side until `count` bytes have come or the wait gives up.
    QByteArray deviceReads(int count);

    QLocalServer server;
    std::unique_ptr<Dispenser> dispenser;
    QLocalSocket *device = nullptr;
};

void TestDispenser::init()
{
    const QString name = QStringLiteral("ts-dispenser-%1").arg(QCoreApplication::applicationPid());
    QLocalServer::removeServer(name);
    QVERIFY(server.listen(name));
    auto *line = new QLocalSocket;
    line->connectToServer(name);
    QVERIFY(line->waitForConnected(1000));
    QVERIFY(server.waitForNewConnection(1000));
    device = server.nextPendingConnection();
    dispenser = std::make_unique<Dispenser>(fastTiming());
    QVERIFY(dispenser->openDevice(line));
}

void TestDispenser::cleanup()
{
    dispenser.reset();
    server.close();
}

QByteArray TestDispenser::deviceReads(int count)
{
    QByteArray bytes;
    QElapsedTimer clock;
    clock.start();
    while (bytes.size() < count && clock.elapsed() < 3000) {
        if (!device->bytesAvailable())
            device->waitForReadyRead(50);
        bytes += device->readAll();
        // The dispenser writes from the event loop this test shares.
        QCoreApplication::processEvents();
    }
    return bytes;
}

void TestDispenser::versionReply_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("version");
    QTest::newRow("plain") << QByteArray("#VERSION:V2.0.3") << "V2.0.3";
    QTest::newRow("up to a NUL") << QByteArray("#VERSION:V1\0garbage", 19) << "V1";
    QTest::newRow("empty version") << QByteArray("#VERSION:") << "";
    QTest::newRow("UTF-8") << QByteArray("#VERSION:版本2") << "版本2";
}

void TestDispenser::versionReply()
{
    QFETCH(QByteArray, reply);
    QFETCH(QString, version);
    QSignalSpy answered(dispenser.get(), &Dispenser::versionReceived);
    QSignalSpy silent(dispenser.get(), &Dispenser::noAnswer);
    QCOMPARE(deviceReads(8), kVersionQuery);
    device->write(reply);
    QVERIFY(answered.wait());
    QCOMPARE(answered.first().first().toString(), version);
    QCOMPARE(dispenser->version(), version);
    QCOMPARE(silent.count(), 0);
}

void TestDispenser::silentDeviceIsReported()
{
    QSignalSpy silent(dispenser.get(), &Dispenser::noAnswer);
    QCOMPARE(deviceReads(8), kVersionQuery);
    device->write("noise without a version");
    QVERIFY(silent.wait());
    QVERIFY(dispenser->version().isEmpty());
}

void TestDispenser::progressIsForDownloadsOnly()
{
    QSignalSpy progress(dispenser.get(), &Dispenser::progress);
    QSignalSpy finished(dispenser.get(), &Dispenser::finished);
    QCOMPARE(deviceReads(8), kVersionQuery);
    QVERIFY(dispenser->testPrint(testPageStart() + testPageEnd()));
    QVERIFY(dispenser->setClock(QDateTime::currentDateTime()));
    deviceReads(8 + 15 + 15);
    QCOMPARE(progress.count(), 0);

    const DesignDownload download = smallDownload();
    QVERIFY(dispenser->download(download));
    QVERIFY(finished.wait());
    QCOMPARE(progress.count(), downloadFrames(download).size());
    QCOMPARE(progress.last().first().toInt(), 100);
    QVERIFY(!dispenser->isDownloading());
}

void TestDispenser::lineLostDuringDownload()
{
    QSignalSpy lost(dispenser.get(), &Dispenser::lost);
    QCOMPARE(deviceReads(8), kVersionQuery);
    QVERIFY(dispenser->download(smallDownload()));
    deviceReads(8 + 126);
    device->abort();
    QVERIFY(lost.wait());
    QCOMPARE(lost.first().first().toBool(), true);
    QVERIFY(!dispenser->isOpen());
    QVERIFY(!dispenser->isDownloading());
}

void TestDispenser::nothingIsQueuedWithoutALine()
{
    dispenser->close();
    QVERIFY(!dispenser->download(smallDownload()));
    QVERIFY(!dispenser->testPrint("x"));
    QVERIFY(!dispenser->setClock(QDateTime::currentDateTime()));
    QVERIFY(!dispenser->sendSettings({}));
    QVERIFY(!dispenser->queryVersion());
    QCOMPARE(dispenser->link().pendingFrames(), 0);
}

void TestDispenser::networkPort_data()
{
    QTest::addColumn<QString>("peer");
    QTest::addColumn<QString>("outcome");
    QTest::newRow("answers") << "answering"
                             << "version NET-1";
    QTest::newRow("refused") << "nobody listening"
                             << "cannot open: Connection refused";
#ifdef Q_OS_UNIX
    QTest::newRow("never connects") << "full backlog"
                                    << "cannot open: 0.3 秒内未能连接";
#endif
    QTest::newRow("silent") << "silent"
                            << "no answer";
    QTest::newRow("gone mid-download") << "gone"
                                       << "lost during download";
}

void TestDispenser::networkPort()
{
    QFETCH(QString, peer);
    QFETCH(QString, outcome);
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    quint16 port = server.serverPort();
    if (peer == "nobody listening")
        server.close();
#ifdef Q_OS_UNIX
    FullBacklog full;
    if (peer == "full backlog")
        QVERIFY((port = full.port));
#endif
    DispenserTiming timing = fastTiming();
    timing.link.connectTimeout = 300;
    Dispenser network(timing);
    QString seen;
    connect(&network, &Dispenser::versionReceived,
            [&](const QString &v) { seen = "version " + v; });
    connect(&network, &Dispenser::noAnswer, [&] { seen = "no answer"; });
    connect(&network, &Dispenser::openFailed,
            [&](const QString &why) { seen = "cannot open: " + why; });
    connect(&network, &Dispenser::lost,
            [&](bool during) { seen = during ? "lost during download" : "lost"; });

    QVERIFY(network.open(QStringLiteral("tcp://127.0.0.1:%1").arg(port)));
    if (server.isListening() && peer != "full backlog") {
        QTRY_VERIFY(server.hasPendingConnections());
        QTcpSocket *far = server.nextPendingConnection();
        QTRY_COMPARE(far->peek(8), kVersionQuery);
        far->read(8);
        if (peer == "answering")
            far->write("#VERSION:NET-1");
        if (peer == "gone") {
            QVERIFY(network.download(smallDownload()));
            QTRY_VERIFY(far->bytesAvailable() > 200);
            far->abort();
        }
    }
    QTRY_COMPARE_WITH_TIMEOUT(seen, outcome, 5000);
    QCOMPARE(network.isOpen(), peer == "answering" || peer == "silent");
}

QTEST_GUILESS_MAIN(TestDispenser)
#include "tst_dispenser.moc"
