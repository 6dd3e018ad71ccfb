#include "sfntfile.h"

#include <QList>
#include <QPair>
#include <QtEndian>

#include <algorithm>

namespace {

quint32 tableChecksum(const QByteArray &table)
{
    quint32 sum = 0;
    for (int i = 0; i < table.size(); i += 4) {
        uchar word[4] = {0, 0, 0, 0};
        std::copy_n(table.constData() + i, std::min(4, int(table.size()) - i), word);
        sum += qFromBigEndian<quint32>(word);
    }
    return sum;
}

} // namespace

QByteArray sfntFromTables(const std::function<QByteArray(const char *tag)> &table)
{
    QList<QPair<QByteArray, QByteArray>> tables; // tag, data; the tags are in ascending order
    for (const char *tag : kFaceTables) {
        const QByteArray data = table(tag);
        if (!data.isEmpty())
            tables.append({QByteArray(tag), data});
    }
    if (tables.isEmpty())
        return {};
    std::sort(tables.begin(), tables.end());
    const auto count = quint16(tables.size());
    quint16 power = 1, log2 = 0;
    while (power * 2 <= count)
        power *= 2, ++log2;
    QByteArray file;
    const auto put16 = [&file](quint16 v) {
        file.append(char(v >> 8)).append(char(v));
    };
    const auto put32 = [&put16](quint32 v) {
        put16(quint16(v >> 16)), put16(quint16(v));
    };
    const bool cff = std::any_of(tables.cbegin(), tables.cend(),
                                 [](const auto &t) { return t.first.startsWith("CFF"); });
    put32(cff ? 0x4F54544F : 0x00010000);
    put16(count);
    put16(quint16(power * 16));
    put16(log2);
    put16(quint16(count * 16 - power * 16));
    quint32 offset = 12 + 16 * quint32(count);
    for (const auto &t : qAsConst(tables)) {
        file.append(t.first);
        put32(tableChecksum(t.second));
        put32(offset);
        put32(quint32(t.second.size()));
        offset += (quint32(t.second.size()) + 3) & ~3u;
    }
    for (const auto &t : qAsConst(tables)) {
        file.append(t.second);
        file.append(QByteArray((4 - t.second.size() % 4) % 4, '\0'));
    }
    return file;
}
