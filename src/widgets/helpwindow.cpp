#include "helpwindow.h"

#include "languages.h"

#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

HelpWindow::HelpWindow(const QString &catalogue, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(tr("TicketStation 操作指南"));
    // Read beside the work, not instead of it.
    setModal(false);
    m_browser = new QTextBrowser(this);
    m_browser->setOpenExternalLinks(false);
    QFile guide(guidePath(catalogue));
    if (guide.open(QIODevice::ReadOnly))
        m_browser->setHtml(QString::fromUtf8(guide.readAll()));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(560, 640);
}

QString HelpWindow::guidePath(const QString &catalogue)
{
    if (catalogue == QLatin1String(kCatalogueEnglish))
        return QStringLiteral(":/help/guide_en.html");
    if (catalogue == QLatin1String(kCataloguePolish))
        return QStringLiteral(":/help/guide_pl.html");
    return QStringLiteral(":/help/guide_zh.html");
}

void HelpWindow::showGuide(QWidget *parent, const QString &catalogue)
{
    auto *window = parent->findChild<HelpWindow *>(QStringLiteral("helpWindow"));
    if (!window)
        window = new HelpWindow(catalogue, parent);
    window->show();
    window->raise();
    window->activateWindow();
}
