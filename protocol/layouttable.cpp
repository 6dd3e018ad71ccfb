#include "layouttable.h"

#include "datapacket.h"

#include <cstring>

BlockRecord BlockRecord::fromBytes(const char *sixBytes)
{
    BlockRecord record;
    record.x = readLe16(sixBytes);
    record.y = readLe16Signed(sixBytes + 2);
    record.fontCode = uchar(sixBytes[4]);
    record.blockType = uchar(sixBytes[5]);
    return record;
}

BlockRecord BlockRecord::fromContext(const _ticketContext &ctx)
{
    return fromBytes(reinterpret_cast<const char *>(&ctx));
}

QByteArray BlockRecord::toBytes() const
{
    QByteArray bytes;
    appendLe16(bytes, x);
    appendLe16(bytes, y);
    bytes.append(char(fontCode));
    bytes.append(char(blockType));
    return bytes;
}

LayoutEntry LayoutEntry::fromBytes(const char *entryBytes)
{
    LayoutEntry entry;
    entry.present = entryBytes[0] == kLayoutEntryPresent;
    for (int i = 0; i < 3; ++i)
        entry.blocks[i] = BlockRecord::fromBytes(entryBytes + 1 + kBlockRecordSize * i);
    entry.height = readLe16(entryBytes + 1 + 3 * kBlockRecordSize);
    return entry;
}

QByteArray LayoutEntry::toBytes() const
{
    QByteArray bytes(1, present ? kLayoutEntryPresent : '\0');
    for (const BlockRecord &block : blocks)
        bytes += block.toBytes();
    appendLe16(bytes, height);
    return bytes;
}

QList<LayoutEntry> parseLayoutTable(const QByteArray &table)
{
    QList<LayoutEntry> entries;
    if (table.size() != kLayoutTableSize)
        return entries;
    for (int i = 0; i < kLayoutTableEntries; ++i)
        entries << LayoutEntry::fromBytes(table.constData() + kLayoutEntrySize * i);
    return entries;
}

QByteArray layoutTableBytes(const QList<LayoutEntry> &entries)
{
    QByteArray table;
    for (const LayoutEntry &entry : entries.mid(0, kLayoutTableEntries))
        table += entry.toBytes();
    table.append(kLayoutTableSize - table.size(), '\0');
    return table;
}
