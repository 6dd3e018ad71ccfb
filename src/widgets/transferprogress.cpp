#include "transferprogress.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

TransferProgress::TransferProgress(QWidget *parent)
    : QWidget(parent), m_bar(new QProgressBar), m_text(new QLabel), m_stop(new QPushButton)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_bar->setObjectName(QStringLiteral("transferBar"));
    m_text->setObjectName(QStringLiteral("transferText"));
    m_stop->setObjectName(QStringLiteral("transferStop"));
    m_stop->setText(tr("停止"));
    m_stop->setToolTip(tr("停止下载 (Esc)"));
    layout->addWidget(m_bar, 1);
    layout->addWidget(m_text);
    layout->addWidget(m_stop);
    connect(m_stop, &QPushButton::clicked, this, &TransferProgress::stopRequested);
    hide();
}

void TransferProgress::showProgress(int sent, int frames, int msLeft)
{
    m_bar->setRange(0, frames);
    m_bar->setValue(sent);
    // Rounded up: "0 s left" while frames still wait would be wrong.
    const int secondsLeft = (msLeft + 999) / 1000;
    m_text->setText(tr("第 %1/%2 帧，剩余约 %3 秒").arg(sent).arg(frames).arg(secondsLeft));
    m_stop->setEnabled(true);
    show();
}

void TransferProgress::showWaiting()
{
    m_bar->setValue(m_bar->maximum());
    m_text->setText(tr("等待设备应答…"));
    m_stop->setEnabled(false);
    show();
}

void TransferProgress::finish()
{
    hide();
}
