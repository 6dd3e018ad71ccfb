#pragma once

#include "papergeometry.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>
#include <QVector>

namespace devicemodel {

// Largest NV bit image the printer accepts: its 384-dot line, and heights whose dot count
// fits 16 bits.
constexpr int kMaxNvWidthBytes = kPaperBytes;
constexpr int kMaxNvBands = kMaxPageHeight / 8;
// A text command longer than this without its terminating NUL is refused.
constexpr int kMaxTextBytes = 512;

// One printer command decoded from the type-22 byte stream.
struct PrinterCommand
{
    enum Kind
    {
        Reset,          // 1B 40
        DefineNvImages, // 1C 71 n, pages complete in `images`
        PageStart,      // 1A 5B 01: values x, y, width, height, flag
        PageImage,      // 1A 76 01: six values, the last the NV image index
        Text,           // 1A 54 01: x, y, font code, text
        PageEnd,        // 1A 5D 00
        Print,          // 1A 4F 00
        Fault,          // bytes that could not be decoded; `fault` says why
    };
    Kind kind = Fault;
    QVector<int> values;
    QList<QImage> images;
    int x = 0;
    int y = 0;
    int fontCode = 0;
    QString text;
    QString fault;
};

QString describe(const PrinterCommand &command);

// Decodes the printer command stream carried by type-22 payloads. Commands may span any number
// of chunks; an NV image command is decoded as its bytes arrive, not held whole. After a fault
// the rest of the stream is skipped until a chunk that begins a new job (ESC @ or a page start).
class PrinterParser
{
public:
    QList<PrinterCommand> feed(const QByteArray &chunk);

    // Drops a half-received command and any skipping, e.g. when a new download begins.
    void reset();

    // Whether a command is half received.
    bool busy() const { return !m_pending.isEmpty() || m_nvTotal > 0; }

    // Progress of an NV image command being received: page index and bytes of it so far.
    QString progress() const;

    // Bytes skipped since the last fault.
    int skipped() const { return m_skipped; }

private:
    void fail(QList<PrinterCommand> &out, const QString &why);
    // Consumes NV image bytes from `data` starting at `pos`; returns the new position.
    int feedNvImages(const QByteArray &data, int pos, QList<PrinterCommand> &out);

    QByteArray m_pending; // start of a command not yet complete
    bool m_skipping = false;
    int m_skipped = 0;

    // NV image command in progress
    int m_nvTotal = 0;
    QList<QImage> m_nvDone;
    QByteArray m_nvHeader;  // up to four size bytes of the current page
    int m_nvWidthBytes = 0; // of the current page, once its header is complete
    int m_nvBands = 0;
    QByteArray m_nvData; // data bytes of the current page received
};

} // namespace devicemodel
