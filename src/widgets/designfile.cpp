#include "designfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QJsonValue>
#include <QSaveFile>

#include <cmath>
#include <limits>

DesignReadResult readDesignFile(const QString &path, qint64 maxBytes)
{
    DesignReadResult result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    const QString tooLarge = QObject::tr("文件过大");
    if (file.size() > maxBytes) {
        result.error = tooLarge;
        return result;
    }
    // Devices and growing files report no honest size, so the read itself is bounded too. It
    // goes in pieces: asking for the whole limit at once would reserve it for every file.
    constexpr qint64 piece = 1024 * 1024;
    QByteArray bytes;
    while (bytes.size() <= maxBytes) {
        const QByteArray more = file.read(qMin(piece, maxBytes + 1 - bytes.size()));
        if (more.isEmpty())
            break;
        bytes += more;
    }
    if (bytes.size() > maxBytes) {
        result.error = tooLarge;
        return result;
    }
    if (file.error() != QFileDevice::NoError) {
        result.error = file.errorString();
        return result;
    }
    file.close();

    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        result.error = QObject::tr("不是有效的 JSON 文件");
        return result;
    }
    result.root = document.object();
    result.ok = true;
    return result;
}

QString writeDesignFile(const QString &path, const QJsonObject &root)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return QObject::tr("无法创建文件夹 %1").arg(QDir::toNativeSeparators(folder));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const QByteArray text = QJsonDocument(root).toJson(QJsonDocument::Indented);
    if (file.write(text) != text.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

int designInt(const QJsonObject &root, const QString &key)
{
    const QJsonValue value = root.value(key);
    if (!value.isDouble())
        return 0;
    const double number = value.toDouble();
    if (!std::isfinite(number) || std::floor(number) != number)
        return 0;
    constexpr double lowest = std::numeric_limits<int>::min();
    constexpr double highest = std::numeric_limits<int>::max();
    return static_cast<int>(qBound(lowest, number, highest));
}

bool designBool(const QJsonObject &root, const QString &key)
{
    return root.value(key).toBool(false);
}
