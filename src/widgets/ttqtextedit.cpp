#include "ttqtextedit.h"

#include "pagemarks.h"
#include "pagepixels.h"
#include "pagerender.h"
#include "ticketpage.h"
#include "ticketpreview.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QtMath>

TtQTextEdit::TtQTextEdit(QWidget *parent)
    : TtQTextEdit(std::make_unique<TicketPage>(), nullptr, parent)
{}

TtQTextEdit::TtQTextEdit(TicketPage &page, QWidget *parent) : TtQTextEdit(nullptr, &page, parent) {}

TtQTextEdit::TtQTextEdit(std::unique_ptr<TicketPage> ownPage, TicketPage *page, QWidget *parent)
    : QTextEdit(parent), m_ownPage(std::move(ownPage)), m_page(page ? page : m_ownPage.get()),
      maxHeight(m_page->maxHeight), typeIndex(m_page->typeIndex), imageNames(m_page->imageNames)
{
    // Shown at the width it is laid out at, whether or not the scroll bar is showing; set
    // before the page is taken, since the editor lays its document out at once.
    setLineWrapMode(QTextEdit::FixedPixelWidth);
    setLineWrapColumnOrWidth(kPageTextWidth);
    setDocument(m_page->document());
    // With the window's 8-dot scroll bar always there, the viewport is exactly the page width.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // A picture wider than the page is cut at its edge, as on paper; scrolling sideways would
    // hide the start of every line.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(horizontalScrollBar(), &QScrollBar::rangeChanged, this,
            [this] { horizontalScrollBar()->setRange(0, 0); });
    m_printedRefresh.setSingleShot(true);
    m_printedRefresh.setInterval(0);
    connect(&m_printedRefresh, &QTimer::timeout, this, &TtQTextEdit::refreshPrintedTicket);
    connect(document(), &QTextDocument::contentsChanged, this, [this] {
        if (m_showAsPrinted)
            m_printedRefresh.start();
    });
    // QTextEdit repaints and scrolls in unzoomed pixels; under a zoom the whole view is drawn
    // again, and the scroll range and cursor are brought to zoomed pixels.
    const auto redrawZoomed = [this] {
        if (m_zoom != 100)
            viewport()->update();
    };
    connect(document(), &QTextDocument::contentsChanged, this, redrawZoomed);
    connect(this, &QTextEdit::selectionChanged, this, redrawZoomed);
    connect(this, &QTextEdit::cursorPositionChanged, this, [this] {
        if (m_zoom == 100)
            return;
        viewport()->update();
        // After QTextEdit has scrolled to the cursor as it sees it.
        QTimer::singleShot(0, this, &TtQTextEdit::showCursorZoomed);
    });
    connect(verticalScrollBar(), &QScrollBar::rangeChanged, this, &TtQTextEdit::fitScrollRange);
    renderPage();
}

TtQTextEdit::~TtQTextEdit() = default;

void TtQTextEdit::keyPressEvent(QKeyEvent *event)
{
    const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (tab && !(event->modifiers() & Qt::ControlModifier) && !textCursor().currentList()) {
        // QTextEdit's own refuses to move while the text is editable.
        QWidget::focusNextPrevChild(event->key() == Qt::Key_Tab &&
                                    !(event->modifiers() & Qt::ShiftModifier));
        return;
    }
    QTextEdit::keyPressEvent(event);
}

QMimeData *TtQTextEdit::createMimeDataFromSelection() const
{
    QMimeData *data = QTextEdit::createMimeDataFromSelection();
    const QByteArray pictures = m_page->picturesIn(textCursor());
    if (!pictures.isEmpty())
        data->setData(QString::fromLatin1(kPagePicturesMime), pictures);
    return data;
}

