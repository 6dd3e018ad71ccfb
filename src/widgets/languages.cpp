#include "languages.h"

bool installInterfaceLanguage(QObject *, const QString &, const QString &)
{
    return false;
}
