#pragma once

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

// The families the text is set in that are not installed here, each once, in text order.
QList<FontReplacement> missingFonts(const QTextDocument *document);
