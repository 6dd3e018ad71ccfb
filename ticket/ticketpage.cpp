#include "ticketpage.h"

#include "fontregistry.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QUrl>
#include <QUuid>
#include <QVariant>

namespace {

QUrl resourceUrl(const QString &name)
{
    return QUrl(name, QUrl::TolerantMode);
}

QByteArray bmpBase64(const QImage &image)
{
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bmp.toBase64();
}

QImage readBmp(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    if (!isAcceptablePictureSize(reader.size()))
        return QImage();
    return reader.read();
}

} // namespace

void insertPictureAt(QTextCursor &cursor, const QString &name, const QSize &size)
{
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(size.width());
    format.setHeight(size.height());
    cursor.insertImage(format);
}

bool isAcceptablePictureSize(const QSize &size)
{
    // Larger pictures are not from this tool; a forged header could otherwise demand gigabytes.
    constexpr int maxSide = 16384;
    // Within that, a run-length file of a few bytes can still unpack to a gigabyte; a large
    // photo stays well below this.
    constexpr qint64 maxPixels = 32 * 1024 * 1024;
    return size.width() <= maxSide && size.height() <= maxSide &&
           qint64(size.width()) * size.height() <= maxPixels;
}

QFont pageFont()
{
    // A shipped face, so text that names none prints alike on every PC.
    QFont font = QFont(QString::fromLatin1(kShippedChineseFamily)).resolve(QGuiApplication::font());
    // The size too: the desktop's own (8.25 pt on Windows, 9 on Linux) would make text without
    // a size of its own lay out differently from PC to PC.
    font.setPointSize(kPageTextPointSize);
    // Unhinted outlines and grey edges only: hinting and colour fringes are the PC's settings
    // (and a hinter measures a face by letters an embedded subset may lack), the outlines are
    // the face's own.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::NoSubpixelAntialias);
    return font;
}

QString pageKey(int typeIndex)
{
    return QStringLiteral("type_%1_html").arg(typeIndex);
}

TicketPage::TicketPage(int typeIndex, int maxHeight)
    : typeIndex(typeIndex), maxHeight(maxHeight), m_document(std::make_unique<QTextDocument>())
{
    m_document->setDefaultFont(pageFont());
    m_document->setDocumentMargin(kPageMargin);
    m_document->setTextWidth(kPageTextWidth);
}

TicketPage::~TicketPage() = default;

void TicketPage::addImageResource(const QImage &image, const QString &name)
{
    m_document->addResource(QTextDocument::ImageResource, resourceUrl(name), QVariant(image));
    imageNames.append(name);
}

QImage TicketPage::picture(const QString &name) const
{
    return qvariant_cast<QImage>(
        m_document->resource(QTextDocument::ImageResource, resourceUrl(name)));
}

QString TicketPage::insertPicture(QTextCursor &cursor, const QImage &picture)
{
    // A fresh name every time: undo brings an earlier picture back by its own name.
    const QString name = QUuid::createUuid().toString();
    addImageResource(picture, name);
    insertPictureAt(cursor, name, picture.size());
    return name;
}

void TicketPage::insertCode(QTextCursor &cursor, const TicketCode &code, const QImage &picture)
{
    m_codes.insert(insertPicture(cursor, picture), code);
}

const TicketCode *TicketPage::code(const QString &name) const
{
    const auto found = m_codes.constFind(name);
    return found == m_codes.constEnd() ? nullptr : &found.value();
}

QByteArray TicketPage::picturesIn(const QTextCursor &selection) const
{
    QStringList names;
    const int from = selection.selectionStart();
    const int to = selection.selectionEnd();
    for (QTextBlock block = m_document->findBlock(from); block.isValid() && block.position() < to;
         block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.position() + fragment.length() <= from || fragment.position() >= to)
                continue;
            const QTextFormat format = fragment.charFormat();
            if (format.isImageFormat() && !names.contains(format.toImageFormat().name()))
                names.append(format.toImageFormat().name());
        }
    }
    QJsonArray pictures;
    QJsonArray codes;
    for (const QString &name : qAsConst(names)) {
        const QImage image = picture(name);
        if (image.isNull())
            continue;
        pictures.append(
            QJsonObject{{QStringLiteral("uri"), name},
                        {QStringLiteral("Image"), QString::fromLatin1(bmpBase64(image))}});
        if (const TicketCode *settings = code(name)) {
            QJsonObject codeJson = codeToJson(*settings);
            codeJson.insert(QStringLiteral("uri"), name);
            codes.append(codeJson);
        }
    }
    if (pictures.isEmpty())
        return QByteArray();
    return QJsonDocument(QJsonObject{{QStringLiteral("pictures"), pictures},
                                     {QStringLiteral("codes"), codes}})
        .toJson(QJsonDocument::Compact);
}

