#include "pagepixels.h"
#include "strippainting.h"
#include "ttqtextedit.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QScrollBar>

namespace {

bool hasPendingResize(const QWidget *widget)
{
    return widget->testAttribute(Qt::WA_PendingResizeEvent);
}

} // namespace

void TtQTextEdit::layOutLikeOnScreen()
{
    // QTextEdit lays its document out only when its viewport receives a resize event, which a
    // hidden editor (a tab that was never current) has not had yet: its document then has no
    // width and would draw nothing. Give it the width the viewport will have once shown.
    if (!hasPendingResize(this) && !hasPendingResize(viewport()))
        return;

    ensurePolished();
    int editorWidth = width();
    int editorHeight = height();
    if (parentWidget() && sizePolicy().horizontalPolicy() == QSizePolicy::Fixed) {
        // What a layout gives a fixed-width widget.
        editorWidth = sizeHint()
                          .expandedTo(minimumSizeHint())
                          .boundedTo(maximumSize())
                          .expandedTo(minimumSize())
                          .width();
    }
    const QMargins margins = viewportMargins();
    const int frame = 2 * frameWidth();
    const int fullWidth = editorWidth - frame - margins.left() - margins.right();
    const int viewportHeight = editorHeight - frame - margins.top() - margins.bottom();
    const int barWidth = verticalScrollBar()->sizeHint().width();
    QTextDocument *doc = document();

    if (verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff) {
        setDocumentWidth(fullWidth);
    } else if (verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn) {
        setDocumentWidth(fullWidth - barWidth);
    } else {
        // As QTextEdit does on screen: the bar appears when the text is taller than the
        // viewport and goes when the text, laid out beside the bar, fits again. Starting from
        // the width the document already has spares a relayout when nothing changed.
        const auto textHeight = [doc] {
            return doc->documentLayout()->documentSize().toSize().height();
        };
        if (doc->pageSize().width() != fullWidth - barWidth || textHeight() <= viewportHeight)
            setDocumentWidth(fullWidth);
        if (textHeight() > viewportHeight)
            setDocumentWidth(fullWidth - barWidth);
    }
}

void TtQTextEdit::setDocumentWidth(int width)
{
    // Every page size change re-lays the whole document out, so only change it when needed.
    QTextDocument *doc = document();
    if (doc->pageSize() != QSizeF(width, -1))
        doc->setPageSize(QSizeF(width, -1));
}

void TtQTextEdit::renderPage()
{
    layOutLikeOnScreen();

    // A height the device cannot take (it carries heights in 16 bits) is refused rather than
    // left to the allocator; the page then stays null and later steps skip it.
    QImage canvas;
    if (maxHeight > 0 && maxHeight <= 0xFFFF)
        canvas = QImage(kPaperDots, maxHeight, QImage::Format_RGB32);
    if (canvas.isNull()) {
        pageImage = QImage();
        return;
    }
    canvas.fill(Qt::white);
    paintInStrips(canvas, [this](QPainter &painter, const QRect &strip) {
        painter.setRenderHint(QPainter::Antialiasing);
        // Nothing outside the strip can show, so the layout need not draw it.
        document()->drawContents(&painter, QRectF(strip));
    });
    pageImage = rgb888Rows(canvas, pageCropHeight(canvas));
}

QRect TtQTextEdit::findBlockRect(BLOCK_FLAG flag)
{
    renderPage();
    return findBlockRectIn(pageImage, flag);
}

QImage TtQTextEdit::downloadImage()
{
    renderPage();
    QImage image = pageImage;
    // Each lookup renders afresh, so the rectangles always match the current document.
    for (BLOCK_FLAG flag : {BLOCK_NUMBER, BLOCK_DATETIME, BLOCK_QUEUE})
        ClearRect(image, findBlockRect(flag));
    return image;
}
