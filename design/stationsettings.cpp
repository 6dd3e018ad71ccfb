#include "stationsettings.h"

#include <QSettings>

namespace {

// Anything that is not a whole number within int range reads as 0, the same as a missing key.
// The text is converted directly: converting the QVariant would wrap numbers beyond int.
int readInt(const QSettings &ini, const QString &key)
{
    bool ok = false;
    const int value = ini.value(key).toString().toInt(&ok);
    return ok ? value : 0;
}

} // namespace

StationSettings readStationSettings(const QSettings &ini)
{
    StationSettings settings;
    settings.language = ini.value(QStringLiteral("Language")).toString();

    int pages = readInt(ini, QStringLiteral("maxTabWidget"));
    if (pages <= 0)
        pages = 2;
    pages %= 7;
    // A multiple of 7 would leave no page at all, and the toolbar, test print and download
    // all work on a current page.
    settings.pageCount = pages == 0 ? 2 : pages;

    int height = readInt(ini, QStringLiteral("editTextMaxHeight"));
    if (height <= 0)
        height = kDefaultPageHeight;
    // The device carries page heights in 16 bits.
    settings.maxHeight = qMin(height, kMaxPageHeight);
    return settings;
}
