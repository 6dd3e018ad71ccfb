#pragma once

#include <QList>
#include <QRect>

class QTextDocument;

// Where each picture of the text lies once laid out, in page dots, in text order. A picture
// wider than the content width reaches past it, and past the paper's edge when wide enough.
QList<QRect> pictureRects(const QTextDocument *document);

// The parts of those pictures beyond the paper's edge, which do not print; none when all fit.
QList<QRect> cutPictureParts(const QTextDocument *document);
