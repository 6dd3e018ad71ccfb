#include "glyphrasteriser.h"

#include <QByteArray>
#include <QtGlobal>

void useFreeTypeGlyphs()
{
#ifdef Q_OS_WIN
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", "windows:fontengine=freetype");
    else if (platform.startsWith("offscreen") && qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR"))
        qputenv("QT_QPA_FONTDIR", qgetenv("WINDIR") + "\\Fonts");
#endif
}
