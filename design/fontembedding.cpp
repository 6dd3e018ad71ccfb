#include "fontembedding.h"

#include "fontregistry.h"
#include "sfntfile.h"
#include "stationpaths.h"
#include "ticketpage.h"

#include <QFontDatabase>
#include <QHash>
#include <QJsonObject>
#include <QRawFont>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <memory>

#ifdef TS_HAVE_HB_SUBSET
#include <hb-subset.h>
#endif

namespace {

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
    const QByteArray whole =
        sfntFromTables([&face](const char *tag) { return face.fontTable(tag); });
#ifndef TS_HAVE_HB_SUBSET
    // A build without a subsetter carries whole faces, larger but drawn the same.
    Q_UNUSED(text)
    return whole;
#else
    const Blob wholeBlob = blobOf(whole);
    const Face source(hb_face_create(wholeBlob.get(), 0));
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
