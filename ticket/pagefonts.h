#pragma once

#include "fontregistry.h"

#include <QList>
#include <QString>

class QTextDocument;

// A font family a page names that this machine does not have, and the one drawn instead.
struct FontReplacement
{
    QString family;
    QString replacement;
};

inline bool operator==(const FontReplacement &a, const FontReplacement &b)
{
    return a.family == b.family && a.replacement == b.replacement;
}

// A family the text is set in, where it comes from here, and for a family that is missing or
// cannot travel with the design, the shipped face drawn in its place (here or elsewhere).
struct FontFinding
{
    QString family;
    FontOrigin origin = FontOrigin::Missing;
    QString replacement;
};

inline bool operator==(const FontFinding &a, const FontFinding &b)
{
    return a.family == b.family && a.origin == b.origin && a.replacement == b.replacement;
}

// Every family the text is set in, each once, in text order.
QStringList usedFamilies(const QTextDocument *document);
QList<FontFinding> fontFindings(const QTextDocument *document);

// The families the text is set in that are neither shipped, carried nor installed here, each
// once, in text order, with the shipped face that stands in for each.
QList<FontReplacement> missingFonts(const QTextDocument *document);
