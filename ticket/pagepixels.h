#pragma once

#include "blockflag.h"
#include "papergeometry.h"

#include <QImage>
#include <QList>
#include <QRect>

// Pixel work on rendered pages, free of widgets so it can be tested on images directly.

// Crop height of a rendered canvas: lowest row holding a non-white pixel + kCropMargin, at most
// the canvas height; ink only in row 0 counts as no ink.
int pageCropHeight(const QImage &canvas);

// The top `height` rows of an RGB32 canvas as an RGB888 page image; painting on RGB32 is much
// faster than on RGB888 and gives the same pixels.
QImage rgb888Rows(const QImage &canvas, int height);

// Rectangle of the first run of exactly `colour` (top-to-bottom, left-to-right start pixel;
// width along its row, height down its column); an empty QRect when the colour is absent.
QRect findColourRun(const QImage &page, QRgb colour);

// The block's rectangle in an already rendered page.
QRect findBlockRectIn(const QImage &page, BLOCK_FLAG flag);

// Paints the rectangle white; a null image or an invalid rectangle is left alone.
void ClearRect(QImage &image, const QRect &rect);

// A copy of the page with the three placeholder rectangles painted white.
QImage downloadImageOf(const QImage &page);

// The blocks whose colour is still on the page once their rectangles are painted white: a
// second run of the colour, which prints as solid black.
QList<BLOCK_FLAG> marksPrintedBlack(const QImage &page);
