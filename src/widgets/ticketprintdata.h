#pragma once

#include "blockflag.h"

#include <QByteArray>
#include <QRect>
#include <QString>

// Placement of a placeholder's live text: the block record of the layout table and the text
// print command differ in a few table values and one clamping step.

// Fills x, y, fontSize and blockType of `ctx` for a block found at `rect`; with an invalid
// rectangle only blockType is set (to 0), the rest is left as it was.
void fillBlockRecord(_ticketContext &ctx, BLOCK_FLAG flag, const QRect &rect);

// The 1A 54 01 text command placing `text` in the block at `rect`; empty for an invalid rect.
QByteArray textPrintCommand(BLOCK_FLAG flag, const QRect &rect, const QString &text);
