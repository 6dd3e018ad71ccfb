#pragma once

#include "design.h"

#include <QString>
#include <QStringList>

#include <memory>

// The stored designs under data/golden whose download bytes and previews are recorded.
QStringList goldenDesignNames();
QString goldenDir(const QString &design);
// The golden design `name` as the program reads it, pages as tall as its settings.ini says;
// null when it cannot be read.
std::unique_ptr<Design> loadGoldenDesign(const QString &name);
