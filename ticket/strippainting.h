#pragma once

#include <QImage>
#include <QRect>

#include <functional>

class QPainter;

// Rows a raster painter reaches safely: it drops whatever falls on device rows past 32766,
// while pages and tickets may be up to 65535 dots tall.
constexpr int kPaintStripRows = 16384;

// Paints `image` in strips of at most kPaintStripRows rows, each a view into the image with a
// painter moved so that `paint` draws in the image's own coordinates; `paint` is called once
// per strip with the rows the strip covers. Text is filled as outlines (OutlineTextDevice).
void paintInStrips(QImage &image, const std::function<void(QPainter &, const QRect &)> &paint);
