#include "stationpaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

QString withSlash(const QString &folder)
{
    const QString clean = QDir::cleanPath(folder);
    return clean.endsWith(QLatin1Char('/')) ? clean : clean + QLatin1Char('/');
}

// Decided once: the folders must not change under a running program.
const StationDirs &stationDirs()
{
    static const StationDirs dirs = [] {
        const QString program = QCoreApplication::applicationDirPath();
        return chooseStationDirs(program + QStringLiteral("/language"),
                                 program + QStringLiteral("/" TS_INSTALLED_LANGUAGE_DIR),
                                 QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
                                 canCreateFilesIn);
    }();
    return dirs;
}

} // namespace

StationDirs chooseStationDirs(const QString &besideProgram, const QString &installed,
                              const QString &perUser,
                              const std::function<bool(const QString &)> &isWritable)
{
    const QString beside = withSlash(besideProgram);
    if (QFileInfo(beside).isDir()) {
        if (isWritable(beside))
            return {beside, beside, false};
        return {withSlash(perUser), beside, true};
    }
    // Never make language/ inside an installed bin folder, not even when root could.
    if (QFileInfo(installed).isDir())
        return {withSlash(perUser), withSlash(installed), true};
    return {beside, beside, false};
}

bool canCreateFilesIn(const QString &folder)
{
    if (!QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(withSlash(folder) + QStringLiteral(".writable-XXXXXX"));
    return probe.open();
}

QString SeedOutcome::message() const
{
    if (!folderNotMade.isEmpty())
        return QObject::tr("无法创建文件夹 %1").arg(QDir::toNativeSeparators(folderNotMade));
    if (!filesNotCopied.isEmpty())
        return QObject::tr("保存失败：%1").arg(filesNotCopied.join(QStringLiteral(", ")));
    return {};
}

SeedOutcome seedLanguageDir(const QString &defaultsDir, const QString &dataDir)
{
    SeedOutcome outcome;
    const QString data = withSlash(dataDir);
    const bool firstStart = !QFileInfo::exists(data);
    for (const QString &folder : {data + QStringLiteral("Config"), data + QStringLiteral("temp")}) {
        if (!QDir().mkpath(folder)) {
            outcome.folderNotMade = folder;
            return outcome;
        }
    }
    if (!firstStart)
        return outcome;

    const QString defaults = withSlash(defaultsDir);
    QStringList names{QStringLiteral("settings.ini")};
    const QDir config(defaults + QStringLiteral("Config"));
    for (const QString &name : config.entryList(QDir::Files))
        names << QStringLiteral("Config/") + name;
    for (const QString &name : names) {
        if (QFileInfo::exists(defaults + name) && !QFileInfo::exists(data + name) &&
            !QFile::copy(defaults + name, data + name))
            outcome.filesNotCopied << name;
    }
    return outcome;
}

SeedOutcome prepareLanguageDir()
{
    if (!stationDirs().perUser)
        return {};
    return seedLanguageDir(catalogueDir(), languageDir());
}

QString languageDir()
{
    return stationDirs().data;
}

QString catalogueDir()
{
    return stationDirs().catalogues;
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

QString shippedFontDir()
{
    const QString program = QCoreApplication::applicationDirPath();
    const QString beside = program + QStringLiteral("/fonts");
    return withSlash(
        QFileInfo(beside).isDir() ? beside : program + QStringLiteral("/" TS_INSTALLED_FONT_DIR));
}
