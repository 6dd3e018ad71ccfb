#include "devicecommands.h"

#include "datapacket.h"
#include "design.h"
#include "pagepixels.h"
#include "papergeometry.h"
#include "ticketprintdata.h"

namespace {
constexpr int kTestPageLength = 1023;
constexpr int kTestTabBoxSize = 80;

unsigned char bcd(int value)
{
    unsigned char v = static_cast<unsigned char>(value);
    converHexfun(v);
    return v;
}
} // namespace

void converHexfun(unsigned char &v)
{
    v = static_cast<unsigned char>((v / 10) * 16 + v % 10);
}

QByteArray timeSetFrame(const QDateTime &currentTime)
{
    const QDate date = currentTime.date();
    const QTime time = currentTime.time();
    QByteArray frame = packetHeader(PACKET_TIME_SET, kSingleFrameLength);
    frame.append(char(bcd(time.second())));
    frame.append(char(bcd(time.minute())));
    frame.append(char(bcd(time.hour())));
    frame.append(char(date.dayOfWeek()));
    frame.append(char(bcd(date.day())));
    frame.append(char(bcd(date.month())));
    frame.append(char(bcd(date.year() - 2000)));
    return frame;
}

SystemConfigValues systemConfigValues(const DesignSettings &settings)
{
    SystemConfigValues values;
    const auto inList = [](int index, int count) {
        return index >= 0 && index < count;
    };
    values.netWork = inList(settings.netWork, kNetWorkCount) ? settings.netWork : 0;
    values.clearNumberTime =
        inList(settings.clearNumberTime, kClearNumberHours) ? bcd(settings.clearNumberTime) : 0;
    values.ticketingInterval = qBound(0, settings.ticketingInterval, kMaxTicketingInterval);
    values.enableLimit = settings.enableLimit;
    values.numberFormatIndex =
        inList(settings.numberFormat, kNumberFormatCount) ? settings.numberFormat : -1;
    for (size_t i = 0; i < values.numberLimits.size(); ++i)
        values.numberLimits[i] = qBound(0, settings.numberLimits[i], kMaxNumberLimit);
    return values;
}

QByteArray systemConfigFrame(const SystemConfigValues &values)
{
    QByteArray frame = packetHeader(PACKET_SYSTEM_CONFIG, kSingleFrameLength);
    frame.append(char(values.netWork & 0xFF));
    frame.append(char(values.clearNumberTime & 0xFF));
    frame.append(char(values.ticketingInterval & 0xFF));
    frame.append(char(values.enableLimit ? 1 : 0));
    appendLe32(frame, values.numberFormatIndex == 0 ? 0 : 1);
    for (int limit : values.numberLimits)
        appendLe32(frame, limit);
    return frame;
}

QByteArray versionQueryFrame()
{
    return packetHeader(PACKET_VERSION_QUERY, kSingleFrameLength);
}

QByteArray testPageStart()
{
    QByteArray piece("\x1a\x5b\x01", 3);
    appendLe16(piece, 0);
    appendLe16(piece, 0);
    appendLe16(piece, kPaperDots);
    appendLe16(piece, kTestPageLength);
    piece.append('\0');
    return piece;
}

QByteArray testPageTab(int tab)
{
    QByteArray piece("\x1a\x76\x01", 3);
    appendLe16(piece, 0);
    appendLe16(piece, 0);
    appendLe16(piece, kTestTabBoxSize);
    appendLe16(piece, kTestTabBoxSize);
    appendLe16(piece, 0);
    appendLe16(piece, tab & 0xFF);
    return piece;
}

QByteArray testPageEnd()
{
    return QByteArray("\x1a\x5d\x00\x1a\x4f\x00", 6);
}

QByteArray testPrintDumpLine(const QByteArray &arry)
{
    QByteArray line("printf-PC : ");
    for (char byte : arry)
        line += QByteArray(1, byte).toHex() + ' ';
    line += '\n';
    return line;
}

QByteArray testPrintData(int tab, const QImage &page)
{
    QByteArray arry = testPageStart();
    arry += testPageTab(tab);
    arry += textPrintCommand(BLOCK_NUMBER, findBlockRectIn(page, BLOCK_NUMBER), kTestNumberText);
    arry += textPrintCommand(BLOCK_QUEUE, findBlockRectIn(page, BLOCK_QUEUE), kTestQueueText);
    arry +=
        textPrintCommand(BLOCK_DATETIME, findBlockRectIn(page, BLOCK_DATETIME), kTestDateTimeText);
    arry += testPageEnd();
    return arry;
}
