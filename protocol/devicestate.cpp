#include "devicestate.h"

#include <QMetaMethod>

namespace devicemodel {

namespace {

// A packed-BCD byte as its value, or -1 when a nibble is not a decimal digit.
int fromBcd(uchar byte)
{
    const int high = byte >> 4;
    const int low = byte & 0x0F;
    if (high > 9 || low > 9)
        return -1;
    return high * 10 + low;
}

} // namespace

DeviceState::DeviceState(const QString &version, QObject *parent)
    : QObject(parent), m_version(version)
{}

QDateTime DeviceState::clock() const
{
    if (!m_clockSet.isValid())
        return {};
    return m_clockSet.addMSecs(m_sinceClockSet.elapsed());
}

QString DeviceState::handleFrame(const Frame &frame)
{
    switch (frame.type) {
    case PACKET_SYSTEM_CONFIG:
        return handleSystemConfig(frame.payload);
    case PACKET_TIME_SET:
        return handleClock(frame.payload);
    case PACKET_VERSION_QUERY:
        emit reply(QByteArray("#VERSION:") + m_version.toUtf8());
        return QStringLiteral("version query, answered \"%1\"").arg(m_version);
    case PACKET_TICKET_SET:
        return handleLayout(frame.payload);
    case PACKET_PRINT_DAT:
        return handlePrinterData(frame.payload);
    }
    return QStringLiteral("ignored");
}

QString DeviceState::handleSystemConfig(const QByteArray &payload)
{
    if (payload.size() != kSystemConfigSize)
        return QStringLiteral("REJECTED: settings record of %1 bytes").arg(payload.size());
    const char *p = payload.constData();
    SystemConfig config;
    config.network = uchar(p[0]);
    config.clearHourBcd = uchar(p[1]);
    config.ticketingInterval = uchar(p[2]);
    config.limitEnabled = p[3] != 0;
    config.numberFormat = readLe32(p + 4);
    QStringList limits;
    for (int i = 0; i < kMaxDesignPages; ++i) {
        config.limits[i] = readLe32(p + 8 + 4 * i);
        limits << QString::number(config.limits[i]);
    }
    m_systemConfig = config;
    m_hasSystemConfig = true;
    return QStringLiteral("settings: network %1, number reset %2:00, interval %3, limits %4 [%5], "
                          "number format %6")
        .arg(config.network)
        .arg(config.clearHourBcd, 2, 16, QLatin1Char('0'))
        .arg(config.ticketingInterval)
        .arg(config.limitEnabled ? QStringLiteral("on") : QStringLiteral("off"))
        .arg(limits.join(QLatin1Char(' ')))
        .arg(config.numberFormat == 0 ? QStringLiteral("0001") : QStringLiteral("____1"));
}

QString DeviceState::handleClock(const QByteArray &payload)
{
    if (payload.size() != kTimeSetSize)
        return QStringLiteral("REJECTED: clock record of %1 bytes").arg(payload.size());
    const auto *p = reinterpret_cast<const uchar *>(payload.constData());
    const int second = fromBcd(p[0]);
    const int minute = fromBcd(p[1]);
    const int hour = fromBcd(p[2]);
    const int weekday = p[3];
    const int day = fromBcd(p[4]);
    const int month = fromBcd(p[5]);
    const int year = fromBcd(p[6]);
    const QDate date(2000 + year, month, day);
    const QTime time(hour, minute, second);
    if (year < 0 || !date.isValid() || !time.isValid() || weekday < 1 || weekday > 7)
        return QStringLiteral("REJECTED: clock record %1 is not a valid BCD date and time")
            .arg(QString::fromLatin1(payload.toHex(' ')));
    m_clockSet = QDateTime(date, time);
    m_sinceClockSet.start();
    QString line = QStringLiteral("clock set to %1, day of week %2")
                       .arg(m_clockSet.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")))
                       .arg(weekday);
    if (date.dayOfWeek() != weekday)
        line += QStringLiteral(" (the date falls on day %1)").arg(date.dayOfWeek());
    return line;
}

QString DeviceState::handleLayout(const QByteArray &payload)
{
    if (payload.size() != kLayoutTableSize)
        return QStringLiteral("REJECTED: layout table of %1 bytes (%2 expected)")
            .arg(payload.size())
            .arg(kLayoutTableSize);
    // A layout table opens a download; whatever the printer was half-way through is void.
    if (m_printer.busy())
        emit note(
            QStringLiteral("printer command dropped unfinished: %1").arg(m_printer.progress()));
    m_printer.reset();
    m_layout = parseLayoutTable(payload);
    QStringList pages;
    for (int i = 0; i < m_layout.size(); ++i) {
        const LayoutEntry &entry = m_layout.at(i);
        if (!entry.present)
            continue;
        QStringList blocks;
        for (const BlockRecord &block : entry.blocks) {
            if (block.blockType != 0)
                blocks << QStringLiteral("%1@(%2,%3)/0x%4")
                              .arg(block.blockType)
                              .arg(block.x)
                              .arg(block.y)
                              .arg(block.fontCode, 2, 16, QLatin1Char('0'));
        }
        pages << QStringLiteral("page %1 height %2 blocks [%3]")
                     .arg(i)
                     .arg(entry.height)
                     .arg(blocks.join(QLatin1Char(' ')));
    }
    return QStringLiteral("layout table: %1")
        .arg(pages.isEmpty() ? QStringLiteral("no pages") : pages.join(QStringLiteral("; ")));
}

QString DeviceState::handlePrinterData(const QByteArray &payload)
{
    const bool wasSkipping = m_printer.skipped() > 0;
    const QList<PrinterCommand> commands = m_printer.feed(payload);
    QStringList parts;
    for (const PrinterCommand &command : commands) {
        parts << describe(command);
        runPrinterCommand(command);
    }
    if (m_printer.skipped() > 0)
        parts << QStringLiteral("skipping printer data (%1 bytes) until a new job")
                     .arg(m_printer.skipped());
    else if (wasSkipping)
        parts.prepend(QStringLiteral("new job, resuming"));
    if (m_printer.busy() && !m_printer.progress().isEmpty())
        parts << m_printer.progress();
    return QStringLiteral("printer: %1")
        .arg(parts.isEmpty() ? QStringLiteral("(partial command)")
                             : parts.join(QStringLiteral("; ")));
}

void DeviceState::runPrinterCommand(const PrinterCommand &command)
{
    switch (command.kind) {
    case PrinterCommand::Reset:
        m_pageImageIndex = -1;
        m_pageTexts.clear();
        break;
    case PrinterCommand::DefineNvImages:
        m_nvPages = command.images;
        emit nvPagesStored(m_nvPages);
        break;
    case PrinterCommand::PageStart:
        m_pageImageIndex = -1;
        m_pageTexts.clear();
        break;
    case PrinterCommand::PageImage:
        m_pageImageIndex = command.values.value(5);
        m_pageImageOrigin = QPoint(command.values.value(0), command.values.value(1));
        if (m_pageImageIndex >= m_nvPages.size())
            emit note(QStringLiteral("page image %1 is not stored (%2 NV pages)")
                          .arg(m_pageImageIndex)
                          .arg(m_nvPages.size()));
        break;
    case PrinterCommand::Text:
        if (!isKnownFontCode(command.fontCode))
            emit note(QStringLiteral("unknown font code 0x%1, printed in the smallest size")
                          .arg(command.fontCode, 2, 16, QLatin1Char('0')));
        m_pageTexts << TextPlacement{command.x, command.y, command.fontCode, command.text};
        break;
    case PrinterCommand::PageEnd:
        break;
    case PrinterCommand::Print: {
        const QImage page = m_nvPages.value(m_pageImageIndex);
        if (page.isNull() && m_pageTexts.isEmpty()) {
            emit note(QStringLiteral("print with nothing on the page: no ticket"));
            break;
        }
        // Drawing a ticket costs more than everything else a print does; skip it for nobody.
        if (isSignalConnected(QMetaMethod::fromSignal(&DeviceState::ticketPrinted)))
            emit ticketPrinted(drawTicket(page, m_pageTexts, m_pageImageOrigin));
        m_pageImageIndex = -1;
        m_pageTexts.clear();
        break;
    }
    case PrinterCommand::Fault:
        emit note(QStringLiteral("printer data rejected: %1").arg(command.fault));
        break;
    }
}

QImage DeviceState::previewTicket(int k, const QDateTime &now) const
{
    SampleValues values;
    values.time = now;
    return previewTicket(k, values);
}

QImage DeviceState::previewTicket(int k, const SampleValues &values) const
{
    const QImage page = m_nvPages.value(k);
    if (page.isNull() || k >= m_layout.size() || !m_layout.at(k).present)
        return {};
    const LayoutEntry &entry = m_layout.at(k);
    return drawTicketPreview(page, {entry.blocks[0], entry.blocks[1], entry.blocks[2]}, values);
}

} // namespace devicemodel
