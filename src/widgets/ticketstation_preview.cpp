#include "design.h"
#include "operatordialogs.h"
#include "pagedownload.h"
#include "pagepictures.h"
#include "printnotices.h"
#include "printpreviewdialog.h"
#include "ticketpage.h"
#include "ticketpreview.h"
#include "ticketstation.h"
#include "ui_ticketstation.h"

#include <QDateTime>
#include <QDebug>

void TicketStation::onPreview()
{
    const QStringList titles = pageTitles(*ui->tabWidget);
    QList<QImage> pages;
    QString fault;
    if (!renderDesignPages(design->pages(), &pages, &fault)) {
        qWarning() << Q_FUNC_INFO << __FILE__ << fault;
        Asker::warning(this, QObject::tr("打印预览"),
                       QObject::tr("无法生成预览：有页面无法渲染。"));
        return;
    }
    const QList<TicketPreview> previews =
        previewTickets(prepareDownload(pages), QDateTime::currentDateTime());
    QList<QList<QRect>> cutPictures;
    for (const TicketPage *page : design->pages())
        cutPictures << cutPictureParts(page->document());

    // Window-modal but not blocking, so the page editors stay as they are behind it.
    auto *dialog = new PrintPreviewDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setPages(previews, titles.mid(0, previews.size()), cutPictures);
    // Told in the dialog itself, where the operator looks at the pages concerned.
    dialog->setNotices(printNotices(design->pages(), titles, pages));
    dialog->open();
}
