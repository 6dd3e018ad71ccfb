#pragma once

#include "papergeometry.h"

#include <QString>

class QSettings;

// What the main window takes from language/settings.ini, defaults and corrections applied.
struct StationSettings
{
    QString language;
    int pageCount = 2;
    int maxHeight = kDefaultPageHeight;
};

StationSettings readStationSettings(const QSettings &ini);
