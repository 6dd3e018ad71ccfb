#include "design.h"
#include "pagedownload.h"
#include "printnotices.h"
#include "stationpaths.h"
#include "ticketpage.h"
#include "ticketstation.h"
#include "ui_ticketstation.h"

#include <QDebug>

void TicketStation::onDownPic()
{
    if (!requireConnection())
        return;
    // Each page is rendered once; its block rectangles, records, download image and previews
    // all come from that one image.
    const QList<TicketPage *> sent = design->pages().mid(0, kLayoutTableEntries);
    QList<QImage> pages;
    QString fault;
    if (!renderDesignPages(sent, &pages, &fault)) {
        // Half a design would leave the device with a layout for pages it never gets.
        qWarning() << Q_FUNC_INFO << __FILE__ << fault << "; nothing is sent";
        return;
    }
    // The download goes ahead: the operator may want exactly this, but hears what will differ.
    const QStringList notices = printNotices(sent, pageTitles(*ui->tabWidget), pages);
    if (!notices.isEmpty())
        showNotice(notices.join(QLatin1Char('\n')), true);
    const DesignDownload download = prepareDownload(pages);
    dispenser.download(download);
    // The bitmaps are for the operator's eyes only; the line need not wait for the disk.
    previewWriter.write(previewDir(), download.sentDots, download.pages);
}
