#include "designjobs.h"

#include "design.h"
#include "devicecommands.h"
#include "pagerender.h"
#include "stationpaths.h"
#include "ticketpage.h"

#include <QFileInfo>
#include <QObject>

namespace {

QString cannotRender(const Design &design, int index)
{
    return QObject::tr("%1 无法渲染（内容过大或内存不足）").arg(design.pageName(index));
}

} // namespace

OpenedDesign openDesign(Design &design, const QString &path, bool check)
{
    OpenedDesign opened;
    // The start-up design is a template: saving over it is only ever asked for through
    // "Use as start-up design".
    const bool isStartup = QFileInfo(path) == QFileInfo(startupDesignPath());
    opened.error = isStartup ? design.openAsTemplate(path) : design.open(path);
    if (opened.error.isEmpty() && check)
        opened.findings = checkDesign(design);
    return opened;
}

PreparedDownload prepareDownload(const Design &design)
{
    PreparedDownload prepared;
    QList<QImage> pages;
    const int sent = design.devicePages().size();
    for (int i = 0; i < sent; ++i) {
        const QImage page = renderPage(*design.page(i));
        if (page.isNull()) {
            prepared.error = cannotRender(design, i);
            return prepared;
        }
        pages << page;
    }
    prepared.findings = checkDesign(design, pages);
    prepared.download = prepareDownload(pages);
    return prepared;
}

PreparedTestPrint prepareTestPrint(const Design &design, int index)
{
    PreparedTestPrint prepared;
    const TicketPage *page = design.page(index);
    if (!page) {
        prepared.error =
            QObject::tr("设计只有 %1 页，没有第 %2 页").arg(design.pageCount()).arg(index + 1);
        return prepared;
    }
    // The device prints the page it stored for the ticket type; beyond its types it has none.
    if (index >= kMaxDesignPages) {
        prepared.error = QObject::tr("%1 不会下载到设备：设备只有 %2 种类型")
                             .arg(design.pageName(index))
                             .arg(kMaxDesignPages);
        return prepared;
    }
    const QImage image = renderPage(*page);
    if (image.isNull()) {
        prepared.error = cannotRender(design, index);
        return prepared;
    }
    prepared.data = testPrintData(index, image);
    return prepared;
}
