#pragma once

#include <QByteArray>
#include <QList>
#include <QtGlobal>

enum PacketType : qint32
{
    PACKET_SYSTEM_CONFIG = 18,
    PACKET_TICKET_SET = 19,
    PACKET_TIME_SET = 20,
    PACKET_VERSION_QUERY = 21,
    PACKET_PRINT_DAT = 22,
};

constexpr int kPacketHeaderSize = 8;
constexpr int kPacketMaxData = 1024;
// Single command frames carry this in their length field whatever their payload size.
constexpr qint32 kSingleFrameLength = -1;

void appendLe16(QByteArray &out, int value);
void appendLe32(QByteArray &out, qint32 value);
qint32 readLe32(const char *p);
int readLe16(const char *p);       // unsigned
int readLe16Signed(const char *p); // two's complement

// The 8-byte DataPacket header: type, then length, both 32-bit little-endian.
QByteArray packetHeader(qint32 type, qint32 len);

// Cuts data into framed chunks of at most kPacketMaxData payload bytes; empty data gives none.
QList<QByteArray> chunkFrames(qint32 type, const QByteArray &dat);
