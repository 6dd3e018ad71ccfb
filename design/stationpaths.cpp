#include "stationpaths.h"

#include <QCoreApplication>

QString languageDir()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/language/");
}

QString settingsFilePath()
{
    return languageDir() + QStringLiteral("settings.ini");
}

QString startupDesignPath()
{
    return languageDir() + QStringLiteral("Config/template.json");
}

QString previewDir()
{
    return languageDir() + QStringLiteral("temp/");
}
