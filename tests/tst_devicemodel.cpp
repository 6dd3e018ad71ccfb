#include "devicestate.h"
#include "framedecoder.h"
#include "nvimage.h"
#include "pagedownload.h"
#include "pixeltools.h"
#include "printerparser.h"
#include "ticketdrawing.h"
#include "ticketpreview.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QtTest>

#include <algorithm>

using namespace devicemodel;

Q_DECLARE_METATYPE(TextPlacement)

namespace {

QByteArray le32(qint32 v)
{
    QByteArray out;
    for (int shift = 0; shift < 32; shift += 8)
        out.append(char((quint32(v) >> shift) & 0xFF));
    return out;
}

QByteArray le16(int v)
{
    return QByteArray(1, char(v & 0xFF)) + QByteArray(1, char((v >> 8) & 0xFF));
}

QByteArray frame(qint32 type, qint32 len, const QByteArray &payload = {})
{
    return le32(type) + le32(len) + payload;
}

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

// The frames of one chunked write: at most 1024 payload bytes each.
QList<QByteArray> chunks(qint32 type, const QByteArray &data)
{
    QList<QByteArray> out;
    for (int i = 0; i < data.size(); i += 1024)
        out << frame(type, qMin(1024, data.size() - i), data.mid(i, 1024));
    return out;
}

QList<Frame> framesOf(const QList<FrameDecoder::Event> &events, QStringList *faults = nullptr)
{
    QList<Frame> frames;
    for (const FrameDecoder::Event &event : events) {
        if (event.isFault()) {
            if (faults)
                *faults << event.fault;
        } else {
            frames << event.frame;
        }
    }
    return frames;
}

QImage randomPage(int height, quint32 seed)
{
    QRandomGenerator random(seed);
    QImage image(384, height, QImage::Format_RGB888);
    image.fill(Qt::white);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < 384; ++x)
            if (random.bounded(4) == 0)
                image.setPixel(x, y, qRgb(0, 0, 0));
    return image;
}

int inkIn(const QImage &image, const QRect &rect)
{
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            count += image.pixel(x, y) != 0xFFFFFFFF;
    return count;
}

const QByteArray kTestPageStart = hex("1a5b01000000008001ff0300");
const QByteArray kTestPageEnd = hex("1a5d001a4f00");

QByteArray pageImageCommand(int t)
{
    return hex("1a760100000000500050000000") + le16(t);
}

QByteArray textCommand(int x, int y, int font, const QByteArray &utf8)
{
    return hex("1a5401") + le16(x) + le16(y) + hex("006000") + QByteArray(1, char(font)) + utf8 +
           QByteArray(1, '\0');
}

} // namespace

class TestDeviceModel : public QObject
{
    Q_OBJECT

private slots:
    void decodesFramesSplitAcrossReads_data();
    void decodesFramesSplitAcrossReads();
    void rejectsBadHeaders_data();
    void rejectsBadHeaders();
    void resynchronisesAfterGarbage();
    void dropsUnfinishedFrame();

    void decodesTestPageCommands();
    void nvImagesAcrossChunks_data();
    void nvImagesAcrossChunks();
    void refusesAbsurdNvSizes_data();
    void refusesAbsurdNvSizes();
    void refusesEndlessText();

    void answersVersionQuery();
    void setsClock();
    void rejectsClockThatIsNotBcd();
    void storesSettings();
    void storesLayoutTable();
    void layoutTableVoidsUnfinishedImages();
    void printsTestPage();
    void extremeTicketsAreDrawnWhole_data();
    void extremeTicketsAreDrawnWhole();
    void previewIsTheSentDotsWithSampleValues();
};

void TestDeviceModel::decodesFramesSplitAcrossReads_data()
{
    QTest::addColumn<int>("piece");
    QTest::newRow("byte by byte") << 1;
    QTest::newRow("7 bytes, header split") << 7;
    QTest::newRow("all at once") << 4096;
}

void TestDeviceModel::decodesFramesSplitAcrossReads()
{
    QFETCH(int, piece);
    // Every kind of frame the program sends: without a length (-1) or with one, up to a full
    // print chunk.
    const QList<QByteArray> sent = {frame(21, -1),
                                    frame(20, -1, hex("07050905150324")),
                                    frame(19, 126, QByteArray(126, '\3')),
                                    frame(22, 1024, QByteArray(1024, '\7')),
                                    frame(18, -1, QByteArray(32, '\2')),
                                    frame(22, 1, "\x1b")};
    const QByteArray stream = sent.join();
    FrameDecoder decoder;
    QList<FrameDecoder::Event> events;
    for (int i = 0; i < stream.size(); i += piece)
        events << decoder.feed(stream.mid(i, piece));
    QStringList faults;
    const QList<Frame> frames = framesOf(events, &faults);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
    QCOMPARE(frames.size(), sent.size());
    for (int i = 0; i < sent.size(); ++i) {
        QCOMPARE(le32(frames.at(i).type) + le32(frames.at(i).len), sent.at(i).left(8));
        QCOMPARE(frames.at(i).payload, sent.at(i).mid(8));
    }
    QCOMPARE(decoder.pendingBytes(), 0);
}

