#include "pagepictures.h"

#include "papergeometry.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QTextLayout>

QList<QRect> pictureRects(const QTextDocument *document)
{
    QList<QRect> rects;
    QAbstractTextDocumentLayout *layout = document->documentLayout();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const QTextLayout *lines = block.layout();
        const QPointF origin = layout->blockBoundingRect(block).topLeft();
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextImageFormat image = fragment.charFormat().toImageFormat();
            if (!image.isValid())
                continue;
            // One character per picture; a fragment may hold several of the same picture.
            for (int i = 0; i < fragment.length(); ++i) {
                const int at = fragment.position() + i - block.position();
                const QTextLine line = lines->lineForTextPosition(at);
                if (!line.isValid())
                    continue;
                const QSizeF size(image.width(), image.height());
                // A picture stands on the line's baseline.
                const QPointF topLeft(line.cursorToX(at), line.y() + line.ascent() - size.height());
                rects << QRectF(origin + topLeft, size).toRect();
            }
        }
    }
    return rects;
}

QList<QRect> cutPictureParts(const QTextDocument *document)
{
    QList<QRect> parts;
    for (const QRect &rect : pictureRects(document)) {
        if (rect.right() >= kPaperDots)
            parts << QRect(QPoint(kPaperDots, rect.top()), rect.bottomRight());
    }
    return parts;
}
