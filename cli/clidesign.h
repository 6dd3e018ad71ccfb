#pragma once

#include "design.h"
#include "pagedownload.h"

#include <QJsonObject>
#include <QString>

#include <memory>

// The design a command works on, read from its file (which is never written).
struct DesignInput
{
    std::unique_ptr<Design> design;
    QString error; // why the file cannot be used, naming it
};

// Pages a design file holds: its highest type_N_html key up to the six the device takes;
// the program's two when it holds none.
int designPageCount(const QJsonObject &root);

// Reads the design at `path` with `pages` pages (0: as many as it holds) of `maxHeight` dots.
DesignInput readDesign(const QString &path, int pages, int maxHeight);

// The download of the design's pages, rendered once; false with `error` when a page cannot be
// rendered, as half a design must not be sent.
bool designDownload(const Design &design, DesignDownload *download, QString *error);
