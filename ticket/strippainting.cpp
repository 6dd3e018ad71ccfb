#include "strippainting.h"

#include "outlinetextdevice.h"

#include <QPainter>

void paintInStrips(QImage &image, const std::function<void(QPainter &, const QRect &)> &paint)
{
    for (int top = 0; top < image.height(); top += kPaintStripRows) {
        const int rows = qMin(kPaintStripRows, image.height() - top);
        QImage strip(image.scanLine(top), image.width(), rows, image.bytesPerLine(),
                     image.format());
        OutlineTextDevice device(strip);
        QPainter painter(&device);
        painter.translate(0, -top);
        paint(painter, QRect(0, top, image.width(), rows));
    }
}
