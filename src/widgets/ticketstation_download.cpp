#include "design.h"
#include "pagedownload.h"
#include "stationpaths.h"
#include "ticketpage.h"
#include "ticketstation.h"
#include "ui_ticketstation.h"

#include <QDebug>

void TicketStation::onDownPic()
{
    if (!requireConnection())
        return;
    warnCutPages();
    // Each page is rendered once; its block rectangles, records, download image and previews
    // all come from that one image.
    QList<QImage> pages;
    QString fault;
    if (!renderDesignPages(design->pages().mid(0, kLayoutTableEntries), &pages, &fault)) {
        // Half a design would leave the device with a layout for pages it never gets.
        qWarning() << Q_FUNC_INFO << __FILE__ << fault << "; nothing is sent";
        return;
    }
    const DesignDownload download = prepareDownload(pages);
    dispenser.download(download);
    // The bitmaps are for the operator's eyes only; the line need not wait for the disk.
    previewWriter.write(previewDir(), download.sentDots, download.pages);
}

void TicketStation::warnCutPages()
{
    QStringList cut;
    for (int i = 0; i < pageEditors.size(); ++i) {
        if (design->page(i)->isCut())
            cut << ui->tabWidget->tabText(i);
    }
    if (!cut.isEmpty())
        showNotice(
            QObject::tr("超出页面高度的内容不会打印：%1").arg(cut.join(QStringLiteral("、"))),
            true);
}
