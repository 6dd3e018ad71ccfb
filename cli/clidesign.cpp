#include "clidesign.h"

#include "designfile.h"
#include "layouttable.h"

#include <QRegularExpression>

int designPageCount(const QJsonObject &root)
{
    // The highest page rather than the number of pages: a design missing a middle page still
    // has its later pages downloaded where the device expects them, the gap left empty.
    static const QRegularExpression pageKey(QStringLiteral("^type_([1-9][0-9]*)_html$"));
    int pages = 0;
    for (auto it = root.begin(); it != root.end(); ++it) {
        const QRegularExpressionMatch match = pageKey.match(it.key());
        if (!match.hasMatch())
            continue;
        const int page = match.captured(1).toInt();
        if (page <= kLayoutTableEntries)
            pages = qMax(pages, page);
    }
    return pages > 0 ? pages : Design().pageCount();
}

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
    input.design =
        std::make_unique<Design>(pages > 0 ? pages : designPageCount(read.root), maxHeight);
    input.design->loadJson(read.root);
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
