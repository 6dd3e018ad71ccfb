#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonValue>
#include <QList>
#include <QString>
#include <QStringList>

class QRawFont;
class TicketPage;

// Registers the faces the program ships (shippedFontDir()); called once at start by every
// program that lays out pages. Returns the files it could not register.
QStringList registerProgramFonts();

// A design file carries the faces its pages use that the program does not ship, each cut down
// to the letters the pages use, so it lays out the same on a PC that lacks them. They sit under
// this key as objects {family, style, data (base64 of the font file)}; older versions of the
// program ignore it.
constexpr const char *kEmbeddedFontsKey = "embeddedFonts";

struct FontEmbedding
{
    QJsonArray fonts;
    QStringList carried; // the families of `fonts`
    // Families whose licence forbids carrying them: other PCs draw a shipped face instead.
    QStringList refused;
};

// The faces `pages` use that are installed here or carried by the design they came from.
FontEmbedding embedPageFonts(const QList<TicketPage *> &pages);

// Registers the faces a design file carries, before its pages are laid out. A face that would
// stand in for a shipped or installed family is not taken.
void registerEmbeddedFonts(const QJsonValue &fonts);

// `face` as a font file holding only the glyphs of `text` (and the basic Latin letters), or
// empty when it cannot be cut down.
QByteArray subsetFace(const QRawFont &face, const QString &text);
