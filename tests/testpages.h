#pragma once

#include "pixeltools.h"

#include <QList>

class QTextCursor;
class TtQTextEdit;

// Pages of known pixels, built in a page editor.

// Adds `image` to the page's resources as `name` and inserts it at the cursor at its own size.
void insertPicture(TtQTextEdit &page, QTextCursor &cursor, const QString &name,
                   const QImage &image);
// The same with a solid picture of `size` in `colour`.
void insertPicture(TtQTextEdit &page, QTextCursor &cursor, const QString &name, QSize size,
                   const QColor &colour);

// Replaces the page's content with solid pictures, one paragraph each.
void setPictures(TtQTextEdit *page, const QList<Picture> &pictures);