void TtQTextEdit::insertFromMimeData(const QMimeData *source)
{
    if (source->hasFormat(QString::fromLatin1(kPagePicturesMime)))
        m_page->takePictures(source->data(QString::fromLatin1(kPagePicturesMime)));
    // QTextEdit would keep a lone picture under a name of its own that the page never saves.
    if (source->hasImage() && !source->hasHtml()) {
        const QImage image = qvariant_cast<QImage>(source->imageData());
        if (!image.isNull() && isAcceptablePictureSize(image.size())) {
            QTextCursor cursor = textCursor();
            m_page->insertPicture(cursor, image);
            setTextCursor(cursor);
            return;
        }
    }
    QTextEdit::insertFromMimeData(source);
}

void TtQTextEdit::changeEvent(QEvent *event)
{
    QTextEdit::changeEvent(event);
    // The editor hands its own font to the document; what prints must not depend on the
    // window's style, so the page keeps its font.
    if (event->type() == QEvent::FontChange)
        document()->setDefaultFont(m_page->font());
}

void TtQTextEdit::setShowAsPrinted(bool asPrinted)
{
    if (asPrinted == m_showAsPrinted)
        return;
    m_showAsPrinted = asPrinted;
    if (asPrinted) {
        refreshPrintedTicket();
    } else {
        m_printedRefresh.stop();
        m_printedTicket = QImage();
    }
    viewport()->update();
}

void TtQTextEdit::setSampleValues(const devicemodel::SampleValues &values)
{
    m_sampleValues = values;
    if (m_showAsPrinted)
        refreshPrintedTicket();
}

void TtQTextEdit::refreshPrintedTicket()
{
    // The same download and device model as the print preview and the emulator, so the view
    // shows their dots.
    m_printedTicket = previewPage(::renderPage(*m_page), m_sampleValues).ticket;
    viewport()->update();
}

bool TtQTextEdit::selectMark(BLOCK_FLAG flag)
{
    for (const PageMark &mark : pageMarks(document())) {
        if (mark.flag != flag)
            continue;
        QTextCursor cursor(document());
        cursor.setPosition(mark.position);
        cursor.setPosition(mark.position + mark.length, QTextCursor::KeepAnchor);
        setTextCursor(cursor);
        return true;
    }
    return false;
}

void TtQTextEdit::setZoom(int percent)
{
    percent = qBound(kMinZoom, percent, kMaxZoom);
    if (percent == m_zoom)
        return;
    // Keeps the same part of the page in view.
    const qreal top = verticalScrollBar()->value() / scale();
    m_zoom = percent;
    setFixedWidth(kPaperDots - kPageTextWidth + qCeil(kPageTextWidth * scale()));
    fitScrollRange();
    verticalScrollBar()->setValue(qRound(top * scale()));
    viewport()->update();
}

void TtQTextEdit::fitScrollRange()
{
    if (m_zoom == 100)
        return;
    const int height = qCeil(document()->size().height() * scale());
    const int maximum = qMax(0, height - viewport()->height());
    QScrollBar *bar = verticalScrollBar();
    // Setting the range reports it again: only a different one is set.
    if (bar->minimum() != 0 || bar->maximum() != maximum)
        bar->setRange(0, maximum);
    bar->setPageStep(viewport()->height());
}

void TtQTextEdit::showCursorZoomed()
{
    if (m_zoom == 100 || !hasFocus())
        return;
    QScrollBar *bar = verticalScrollBar();
    const QRect cursor = cursorRect().translated(0, bar->value());
    const int top = qFloor(cursor.top() * scale());
    const int bottom = qCeil((cursor.bottom() + 1) * scale());
    if (top < bar->value())
        bar->setValue(top);
    else if (bottom > bar->value() + viewport()->height())
        bar->setValue(bottom - viewport()->height());
}

QPointF TtQTextEdit::unzoomed(const QPointF &position) const
{
    if (m_zoom == 100)
        return position;
    const int offset = verticalScrollBar()->value();
    return QPointF(position.x() / scale(), (position.y() + offset) / scale() - offset);
}

