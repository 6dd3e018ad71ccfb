#include "pagefonts.h"

#include <QTextBlock>
#include <QTextDocument>

QStringList usedFamilies(const QTextDocument *document)
{
    QStringList families;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            // The document has resolved every format's font against its default font.
            const QString family = it.fragment().charFormat().font().family();
            if (!family.isEmpty() && !families.contains(family, Qt::CaseInsensitive))
                families << family;
        }
    }
    return families;
}

QList<FontFinding> fontFindings(const QTextDocument *document)
{
    QList<FontFinding> findings;
    for (const QString &family : usedFamilies(document)) {
        const FontOrigin origin = fontOrigin(family);
        const bool replaced = origin == FontOrigin::Missing || origin == FontOrigin::NotEmbeddable;
        findings.append({family, origin, replaced ? replacementFamily(family) : QString()});
    }
    return findings;
}

QList<FontReplacement> missingFonts(const QTextDocument *document)
{
    QList<FontReplacement> missing;
    for (const FontFinding &finding : fontFindings(document)) {
        if (finding.origin == FontOrigin::Missing)
            missing.append({finding.family, finding.replacement});
    }
    return missing;
}
