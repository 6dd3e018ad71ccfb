#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Where the program keeps what it reads and writes. Beside the program (the build and the
// portable archive) one folder language/ holds everything: settings.ini, the catalogues,
// Config/ with the start-up design and temp/ with the preview bitmaps of the last download.
// Installed under a read-only prefix, the catalogues stay there and the writable part moves
// to a per-user folder of the same layout. Every path the program builds comes from here.

// The writable folder (settings.ini, Config/, temp/), with a trailing slash.
QString languageDir();
// The folder the compiled catalogues are read from, with a trailing slash.
QString catalogueDir();

QString settingsFilePath();
QString startupDesignPath();
// Folder of the preview bitmaps, with a trailing slash.
QString previewDir();
// Folder of the faces the program ships: fonts/ beside the program (the build and the portable
// archive), else the installed one; with a trailing slash.
QString shippedFontDir();

// What making and filling the per-user folder left undone.
struct SeedOutcome
{
    QString folderNotMade;
    QStringList filesNotCopied;

    bool ok() const { return folderNotMade.isEmpty() && filesNotCopied.isEmpty(); }
    // Translated when called, so it follows the catalogue installed by then.
    QString message() const;
};

// Gives the per-user folder, when that is the one in use, the layout it needs; on its first
// start it copies settings.ini and Config/ from the shipped folder.
SeedOutcome prepareLanguageDir();

struct StationDirs
{
    QString data;       // languageDir()
    QString catalogues; // catalogueDir(), also holds the shipped settings.ini and Config/
    bool perUser = false;
};

// The choice behind languageDir() and catalogueDir(), given the folder beside the program, the
// installed one and the per-user one. A folder beside the program decides (its writability
// only by `isWritable`, so the choice can be checked without real permissions); without one,
// an installed folder means the per-user one; with neither, the folder beside the program is
// made on demand as it always was.
StationDirs chooseStationDirs(const QString &besideProgram, const QString &installed,
                              const QString &perUser,
                              const std::function<bool(const QString &)> &isWritable);

// Whether a file can be created in `folder` right now. A real attempt, because permission
// bits say nothing for root or on a read-only mount.
bool canCreateFilesIn(const QString &folder);

// Makes `dataDir` with Config/ and temp/; when `dataDir` did not exist yet, copies
// settings.ini and the files of Config/ from `defaultsDir` where present. Never overwrites.
SeedOutcome seedLanguageDir(const QString &defaultsDir, const QString &dataDir);
