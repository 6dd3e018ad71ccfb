#include "devicecommands.h"
#include "portentries.h"

#include <QComboBox>
#include <QtTest>

class TestDeviceCommands : public QObject
{
    Q_OBJECT

private slots:
    void converHexfun_data();
    void converHexfun();
    void timeSetFrame_data();
    void timeSetFrame();
    void systemConfigFrame_data();
    void systemConfigFrame();
    void testPagePieces_data();
    void testPagePieces();
    void testPrintDumpLine();
    void refreshPortEntries_data();
    void refreshPortEntries();
};

void TestDeviceCommands::converHexfun_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("bcd");
    QTest::newRow("zero") << 0 << 0x00;
    QTest::newRow("nine") << 9 << 0x09;
    QTest::newRow("ten") << 10 << 0x10;
    QTest::newRow("last hour") << 23 << 0x23;
    QTest::newRow("last minute") << 59 << 0x59;
    QTest::newRow("99") << 99 << 0x99;
    QTest::newRow("100 keeps its tens digit") << 100 << 0xA0;
}

void TestDeviceCommands::converHexfun()
{
    QFETCH(int, value);
    QFETCH(int, bcd);
    unsigned char v = static_cast<unsigned char>(value);
    ::converHexfun(v);
    QCOMPARE(int(v), bcd);
}

void TestDeviceCommands::timeSetFrame_data()
{
    QTest::addColumn<QDateTime>("time");
    QTest::addColumn<QByteArray>("frame");
    const QByteArray header = QByteArray::fromHex("14000000ffffffff");
    QTest::newRow("friday morning") << QDateTime(QDate(2024, 3, 15), QTime(9, 5, 7))
                                    << header + QByteArray::fromHex("07050905150324");
    QTest::newRow("sunday") << QDateTime(QDate(2024, 3, 17), QTime(12, 0, 0))
                            << header + QByteArray::fromHex("00001207170324");
    QTest::newRow("monday") << QDateTime(QDate(2024, 3, 18), QTime(0, 0, 0))
                            << header + QByteArray::fromHex("00000001180324");
    QTest::newRow("last second of 2099") << QDateTime(QDate(2099, 12, 31), QTime(23, 59, 59))
                                         << header + QByteArray::fromHex("59592304311299");
    QTest::newRow("year 2100") << QDateTime(QDate(2100, 1, 1), QTime(0, 0, 0))
                               << header + QByteArray::fromHex("000000050101a0");
}

void TestDeviceCommands::timeSetFrame()
{
    QFETCH(QDateTime, time);
    QFETCH(QByteArray, frame);
    QCOMPARE(::timeSetFrame(time).toHex(' '), frame.toHex(' '));
}

void TestDeviceCommands::systemConfigFrame_data()
{
    QTest::addColumn<int>("netWork");
    QTest::addColumn<int>("clearNumberTime");
    QTest::addColumn<int>("interval");
    QTest::addColumn<bool>("enableLimit");
    QTest::addColumn<int>("formatIndex");
    QTest::addColumn<QByteArray>("frame");
    const QByteArray header = QByteArray::fromHex("12000000ffffffff");
    const QByteArray limits = QByteArray::fromHex("0a000000140000001e000000280000003200000"
                                                  "03c000000");
    QTest::newRow("padded format, limits on")
        << 12 << 0x08 << 3 << true << 1
        << header + QByteArray::fromHex("0c08030101000000") + limits;
    QTest::newRow("reset at 23:00")
        << 0 << 0x23 << 0 << true << 0 << header + QByteArray::fromHex("0023000100000000") + limits;
    QTest::newRow("limits off are still sent")
        << 99 << 0x00 << 5 << false << 0
        << header + QByteArray::fromHex("6300050000000000") + limits;
}

void TestDeviceCommands::systemConfigFrame()
{
    QFETCH(int, netWork);
    QFETCH(int, clearNumberTime);
    QFETCH(int, interval);
    QFETCH(bool, enableLimit);
    QFETCH(int, formatIndex);
    QFETCH(QByteArray, frame);
    SystemConfigValues values;
    values.netWork = netWork;
    values.clearNumberTime = clearNumberTime;
    values.ticketingInterval = interval;
    values.enableLimit = enableLimit;
    values.numberFormatIndex = formatIndex;
    values.numberLimits = {10, 20, 30, 40, 50, 60};

    const QByteArray built = ::systemConfigFrame(values);

    QCOMPARE(built.size(), 40);
    QCOMPARE(built.toHex(' '), frame.toHex(' '));
}

