#include "datapacket.h"

void appendLe16(QByteArray &out, int value)
{
    // Negative positions go out as two's complement, so only the low 16 bits matter.
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

void appendLe32(QByteArray &out, qint32 value)
{
    const quint32 bits = quint32(value);
    for (int shift = 0; shift < 32; shift += 8)
        out.append(char((bits >> shift) & 0xFF));
}

QByteArray packetHeader(qint32 type, qint32 len)
{
    QByteArray header;
    header.reserve(kPacketHeaderSize);
    appendLe32(header, type);
    appendLe32(header, len);
    return header;
}

QList<QByteArray> chunkFrames(qint32 type, const QByteArray &dat)
{
    QList<QByteArray> frames;
    for (int offset = 0; offset < dat.size(); offset += kPacketMaxData) {
        const int n = qMin(kPacketMaxData, dat.size() - offset);
        QByteArray frame = packetHeader(type, n);
        frame.append(dat.constData() + offset, n);
        frames.append(frame);
    }
    return frames;
}

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