void TestDeviceModel::rejectsBadHeaders_data()
{
    QTest::addColumn<QByteArray>("header");
    QTest::newRow("unknown type") << frame(23, 4);
    QTest::newRow("type zero") << frame(0, 0);
    QTest::newRow("print chunk of length 0") << frame(22, 0);
    QTest::newRow("print chunk longer than 1024") << frame(22, 1025);
    QTest::newRow("print data as single frame") << frame(22, -1);
    QTest::newRow("negative length") << frame(19, -5);
    QTest::newRow("version query with a length") << frame(21, 0);
    QTest::newRow("clock with a length") << frame(20, 7);
}

void TestDeviceModel::rejectsBadHeaders()
{
    QFETCH(QByteArray, header);
    FrameDecoder decoder;
    QStringList faults;
    const QList<Frame> frames = framesOf(decoder.feed(header + frame(21, -1)), &faults);
    QVERIFY(!faults.isEmpty());
    QVERIFY(faults.first().contains("resynchronising"));
    // The good frame behind the bad header still gets through.
    QCOMPARE(frames.size(), 1);
    QCOMPARE(frames.first().type, 21);
}

void TestDeviceModel::resynchronisesAfterGarbage()
{
    FrameDecoder decoder;
    QStringList faults;
    QList<FrameDecoder::Event> events = decoder.feed("line noise!" + frame(21, -1));
    events << decoder.feed(QByteArray(3, '\xAA'));
    events << decoder.feed(frame(22, 2, "\x1b\x40"));
    const QList<Frame> frames = framesOf(events, &faults);
    QCOMPARE(frames.size(), 2);
    QCOMPARE(frames.at(0).type, 21);
    QCOMPARE(frames.at(1).payload, QByteArray("\x1b\x40"));
    // Each run of garbage is reported once when met and once when left behind.
    QCOMPARE(faults.size(), 4);
    QVERIFY(faults.at(1).contains("11 bytes"));
    QVERIFY(faults.at(3).contains("3 bytes"));
}

void TestDeviceModel::dropsUnfinishedFrame()
{
    FrameDecoder decoder;
    QVERIFY(decoder.feed(frame(22, 100, QByteArray(40, 'a'))).isEmpty());
    QCOMPARE(decoder.pendingBytes(), 48);
    QCOMPARE(decoder.discardPartial(), 48);
    const QList<Frame> frames = framesOf(decoder.feed(frame(21, -1)));
    QCOMPARE(frames.size(), 1);
    QCOMPARE(frames.first().type, 21);
}

void TestDeviceModel::decodesTestPageCommands()
{
    const QByteArray page = hex("1b40") + kTestPageStart + pageImageCommand(2) +
                            textCommand(96, 55, 0x12, "001") +
                            textCommand(10, -7, 0x22, "\xe5\x8f\xb7") + kTestPageEnd;
    // Whole, and cut in two anywhere.
    for (int cut = 0; cut < page.size(); ++cut) {
        PrinterParser parser;
        QList<PrinterCommand> commands = parser.feed(page.left(cut));
        commands << parser.feed(page.mid(cut));
        QCOMPARE(commands.size(), 7);
        QCOMPARE(commands.at(0).kind, PrinterCommand::Reset);
        QCOMPARE(commands.at(1).kind, PrinterCommand::PageStart);
        QCOMPARE(commands.at(1).values, QVector<int>({0, 0, 384, 1023, 0}));
        QCOMPARE(commands.at(2).kind, PrinterCommand::PageImage);
        QCOMPARE(commands.at(2).values, QVector<int>({0, 0, 80, 80, 0, 2}));
        QCOMPARE(commands.at(3).kind, PrinterCommand::Text);
        QCOMPARE(QVector<int>({commands.at(3).x, commands.at(3).y, commands.at(3).fontCode}),
                 QVector<int>({96, 55, 0x12}));
        QCOMPARE(commands.at(3).text, QStringLiteral("001"));
        QCOMPARE(commands.at(4).y, -7);
        QCOMPARE(commands.at(4).text, QStringLiteral("号"));
        QCOMPARE(commands.at(5).kind, PrinterCommand::PageEnd);
        QCOMPARE(commands.at(6).kind, PrinterCommand::Print);
        QVERIFY(!parser.busy());
    }
}

