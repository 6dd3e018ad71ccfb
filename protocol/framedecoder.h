#pragma once

#include "datapacket.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

namespace devicemodel {

constexpr int kSystemConfigSize = 32;
constexpr int kTimeSetSize = 7;

// Readable name of a frame type, e.g. "PRINT_DAT"; "type N" for unknown ones.
QString frameTypeName(qint32 type);

// Whether a header can start a frame.
bool isValidHeader(qint32 type, qint32 len);

// Why a header cannot start a frame, or an empty string when it can.
QString headerFault(qint32 type, qint32 len);

// Payload size a valid header announces: the fixed size of a single frame (len -1) or len.
int payloadSize(qint32 type, qint32 len);

struct Frame
{
    qint32 type = 0;
    qint32 len = 0; // as on the wire: -1 for single frames
    QByteArray payload;
};

// Cuts the byte stream from the line into frames. Bytes may arrive in any pieces; a header that
// cannot start a frame is reported once and skipped byte by byte until a valid header follows.
class FrameDecoder
{
public:
    struct Event
    {
        Frame frame;
        QString fault; // non-empty: this event reports a fault instead of a frame
        bool isFault() const { return !fault.isEmpty(); }
    };

    // Frames completed and faults met by these bytes, in stream order.
    QList<Event> feed(const QByteArray &bytes);

    // Drops an incomplete frame, e.g. when the line went quiet in its middle; returns the
    // number of bytes dropped.
    int discardPartial();

    int pendingBytes() const { return m_buffer.size(); }

private:
    QByteArray m_buffer;
    int m_skipped = 0; // bytes skipped since the last fault, reported once a frame starts again
};

} // namespace devicemodel
