#include "pagedownload.h"

#include "datapacket.h"
#include "nvimage.h"
#include "pagepixels.h"
#include "pagerender.h"
#include "ticketpage.h"

bool renderDesignPages(const QList<TicketPage *> &designPages, QList<QImage> *pages, QString *fault)
{
    pages->clear();
    for (int i = 0; i < designPages.size(); ++i) {
        const TicketPage *page = designPages.at(i);
        const QImage image = page ? renderPage(*page) : QImage();
        if (image.isNull()) {
            if (fault)
                *fault = page ? QStringLiteral("page %1 could not be rendered").arg(i)
                              : QStringLiteral("tab %1 holds no page").arg(i);
            pages->clear();
            return false;
        }
        pages->append(image);
    }
    return true;
}

DesignDownload prepareDownload(const QList<QImage> &pages)
{
    DesignDownload download;
    // The layout table has room for six pages, and the NV image command must not carry more
    // pages than the table describes.
    download.pages = pages.mid(0, kLayoutTableEntries);
    for (const QImage &page : qAsConst(download.pages))
        download.images.append(downloadImageOf(page));
    download.layoutTable = layoutTable(download.pages);
    download.nvCommand = nvImageCommand(download.images, &download.sentDots);
    return download;
}

QList<DownloadMessage> downloadMessages(const DesignDownload &download)
{
    return {{PACKET_TICKET_SET, download.layoutTable},
            {PACKET_PRINT_DAT, QByteArray("\x1B\x40", 2)},
            {PACKET_PRINT_DAT, download.nvCommand}};
}

QList<QByteArray> downloadFrames(const DesignDownload &download)
{
    QList<QByteArray> frames;
    for (const DownloadMessage &message : downloadMessages(download))
        frames += chunkFrames(message.type, message.data);
    return frames;
}
