#include "fontembedding.h"

#include "fontregistry.h"
#include "stationpaths.h"
#include "ticketpage.h"

#include <QFontDatabase>
#include <QHash>
#include <QJsonObject>
#include <QRawFont>
#include <QTextBlock>
#include <QTextDocument>

#include <QtEndian>

#include <algorithm>
#include <memory>

#ifdef TS_HAVE_HB_SUBSET
#include <hb-subset.h>
#endif

namespace {

// The tables a face may have (outlines in TrueType or CFF form, layout, metrics, names, colour
// and bitmaps): Qt hands out a face's tables, not its file, so the face is rebuilt from these.
constexpr const char *kFaceTables[] = {
    "cmap", "head", "hhea", "hmtx", "maxp", "name", "OS/2", "post", "glyf", "loca", "CFF ",
    "CFF2", "VORG", "cvt ", "fpgm", "prep", "gasp", "hdmx", "kern", "vhea", "vmtx", "GDEF",
    "GSUB", "GPOS", "BASE", "JSTF", "MATH", "fvar", "gvar", "avar", "HVAR", "VVAR", "MVAR",
    "STAT", "COLR", "CPAL", "EBDT", "EBLC", "CBDT", "CBLC", "sbix", "SVG "};

#ifdef TS_HAVE_HB_SUBSET

template <typename T, void (*destroy)(T *)> struct HbDeleter
{
    void operator()(T *p) const { destroy(p); }
};
using Blob = std::unique_ptr<hb_blob_t, HbDeleter<hb_blob_t, hb_blob_destroy>>;
using Face = std::unique_ptr<hb_face_t, HbDeleter<hb_face_t, hb_face_destroy>>;
using SubsetInput =
    std::unique_ptr<hb_subset_input_t, HbDeleter<hb_subset_input_t, hb_subset_input_destroy>>;

Blob blobOf(const QByteArray &bytes)
{
    // HarfBuzz copies, so the blob does not outlive `bytes` unnoticed.
    return Blob(hb_blob_create(bytes.constData(), uint(bytes.size()), HB_MEMORY_MODE_DUPLICATE,
                               nullptr, nullptr));
}

QByteArray bytesOf(hb_blob_t *blob)
{
    unsigned int length = 0;
    const char *data = hb_blob_get_data(blob, &length);
    return QByteArray(data, int(length));
}

Face faceFromTables(const QRawFont &font)
{
    Face builder(hb_face_builder_create());
    for (const char *tag : kFaceTables) {
        const QByteArray table = font.fontTable(tag);
        if (!table.isEmpty())
            hb_face_builder_add_table(builder.get(), HB_TAG(tag[0], tag[1], tag[2], tag[3]),
                                      blobOf(table).get());
    }
    Blob file(hb_face_reference_blob(builder.get()));
    return Face(hb_face_create(file.get(), 0));
}

#else

quint32 tableChecksum(const QByteArray &table)
{
    quint32 sum = 0;
    for (int i = 0; i < table.size(); i += 4) {
        uchar word[4] = {0, 0, 0, 0};
        std::copy_n(table.constData() + i, std::min(4, int(table.size()) - i), word);
        sum += qFromBigEndian<quint32>(word);
    }
    return sum;
}

// The face's tables as a font file, every glyph kept: a build without a subsetter carries whole
// faces, larger but drawn the same.
QByteArray fileFromTables(const QRawFont &font)
{
    QList<QPair<QByteArray, QByteArray>> tables; // tag, data; the tags are in ascending order
    for (const char *tag : kFaceTables) {
        const QByteArray table = font.fontTable(tag);
        if (!table.isEmpty())
            tables.append({QByteArray(tag), table});
    }
    if (tables.isEmpty())
        return {};
    std::sort(tables.begin(), tables.end());
    const auto count = quint16(tables.size());
    quint16 power = 1, log2 = 0;
    while (power * 2 <= count)
        power *= 2, ++log2;
    QByteArray file;
    const auto put16 = [&file](quint16 v) {
        file.append(char(v >> 8)).append(char(v));
    };
    const auto put32 = [&put16](quint32 v) {
        put16(quint16(v >> 16)), put16(quint16(v));
    };
    const bool cff = !font.fontTable("CFF ").isEmpty();
    put32(cff ? 0x4F54544F : 0x00010000);
    put16(count);
    put16(quint16(power * 16));
    put16(log2);
    put16(quint16(count * 16 - power * 16));
    quint32 offset = 12 + 16 * quint32(count);
    for (const auto &table : qAsConst(tables)) {
        file.append(table.first);
        put32(tableChecksum(table.second));
        put32(offset);
        put32(quint32(table.second.size()));
        offset += (quint32(table.second.size()) + 3) & ~3u;
    }
    for (const auto &table : qAsConst(tables)) {
        file.append(table.second);
        file.append(QByteArray((4 - table.second.size() % 4) % 4, '\0'));
    }
    return file;
}

#endif

struct FaceUse
{
    QRawFont face;
    QString family;
    QString text;
};

} // namespace

