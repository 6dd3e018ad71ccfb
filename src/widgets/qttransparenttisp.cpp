#include "qttransparenttisp.h"

#include <QApplication>
#include <QDebug>
#include <QDialog>
#include <QLabel>
#include <QLoggingCategory>
#include <QPalette>
#include <QTimer>

namespace {
// When the window's parts go, for whoever follows the program's shutdown.
Q_LOGGING_CATEGORY(lcLifetime, "ticketstation.widgets.tip", QtInfoMsg)

// The tip's width, and its height for a short text.
constexpr int kTipWidth = 360;
constexpr int kTipHeight = 100;

} // namespace

QtTransparentTisp::QtTransparentTisp(bool deleteOnClose, QWidget *parent) : QWidget(parent)
{
    // A notice never takes the keyboard: keys typed while it shows still reach the page.
    setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                   Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(kTipWidth, kTipHeight);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::gray);
    setPalette(pal);

    textLabel = new QLabel(this);
    textLabel->setStyleSheet(QStringLiteral("color : rgb(255, 255, 255)"));
    textLabel->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    // Reasons and advice run longer than one line.
    textLabel->setWordWrap(true);
    textLabel->setMargin(8);
    textLabel->resize(kTipWidth, kTipHeight);

    setWindowOpacity(0.98);
    // A notice still on screen must not keep the program running after its window closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    if (deleteOnClose)
        setAttribute(Qt::WA_DeleteOnClose);

    hideTimer = new QTimer(this);
    connect(hideTimer, &QTimer::timeout, this, [this] {
        hideTimer->stop();
        close();
    });
}

QtTransparentTisp::~QtTransparentTisp()
{
    qCDebug(lcLifetime) << "QtTransparentTisp destroyed";
}

void QtTransparentTisp::showTip(const QString &text, QWidget *anchor, int milliseconds)
{
    textLabel->setText(text);
    // As tall as the text needs at the tip's width: a longer translation is not cut.
    const int height = qMax(kTipHeight, textLabel->heightForWidth(kTipWidth));
    setFixedSize(kTipWidth, height);
    textLabel->resize(kTipWidth, height);
    if (anchor) {
        const QPoint topLeft = screenTopLeft(anchor);
        move(topLeft.x() + anchor->width() / 2 - width() / 2,
             topLeft.y() + anchor->height() / 2 - height / 2);
    }
    show();
    hideTimer->start(milliseconds);
    // Watches for a dialog while it shows, which it must not cover.
    qApp->installEventFilter(this);
}

bool QtTransparentTisp::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show && qobject_cast<QDialog *>(watched))
        close();
    return QWidget::eventFilter(watched, event);
}

void QtTransparentTisp::hideEvent(QHideEvent *event)
{
    qApp->removeEventFilter(this);
    hideTimer->stop();
    QWidget::hideEvent(event);
}

void QtTransparentTisp::mousePressEvent(QMouseEvent *)
{
    hideTimer->stop();
    close();
}

QPoint QtTransparentTisp::screenTopLeft(QWidget *widget)
{
    if (!widget)
        return {-1, -1};
    QPoint pos;
    QWidget *top = widget;
    for (QWidget *w = widget; w; w = w->parentWidget()) {
        pos += w->pos();
        top = w;
    }
    // The frame is taken to be as wide at the bottom as at the sides; what is left above is
    // the title bar.
    const int border = (top->frameSize().width() - top->size().width()) / 2;
    return pos + QPoint(border, top->frameSize().height() - top->size().height() - border);
}
