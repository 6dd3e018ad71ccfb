#include "pagemeasures.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QtGlobal>

void measurePagesAlike()
{
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
#ifdef Q_OS_WIN
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", "windows:fontengine=freetype");
    else if (platform.startsWith("offscreen") && qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR"))
        qputenv("QT_QPA_FONTDIR", qgetenv("WINDIR") + "\\Fonts");
#endif
}
