#include "pagefonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QTextBlock>
#include <QTextDocument>

QList<FontReplacement> missingFonts(const QTextDocument *document)
{
    const QFontDatabase fonts;
    QList<FontReplacement> missing;
    QStringList seen;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            // The document has resolved every format's font against its default font.
            const QFont font = it.fragment().charFormat().font();
            const QString family = font.family();
            if (family.isEmpty() || seen.contains(family, Qt::CaseInsensitive))
                continue;
            seen << family;
            // hasFamily knows a family by any of its names, localised ones included; a family
            // the database lists with its foundry is drawn under its own name.
            const QString drawn = QFontInfo(font).family();
            if (!fonts.hasFamily(family) && drawn.compare(family, Qt::CaseInsensitive) != 0)
                missing.append({family, drawn});
        }
    }
    return missing;
}
