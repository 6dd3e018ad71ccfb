#pragma once

#include "layouttable.h"

#include <QDateTime>
#include <QImage>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

namespace devicemodel {

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

// The live values a preview prints into a page's blocks; the defaults are the device's first
// ticket of the day.
struct SampleValues
{
    QString number = QStringLiteral("0001");
    QString waiting = QStringLiteral("02");
    QDateTime time; // invalid: the moment the ticket is drawn
};

// Live sample values the device would print into a page's blocks.
QString sampleText(int blockType, const SampleValues &values);
QString sampleText(int blockType, const QDateTime &now);

// The ticket a page prints with the sample values placed by the page's block records.
QImage drawTicketPreview(const QImage &page, const QList<BlockRecord> &records,
                         const SampleValues &values);
// The same with the default number and queue and date and time `now`.
QImage drawTicketPreview(const QImage &page, const QList<BlockRecord> &records,
                         const QDateTime &now = QDateTime::currentDateTime());

} // namespace devicemodel
