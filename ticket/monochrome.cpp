#include "monochrome.h"

#include "pagepixels.h"

#include <QVector>

namespace {

constexpr int kWhite = 255;
constexpr int kMidGrey = 128;

// A blank 1-bit picture: index 0 paper, index 1 a printed dot.
QImage blankDots(const QSize &size)
{
    QImage dots(size, QImage::Format_Mono);
    if (dots.isNull())
        return dots;
    dots.setColorCount(2);
    dots.setColor(0, qRgb(255, 255, 255));
    dots.setColor(1, qRgb(0, 0, 0));
    dots.fill(0);
    return dots;
}

void setDot(QImage &dots, int x, int y)
{
    dots.scanLine(y)[x >> 3] |= uchar(0x80 >> (x & 7));
}

bool isDot(const QImage &dots, int x, int y)
{
    return dots.constScanLine(y)[x >> 3] & (0x80 >> (x & 7));
}

} // namespace

QImage flattenOnWhite(const QImage &image)
{
    if (image.isNull() || !image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_RGB888);
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QImage flat(argb.size(), QImage::Format_RGB888);
    for (int y = 0; y < argb.height(); ++y) {
        const auto *src = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        uchar *dst = flat.scanLine(y);
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb p = src[x];
            const int a = qAlpha(p);
            const auto blend = [a](int c) {
                return (c * a + kWhite * (255 - a) + 127) / 255;
            };
            dst[3 * x] = uchar(blend(qRed(p)));
            dst[3 * x + 1] = uchar(blend(qGreen(p)));
            dst[3 * x + 2] = uchar(blend(qBlue(p)));
        }
    }
    return flat;
}

bool isPureBlackAndWhite(const QImage &image)
{
    if (image.isNull())
        return false;
    const QImage flat = flattenOnWhite(image);
    for (int y = 0; y < flat.height(); ++y) {
        const uchar *p = flat.constScanLine(y);
        for (int x = 0; x < flat.width(); ++x, p += 3) {
            const bool black = p[0] == 0 && p[1] == 0 && p[2] == 0;
            const bool white = p[0] == kWhite && p[1] == kWhite && p[2] == kWhite;
            if (!black && !white)
                return false;
        }
    }
    return true;
}

int luminance(QRgb rgb)
{
    return (299 * qRed(rgb) + 587 * qGreen(rgb) + 114 * qBlue(rgb) + 500) / 1000;
}

QImage thresholdHalf(const QImage &image)
{
    const QImage flat = flattenOnWhite(image);
    QImage dots = blankDots(flat.size());
    for (int y = 0; y < dots.height(); ++y) {
        const uchar *p = flat.constScanLine(y);
        for (int x = 0; x < dots.width(); ++x, p += 3) {
            if (luminance(qRgb(p[0], p[1], p[2])) < kMidGrey)
                setDot(dots, x, y);
        }
    }
    return dots;
}

QImage ditherFloydSteinberg(const QImage &image)
{
    const QImage flat = flattenOnWhite(image);
    QImage dots = blankDots(flat.size());
    const int width = dots.width();
    // Errors carried to the current and the next row; one spare cell on each side spares the
    // edge checks.
    QVector<float> current(width + 2, 0.0f);
    QVector<float> next(width + 2, 0.0f);
    for (int y = 0; y < dots.height(); ++y) {
        const uchar *p = flat.constScanLine(y);
        for (int x = 0; x < width; ++x, p += 3) {
            const float wanted = luminance(qRgb(p[0], p[1], p[2])) + current[x + 1];
            const float made = wanted < kMidGrey ? 0.0f : float(kWhite);
            if (made == 0.0f)
                setDot(dots, x, y);
            const float error = wanted - made;
            current[x + 2] += error * 7 / 16;
            next[x] += error * 3 / 16;
            next[x + 1] += error * 5 / 16;
            next[x + 2] += error * 1 / 16;
        }
        current.swap(next);
        next.fill(0.0f);
    }
    return dots;
}

QImage scaleToContentWidth(const QImage &image)
{
    if (image.width() <= kPageContentWidth)
        return image;
    const int height = qMax(1, qRound(qreal(image.height()) * kPageContentWidth / image.width()));
    return image.scaled(kPageContentWidth, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage convertForPaper(const QImage &image, PictureConversion mode, bool scaleToPaper)
{
    const QImage source = scaleToPaper ? scaleToContentWidth(image) : image;
    switch (mode) {
    case PictureConversion::Dither:
        return ditherFloydSteinberg(source);
    case PictureConversion::Threshold:
        return thresholdHalf(source);
    case PictureConversion::AsIs:
        break;
    }
    return source;
}

QImage printedDots(const QImage &image)
{
    const QImage flat = flattenOnWhite(image);
    QImage dots = blankDots(flat.size());
    for (int y = 0; y < dots.height(); ++y) {
        const uchar *p = flat.constScanLine(y);
        for (int x = 0; x < dots.width(); ++x, p += 3) {
            if (p[0] != kWhite || p[1] != kWhite || p[2] != kWhite)
                setDot(dots, x, y);
        }
    }
    return dots;
}

QImage greyDotMask(const QImage &image, int *count)
{
    // Read the pixels the way the NV encoder does, so "black" means the same to both.
    const QImage page = image.convertToFormat(QImage::Format_RGB888);
    QImage mask = blankDots(page.size());
    int marked = 0;
    const int columns = page.width() / 8 * 8;
    const int rows = page.height() / 8 * 8;
    for (int y = 0; y < rows; ++y) {
        const uchar *p = page.constScanLine(y);
        for (int x = 0; x < columns; ++x, p += 3) {
            const bool white = p[0] == kWhite && p[1] == kWhite && p[2] == kWhite;
            const bool black = p[0] == 0 && p[1] == 0 && p[2] == 0;
            if (!white && !black) {
                setDot(mask, x, y);
                ++marked;
            }
        }
    }
    if (count)
        *count = marked;
    return mask;
}

QImage markDots(const QImage &image, const QImage &mask, const QColor &colour)
{
    QImage marked = image.convertToFormat(QImage::Format_RGB888);
    // Masks from this file are 1-bit already; any other picture counts by its non-white dots.
    const QImage bits = mask.format() == QImage::Format_Mono ? mask : printedDots(mask);
    const int width = qMin(marked.width(), bits.width());
    const int height = qMin(marked.height(), bits.height());
    for (int y = 0; y < height; ++y) {
        uchar *p = marked.scanLine(y);
        for (int x = 0; x < width; ++x) {
            if (isDot(bits, x, y)) {
                p[3 * x] = uchar(colour.red());
                p[3 * x + 1] = uchar(colour.green());
                p[3 * x + 2] = uchar(colour.blue());
            }
        }
    }
    return marked;
}
