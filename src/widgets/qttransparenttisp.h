#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>

class QLabel;
class QMouseEvent;
class QTimer;

// How long the tip shows a notice, and a reason the operator has to read; a click dismisses
// either sooner.
constexpr int kTipNoticeMs = 3000;
constexpr int kTipErrorMs = 10000;

// Small frameless, always-on-top grey notice that hides itself after a while.
class QtTransparentTisp : public QWidget
{
    Q_OBJECT
public:
    explicit QtTransparentTisp(bool deleteOnClose, QWidget *parent = nullptr);
    ~QtTransparentTisp() override;

    void showTip(const QString &text, QWidget *anchor, int milliseconds);
    static QPoint screenTopLeft(QWidget *widget);

protected:
    // A notice read before its time is up is dismissed with a click.
    void mousePressEvent(QMouseEvent *event) override;
    // A dialog coming up closes the notice, which would otherwise stay on top of it.
    bool eventFilter(QObject *watched, QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QLabel *textLabel;
    QTimer *hideTimer;
};
