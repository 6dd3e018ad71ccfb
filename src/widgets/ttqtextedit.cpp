#include "ttqtextedit.h"

#include "pagepixels.h"
#include "pagerender.h"
#include "ticketpage.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextDocument>

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

void TtQTextEdit::changeEvent(QEvent *event)
{
    QTextEdit::changeEvent(event);
    // The editor hands its own font to the document; what prints must not depend on the
    // window's style, so the page keeps its font.
    if (event->type() == QEvent::FontChange)
        document()->setDefaultFont(m_page->font());
}

void TtQTextEdit::paintEvent(QPaintEvent *event)
{
    QTextEdit::paintEvent(event);
    const int limit = m_page->maxHeight - verticalScrollBar()->value();
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
    const QTextCursor code = codeAt(event->pos());
    if (code.isNull()) {
        QTextEdit::mouseDoubleClickEvent(event);
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
