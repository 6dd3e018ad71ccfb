#include "designfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QJsonValue>
#include <QSaveFile>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace {

// A key as the JSON parser reads it. Plain ASCII is taken as it stands; escapes and other
// bytes are decoded by the parser itself, so two spellings of one key compare equal. Gives
// nothing when the parser refuses the string; then it refuses the document as well.
std::optional<QString> decodedKey(const QByteArray &json, int open, int close)
{
    const QByteArray token = json.mid(open, close - open + 1);
    const bool plain = std::all_of(token.cbegin(), token.cend(), [](char c) {
        return c != '\\' && static_cast<unsigned char>(c) < 0x80;
    });
    if (plain)
        return QString::fromLatin1(token.constData() + 1, token.size() - 2);
    const QJsonArray wrapped = QJsonDocument::fromJson('[' + token + ']').array();
    if (wrapped.size() != 1 || !wrapped.first().isString())
        return std::nullopt;
    return wrapped.first().toString();
}

// Qt's JSON parser keeps the last of repeated keys but leaks the object or array it drops, so
// every load of such a file would grow the program; it is refused before parsing instead.
// Only the nesting is followed, not the grammar: whatever else is wrong is the parser's to find.
std::optional<QString> firstRepeatedKey(const QByteArray &json)
{
    // The parser refuses documents nested deeper than this, so following them further would
    // only spend memory on a file that is refused anyway.
    constexpr size_t parserNestingLimit = 1024;
    struct Level
    {
        bool object;
        bool expectingKey;
        QSet<QString> keys;
    };
    std::vector<Level> levels;
    const int size = json.size();
    for (int i = 0; i < size; ++i) {
        switch (json.at(i)) {
        case '{':
        case '[':
            if (levels.size() == parserNestingLimit)
                return std::nullopt;
            levels.push_back({json.at(i) == '{', json.at(i) == '{', {}});
            break;
        case '}':
        case ']':
            if (!levels.empty())
                levels.pop_back();
            break;
        case ',':
            if (!levels.empty() && levels.back().object)
                levels.back().expectingKey = true;
            break;
        case '"': {
            const int open = i;
            for (++i; i < size && json.at(i) != '"'; ++i) {
                if (json.at(i) == '\\')
                    ++i;
            }
            if (i >= size)
                return std::nullopt;
            if (levels.empty() || !levels.back().expectingKey)
                break;
            Level &level = levels.back();
            level.expectingKey = false;
            const std::optional<QString> key = decodedKey(json, open, i);
            if (!key)
                return std::nullopt;
            if (level.keys.contains(*key))
                return key;
            level.keys.insert(*key);
            break;
        }
        default:
            break;
        }
    }
    return std::nullopt;
}

} // namespace

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
    // goes in pieces: asking for the whole limit at once would reserve it for every file. A
    // plain file's pieces are no larger than what it says is left (and one byte to notice
    // growth), so a small design is read into a small buffer.
    constexpr qint64 largestPiece = 1024 * 1024;
    QByteArray bytes;
    while (bytes.size() <= maxBytes) {
        const qint64 piece = file.isSequential()
                                 ? largestPiece
                                 : qBound<qint64>(1, file.size() - bytes.size() + 1, largestPiece);
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

    if (const std::optional<QString> key = firstRepeatedKey(bytes)) {
        constexpr int shownLength = 40;
        const QString shown =
            key->size() > shownLength ? key->left(shownLength) + QChar(0x2026) : *key;
        result.error = QObject::tr("文件中的键重复出现：%1").arg(shown);
        return result;
    }

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