void TestDeviceModel::nvImagesAcrossChunks_data()
{
    QTest::addColumn<int>("chunkSize");
    QTest::newRow("1024-byte chunks") << 1024;
    QTest::newRow("333-byte chunks") << 333;
    QTest::newRow("single bytes") << 1;
}

void TestDeviceModel::nvImagesAcrossChunks()
{
    QFETCH(int, chunkSize);
    const QImage first = randomPage(64, 1);
    const QImage second = randomPage(131, 2);
    const QByteArray command = nvImageCommand({first, second});
    PrinterParser parser;
    QList<PrinterCommand> commands;
    for (int i = 0; i < command.size(); i += chunkSize) {
        commands << parser.feed(command.mid(i, chunkSize));
        if (i + chunkSize < command.size())
            QVERIFY(parser.busy());
    }
    QCOMPARE(commands.size(), 1);
    QCOMPARE(commands.first().kind, PrinterCommand::DefineNvImages);
    const QList<QImage> images = commands.first().images;
    QCOMPARE(images.size(), 2);
    QCOMPARE(images.at(0).size(), QSize(384, 64));
    QCOMPARE(images.at(1).size(), QSize(384, 128));
    QVERIFY(sameDotsInRows(images.at(0), first, 64));
    QVERIFY(sameDotsInRows(images.at(1), second, 128));
    QVERIFY(!parser.busy());
}

void TestDeviceModel::refusesAbsurdNvSizes_data()
{
    QTest::addColumn<int>("xBytes");
    QTest::addColumn<int>("bands");
    QTest::newRow("no width") << 0 << 10;
    QTest::newRow("wider than the paper") << 49 << 10;
    QTest::newRow("X 65535") << 0xFFFF << 10;
    QTest::newRow("Y 65535") << 48 << 0xFFFF;
    QTest::newRow("Y·8 above 65535") << 48 << 8192;
}

void TestDeviceModel::refusesAbsurdNvSizes()
{
    QFETCH(int, xBytes);
    QFETCH(int, bands);
    PrinterParser parser;
    const QList<PrinterCommand> commands =
        parser.feed(hex("1c7101") + le16(xBytes) + le16(bands) + QByteArray(100, '\xFF'));
    QCOMPARE(commands.size(), 1);
    QCOMPARE(commands.first().kind, PrinterCommand::Fault);
    QVERIFY(commands.first().fault.contains("absurd size"));
    QVERIFY(!parser.busy());
    QVERIFY(parser.skipped() > 0);
    // The rest of the refused image is skipped however it looks, until a chunk that starts a
    // new job.
    QVERIFY(parser.feed(QByteArray(1024, '\x1a')).isEmpty());
    QVERIFY(parser.feed(hex("1a5d00")).isEmpty());
    const QList<PrinterCommand> next = parser.feed(hex("1b40"));
    QCOMPARE(next.size(), 1);
    QCOMPARE(next.first().kind, PrinterCommand::Reset);
    QCOMPARE(parser.skipped(), 0);
}

void TestDeviceModel::refusesEndlessText()
{
    PrinterParser parser;
    QVERIFY(parser.feed(hex("1a5401") + le16(0) + le16(0) + hex("00600011")).isEmpty());
    QVERIFY(parser.feed(QByteArray(300, 'a')).isEmpty());
    const QList<PrinterCommand> commands = parser.feed(QByteArray(300, 'a'));
    QCOMPARE(commands.size(), 1);
    QCOMPARE(commands.first().kind, PrinterCommand::Fault);
}

void TestDeviceModel::answersVersionQuery()
{
    DeviceState device("EMU-1.0");
    QSignalSpy replies(&device, &DeviceState::reply);
    device.handleFrame({21, -1, {}});
    QCOMPARE(replies.size(), 1);
    QCOMPARE(replies.first().first().toByteArray(), QByteArray("#VERSION:EMU-1.0"));
}

void TestDeviceModel::setsClock()
{
    DeviceState device("x");
    const QString line = device.handleFrame({20, -1, hex("07050905150324")});
    QVERIFY(line.contains("2024-03-15 09:05:07"));
    QVERIFY(device.hasClock());
    const QDateTime clock = device.clock();
    QVERIFY(clock >= QDateTime(QDate(2024, 3, 15), QTime(9, 5, 7)));
    QVERIFY(clock < QDateTime(QDate(2024, 3, 15), QTime(9, 6, 7)));
}