QStringList registerProgramFonts()
{
    return registerShippedFonts(shippedFontDir());
}

QByteArray subsetFace(const QRawFont &face, const QString &text)
{
    if (!face.isValid())
        return {};
#ifndef TS_HAVE_HB_SUBSET
    Q_UNUSED(text)
    return fileFromTables(face);
#else
    const Face source = faceFromTables(face);
    SubsetInput input(hb_subset_input_create_or_fail());
    if (!input)
        return {};
    hb_set_t *unicodes = hb_subset_input_unicode_set(input.get());
    // Basic Latin always: digits and letters typed later then still come from the same face.
    hb_set_add_range(unicodes, 0x20, 0x7E);
    for (const uint codepoint : text.toUcs4())
        hb_set_add(unicodes, codepoint);
    // Pages are drawn unhinted: the hinting programs would only make the file larger.
    hb_subset_input_set_flags(input.get(), HB_SUBSET_FLAGS_NO_HINTING);
    // Every name, so the face registers under the family and style it had (and carries its
    // copyright and licence).
    hb_set_add_range(hb_subset_input_set(input.get(), HB_SUBSET_SETS_NAME_ID), 0, 0x7FFF);
    hb_set_add_range(hb_subset_input_set(input.get(), HB_SUBSET_SETS_NAME_LANG_ID), 0, 0xFFFF);
    const Face subset(hb_subset_or_fail(source.get(), input.get()));
    if (!subset)
        return {};
    const Blob file(hb_face_reference_blob(subset.get()));
    return bytesOf(file.get());
#endif
}

FontEmbedding embedPageFonts(const QList<TicketPage *> &pages)
{
    FontEmbedding embedding;
    QHash<QString, FontOrigin> origins;
    QList<FaceUse> uses;
    for (const TicketPage *page : pages) {
        for (QTextBlock block = page->document()->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                const QFont font = fragment.charFormat().font();
                const QString family = font.family();
                if (!origins.contains(family))
                    origins.insert(family, fontOrigin(family));
                const FontOrigin origin = origins.value(family);
                if (origin == FontOrigin::NotEmbeddable && !embedding.refused.contains(family))
                    embedding.refused << family;
                if (origin != FontOrigin::ThisPcOnly && origin != FontOrigin::Embedded)
                    continue;
                // The face Qt draws the fragment with: a bold of its own where the family has one.
                const QRawFont face = QRawFont::fromFont(font);
                auto use = std::find_if(uses.begin(), uses.end(), [&](const FaceUse &u) {
                    return u.face.familyName() == face.familyName() &&
                           u.face.styleName() == face.styleName();
                });
                if (use == uses.end())
                    use = uses.insert(uses.end(), {face, family, QString()});
                use->text += fragment.text();
            }
        }
    }
    for (const FaceUse &use : qAsConst(uses)) {
        const QByteArray data = subsetFace(use.face, use.text);
        if (data.isEmpty())
            continue;
        if (!embedding.carried.contains(use.family))
            embedding.carried << use.family;
        embedding.fonts.append(QJsonObject{
            {QStringLiteral("family"), use.face.familyName()},
            {QStringLiteral("style"), use.face.styleName()},
            {QStringLiteral("data"), QString::fromLatin1(data.toBase64())},
        });
    }
    return embedding;
}

void registerEmbeddedFonts(const QJsonValue &fonts)
{
    // A face registered for an earlier design gives way to the one this design carries.
    static QHash<QString, int> registered;
    static QStringList registeredFamilies;
    QStringList carried;
    for (const QJsonValue &value : fonts.toArray()) {
        const QByteArray data = QByteArray::fromBase64(
            value.toObject().value(QStringLiteral("data")).toString().toLatin1());
        const QRawFont face(data, 12);
        if (!face.isValid())
            continue;
        const QString family = face.familyName();
        if (isShippedFamily(family))
            continue;
        carried << family;
        // A carried face never replaces one this PC has itself.
        if (!registeredFamilies.contains(family) && QFontDatabase().hasFamily(family))
            continue;
        const QString key = family + QLatin1Char('\n') + face.styleName();
        if (registered.contains(key))
            QFontDatabase::removeApplicationFont(registered.take(key));
        const int id = QFontDatabase::addApplicationFontFromData(data);
        if (id < 0)
            continue;
        registered.insert(key, id);
        registeredFamilies << family;
    }
    setCarriedFamilies(carried);
}
