#include "framedecoder.h"

namespace devicemodel {

QString frameTypeName(qint32 type)
{
    switch (type) {
    case PACKET_SYSTEM_CONFIG:
        return QStringLiteral("SYSTEM_CONFIG");
    case PACKET_TICKET_SET:
        return QStringLiteral("TICKET_SET");
    case PACKET_TIME_SET:
        return QStringLiteral("TIME_SET");
    case PACKET_VERSION_QUERY:
        return QStringLiteral("VERSION_QUERY");
    case PACKET_PRINT_DAT:
        return QStringLiteral("PRINT_DAT");
    }
    return QStringLiteral("type %1").arg(type);
}

bool isValidHeader(qint32 type, qint32 len)
{
    switch (type) {
    case PACKET_SYSTEM_CONFIG:
    case PACKET_TIME_SET:
    case PACKET_VERSION_QUERY:
        return len == -1;
    case PACKET_TICKET_SET:
    case PACKET_PRINT_DAT:
        return len >= 1 && len <= kPacketMaxData;
    }
    return false;
}

QString headerFault(qint32 type, qint32 len)
{
    if (isValidHeader(type, len))
        return {};
    switch (type) {
    case PACKET_SYSTEM_CONFIG:
    case PACKET_TIME_SET:
    case PACKET_VERSION_QUERY:
        return QStringLiteral("%1 frame with length %2 (single frames carry -1)")
            .arg(frameTypeName(type))
            .arg(len);
    case PACKET_TICKET_SET:
    case PACKET_PRINT_DAT:
        return QStringLiteral("%1 chunk with length %2 (1..%3 expected)")
            .arg(frameTypeName(type))
            .arg(len)
            .arg(kPacketMaxData);
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
    case PACKET_SYSTEM_CONFIG:
        return kSystemConfigSize;
    case PACKET_TIME_SET:
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
    while (m_buffer.size() - pos >= kPacketHeaderSize) {
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
        if (m_buffer.size() - pos < kPacketHeaderSize + size)
            break;
        events.append(Event{{type, len, m_buffer.mid(pos + kPacketHeaderSize, size)}, {}});
        pos += kPacketHeaderSize + size;
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
