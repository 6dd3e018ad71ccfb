#pragma once

#include "blockflag.h"
#include "ticketdrawing.h"

#include <QImage>
#include <QJsonObject>
#include <QList>
#include <QRect>
#include <QString>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>

#include <functional>
#include <memory>

class TicketPage;

// Zoom of the page views, in percent.
constexpr int kMinZoom = 50;
constexpr int kMaxZoom = 400;

// The editor of one ticket page: a view of a TicketPage, which holds the text, the pictures and
// the page's size. It shows the page at the width the page is laid out at, so what the operator
// sees is what prints.
class TtQTextEdit : public QTextEdit
{
    Q_OBJECT
public:
    // An editor with a page of its own.
    explicit TtQTextEdit(QWidget *parent = nullptr);
    // An editor showing `page`, which must outlive it.
    explicit TtQTextEdit(TicketPage &page, QWidget *parent = nullptr);
    ~TtQTextEdit() override;

    TicketPage *page() const { return m_page; }

    void addImageResource(QImage image, QString name);
    void saveToJson(QJsonObject &config);
    void loadFromJson(const QJsonObject &config);

    // Renders the page into pageImage; findBlockRect and downloadImage render afresh.
    void renderPage();
    QRect findBlockRect(BLOCK_FLAG flag);
    QImage downloadImage();

    QImage pageImage;

    // A cursor selecting the code picture at `position` in the viewport; null when there is none.
    QTextCursor codeAt(const QPoint &position) const;

    // Shows the page as the dots the device prints, placeholders filled in by the device with
    // the sample values, instead of the text as typed; editing goes on in either view.
    void setShowAsPrinted(bool asPrinted);
    bool showsAsPrinted() const { return m_showAsPrinted; }
    // Values the view fills the placeholders with; by default the device's first ticket, at the
    // moment the view is drawn.
    void setSampleValues(const devicemodel::SampleValues &values);
    // The ticket the view shows, up to date with the page; null when the device would not keep
    // the page, or while the page is shown as typed.
    QImage printedTicket() const { return m_printedTicket; }

    // Selects the first mark of this kind on the page; false when the page has none.
    bool selectMark(BLOCK_FLAG flag);

    // Shows the page enlarged or reduced (percent, kept within kMinZoom..kMaxZoom); the page is
    // laid out and printed as before, and the editor's width follows.
    void setZoom(int percent);
    int zoom() const { return m_zoom; }

signals:
    // Ctrl + wheel: the operator asked for `steps` zoom steps, up when positive.
    void zoomStepRequested(int steps);
    // The operator double-clicked the code picture `selection` holds, to edit it.
    void codeActivated(const QTextCursor &selection);

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    // Tab indents a list item; anywhere else it moves on, so the keyboard can leave the page.
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    // A copy carries the pictures and code settings it refers to, so it pastes whole into any
    // page; a picture pasted on its own becomes one of the page's pictures.
    QMimeData *createMimeDataFromSelection() const override;
    void insertFromMimeData(const QMimeData *source) override;
    // Marks the page height: what lies below it does not print.
    void paintEvent(QPaintEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    // Under a zoom, pointer positions go to the text as they would unzoomed.
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    TtQTextEdit(std::unique_ptr<TicketPage> ownPage, TicketPage *page, QWidget *parent);
    void refreshPrintedTicket();
    void paintAsPrinted(QPainter &painter);
    void paintZoomed(QPainter &painter);
    qreal scale() const { return m_zoom / 100.0; }
    // The position QTextEdit reads as the text under `position` of the zoomed view.
    QPointF unzoomed(const QPointF &position) const;
    void forwardMouse(QMouseEvent *event, const std::function<void(QMouseEvent *)> &handler);
    // Scroll range and cursor in zoomed pixels, where QTextEdit counts unzoomed ones.
    void fitScrollRange();
    void showCursorZoomed();

    std::unique_ptr<TicketPage> m_ownPage;
    TicketPage *m_page;
    bool m_showAsPrinted = false;
    devicemodel::SampleValues m_sampleValues;
    QImage m_printedTicket;
    // Edits that come in one go (a paste, an undo step) are drawn once.
    QTimer m_printedRefresh;
    int m_zoom = 100;

public:
    // The page's own values, under the names the editor has always had.
    int &maxHeight;
    int &typeIndex;
    QList<QString> &imageNames;
};
