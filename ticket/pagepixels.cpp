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

bool rowIsWhite(const QImage &image, int y)
{
    // RGB32 pixels carry an opaque alpha byte, so white is all bytes 0xFF in both layouts.
    const int bytes = image.width() * (image.format() == QImage::Format_RGB32 ? 4 : 3);
    const uchar *row = image.constScanLine(y);
    // AND-folding eight bytes at a time keeps the loop short and free of branches.
    quint64 all = ~quint64(0);
    int i = 0;
    for (; i + 8 <= bytes; i += 8) {
        quint64 word;
        std::memcpy(&word, row + i, sizeof word);
        all &= word;
    }
    for (; i < bytes; ++i)
        all &= row[i] | ~quint64(0xFF);
    return all == ~quint64(0);
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
    const QImage image = canvas.format() == QImage::Format_RGB32 ? canvas : asRgb888(canvas);
    int lowest = 0;
    for (int y = image.height() - 1; y > 0; --y) {
        if (!rowIsWhite(image, y)) {
            lowest = y;
            break;
        }
    }
    return std::min(lowest + kCropMargin, image.height());
}

QImage rgb888Rows(const QImage &canvas, int height)
{
    if (canvas.format() != QImage::Format_RGB32)
        return asRgb888(canvas.copy(0, 0, canvas.width(), height));
    const int width = canvas.width();
    QImage image(width, height, QImage::Format_RGB888);
    if (image.isNull())
        return image;
    for (int y = 0; y < height; ++y) {
        const QRgb *src = reinterpret_cast<const QRgb *>(canvas.constScanLine(y));
        uchar *dst = image.scanLine(y);
        // Most rows of a ticket are blank paper; those need no per-pixel work.
        if (rowIsWhite(canvas, y)) {
            std::memset(dst, 0xFF, 3 * width);
            continue;
        }
        for (int x = 0; x < width; ++x) {
            const QRgb rgb = src[x];
            *dst++ = uchar(rgb >> 16);
            *dst++ = uchar(rgb >> 8);
            *dst++ = uchar(rgb);
        }
    }
    return image;
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
        const uchar *end = row + 3 * w;
        // memchr finds candidates for the red byte quickly; most rows are white or ink.
        for (const uchar *p = row; p < end; ++p) {
            p = static_cast<const uchar *>(std::memchr(p, c.r, end - p));
            if (!p)
                break;
            if ((p - row) % 3 != 0 || p + 3 > end || !c.at(p))
                continue;
            const int sx = int(p - row) / 3;
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

QList<BLOCK_FLAG> marksPrintedBlack(const QImage &page)
{
    const QImage download = downloadImageOf(page);
    QList<BLOCK_FLAG> flags;
    for (BLOCK_FLAG flag : {BLOCK_NUMBER, BLOCK_DATETIME, BLOCK_QUEUE}) {
        if (findBlockRectIn(download, flag).isValid())
            flags << flag;
    }
    return flags;
}
