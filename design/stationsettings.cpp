#include "stationsettings.h"

#include <QSettings>

namespace {

namespace key {
const QString language = QStringLiteral("Language");
const QString pageCount = QStringLiteral("maxTabWidget");
const QString maxHeight = QStringLiteral("editTextMaxHeight");
const QString recentDesigns = QStringLiteral("RecentDesigns");
const QString lastFolder = QStringLiteral("LastFolder");
const QString recentPorts = QStringLiteral("RecentPorts");
} // namespace key

// Anything that is not a whole number within int range reads as 0, the same as a missing key.
// The text is converted directly: converting the QVariant would wrap numbers beyond int.
int readInt(const QSettings &ini, const QString &name)
{
    bool ok = false;
    const int value = ini.value(name).toString().toInt(&ok);
    return ok ? value : 0;
}

} // namespace

StationSettings readStationSettings(const QSettings &ini)
{
    StationSettings settings;
    settings.language = ini.value(key::language).toString();

    int pages = readInt(ini, key::pageCount);
    if (pages <= 0)
        pages = 2;
    pages %= 7;
    // A multiple of 7 would leave no page at all, and the toolbar, test print and download
    // all work on a current page.
    settings.pageCount = pages == 0 ? 2 : pages;

    int height = readInt(ini, key::maxHeight);
    if (height <= 0)
        height = kDefaultPageHeight;
    // The device carries page heights in 16 bits.
    settings.maxHeight = qMin(height, kMaxPageHeight);

    settings.recentDesigns = ini.value(key::recentDesigns).toStringList();
    settings.lastFolder = ini.value(key::lastFolder).toString();
    settings.recentPorts = ini.value(key::recentPorts).toStringList();
    return settings;
}

StationSettingsFile::StationSettingsFile(const QString &path) : m_path(path) {}

StationSettings StationSettingsFile::read() const
{
    const QSettings ini(m_path, QSettings::IniFormat);
    return readStationSettings(ini);
}

bool StationSettingsFile::write(const StationSettings &settings) const
{
    QSettings ini(m_path, QSettings::IniFormat);
    // Nothing is written for what is empty, so a new file holds only what was chosen.
    const auto store = [&ini](const QString &name, const QVariant &value, bool empty) {
        if (empty)
            ini.remove(name);
        else
            ini.setValue(name, value);
    };
    store(key::language, settings.language, settings.language.isEmpty());
    store(key::recentDesigns, settings.recentDesigns, settings.recentDesigns.isEmpty());
    store(key::lastFolder, settings.lastFolder, settings.lastFolder.isEmpty());
    store(key::recentPorts, settings.recentPorts, settings.recentPorts.isEmpty());
    ini.sync();
    return ini.status() == QSettings::NoError;
}

bool StationSettingsFile::writePageHeight(int height) const
{
    QSettings ini(m_path, QSettings::IniFormat);
    ini.setValue(key::maxHeight, height);
    ini.sync();
    return ini.status() == QSettings::NoError;
}

void StationSettingsFile::remember(QStringList &list, const QString &entry, int limit)
{
    list.removeAll(entry);
    list.prepend(entry);
    while (list.size() > limit)
        list.removeLast();
}
