#pragma once

#include "papergeometry.h"

#include <QString>
#include <QStringList>

class QSettings;

// What the program keeps in language/settings.ini, defaults and corrections applied.
struct StationSettings
{
    QString language;
    int pageCount = 2; // pages of a new design
    int maxHeight = kDefaultPageHeight;
    // Newest first, absolute paths.
    QStringList recentDesigns;
    // Where file dialogs start; empty when none was used yet.
    QString lastFolder;
    // Ports and tcp:// addresses connected to, newest first.
    QStringList recentPorts;
};

StationSettings readStationSettings(const QSettings &ini);

// The one reader and writer of settings.ini.
class StationSettingsFile
{
public:
    explicit StationSettingsFile(const QString &path);

    StationSettings read() const;
    // Stores what the program itself decides (language, recent designs, last folder, recent
    // ports); the page count and height are the station's to set and are left as written.
    // False when the file could not be written.
    bool write(const StationSettings &settings) const;

    // Stores the page height the operator chose in the window. False when it was not written.
    bool writePageHeight(int height) const;

    // Puts `entry` first in `list`, once, keeping at most `limit` entries.
    static void remember(QStringList &list, const QString &entry, int limit);

private:
    QString m_path;
};
