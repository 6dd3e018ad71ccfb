#pragma once

#include <QDateTime>
#include <QImage>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

namespace devicemodel {

// Block record of the layout table: where the device prints a placeholder's live text.
struct BlockRecord
{
    int x = 0;
    int y = 0; // may be negative
    int fontCode = 0;
    int blockType = 0; // 1 number, 2 date and time, 3 queue count; 0 absent
};

// One page entry of the layout table.
struct LayoutEntry
{
    bool present = false; // first byte 0x66
    BlockRecord blocks[3];
    int height = 0;
};

constexpr int kLayoutEntrySize = 21;
constexpr int kLayoutEntries = 6;
constexpr int kLayoutTableSize = kLayoutEntrySize * kLayoutEntries;

BlockRecord parseBlockRecord(const char *sixBytes);
LayoutEntry parseLayoutEntry(const char *entryBytes);
// The six entries of a 126-byte table; an empty list for any other size.
QList<LayoutEntry> parseLayoutTable(const QByteArray &table);

// A text the printer places on a page.
struct TextPlacement
{
    int x = 0;
    int y = 0;
    int fontCode = 0;
    QString text;
};

// Character cell of a printer font size code: 0x11 12x20, 0x12 24x20, 0x22 36x44 dots;
// any other code prints in the smallest cell.
QSize fontCell(int fontCode);
bool isKnownFontCode(int fontCode);

// The area a text covers: one cell per character, left to right.
QRect textRect(const TextPlacement &text);

// The printed ticket: `page` (stored NV page, any format; white is paper) at `pageOrigin`
// with the texts drawn in black on top, on a 384-dot wide white strip as tall as the lowest
// thing on it. The texts are drawn in a fixed monospace font scaled to their cells.
QImage drawTicket(const QImage &page, const QList<TextPlacement> &texts,
                  const QPoint &pageOrigin = QPoint());

// Live sample values the device would print into a page's blocks.
QString sampleText(int blockType, const QDateTime &now);

// The ticket a page prints with sample live values (number "0001", queue "02", date and time
// `now`) placed by the page's block records.
QImage drawTicketPreview(const QImage &page, const QList<BlockRecord> &records,
                         const QDateTime &now = QDateTime::currentDateTime());

} // namespace devicemodel
