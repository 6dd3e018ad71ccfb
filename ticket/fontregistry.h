#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QRawFont;

// Which faces a page is drawn with is the program's decision, not the PC's: it ships a few
// faces and registers them itself, a family nobody has is replaced by one of them through a
// fixed table, and a design carries the other faces it uses (see fontembedding.h).

// The shipped faces: Chinese, Latin and Polish from WenQuanYi Micro Hei (and its monospaced
// cut); DejaVu for Latin text that wants a Western sans or serif.
constexpr const char *kShippedChineseFamily = "WenQuanYi Micro Hei";
constexpr const char *kShippedSansFamily = "DejaVu Sans";
constexpr const char *kShippedSerifFamily = "DejaVu Serif";
constexpr const char *kShippedMonoFamily = "WenQuanYi Micro Hei Mono";

// The files of the shipped faces, as the program's fonts/ folder holds them.
QStringList shippedFontFiles();
// The families those files hold, in the order the font box lists them.
QStringList shippedFamilies();
bool isShippedFamily(const QString &family);

// Registers the shipped faces found in `folder` and fixes which shipped face stands in for the
// families designs name, and for a glyph a face lacks. Returns the files it could not register.
QStringList registerShippedFonts(const QString &folder);

// The shipped face that stands in for `family` when this PC has no such family and the design
// does not carry it: the same answer on every PC.
QString replacementFamily(const QString &family);

// Makes every family `html` names that this PC lacks draw with its fixed replacement, before
// the text is laid out (a face chosen once is kept by Qt's caches).
void substituteUnknownFamilies(const QString &html);

// The families the open design carries in its file (as opened or last saved).
void setCarriedFamilies(const QStringList &families);
bool isCarriedFamily(const QString &family);

// Where the face a page names comes from on this PC.
enum class FontOrigin
{
    Shipped,       // registered by the program, on every PC
    Embedded,      // carried by the design
    ThisPcOnly,    // installed here, not carried yet; Save embeds it
    NotEmbeddable, // installed here, and its licence forbids carrying it
    Missing,       // nowhere: drawn with replacementFamily()
};
FontOrigin fontOrigin(const QString &family);

// Whether a face's licence lets a document carry it, from its OS/2 table's fsType: the
// restricted-licence bit forbids it. A face without the table says nothing against it.
bool embeddingAllowed(const QByteArray &os2Table);
bool embeddingAllowed(const QRawFont &face);
