#include "jobstatus.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QToolButton>

JobStatus::JobStatus(QWidget *parent)
    : QWidget(parent), m_icon(new QLabel), m_text(new QLabel), m_dismiss(new QToolButton)
{
    setObjectName(QStringLiteral("jobStatus"));
    m_text->setObjectName(QStringLiteral("jobStatusText"));
    m_text->setWordWrap(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_dismiss->setObjectName(QStringLiteral("jobStatusDismiss"));
    m_dismiss->setText(tr("知道了"));
    m_dismiss->setAutoRaise(true);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_icon);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_dismiss);
    connect(m_dismiss, &QToolButton::clicked, this, &JobStatus::clear);
    setAttribute(Qt::WA_StyledBackground);
    hide();
}

void JobStatus::showBusy(const QString &text)
{
    if (!m_failure)
        show(text, Busy);
}

void JobStatus::showDone(const QString &text)
{
    if (!m_failure)
        show(text, Done);
}

void JobStatus::showFailure(const QString &text)
{
    show(text, Failure);
}

void JobStatus::clear()
{
    m_failure = false;
    m_text->clear();
    hide();
}

QString JobStatus::text() const
{
    return isHidden() ? QString() : m_text->text();
}

void JobStatus::show(const QString &text, Kind kind)
{
    m_failure = kind == Failure;
    m_text->setText(text);
    const int size = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    const QStyle::StandardPixmap icon =
        kind == Failure ? QStyle::SP_MessageBoxWarning : QStyle::SP_MessageBoxInformation;
    m_icon->setPixmap(style()->standardIcon(icon, nullptr, this).pixmap(size, size));
    m_dismiss->setVisible(m_failure);
    // A failure stands out as a warning does; a confirmation is quietly green.
    static const QString kColours[] = {
        QString(),
        QStringLiteral("#jobStatus { background: #e6f2e6; } QLabel { color: #1f4d1f; }"),
        QStringLiteral("#jobStatus { background: #fde8e4; } QLabel { color: #8a1c0e; }"),
    };
    setStyleSheet(kColours[kind]);
    QWidget::show();
}