void TestDeviceModel::rejectsClockThatIsNotBcd()
{
    DeviceState device("x");
    const QString line = device.handleFrame({20, -1, hex("0a05090515032a")});
    QVERIFY(line.startsWith("REJECTED"));
    QVERIFY(!device.hasClock());
}

void TestDeviceModel::storesSettings()
{
    DeviceState device("x");
    device.handleFrame(
        {18, -1, hex("0c080301010000000a000000140000001e00000028000000320000003c000000")});
    QVERIFY(device.hasSystemConfig());
    const SystemConfig config = device.systemConfig();
    QCOMPARE(config.network, 12);
    QCOMPARE(config.clearHourBcd, 0x08);
    QCOMPARE(config.ticketingInterval, 3);
    QVERIFY(config.limitEnabled);
    QCOMPARE(config.numberFormat, 1);
    QCOMPARE(config.limits[0], 10);
    QCOMPARE(config.limits[5], 60);
}

// How the records are read is previewIsTheSentDotsWithSampleValues' too: its sample texts land
// where the table puts them.
void TestDeviceModel::storesLayoutTable()
{
    DeviceState device("x");
    const QByteArray table =
        hex("6664003800120100000000000000000000000082") + QByteArray(106, '\0');
    device.handleFrame({19, 126, table});
    QCOMPARE(device.layoutTable().size(), 6);
    QVERIFY(device.layoutTable().at(0).present);
    QVERIFY(!device.layoutTable().at(1).present);
    // A table of another size is refused, and the stored one kept.
    QVERIFY(device.handleFrame({19, 100, QByteArray(100, '\0')}).startsWith("REJECTED"));
    QCOMPARE(device.layoutTable().at(0).height, 130);
}

void TestDeviceModel::layoutTableVoidsUnfinishedImages()
{
    DeviceState device("x");
    QSignalSpy stored(&device, &DeviceState::nvPagesStored);
    const QByteArray command = nvImageCommand({randomPage(40, 3)});
    device.handleFrame({22, 1024, command.left(1024)});
    // A new download starts before the first finished.
    device.handleFrame({19, 126, QByteArray(126, '\0')});
    device.handleFrame({22, 2, hex("1b40")});
    for (const QByteArray &chunk : chunks(22, command))
        device.handleFrame({22, chunk.size() - 8, chunk.mid(8)});
    QCOMPARE(stored.size(), 1);
    QCOMPARE(device.nvPages().size(), 1);
    QVERIFY(sameDotsInRows(device.nvPages().first(), randomPage(40, 3), 40));
}

void TestDeviceModel::printsTestPage()
{
    DeviceState device("x");
    QSignalSpy printed(&device, &DeviceState::ticketPrinted);
    QImage stored(384, 48, QImage::Format_RGB888);
    stored.fill(Qt::white);
    for (int x = 0; x < 384; ++x)
        stored.setPixel(x, 47, qRgb(0, 0, 0));
    for (const QByteArray &chunk : chunks(22, nvImageCommand({randomPage(16, 4), stored})))
        device.handleFrame({22, chunk.size() - 8, chunk.mid(8)});
    QCOMPARE(device.nvPages().size(), 2);

    const TextPlacement text{96, 10, 0x12, "001"};
    device.handleFrame(
        {22, -1,
         kTestPageStart + pageImageCommand(1) + textCommand(96, 10, 0x12, "001") + kTestPageEnd});
    QCOMPARE(printed.size(), 1);
    const QImage ticket = printed.first().first().value<QImage>();
    QCOMPARE(ticket.width(), 384);
    QCOMPARE(ticket.height(), 48);
    const QRect cells = textRect(text);
    QCOMPARE(cells, QRect(96, 10, 72, 20));
    // Outside the text the ticket is the stored page; inside, the text left ink.
    int inkInCells = 0;
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 384; ++x) {
            const bool ink = ticket.pixel(x, y) != 0xFFFFFFFF;
            if (cells.contains(x, y))
                inkInCells += ink;
            else
                QCOMPARE(ink, stored.pixel(x, y) != 0xFFFFFFFF);
        }
    }
    QVERIFY(inkInCells > 0);
}

