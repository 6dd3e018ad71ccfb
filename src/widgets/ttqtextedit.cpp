#include "ttqtextedit.h"

#include <QBuffer>
#include <QImageReader>
#include <QJsonArray>
#include <QTextDocument>
#include <QUrl>
#include <QVariant>

namespace {

// Larger pictures are not from this tool; a forged header could otherwise demand gigabytes.
constexpr int kMaxPictureSide = 16384;
// Within that, a run-length file of a few bytes can still unpack to a gigabyte.
constexpr qint64 kMaxPicturePixels = 32 * 1024 * 1024;

QUrl resourceUrl(const QString &name)
{
    return QUrl(name, QUrl::TolerantMode);
}

QString pageKey(int typeIndex)
{
    return QStringLiteral("type_%1_html").arg(typeIndex);
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
    const QSize size = reader.size();
    if (size.width() > kMaxPictureSide || size.height() > kMaxPictureSide ||
        qint64(size.width()) * size.height() > kMaxPicturePixels)
        return QImage();
    return reader.read();
}

} // namespace

TtQTextEdit::TtQTextEdit(QWidget *parent) : QTextEdit(parent)
{
    renderPage();
    update();
}

void TtQTextEdit::addImageResource(QImage image, QString name)
{
    document()->addResource(QTextDocument::ImageResource, resourceUrl(name), QVariant(image));
    imageNames.append(name);
}

void TtQTextEdit::saveToJson(QJsonObject &config)
{
    QJsonObject editJson;
    editJson.insert(QStringLiteral("html"), toHtml());

    QJsonArray imageArry;
    for (const QString &name : qAsConst(imageNames)) {
        const QVariant resource =
            document()->resource(QTextDocument::ImageResource, resourceUrl(name));
        const QImage image = qvariant_cast<QImage>(resource);
        // Names whose picture went away with a cleared document have nothing to save.
        if (image.isNull())
            continue;
        QJsonObject imageJson;
        imageJson.insert(QStringLiteral("Image"), QString::fromLatin1(bmpBase64(image)));
        imageJson.insert(QStringLiteral("uri"), name);
        imageArry.append(imageJson);
    }
    editJson.insert(QStringLiteral("imageArry"), imageArry);
    config.insert(pageKey(typeIndex), editJson);
}

void TtQTextEdit::loadFromJson(const QJsonObject &config)
{
    // Clearing drops every resource, so names from before the load can no longer be saved.
    document()->clear();
    imageNames.clear();

    const QJsonObject editJson = config.value(pageKey(typeIndex)).toObject();
    const QJsonArray imageArry = editJson.value(QStringLiteral("imageArry")).toArray();
    for (const QJsonValue &element : imageArry) {
        const QJsonObject item = element.toObject();
        const QByteArray bytes =
            QByteArray::fromBase64(item.value(QStringLiteral("Image")).toString().toLatin1());
        // Unreadable data still registers the name, so the page shows a broken picture.
        addImageResource(readBmp(bytes), item.value(QStringLiteral("uri")).toString());
    }
    // The pictures are registered first so the image references in the HTML resolve to them.
    setHtml(editJson.value(QStringLiteral("html")).toString());
    show();
}
