#include "ticketprintdata.h"

#include <QtTest>

namespace {

QByteArray recordBytes(const _ticketContext &ctx)
{
    return QByteArray(reinterpret_cast<const char *>(&ctx), sizeof ctx);
}

} // namespace

class TestTicketPrintData : public QObject
{
    Q_OBJECT

private slots:
    void blockRecord_data();
    void blockRecord();
    void blockRecordOfAbsentBlockKeepsPosition_data();
    void blockRecordOfAbsentBlockKeepsPosition();

    void textCommand_data();
    void textCommand();
    void textCommandOfAbsentBlockIsEmpty();
    void textCommandSendsUtf8();
    void textCommandCutsAtNul();
};

void TestTicketPrintData::blockRecord_data()
{
    QTest::addColumn<int>("flag");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("number 60x30 at 100,50")
        << BLOCK_NUMBER << QRect(100, 50, 60, 30) << QByteArray::fromHex("640038001201");
    // n = 4: w = 10 -> (12, 17), a = (40 - 48) / 2 + 2 = -2 -> 0; y = 50 + (30 - 15) / 2 = 57.
    QTest::newRow("number 40 wide takes 12-dot font")
        << BLOCK_NUMBER << QRect(100, 50, 40, 30) << QByteArray::fromHex("640039001101");
    // w = 25 -> (36, 34), a = (100 - 144) / 2 + 2 -> 0; y = 50 + (60 - 44) / 2 = 58.
    QTest::newRow("number 100 wide takes 36-dot font")
        << BLOCK_NUMBER << QRect(100, 50, 100, 60) << QByteArray::fromHex("64003a002201");
    // w = 40: no font is wide enough, so the smallest: a = (160 - 48) / 2 + 2 = 58.
    QTest::newRow("number 160 wide falls back to 12-dot font")
        << BLOCK_NUMBER << QRect(100, 50, 160, 30) << QByteArray::fromHex("9e0039001101");
    // The date always takes 12 dots: a = (300 - 216) / 2 + 2 = 44; y = 10 + (40 - 15) / 2 = 22.
    QTest::newRow("wide date keeps the 12-dot font")
        << BLOCK_DATETIME << QRect(20, 10, 300, 40) << QByteArray::fromHex("400016001102");
    QTest::newRow("narrow date keeps the 12-dot font")
        << BLOCK_DATETIME << QRect(20, 10, 50, 15) << QByteArray::fromHex("14000a001102");
    // n = 3: w = 12 -> (12, 17), a = (36 - 36) / 2 + 2 = 2; y = 300 + (20 - 15) / 2 = 302.
    QTest::newRow("queue count") << BLOCK_QUEUE << QRect(200, 300, 36, 20)
                                 << QByteArray::fromHex("ca002e011103");
    // w = 36 -> (36, 34); y = 5 + (20 - 44) / 2 = -7.
    QTest::newRow("tall font near the top goes negative")
        << BLOCK_QUEUE << QRect(10, 5, 108, 20) << QByteArray::fromHex("0c00f9ff2203");
    // w = 24 -> (24, 18); a = (72 - 72) / 2 + 2 = 2; x crosses 255 into the high byte.
    QTest::newRow("x above 255") << BLOCK_QUEUE << QRect(300, 0, 72, 17)
                                 << QByteArray::fromHex("2e0100001203");
}

void TestTicketPrintData::blockRecord()
{
    QFETCH(int, flag);
    QFETCH(QRect, rect);
    QFETCH(QByteArray, expected);

    _ticketContext ctx{};
    fillBlockRecord(ctx, flag, rect);
    QCOMPARE(recordBytes(ctx).toHex(), expected.toHex());
}

void TestTicketPrintData::blockRecordOfAbsentBlockKeepsPosition_data()
{
    QTest::addColumn<int>("flag");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("block not on the page") << BLOCK_NUMBER << QRect();
    QTest::newRow("unknown flag") << 7 << QRect(10, 10, 50, 20);
}

void TestTicketPrintData::blockRecordOfAbsentBlockKeepsPosition()
{
    QFETCH(int, flag);
    QFETCH(QRect, rect);

    _ticketContext ctx{{0xAA, 0xBB}, {0xCC, 0xDD}, 0xEE, 0x05};
    fillBlockRecord(ctx, flag, rect);
    QCOMPARE(recordBytes(ctx).toHex(), QByteArray("aabbccddee00"));
}

void TestTicketPrintData::textCommand_data()
{
    QTest::addColumn<int>("flag");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("number 60x30 at 100,50")
        << BLOCK_NUMBER << QRect(100, 50, 60, 30)
        << QByteArray::fromHex("1a5401600037000060001230303100");
    // The offset is not clamped: a = (20 - 36) / 2 + 2 = -6 gives x = 94; y = 50 + (30 - 20) / 2.
    QTest::newRow("narrow block shifts left")
        << BLOCK_QUEUE << QRect(100, 50, 20, 30)
        << QByteArray::fromHex("1a54015e0037000060001130303100");
    // ... but never below 0.
    QTest::newRow("narrow block at the left edge")
        << BLOCK_QUEUE << QRect(2, 50, 20, 30)
        << QByteArray::fromHex("1a5401000037000060001130303100");
    // Date: always 12 dots, centred as 216 dots: a = (250 - 216) / 2 + 2 = 19.
    QTest::newRow("date always 12 dots") << BLOCK_DATETIME << QRect(0, 100, 250, 20)
                                         << QByteArray::fromHex("1a5401130064000060001130303100");
    // w = 36 -> 36 dots, H = 44: y = 5 + (20 - 44) / 2 = -7.
    QTest::newRow("negative y") << BLOCK_QUEUE << QRect(10, 5, 108, 20)
                                << QByteArray::fromHex("1a54010c00f9ff0060002230303100");
}

void TestTicketPrintData::textCommand()
{
    QFETCH(int, flag);
    QFETCH(QRect, rect);
    QFETCH(QByteArray, expected);

    QCOMPARE(textPrintCommand(flag, rect, QStringLiteral("001")).toHex(), expected.toHex());
}

void TestTicketPrintData::textCommandOfAbsentBlockIsEmpty()
{
    QVERIFY(textPrintCommand(BLOCK_NUMBER, QRect(), QStringLiteral("001")).isEmpty());
    QVERIFY(textPrintCommand(0, QRect(1, 1, 50, 20), QStringLiteral("001")).isEmpty());
}

void TestTicketPrintData::textCommandSendsUtf8()
{
    const QString text = QStringLiteral("号码：0001");
    const QByteArray utf8 = text.toUtf8();
    QCOMPARE(utf8.size(), 13);
    const QByteArray command = textPrintCommand(BLOCK_NUMBER, QRect(100, 50, 60, 30), text);
    QCOMPARE(command.size(), 12 + utf8.size());
    QCOMPARE(command.mid(11, utf8.size()), utf8);
    QCOMPARE(command.back(), '\0');
}

void TestTicketPrintData::textCommandCutsAtNul()
{
    const QString text = QStringLiteral("12") + QChar(0) + QStringLiteral("34");
    const QByteArray command = textPrintCommand(BLOCK_NUMBER, QRect(100, 50, 60, 30), text);
    QCOMPARE(command.toHex(), QByteArray("1a54016000370000600012313200"));
}

QTEST_APPLESS_MAIN(TestTicketPrintData)
#include "tst_ticketprintdata.moc"
