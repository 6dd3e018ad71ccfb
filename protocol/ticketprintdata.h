#pragma once

#include "blockflag.h"
#include "layouttable.h"

#include <QByteArray>
#include <QRect>
#include <QString>

// Placement of a placeholder's live text: the block record of the layout table and the text
// print command differ in a few table values and one clamping step.

enum class PlacementForm
{
    BlockRecord, // layout table sent with a download
    TextCommand, // 1A 54 01 command of the test print
};

// Where the printer puts a block's live text and in which of its font sizes.
struct TextPlacement
{
    int x = 0;
    int y = 0; // may be negative near the top of the page
    int fontSize = 0;
};

// Centres the block's live text in `rect` with the printer font the form's tables choose.
// Only meaningful for a valid rectangle and a flag of 1, 2 or 3.
TextPlacement placeText(PlacementForm form, BLOCK_FLAG flag, const QRect &rect);

// The block record for a block found at `rect`; all zero for an invalid rectangle.
BlockRecord blockRecord(BLOCK_FLAG flag, const QRect &rect);

// Fills x, y, fontSize and blockType of `ctx` for a block found at `rect`; with an invalid
// rectangle only blockType is set (to 0), the rest is left as it was.
void fillBlockRecord(_ticketContext &ctx, BLOCK_FLAG flag, const QRect &rect);

// The 1A 54 01 text command placing `text` in the block at `rect`; empty for an invalid rect.
QByteArray textPrintCommand(BLOCK_FLAG flag, const QRect &rect, const QString &text);
