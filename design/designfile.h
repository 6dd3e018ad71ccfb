#pragma once

#include <QJsonObject>
#include <QString>

// Reading and writing of design files (settings values and pages as one JSON object), kept
// apart from the window so the file handling can be exercised on its own.

// Larger files are refused before they are read: a design with a few pictures is a few
// megabytes, and reading an arbitrary large file would stall the program.
constexpr qint64 kMaxDesignFileBytes = 64 * 1024 * 1024;

struct DesignReadResult
{
    bool ok = false;
    QJsonObject root; // empty when the document's root is not an object
    QString error;    // why the file was not taken, for the operator
};

DesignReadResult readDesignFile(const QString &path, qint64 maxBytes = kMaxDesignFileBytes);

// Writes `root` as indented JSON so that an interrupted or failed write leaves the previous
// file whole; creates the missing folder. Returns an empty string on success, else the reason.
QString writeDesignFile(const QString &path, const QJsonObject &root);

// Lenient reads: a value that is missing, of another type or not a whole number gives 0 (whole
// numbers beyond the int range are pinned to it); a missing or non-boolean value gives false.
int designInt(const QJsonObject &root, const QString &key);
bool designBool(const QJsonObject &root, const QString &key);
