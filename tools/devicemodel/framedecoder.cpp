#include "framedecoder.h"

namespace devicemodel {

qint32 readLe32(const char *p)
{
    const auto *u = reinterpret_cast<const uchar *>(p);
    return qint32(quint32(u[0]) | quint32(u[1]) << 8 | quint32(u[2]) << 16 | quint32(u[3]) << 24);
}

int readLe16(const char *p)
{
    const auto *u = reinterpret_cast<const uchar *>(p);
    return u[0] | u[1] << 8;
}

int readLe16Signed(const char *p)
{
    return qint16(quint16(readLe16(p)));
}

QString frameTypeName(qint32 type)
{
    switch (type) {
    case FrameSystemConfig:
        return QStringLiteral("SYSTEM_CONFIG");
    case FrameTicketSet:
        return QStringLiteral("TICKET_SET");
    case FrameTimeSet:
        return QStringLiteral("TIME_SET");
    case FrameVersionQuery:
        return QStringLiteral("VERSION_QUERY");
    case FramePrintDat:
        return QStringLiteral("PRINT_DAT");
    }
    return QStringLiteral("type %1").arg(type);
}

bool isValidHeader(qint32 type, qint32 len)
{
    switch (type) {
    case FrameSystemConfig:
    case FrameTimeSet:
    case FrameVersionQuery:
        return len == -1;
    case FrameTicketSet:
    case FramePrintDat:
        return len >= 1 && len <= kFrameMaxChunk;
    }
    return false;
}

QString headerFault(qint32 type, qint32 len)
{
    if (isValidHeader(type, len))
        return {};
    switch (type) {
    case FrameSystemConfig:
    case FrameTimeSet:
    case FrameVersionQuery:
        return QStringLiteral("%1 frame with length %2 (single frames carry -1)")
            .arg(frameTypeName(type))
            .arg(len);
    case FrameTicketSet:
    case FramePrintDat:
        return QStringLiteral("%1 chunk with length %2 (1..%3 expected)")
            .arg(frameTypeName(type))
            .arg(len)
            .arg(kFrameMaxChunk);
    }
    return QStringLiteral("unknown frame type %1 (0x%2)")
        .arg(type)
        .arg(quint32(type), 8, 16, QLatin1Char('0'));
}

int payloadSize(qint32 type, qint32 len)
{
    if (len >= 0)
        return len;
    switch (type) {
    case FrameSystemConfig:
        return kSystemConfigSize;
    case FrameTimeSet:
        return kTimeSetSize;
    default:
        return 0;
    }
}

QList<FrameDecoder::Event> FrameDecoder::feed(const QByteArray &bytes)
{
    m_buffer.append(bytes);
    QList<Event> events;
    int pos = 0;
    while (m_buffer.size() - pos >= kFrameHeaderSize) {
        const char *head = m_buffer.constData() + pos;
        const qint32 type = readLe32(head);
        const qint32 len = readLe32(head + 4);
        if (!isValidHeader(type, len)) {
            // Garbage is skipped byte by byte: describe only the first bad header of a run.
            if (m_skipped == 0)
                events.append(
                    Event{{}, headerFault(type, len) + QStringLiteral("; resynchronising")});
            ++m_skipped;
            ++pos;
            continue;
        }
        if (m_skipped > 0) {
            events.append(
                Event{{}, QStringLiteral("resynchronised after skipping %1 bytes").arg(m_skipped)});
            m_skipped = 0;
        }
        const int size = payloadSize(type, len);
        if (m_buffer.size() - pos < kFrameHeaderSize + size)
            break;
        events.append(Event{{type, len, m_buffer.mid(pos + kFrameHeaderSize, size)}, {}});
        pos += kFrameHeaderSize + size;
    }
    m_buffer.remove(0, pos);
    return events;
}

int FrameDecoder::discardPartial()
{
    const int dropped = m_buffer.size();
    m_buffer.clear();
    return dropped;
}

} // namespace devicemodel
