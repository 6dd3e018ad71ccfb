#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

// The running download where the operator looks for the device's state: a bar, the frames
// written and the time left, and a button that asks for the download to stop. Hidden while
// nothing is being sent.
class TransferProgress : public QWidget
{
    Q_OBJECT
public:
    explicit TransferProgress(QWidget *parent = nullptr);

    // `sent` of `frames` frames are written; the rest take `msLeft` at the device's pace.
    void showProgress(int sent, int frames, int msLeft);
    // Every frame is written; the device's answer is awaited, and there is nothing to stop.
    void showWaiting();
    void finish();

signals:
    void stopRequested();

private:
    QProgressBar *m_bar;
    QLabel *m_text;
    QPushButton *m_stop;
};
