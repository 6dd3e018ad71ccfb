#pragma once

#include "design.h"
#include "pagedownload.h"

#include <QString>

#include <memory>

// The design a command works on, read from its file (which is never written).
struct DesignInput
{
    std::unique_ptr<Design> design;
    QString error; // why the file cannot be used, naming it
};

// Reads the design at `path` with `pages` pages (0: as many as it holds) of `maxHeight` dots.
DesignInput readDesign(const QString &path, int pages, int maxHeight);

// The download of the design's pages, rendered once; false with `error` when a page cannot be
// rendered, as half a design must not be sent.
bool designDownload(const Design &design, DesignDownload *download, QString *error);
