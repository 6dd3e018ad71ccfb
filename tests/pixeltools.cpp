#include "pixeltools.h"

#include <algorithm>

QImage solidImage(QSize size, const QColor &colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QImage whitePage(int height, int width, QImage::Format format)
{
    QImage image(width, height, format);
    image.fill(Qt::white);
    return image;
}

void paint(QImage &image, const QRect &rect, QRgb colour)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            image.setPixel(x, y, colour);
}

bool allWhite(const QImage &image, const QRect &rect)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (image.pixel(x, y) != 0xFFFFFFFF)
                return false;
    return true;
}

bool sameDotsInRows(const QImage &a, const QImage &b, int rows, const QList<QRect> &except)
{
    if (a.width() != b.width() || a.height() < rows || b.height() < rows)
        return false;
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (std::any_of(except.begin(), except.end(),
                            [&](const QRect &r) { return r.contains(x, y); }))
                continue;
            if ((a.pixel(x, y) == 0xFFFFFFFF) != (b.pixel(x, y) == 0xFFFFFFFF))
                return false;
        }
    }
    return true;
}

bool sameDots(const QImage &a, const QImage &b, const QList<QRect> &except)
{
    return a.size() == b.size() && sameDotsInRows(a, b, a.height(), except);
}
