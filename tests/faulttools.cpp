#include "faulttools.h"

#include "qttransparenttisp.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>

qint64 residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

QtTransparentTisp *findTip()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *tip = qobject_cast<QtTransparentTisp *>(widget))
            return tip;
    }
    return nullptr;
}

QString tipText()
{
    QtTransparentTisp *tip = findTip();
    auto *label = tip ? tip->findChild<QLabel *>() : nullptr;
    return label ? label->text() : QString();
}

namespace {
QString settingsPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/language/settings.ini");
}
} // namespace

bool writeSettingsIni(const QByteArray &content)
{
    QDir().mkpath(QCoreApplication::applicationDirPath() + QStringLiteral("/language"));
    QFile file(settingsPath());
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(content) == content.size();
}

void removeSettingsIni()
{
    QFile::remove(settingsPath());
}
