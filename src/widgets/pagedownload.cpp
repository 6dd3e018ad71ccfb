#include "pagedownload.h"

#include "datapacket.h"
#include "nvimage.h"
#include "pagepixels.h"
#include "ttqtextedit.h"

bool renderDesignPages(const QList<TtQTextEdit *> &editors, QList<QImage> *pages, QString *fault)
{
    pages->clear();
    for (int i = 0; i < editors.size(); ++i) {
        TtQTextEdit *editor = editors.at(i);
        if (!editor) {
            if (fault)
                *fault = QStringLiteral("tab %1 holds no page").arg(i);
            pages->clear();
            return false;
        }
        editor->renderPage();
        if (editor->pageImage.isNull()) {
            if (fault)
                *fault = QStringLiteral("page %1 could not be rendered").arg(i);
            pages->clear();
            return false;
        }
        pages->append(editor->pageImage);
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
