#include "nvimage.h"
#include "pagedownload.h"
#include "ticketstation.h"
#include "ttqtextedit.h"
#include "ui_ticketstation.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>

void TicketStation::onDownPic()
{
    finishPageLoads();
    // Nothing in here can change a document, so each page is rendered once and its block
    // rectangles, records, download image and previews all come from that one image.
    const int count = qMin(ui->tabWidget->count(), kLayoutTableEntries);
    QList<TtQTextEdit *> editors;
    for (int i = 0; i < count; ++i)
        editors.append(pageEditor(i));
    QList<QImage> pages;
    QString fault;
    if (!renderDesignPages(editors, &pages, &fault)) {
        // Half a design would leave the device with a layout for pages it never gets.
        qWarning() << Q_FUNC_INFO << __FILE__ << fault << "; nothing is sent";
        return;
    }

    const DesignDownload download = prepareDownload(pages);
    for (const DownloadMessage &message : downloadMessages(download))
        serialPort.sendDat(message.type, message.data);

    // An operator expects the previews after a download, so a missing folder is made.
    const QString folder = QCoreApplication::applicationDirPath() + "/language/temp/";
    QDir().mkpath(folder);
    for (int k = 0; k < download.pages.size(); ++k) {
        download.sentDots.at(k).save(folder + QString("newImage_%1.bmp").arg(k));
        download.pages.at(k).save(folder + QString("originImage_%1.bmp").arg(k));
    }
}