void TtQTextEdit::forwardMouse(QMouseEvent *event,
                               const std::function<void(QMouseEvent *)> &handler)
{
    if (m_zoom == 100) {
        handler(event);
        return;
    }
    QMouseEvent mapped(event->type(), unzoomed(event->localPos()), event->windowPos(),
                       event->screenPos(), event->button(), event->buttons(), event->modifiers(),
                       event->source());
    handler(&mapped);
    event->setAccepted(mapped.isAccepted());
}

void TtQTextEdit::mousePressEvent(QMouseEvent *event)
{
    forwardMouse(event, [this](QMouseEvent *e) { QTextEdit::mousePressEvent(e); });
}

void TtQTextEdit::mouseMoveEvent(QMouseEvent *event)
{
    forwardMouse(event, [this](QMouseEvent *e) { QTextEdit::mouseMoveEvent(e); });
}

void TtQTextEdit::mouseReleaseEvent(QMouseEvent *event)
{
    forwardMouse(event, [this](QMouseEvent *e) { QTextEdit::mouseReleaseEvent(e); });
}

void TtQTextEdit::dragMoveEvent(QDragMoveEvent *event)
{
    if (m_zoom == 100) {
        QTextEdit::dragMoveEvent(event);
        return;
    }
    QDragMoveEvent mapped(unzoomed(event->posF()).toPoint(), event->possibleActions(),
                          event->mimeData(), event->mouseButtons(), event->keyboardModifiers());
    QTextEdit::dragMoveEvent(&mapped);
    event->setDropAction(mapped.dropAction());
    event->setAccepted(mapped.isAccepted());
    viewport()->update();
}

void TtQTextEdit::dropEvent(QDropEvent *event)
{
    if (m_zoom == 100) {
        QTextEdit::dropEvent(event);
        return;
    }
    QDropEvent mapped(unzoomed(event->posF()), event->possibleActions(), event->mimeData(),
                      event->mouseButtons(), event->keyboardModifiers());
    QTextEdit::dropEvent(&mapped);
    event->setDropAction(mapped.dropAction());
    event->setAccepted(mapped.isAccepted());
}

void TtQTextEdit::wheelEvent(QWheelEvent *event)
{
    // QTextEdit's own Ctrl + wheel would change the text's font sizes, which print.
    if (event->modifiers() & Qt::ControlModifier) {
        const int steps = event->angleDelta().y() / 120;
        if (steps != 0)
            emit zoomStepRequested(steps);
        event->accept();
        return;
    }
    QTextEdit::wheelEvent(event);
}

void TtQTextEdit::paintZoomed(QPainter &painter)
{
    const int offset = verticalScrollBar()->value();
    painter.translate(0, -offset);
    painter.scale(scale(), scale());
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette = palette();
    context.clip =
        QRectF(0, offset / scale(), viewport()->width() / scale(), viewport()->height() / scale());
    const QTextCursor cursor = textCursor();
    // The cursor does not blink here: QTextEdit would redraw it at its unzoomed place.
    context.cursorPosition = hasFocus() && !isReadOnly() ? cursor.position() : -1;
    if (cursor.hasSelection()) {
        QAbstractTextDocumentLayout::Selection selection;
        selection.cursor = cursor;
        selection.format.setBackground(palette().brush(QPalette::Highlight));
        selection.format.setForeground(palette().brush(QPalette::HighlightedText));
        context.selections.append(selection);
    }
    painter.setClipRect(context.clip);
    document()->documentLayout()->draw(&painter, context);
}