void TestDeviceCommands::testPagePieces_data()
{
    QTest::addColumn<QByteArray>("piece");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("page start") << testPageStart()
                                << QByteArray::fromHex("1a5b010000000080"
                                                       "01ff0300");
    QTest::newRow("first tab") << testPageTab(0)
                               << QByteArray::fromHex("1a760100000000500050000000"
                                                      "0000");
    QTest::newRow("third tab") << testPageTab(2)
                               << QByteArray::fromHex("1a760100000000500050000000"
                                                      "0200");
    QTest::newRow("tab index keeps its low byte")
        << testPageTab(258)
        << QByteArray::fromHex("1a760100000000500050000000"
                               "0200");
    QTest::newRow("page end and print") << testPageEnd() << QByteArray::fromHex("1a5d001a4f00");
}

void TestDeviceCommands::testPagePieces()
{
    QFETCH(QByteArray, piece);
    QFETCH(QByteArray, bytes);
    QCOMPARE(piece.toHex(' '), bytes.toHex(' '));
}

void TestDeviceCommands::testPrintDumpLine()
{
    const QByteArray page = testPageStart() + testPageTab(0) + testPageEnd();
    QCOMPARE(page.size(), 33);
    QCOMPARE(::testPrintDumpLine(page),
             QByteArray("printf-PC : 1a 5b 01 00 00 00 00 80 01 ff 03 00 1a 76 01 00 00 00 00 50 "
                        "00 50 00 00 00 00 00 1a 5d 00 1a 4f 00 \n"));
    QCOMPARE(::testPrintDumpLine(QByteArray()), QByteArray("printf-PC : \n"));
}

void TestDeviceCommands::refreshPortEntries_data()
{
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QStringList>("portlist");
    QTest::addColumn<QString>("expectedCurrent");
    QTest::newRow("first list") << QStringList() << QString()
                                << QStringList{"A/dev/ttyUSB0", "/dev/ttyS0"} << "A/dev/ttyUSB0";
    QTest::newRow("unchanged list keeps choice")
        << QStringList{"A/dev/ttyUSB0", "/dev/ttyS0"} << "/dev/ttyS0"
        << QStringList{"A/dev/ttyUSB0", "/dev/ttyS0"} << "/dev/ttyS0";
    QTest::newRow("adapter replaced, same count")
        << QStringList{"A/dev/ttyUSB0", "/dev/ttyS0"} << "/dev/ttyS0"
        << QStringList{"B/dev/ttyUSB1", "/dev/ttyS0"} << "/dev/ttyS0";
    QTest::newRow("chosen port gone")
        << QStringList{"A/dev/ttyUSB0", "/dev/ttyS0"} << "A/dev/ttyUSB0"
        << QStringList{"B/dev/ttyUSB1", "/dev/ttyS0"} << "B/dev/ttyUSB1";
    QTest::newRow("port added in front")
        << QStringList{"/dev/ttyS0", "A/dev/ttyUSB0"} << "A/dev/ttyUSB0"
        << QStringList{"B/dev/ttyACM0", "/dev/ttyS0", "A/dev/ttyUSB0"} << "A/dev/ttyUSB0";
    QTest::newRow("all ports gone")
        << QStringList{"/dev/ttyS0"} << "/dev/ttyS0" << QStringList() << QString();
}

void TestDeviceCommands::refreshPortEntries()
{
    QFETCH(QStringList, shown);
    QFETCH(QString, current);
    QFETCH(QStringList, portlist);
    QFETCH(QString, expectedCurrent);
    QComboBox combo;
    combo.addItems(shown);
    combo.setCurrentText(current);

    ::refreshPortEntries(&combo, portlist);

    QStringList items;
    for (int i = 0; i < combo.count(); ++i) {
        items.append(combo.itemText(i));
        QVERIFY(!combo.itemData(i).isValid());
    }
    QCOMPARE(items, portlist);
    QCOMPARE(combo.currentText(), expectedCurrent);
}

QTEST_MAIN(TestDeviceCommands)
#include "tst_devicecommands.moc"
