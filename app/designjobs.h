#pragma once

#include "designchecks.h"
#include "pagedownload.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class Design;

// A design file opened into `design`. `error` tells why the file was not taken (the design is
// then unchanged); `findings` are the design's checks, when they were asked for.
struct OpenedDesign
{
    QString error;
    QList<DesignFinding> findings;
};

// Opens the design file at `path` into `design`, checking it when `check` is true (which
// renders every page the device gets).
OpenedDesign openDesign(Design &design, const QString &path, bool check);

// A download of a design as the device gets it: its first kMaxDesignPages pages, each rendered
// once, and what the checks find. `error` names the page that cannot be rendered, and then
// there is nothing to send: half a design would leave the device with a layout for pages it
// never gets.
struct PreparedDownload
{
    DesignDownload download;
    QList<DesignFinding> findings;
    QString error;

    bool ok() const { return error.isEmpty(); }
};

// The one way from a design to what its download sends (and its preview shows).
PreparedDownload prepareDownload(const Design &design);

// The test print of page `index`; `error` tells why there is none: no such page, a page the
// device has no ticket type for, or one that cannot be rendered.
struct PreparedTestPrint
{
    QByteArray data;
    QString error;

    bool ok() const { return error.isEmpty(); }
};

PreparedTestPrint prepareTestPrint(const Design &design, int index);
