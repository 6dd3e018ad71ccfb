#include "ticketprintdata.h"

#include "datapacket.h"

#include <QMap>

#include <algorithm>
#include <cstring>

namespace {

struct FontPair
{
    int width; // character width in dots
    int code;  // the printer's font size code
};

// Searched in this order; the first width that holds a character wins.
constexpr FontPair kFontPairW[] = {{12, 0x11}, {24, 0x12}, {36, 0x22}};

// The two forms were tuned separately on the device and keep their own tables.
struct FormTables
{
    QMap<BLOCK_FLAG, int> typeMap; // characters of the live text
    QMap<int, int> fontPairHmap;   // character width -> character height
    bool clampOffset;              // negative centring offset becomes 0
};

const FormTables &tablesFor(PlacementForm form)
{
    static const FormTables record{{{BLOCK_NUMBER, 4}, {BLOCK_DATETIME, 18}, {BLOCK_QUEUE, 3}},
                                   {{12, 15}, {24, 17}, {36, 44}},
                                   true};
    static const FormTables command{{{BLOCK_NUMBER, 3}, {BLOCK_DATETIME, 18}, {BLOCK_QUEUE, 3}},
                                    {{12, 20}, {24, 20}, {36, 44}},
                                    false};
    return form == PlacementForm::BlockRecord ? record : command;
}

bool isBlockFlag(BLOCK_FLAG flag)
{
    return flag == BLOCK_NUMBER || flag == BLOCK_DATETIME || flag == BLOCK_QUEUE;
}

} // namespace

TextPlacement placeText(PlacementForm form, BLOCK_FLAG flag, const QRect &rect)
{
    const FormTables &tables = tablesFor(form);
    const int n = tables.typeMap.value(flag, 0);
    if (n <= 0)
        return {};

    const int w = rect.width() / n;
    FontPair best = kFontPairW[0];
    // The date and time is long; it always takes the smallest font. A block too wide for
    // every font also falls back to the smallest.
    if (flag != BLOCK_DATETIME) {
        for (const FontPair &pair : kFontPairW) {
            if (pair.width >= w) {
                best = pair;
                break;
            }
        }
    }

    int a = (rect.width() - n * best.width) / 2 + 2;
    if (tables.clampOffset && a < 0)
        a = 0;
    TextPlacement p;
    p.x = std::max(rect.x() + a, 0);
    p.y = rect.y() + (rect.height() - tables.fontPairHmap.value(best.width)) / 2;
    p.fontSize = best.code;
    return p;
}

BlockRecord blockRecord(BLOCK_FLAG flag, const QRect &rect)
{
    if (!rect.isValid() || !isBlockFlag(flag))
        return {};
    const TextPlacement p = placeText(PlacementForm::BlockRecord, flag, rect);
    BlockRecord record;
    record.x = p.x;
    record.y = p.y;
    record.fontCode = p.fontSize & 0xFF;
    record.blockType = flag;
    return record;
}

void fillBlockRecord(_ticketContext &ctx, BLOCK_FLAG flag, const QRect &rect)
{
    const BlockRecord record = blockRecord(flag, rect);
    if (record.blockType == 0) {
        ctx.blockType = 0;
        return;
    }
    std::memcpy(&ctx, record.toBytes().constData(), sizeof ctx);
}

QByteArray textPrintCommand(BLOCK_FLAG flag, const QRect &rect, const QString &text)
{
    if (!rect.isValid() || !isBlockFlag(flag))
        return {};
    const TextPlacement p = placeText(PlacementForm::TextCommand, flag, rect);

    QByteArray command("\x1A\x54\x01", 3);
    appendLe16(command, p.x);
    appendLe16(command, p.y);
    command.append("\x00\x60\x00", 3);
    command.append(char(p.fontSize));

    // The printer reads the text up to a NUL, so a NUL inside it would end the command early.
    QByteArray utf8 = text.toUtf8();
    const int nul = utf8.indexOf('\0');
    if (nul >= 0)
        utf8.truncate(nul);
    command.append(utf8);
    command.append('\0');
    return command;
}
