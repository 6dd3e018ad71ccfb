#include "pagepixels.h"

#include <algorithm>
#include <cstring>

namespace {

// Rendered pages are RGB888; anything else is brought to that layout once so the scans below
// can compare raw bytes.
QImage asRgb888(const QImage &image)
{
    return image.format() == QImage::Format_RGB888 ? image
                                                   : image.convertToFormat(QImage::Format_RGB888);
}

bool rowIsWhite(const uchar *row, int bytes)
{
    // AND-folding all bytes keeps the loop branch-free so the compiler can vectorise it.
    uchar all = 0xFF;
    for (int i = 0; i < bytes; ++i)
        all &= row[i];
    return all == 0xFF;
}

struct Rgb
{
    uchar r, g, b;
    bool at(const uchar *p) const { return p[0] == r && p[1] == g && p[2] == b; }
};

} // namespace

int pageCropHeight(const QImage &canvas)
{
    if (canvas.isNull())
        return 0;
    const QImage image = asRgb888(canvas);
    const int rowBytes = image.width() * 3;
    int lowest = 0;
    for (int y = image.height() - 1; y > 0; --y) {
        if (!rowIsWhite(image.constScanLine(y), rowBytes)) {
            lowest = y;
            break;
        }
    }
    return std::min(lowest + kCropMargin, image.height());
}

QRect findColourRun(const QImage &page, QRgb colour)
{
    if (page.isNull())
        return {};
    const QImage image = asRgb888(page);
    const Rgb c{uchar(qRed(colour)), uchar(qGreen(colour)), uchar(qBlue(colour))};
    const int w = image.width();
    const int h = image.height();

    for (int sy = 0; sy < h; ++sy) {
        const uchar *row = image.constScanLine(sy);
        for (int sx = 0; sx < w; ++sx) {
            if (!c.at(row + 3 * sx))
                continue;
            int width = 1;
            while (sx + width < w && c.at(row + 3 * (sx + width)))
                ++width;
            int height = 1;
            while (sy + height < h && c.at(image.constScanLine(sy + height) + 3 * sx))
                ++height;
            return QRect(sx, sy, width, height);
        }
    }
    return {};
}

QRect findBlockRectIn(const QImage &page, BLOCK_FLAG flag)
{
    // An unknown flag has no colour; looking it up must not turn into a search for black.
    const auto it = blockColorMap().constFind(flag);
    if (it == blockColorMap().constEnd())
        return {};
    return findColourRun(page, it->rgb());
}

void ClearRect(QImage &image, const QRect &rect)
{
    if (image.isNull() || !rect.isValid())
        return;
    const QRect area = rect.intersected(image.rect());
    if (area.isEmpty())
        return;
    if (image.format() == QImage::Format_RGB888) {
        for (int y = area.top(); y <= area.bottom(); ++y)
            std::memset(image.scanLine(y) + 3 * area.left(), 0xFF, 3 * area.width());
        return;
    }
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            image.setPixel(x, y, 0xFFFFFFFF);
}

QImage downloadImageOf(const QImage &page)
{
    QImage image = page;
    for (BLOCK_FLAG flag : {BLOCK_NUMBER, BLOCK_DATETIME, BLOCK_QUEUE})
        ClearRect(image, findBlockRectIn(page, flag));
    return image;
}
