#include "datapacket.h"
#include "nvimage.h"
#include "pagepixels.h"
#include "ticketstation.h"
#include "ttqtextedit.h"
#include "ui_ticketstation.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>

void TicketStation::onDownPic()
{
    // Nothing in here can change a document, so each page is rendered once and its block
    // rectangles, records, download image and previews all come from that one image.
    const int count = qMin(ui->tabWidget->count(), kLayoutTableEntries);
    QList<QImage> pages;
    for (int i = 0; i < count; ++i) {
        TtQTextEdit *editor = pageEditor(i);
        if (!editor) {
            // Half a design would leave the device with a layout for pages it never gets.
            qWarning() << Q_FUNC_INFO << __FILE__ << "tab" << i << "holds no page; nothing is sent";
            return;
        }
        editor->renderPage();
        if (editor->pageImage.isNull()) {
            qWarning() << Q_FUNC_INFO << __FILE__ << "page" << i
                       << "could not be rendered; nothing is sent";
            return;
        }
        pages.append(editor->pageImage);
    }

    QList<QImage> images;
    for (const QImage &page : pages)
        images.append(downloadImageOf(page));
    QList<QImage> sentDots;
    const QByteArray nvCommand = nvImageCommand(images, &sentDots);

    serialPort.sendDat(PACKET_TICKET_SET, layoutTable(pages));
    serialPort.sendDat(QByteArray("\x1B\x40", 2));
    serialPort.sendDat(nvCommand);

    // An operator expects the previews after a download, so a missing folder is made.
    const QString folder = QCoreApplication::applicationDirPath() + "/language/temp/";
    QDir().mkpath(folder);
    for (int k = 0; k < pages.size(); ++k) {
        sentDots.at(k).save(folder + QString("newImage_%1.bmp").arg(k));
        pages.at(k).save(folder + QString("originImage_%1.bmp").arg(k));
    }
}
