#pragma once

#include <QPainterPath>

class QTextItem;

// The outlines of a text item's glyphs, the item's origin at `origin`: read from the face
// unhinted by the program's own FreeType, at the item's pixel size, emboldened or slanted where
// Qt synthesises bold or italic for the face. A painter draws glyphs hinted and rasterised by
// the FreeType Qt was built with (another version on Windows than on Linux), and Qt's own
// outlines are hinted at the face's design size by a face it shares with every other use of
// it; these are the same on every system and whatever else was drawn before.
QPainterPath textItemOutlines(const QTextItem &item, const QPointF &origin);
