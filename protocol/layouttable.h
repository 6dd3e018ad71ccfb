#pragma once

#include "design.h"

#include <QByteArray>
#include <QList>

// The layout table a download sends first (packet type 19): per ticket type, where the device
// prints each placeholder's live text and how tall the page is.

// Six-byte block record on the wire: x and y as 16-bit little-endian (y may be negative), the
// printer font size code, and the block's kind (0: absent).
struct _ticketContext
{
    unsigned char x[2];
    unsigned char y[2];
    unsigned char fontSize;
    unsigned char blockType;
};
static_assert(sizeof(_ticketContext) == 6, "block record must be six bytes");

constexpr int kBlockRecordSize = 6;
// One entry per ticket type a design can hold.
constexpr int kLayoutTableEntries = kMaxDesignPages;
constexpr int kLayoutEntrySize = 1 + 3 * kBlockRecordSize + 2;
constexpr int kLayoutTableSize = kLayoutTableEntries * kLayoutEntrySize;
// First byte of an entry that describes a page.
constexpr char kLayoutEntryPresent = 0x66;

// A block record as numbers.
struct BlockRecord
{
    int x = 0;
    int y = 0; // may be negative
    int fontCode = 0;
    int blockType = 0; // 1 number, 2 date and time, 3 queue count; 0 absent

    static BlockRecord fromBytes(const char *sixBytes);
    static BlockRecord fromContext(const _ticketContext &ctx);
    QByteArray toBytes() const;
};

// One page entry: 0x66, the number, date-and-time and queue records, the page height.
struct LayoutEntry
{
    bool present = false;
    BlockRecord blocks[3];
    int height = 0;

    static LayoutEntry fromBytes(const char *entryBytes);
    QByteArray toBytes() const;
};

// The six entries of a 126-byte table; an empty list for any other size.
QList<LayoutEntry> parseLayoutTable(const QByteArray &table);
// The 126-byte table; entries past the sixth are left out, missing ones are zero.
QByteArray layoutTableBytes(const QList<LayoutEntry> &entries);
