#pragma once

#include <QString>

// Where the program keeps what it reads and writes: the folder language/ beside the program,
// holding settings.ini, the catalogues, Config/ with the start-up design and temp/ with the
// preview bitmaps of the last download. Every path the program builds comes from here.

// The folder itself, with a trailing slash.
QString languageDir();

QString settingsFilePath();
QString startupDesignPath();
// Folder of the preview bitmaps, with a trailing slash.
QString previewDir();
