#include "goldendesigns.h"

#include "designfile.h"
#include "stationsettings.h"

QStringList goldenDesignNames()
{
    return {"default", "polish-default", "six-full", "blank", "tallest"};
}

QString goldenDir(const QString &design)
{
    return QStringLiteral(TS_GOLDEN_DIR "/") + design;
}

std::unique_ptr<Design> loadGoldenDesign(const QString &name)
{
    const QString dir = goldenDir(name);
    const StationSettings station = StationSettingsFile(dir + "/settings.ini").read();
    auto design = std::make_unique<Design>(station.pageCount, station.maxHeight);
    const DesignReadResult read = readDesignFile(dir + "/design.json");
    if (!read.ok)
        return nullptr;
    design->loadJson(read.root);
    return design;
}
