#include "textoutlines.h"

#include "sfntfile.h"

#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <QTextItem>
#include <QtGui/private/qfontengine_p.h>
#include <QtGui/private/qtextengine_p.h>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_SYNTHESIS_H

namespace {

// One FreeType face per face Qt draws with, kept for the session; FreeType objects are not
// shared between threads, so every use holds the lock.
class OutlineFaces
{
public:
    static OutlineFaces &instance()
    {
        static OutlineFaces faces;
        return faces;
    }

    ~OutlineFaces()
    {
        for (const Face &face : qAsConst(m_faces))
            if (face.face)
                FT_Done_Face(face.face);
        if (m_library)
            FT_Done_FreeType(m_library);
    }

    QMutex &mutex() { return m_mutex; }

    // Null for a face that has no outlines FreeType reads.
    FT_Face face(QFontEngine &engine)
    {
        const QFontEngine::FaceId id = engine.faceId();
        const QByteArray key = id.filename + '\0' + id.uuid + '\0' + QByteArray::number(id.index);
        auto found = m_faces.find(key);
        if (found == m_faces.end())
            found = m_faces.insert(key, load(engine, id));
        return found->face;
    }

private:
    struct Face
    {
        QByteArray file; // a face rebuilt from its tables, read from here while it lives
        FT_Face face = nullptr;
    };

    OutlineFaces()
    {
        if (FT_Init_FreeType(&m_library) != 0)
            m_library = nullptr;
    }

    Face load(QFontEngine &engine, const QFontEngine::FaceId &id)
    {
        Face face;
        if (!m_library)
            return face;
        // A face from a file is read from it as needed; one Qt holds in memory (a face a design
        // carries) is rebuilt from its tables.
        if (id.filename.isEmpty() ||
            FT_New_Face(m_library, id.filename.constData(), id.index, &face.face) != 0) {
            face.face = nullptr;
            face.file = sfntFromTables([&engine](const char *tag) {
                return engine.getSfntTable(MAKE_TAG(tag[0], tag[1], tag[2], tag[3]));
            });
            if (face.file.isEmpty() ||
                FT_New_Memory_Face(m_library,
                                   reinterpret_cast<const FT_Byte *>(face.file.constData()),
                                   FT_Long(face.file.size()), 0, &face.face) != 0) {
                face.face = nullptr;
                return face;
            }
        }
        // At one pixel per font unit the outlines keep the face's own coordinates, and
        // emboldening is as strong as Qt makes it.
        if (!FT_IS_SCALABLE(face.face) ||
            FT_Set_Char_Size(face.face, FT_F26Dot6(face.face->units_per_EM) << 6,
                             FT_F26Dot6(face.face->units_per_EM) << 6, 0, 0) != 0) {
            FT_Done_Face(face.face);
            face.face = nullptr;
        }
        return face;
    }

    QMutex m_mutex;
    FT_Library m_library = nullptr;
    QHash<QByteArray, Face> m_faces;
};

struct PathTarget
{
    QPainterPath *path;
    QPointF origin;
    qreal scaleX;
    qreal scaleY;

    QPointF at(const FT_Vector *v) const
    {
        return {origin.x() + v->x * scaleX, origin.y() - v->y * scaleY};
    }
};

int moveTo(const FT_Vector *to, void *user)
{
    auto *t = static_cast<PathTarget *>(user);
    t->path->moveTo(t->at(to));
    return 0;
}

int lineTo(const FT_Vector *to, void *user)
{
    auto *t = static_cast<PathTarget *>(user);
    t->path->lineTo(t->at(to));
    return 0;
}

int conicTo(const FT_Vector *control, const FT_Vector *to, void *user)
{
    auto *t = static_cast<PathTarget *>(user);
    t->path->quadTo(t->at(control), t->at(to));
    return 0;
}

int cubicTo(const FT_Vector *control1, const FT_Vector *control2, const FT_Vector *to, void *user)
{
    auto *t = static_cast<PathTarget *>(user);
    t->path->cubicTo(t->at(control1), t->at(control2), t->at(to));
    return 0;
}

void addGlyph(QPainterPath *path, QFontEngine &engine, glyph_t glyph, QFixedPoint position,
              QTextItem::RenderFlags flags)
{
    FT_Face face = OutlineFaces::instance().face(engine);
    if (!face || FT_Load_Glyph(face, glyph, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) != 0 ||
        face->glyph->format != FT_GLYPH_FORMAT_OUTLINE) {
        // A glyph without outlines FreeType reads from the face's tables (a bitmap face, a
        // colour emoji) is left to Qt.
        engine.addGlyphsToPath(&glyph, &position, 1, path, flags);
        return;
    }
    const int synthesized = engine.synthesized();
    if (synthesized & QFontEngine::SynthesizedBold)
        FT_GlyphSlot_Embolden(face->glyph);
    if (synthesized & QFontEngine::SynthesizedItalic)
        FT_GlyphSlot_Oblique(face->glyph);
    // The outline is in 26.6 units of one pixel per font unit.
    const qreal scale = engine.fontDef.pixelSize / (qreal(face->units_per_EM) * 64);
    const qreal stretch =
        synthesized & QFontEngine::SynthesizedStretch ? engine.fontDef.stretch / 100.0 : 1.0;
    PathTarget target{path, position.toPointF(), scale * stretch, scale};
    static const FT_Outline_Funcs funcs{moveTo, lineTo, conicTo, cubicTo, 0, 0};
    FT_Outline_Decompose(&face->glyph->outline, &funcs, &target);
}

} // namespace

QPainterPath textItemOutlines(const QTextItem &item, const QPointF &origin)
{
    const auto &textItem = static_cast<const QTextItemInt &>(item);
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    if (!textItem.fontEngine || textItem.glyphs.numGlyphs == 0)
        return path;
    QVarLengthArray<glyph_t> glyphs;
    QVarLengthArray<QFixedPoint> positions;
    textItem.fontEngine->getGlyphPositions(textItem.glyphs,
                                           QTransform::fromTranslate(origin.x(), origin.y()),
                                           textItem.flags, glyphs, positions);
    // A painter hands its engine one item per face, fallback faces included.
    QFontEngine &engine = *textItem.fontEngine;
    QMutexLocker lock(&OutlineFaces::instance().mutex());
    for (int i = 0; i < glyphs.size(); ++i)
        addGlyph(&path, engine, glyphs.at(i), positions.at(i), textItem.flags);
    return path;
}
