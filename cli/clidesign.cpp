#include "clidesign.h"

#include "designfile.h"
#include "layouttable.h"
#include "stationsettings.h"

DesignInput readDesign(const QString &path, int pages, int maxHeight)
{
    DesignInput input;
    const DesignReadResult read = readDesignFile(path);
    if (!read.ok) {
        input.error = QStringLiteral("%1: %2").arg(path, read.error);
        return input;
    }
    // An array, a number or an object without a single design key would give blank pages.
    if (!isDesignObject(read.root)) {
        input.error = QStringLiteral("%1: not a ticket design").arg(path);
        return input;
    }
    input.design = std::make_unique<Design>(StationSettings().pageCount, maxHeight);
    input.design->loadJson(read.root, pages);
    return input;
}

bool designDownload(const Design &design, DesignDownload *download, QString *error)
{
    QList<QImage> pages;
    QString fault;
    if (!renderDesignPages(design.pages().mid(0, kLayoutTableEntries), &pages, &fault)) {
        *error = fault;
        return false;
    }
    *download = prepareDownload(pages);
    return true;
}
