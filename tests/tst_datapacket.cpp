#include "datapacket.h"
#include "portdiscovery.h"
#include "serialport.h"

#include <QtTest>

class TestDataPacket : public QObject
{
    Q_OBJECT

private slots:
    void appendLe16_data();
    void appendLe16();
    void appendLe32_data();
    void appendLe32();
    void packetHeader_data();
    void packetHeader();
    void chunkFrames_data();
    void chunkFrames();
    void transferPercentage_data();
    void transferPercentage();
    void portNameFromEntry_data();
    void portNameFromEntry();
};

void TestDataPacket::appendLe16_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("zero") << 0 << QByteArray::fromHex("0000");
    QTest::newRow("printer width") << 384 << QByteArray::fromHex("8001");
    QTest::newRow("page length") << 1023 << QByteArray::fromHex("ff03");
    QTest::newRow("negative is two's complement") << -2 << QByteArray::fromHex("feff");
    QTest::newRow("most negative") << -32768 << QByteArray::fromHex("0080");
}

void TestDataPacket::appendLe16()
{
    QFETCH(int, value);
    QFETCH(QByteArray, bytes);
    QByteArray out("x");
    ::appendLe16(out, value);
    QCOMPARE(out, QByteArray("x") + bytes);
}

void TestDataPacket::appendLe32_data()
{
    QTest::addColumn<qint32>("value");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("type 22") << qint32(22) << QByteArray::fromHex("16000000");
    QTest::newRow("1024") << qint32(1024) << QByteArray::fromHex("00040000");
    QTest::newRow("minus one") << qint32(-1) << QByteArray::fromHex("ffffffff");
    QTest::newRow("all bytes differ") << qint32(0x12345678) << QByteArray::fromHex("78563412");
}

void TestDataPacket::appendLe32()
{
    QFETCH(qint32, value);
    QFETCH(QByteArray, bytes);
    QByteArray out;
    ::appendLe32(out, value);
    QCOMPARE(out, bytes);
}

void TestDataPacket::packetHeader_data()
{
    QTest::addColumn<qint32>("type");
    QTest::addColumn<qint32>("len");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("version query") << qint32(PACKET_VERSION_QUERY) << kSingleFrameLength
                                   << QByteArray::fromHex("15000000ffffffff");
    QTest::newRow("full print chunk")
        << qint32(PACKET_PRINT_DAT) << qint32(1024) << QByteArray::fromHex("1600000000040000");
}

void TestDataPacket::packetHeader()
{
    QFETCH(qint32, type);
    QFETCH(qint32, len);
    QFETCH(QByteArray, bytes);
    QCOMPARE(::packetHeader(type, len), bytes);
}

void TestDataPacket::chunkFrames_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QList<int>>("lengths");
    QTest::newRow("empty") << 0 << QList<int>();
    QTest::newRow("one byte") << 1 << QList<int>{1};
    QTest::newRow("exactly one chunk") << 1024 << QList<int>{1024};
    QTest::newRow("one byte over") << 1025 << QList<int>{1024, 1};
    QTest::newRow("three chunks") << 2051 << QList<int>{1024, 1024, 3};
}

void TestDataPacket::chunkFrames()
{
    QFETCH(int, size);
    QFETCH(QList<int>, lengths);
    QByteArray dat(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        dat[i] = char(i * 7 + i / 256);

    const QList<QByteArray> frames = ::chunkFrames(PACKET_TICKET_SET, dat);

    QCOMPARE(frames.size(), lengths.size());
    QByteArray joined;
    for (int i = 0; i < frames.size(); ++i) {
        QCOMPARE(frames.at(i).left(kPacketHeaderSize),
                 ::packetHeader(PACKET_TICKET_SET, lengths.at(i)));
        QCOMPARE(frames.at(i).size(), kPacketHeaderSize + lengths.at(i));
        joined += frames.at(i).mid(kPacketHeaderSize);
    }
    QCOMPARE(joined, dat);
}

void TestDataPacket::transferPercentage_data()
{
    QTest::addColumn<int>("written");
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("percentage");
    QTest::newRow("single frame") << 1 << 1 << 100;
    QTest::newRow("first of three") << 1 << 3 << 33;
    QTest::newRow("second of three") << 2 << 3 << 66;
    QTest::newRow("last of three") << 3 << 3 << 100;
    QTest::newRow("first of 97") << 1 << 97 << 1;
    QTest::newRow("96 of 97") << 96 << 97 << 98;
    QTest::newRow("last of 97") << 97 << 97 << 100;
    QTest::newRow("last of 49") << 49 << 49 << 100;
    QTest::newRow("large transfer does not overflow") << 30000000 << 30000000 << 100;
    QTest::newRow("no total") << 0 << 0 << 0;
}

void TestDataPacket::transferPercentage()
{
    QFETCH(int, written);
    QFETCH(int, total);
    QFETCH(int, percentage);
    QCOMPARE(::transferPercentage(written, total), percentage);
}

void TestDataPacket::portNameFromEntry_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("opened"); // what Connect opens, typed entries included
    QTest::newRow("manufacturer and windows path")
        << QStringLiteral("FTDI\\\\.\\COM3") << QStringLiteral("COM3") << QStringLiteral("COM3");
    QTest::newRow("two-digit port, manufacturer with spaces")
        << QStringLiteral("Silicon Labs\\\\.\\COM12") << QStringLiteral("COM12")
        << QStringLiteral("COM12");
    QTest::newRow("windows path only")
        << QStringLiteral("\\\\.\\COM3") << QStringLiteral("COM3") << QStringLiteral("COM3");
    QTest::newRow("manufacturer and device path")
        << QStringLiteral("FTDI/dev/ttyUSB0") << QStringLiteral("/dev/ttyUSB0")
        << QStringLiteral("/dev/ttyUSB0");
    QTest::newRow("device path only")
        << QStringLiteral("/dev/ttyS0") << QStringLiteral("/dev/ttyS0")
        << QStringLiteral("/dev/ttyS0");
    QTest::newRow("pseudo terminal") << QStringLiteral("/dev/pts/7") << QStringLiteral("/dev/pts/7")
                                     << QStringLiteral("/dev/pts/7");
    QTest::newRow("typed name") << QStringLiteral(" COM3 ") << QString() << QStringLiteral("COM3");
    QTest::newRow("typed relative name")
        << QStringLiteral("ttyUSB1") << QString() << QStringLiteral("ttyUSB1");
    QTest::newRow("empty") << QString() << QString() << QString();
}

void TestDataPacket::portNameFromEntry()
{
    QFETCH(QString, entry);
    QFETCH(QString, name);
    QFETCH(QString, opened);
    QCOMPARE(::portNameFromEntry(entry), name);
    QCOMPARE(portNameToOpen(entry), opened);
}

QTEST_GUILESS_MAIN(TestDataPacket)
#include "tst_datapacket.moc"