void TtQTextEdit::paintAsPrinted(QPainter &painter)
{
    // Paper ends where the ticket does; the surround is darker.
    painter.fillRect(viewport()->rect(), palette().color(QPalette::Mid));
    if (m_printedTicket.isNull()) {
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(viewport()->rect(), Qt::AlignCenter, tr("管理机无法存储此页"));
        return;
    }
    // Drawn in page dots from here on.
    const int offset = verticalScrollBar()->value();
    painter.translate(0, -offset);
    painter.scale(scale(), scale());
    painter.drawImage(0, 0, m_printedTicket);

    // The selection and the cursor over the dots, so typing and selecting still show.
    const QTextCursor cursor = textCursor();
    const QColor highlight = palette().color(QPalette::Highlight);
    if (cursor.hasSelection()) {
        const QColor shade(highlight.red(), highlight.green(), highlight.blue(), 96);
        const int from = cursor.selectionStart();
        const int to = cursor.selectionEnd();
        for (QTextBlock block = document()->findBlock(from);
             block.isValid() && block.position() <= to; block = block.next()) {
            const QTextLayout *lines = block.layout();
            const QPointF at = document()->documentLayout()->blockBoundingRect(block).topLeft();
            for (int i = 0; i < lines->lineCount(); ++i) {
                const QTextLine line = lines->lineAt(i);
                const int start = qMax(from - block.position(), line.textStart());
                const int end = qMin(to - block.position(), line.textStart() + line.textLength());
                if (start >= end)
                    continue;
                const qreal left = line.cursorToX(start);
                const qreal right = line.cursorToX(end);
                painter.fillRect(
                    QRectF(at.x() + left, at.y() + line.y(), right - left, line.height()), shade);
            }
        }
    }
    if (hasFocus() && !isReadOnly())
        painter.fillRect(
            cursorRect(cursor).translated(0, offset).adjusted(0, 0, cursorWidth() - 1, 0),
            highlight);
}

void TtQTextEdit::paintEvent(QPaintEvent *event)
{
    if (m_showAsPrinted) {
        QPainter painter(viewport());
        paintAsPrinted(painter);
    } else if (m_zoom != 100) {
        QPainter painter(viewport());
        paintZoomed(painter);
    } else {
        QTextEdit::paintEvent(event);
    }
    const int limit = qRound(m_page->maxHeight * scale()) - verticalScrollBar()->value();
    if (limit >= viewport()->height())
        return;
    QPainter painter(viewport());
    painter.fillRect(QRect(0, limit, viewport()->width(), viewport()->height() - limit),
                     QColor(255, 0, 0, 24));
    painter.setPen(QPen(QColor(220, 0, 0), 1, Qt::DashLine));
    painter.drawLine(0, limit, viewport()->width(), limit);
}

QTextCursor TtQTextEdit::codeAt(const QPoint &position) const
{
    // A click on a picture's left half lands before it, on its right half after it.
    const int at = cursorForPosition(position).position();
    for (int start : {at, at - 1}) {
        if (start < 0)
            continue;
        QTextCursor cursor(document());
        cursor.setPosition(start);
        if (!cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor))
            continue;
        const QTextFormat format = cursor.charFormat();
        if (format.isImageFormat() && m_page->code(format.toImageFormat().name()))
            return cursor;
    }
    return {};
}

void TtQTextEdit::mouseDoubleClickEvent(QMouseEvent *event)
{
    const QTextCursor code = codeAt(unzoomed(event->localPos()).toPoint());
    if (code.isNull()) {
        forwardMouse(event, [this](QMouseEvent *e) { QTextEdit::mouseDoubleClickEvent(e); });
        return;
    }
    event->accept();
    emit codeActivated(code);
}

void TtQTextEdit::addImageResource(QImage image, QString name)
{
    m_page->addImageResource(image, name);
}

void TtQTextEdit::saveToJson(QJsonObject &config)
{
    m_page->saveToJson(config);
}

void TtQTextEdit::loadFromJson(const QJsonObject &config)
{
    m_page->loadFromJson(config);
    show();
}

void TtQTextEdit::renderPage()
{
    pageImage = ::renderPage(*m_page);
}

QRect TtQTextEdit::findBlockRect(BLOCK_FLAG flag)
{
    renderPage();
    return findBlockRectIn(pageImage, flag);
}

QImage TtQTextEdit::downloadImage()
{
    renderPage();
    return downloadImageOf(pageImage);
}