void TicketPage::takePictures(const QByteArray &bytes)
{
    const QJsonObject root = QJsonDocument::fromJson(bytes).object();
    for (const QJsonValue &element : root.value(QStringLiteral("pictures")).toArray()) {
        const QJsonObject item = element.toObject();
        const QString name = item.value(QStringLiteral("uri")).toString();
        // A picture the page has keeps its own pixels: names are fresh for every picture.
        if (name.isEmpty() || !picture(name).isNull())
            continue;
        const QImage image = readBmp(
            QByteArray::fromBase64(item.value(QStringLiteral("Image")).toString().toLatin1()));
        if (!image.isNull())
            addImageResource(image, name);
    }
    for (const QJsonValue &element : root.value(QStringLiteral("codes")).toArray()) {
        const QJsonObject item = element.toObject();
        const QString name = item.value(QStringLiteral("uri")).toString();
        const std::optional<TicketCode> settings = codeFromJson(item);
        if (settings && !picture(name).isNull() && !m_codes.contains(name))
            m_codes.insert(name, *settings);
    }
}

void TicketPage::setSharpText(bool sharp)
{
    m_sharpText = sharp;
    m_document->setDefaultFont(font());
}

QFont TicketPage::font() const
{
    QFont font = pageFont();
    // The face is drawn unhinted (pageFont()): hinting would snap every stem of a one-bit glyph
    // to a whole dot, so at 9 to 12 pt bold and regular stems would both be one dot wide.
    // Unhinted outlines sampled at the dot centres keep bold heavier and every glyph where the
    // anti-aliased text has it.
    if (m_sharpText)
        font.setStyleStrategy(
            QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    return font;
}

void TicketPage::setHtml(const QString &html)
{
    // A page just loaded has nothing to undo, not even the line heights given here.
    const bool undo = m_document->isUndoRedoEnabled();
    m_document->setUndoRedoEnabled(false);
    substituteUnknownFamilies(html);
    m_document->setHtml(html);
    applyDefaultLineHeight();
    m_document->setUndoRedoEnabled(undo);
}

void TicketPage::applyDefaultLineHeight()
{
    ::applyDefaultLineHeight(m_document.get());
}

void applyDefaultLineHeight(QTextDocument *document)
{
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        if (format.hasProperty(QTextFormat::LineHeight))
            continue;
        format.setLineHeight(kDefaultLineHeight, QTextBlockFormat::LineDistanceHeight);
        cursor.setPosition(block.position());
        cursor.setBlockFormat(format);
    }
    cursor.endEditBlock();
}

bool TicketPage::isCut() const
{
    const qreal bottom = m_document->size().height() - m_document->documentMargin();
    return bottom > maxHeight;
}

void TicketPage::saveToJson(QJsonObject &config) const
{
    QJsonObject editJson = m_otherKeys;
    editJson.insert(QStringLiteral("html"), m_document->toHtml());
    // Only a named page has the key, so other pages are stored as they always were.
    if (!name.isEmpty())
        editJson.insert(QStringLiteral("name"), name);

    QJsonArray imageArry;
    for (const QString &name : imageNames) {
        const QImage image = picture(name);
        // Names whose picture went away with a cleared document have nothing to save.
        if (image.isNull())
            continue;
        QJsonObject imageJson;
        imageJson.insert(QStringLiteral("Image"), QString::fromLatin1(bmpBase64(image)));
        imageJson.insert(QStringLiteral("uri"), name);
        imageArry.append(imageJson);
    }
    editJson.insert(QStringLiteral("imageArry"), imageArry);

    QJsonArray codes;
    for (auto it = m_codes.constBegin(); it != m_codes.constEnd(); ++it) {
        if (!imageNames.contains(it.key()) || picture(it.key()).isNull())
            continue;
        QJsonObject codeJson = codeToJson(it.value());
        codeJson.insert(QStringLiteral("uri"), it.key());
        codes.append(codeJson);
    }
    // Only a page with codes has the key, so pages without are stored as they always were.
    if (!codes.isEmpty())
        editJson.insert(QStringLiteral("codes"), codes);
    config.insert(pageKey(typeIndex), editJson);
}

void TicketPage::loadFromJson(const QJsonObject &config)
{
    // Clearing drops every resource, so names from before the load can no longer be saved.
    m_document->clear();
    imageNames.clear();
    m_codes.clear();

    const QJsonObject editJson = config.value(pageKey(typeIndex)).toObject();
    name = editJson.value(QStringLiteral("name")).toString();
    m_otherKeys = editJson;
    for (const char *known : {"html", "name", "imageArry", "codes"})
        m_otherKeys.remove(QLatin1String(known));
    const QJsonArray imageArry = editJson.value(QStringLiteral("imageArry")).toArray();
    for (const QJsonValue &element : imageArry) {
        const QJsonObject item = element.toObject();
        const QByteArray bytes =
            QByteArray::fromBase64(item.value(QStringLiteral("Image")).toString().toLatin1());
        // Unreadable data still registers the name, so the page shows a broken picture.
        addImageResource(readBmp(bytes), item.value(QStringLiteral("uri")).toString());
    }
    // A code whose picture is missing is only a picture; one of unknown settings stays a picture.
    for (const QJsonValue &element : editJson.value(QStringLiteral("codes")).toArray()) {
        const QJsonObject item = element.toObject();
        const QString name = item.value(QStringLiteral("uri")).toString();
        const std::optional<TicketCode> code = codeFromJson(item);
        if (code && imageNames.contains(name))
            m_codes.insert(name, *code);
    }
    // The pictures are registered first so the image references in the HTML resolve to them.
    setHtml(editJson.value(QStringLiteral("html")).toString());
}
