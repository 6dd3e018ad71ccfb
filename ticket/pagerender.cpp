#include "pagerender.h"

#include "pagepixels.h"
#include "strippainting.h"
#include "ticketpage.h"

#include <QPainter>
#include <QTextDocument>

QImage renderPage(const TicketPage &page)
{
    // A height the device cannot take (it carries heights in 16 bits) is refused rather than
    // left to the allocator; later steps skip a null page.
    if (page.maxHeight <= 0 || page.maxHeight > kMaxPageHeight)
        return {};
    QImage canvas(kPaperDots, page.maxHeight, QImage::Format_RGB32);
    if (canvas.isNull())
        return {};
    canvas.fill(Qt::white);
    QTextDocument *document = page.document();
    paintInStrips(canvas, [document](QPainter &painter, const QRect &strip) {
        painter.setRenderHint(QPainter::Antialiasing);
        // Nothing outside the strip can show, so the layout need not draw it.
        document->drawContents(&painter, QRectF(strip));
    });
    return rgb888Rows(canvas, pageCropHeight(canvas));
}