void TestDeviceModel::extremeTicketsAreDrawnWhole_data()
{
    // The page is white with its last row black; no page when it has no rows.
    QTest::addColumn<int>("pageY");
    QTest::addColumn<int>("pageRows");
    QTest::addColumn<TextPlacement>("text");
    QTest::addColumn<int>("height");
    QTest::newRow("text on the lowest dot row")
        << 0 << 0 << TextPlacement{0, 0xFFFF, 0x11, "8"} << 0xFFFF + 20;
    QTest::newRow("text beyond the right edge")
        << 0 << 0 << TextPlacement{0xFFFF, 0, 0x22, "88"} << 44;
    QTest::newRow("longest text, unknown code")
        << 0 << 0 << TextPlacement{0, 30, 0x7F, QString(kMaxTextBytes, 'W')} << 50;
    QTest::newRow("page far down") << 60000 << 1 << TextPlacement{} << 60001;
    QTest::newRow("page taller than a painter reaches")
        << 0 << kMaxNvBands * 8 << TextPlacement{} << kMaxNvBands * 8;
}

void TestDeviceModel::extremeTicketsAreDrawnWhole()
{
    QFETCH(int, pageY);
    QFETCH(int, pageRows);
    QFETCH(TextPlacement, text);
    QFETCH(int, height);
    QImage page;
    if (pageRows > 0) {
        page = QImage(384, pageRows, QImage::Format_RGB888);
        page.fill(Qt::white);
        std::fill_n(page.scanLine(pageRows - 1), page.bytesPerLine(), 0);
    }
    const QImage ticket = drawTicket(page, {text}, QPoint(0, pageY));
    QCOMPARE(ticket.size(), QSize(384, height));
    // The paper is white wherever nothing was put.
    QCOMPARE(ticket.pixel(383, 0), 0xFFFFFFFFu);
    if (pageRows > 0)
        QCOMPARE(ticket.pixel(383, height - 1), 0xFF000000u);
}

// The print preview's tickets: the dots the download sends, with the device's sample values in
// the placeholders, and the dots that print only because they were grey marked.
void TestDeviceModel::previewIsTheSentDotsWithSampleValues()
{
    // 131 rows: the NV image carries 128 of them.
    QImage page = whitePage(131);
    const QRect grey(200, 4, 50, 20);
    const QRect number(20, 40, 96, 30);
    const QRect date(100, 80, 240, 24);
    paint(page, {8, 4, 100, 10}, 0xFF000000);
    paint(page, grey, 0xFF808080);
    paint(page, number, kNumber);
    paint(page, date, kDateTime);
    paint(page, {0, 128, 384, 3}, 0xFF000000); // rows that are not sent
    page.setPixel(383, 127, kNumber);          // a second run of the number colour prints

    const DesignDownload download = prepareDownload({page});
    const QDateTime now(QDate(2023, 11, 5), QTime(9, 7, 3));
    QCOMPARE(sampleText(2, now), QStringLiteral("11-5-2023 09:07:03"));
    const QList<TicketPreview> previews = previewTickets(download, now);
    QCOMPARE(previews.size(), 1);
    const TicketPreview &preview = previews.first();
    QCOMPARE(preview.renderedHeight, 131);
    QCOMPARE(preview.sentHeight, 128);
    QCOMPARE(preview.ticket.size(), QSize(384, 128));
    QCOMPARE(preview.greyDots, 50 * 20 + 1);
    const QImage sent = download.sentDots.first();
    QCOMPARE(inkIn(sent, number), 0);
    QVERIFY(inkIn(preview.ticket, number) > 0);
    QVERIFY(inkIn(preview.ticket, date) > 0);
    // The date follows the time asked for, and only the date does.
    const QImage later = previewTickets(download, now.addSecs(1)).first().ticket;
    QVERIFY(later != preview.ticket);
    const QRgb mark = greyDotColour().rgb();
    for (int y = 0; y < 128; ++y) {
        for (int x = 0; x < 384; ++x) {
            const QRgb ticket = preview.ticket.pixel(x, y);
            // Outside the placeholders the ticket is the sent dots.
            if (!number.contains(x, y) && !date.contains(x, y))
                QCOMPARE(ticket, sent.pixel(x, y));
            if (!date.contains(x, y))
                QCOMPARE(later.pixel(x, y), ticket);
            const bool greyDot = grey.contains(x, y) || QPoint(x, y) == QPoint(383, 127);
            QCOMPARE(preview.marked.pixel(x, y), greyDot ? mark : ticket);
        }
    }

    // The device keeps six pages; a seventh has no ticket.
    QCOMPARE(previewTickets(prepareDownload(QVector<QImage>(7, page).toList()), now).size(), 6);
}

QTEST_MAIN(TestDeviceModel)
#include "tst_devicemodel.moc"
