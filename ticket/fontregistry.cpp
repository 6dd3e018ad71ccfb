#include "fontregistry.h"

#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QHash>
#include <QRawFont>
#include <QRegularExpression>
#include <QtEndian>

namespace {

QStringList &registeredShipped()
{
    static QStringList families;
    return families;
}

QStringList &carriedFamilies()
{
    static QStringList families;
    return families;
}

// Families that print today's designs, each with the shipped face closest to it. Chinese faces
// and decorative ones become the shipped Chinese face, which also holds Latin and Polish
// letters; Western faces keep a Western sans or serif.
const QHash<QString, QString> &replacementTable()
{
    static const QHash<QString, QString> table = [] {
        QHash<QString, QString> t;
        const QString chinese = QString::fromLatin1(kShippedChineseFamily);
        for (const char *name : {"Microsoft YaHei",
                                 "微软雅黑",
                                 "Microsoft JhengHei",
                                 "微軟正黑體",
                                 "SimHei",
                                 "黑体",
                                 "SimSun",
                                 "宋体",
                                 "NSimSun",
                                 "新宋体",
                                 "KaiTi",
                                 "楷体",
                                 "FangSong",
                                 "仿宋",
                                 "LiSu",
                                 "隶书",
                                 "YouYuan",
                                 "幼圆",
                                 "华文彩云",
                                 "STCaiyun",
                                 "华文隶书",
                                 "STLiti",
                                 "华文中宋",
                                 "STZhongsong",
                                 "华文宋体",
                                 "STSong",
                                 "华文黑体",
                                 "STHeiti",
                                 "华文楷体",
                                 "STKaiti",
                                 "华文仿宋",
                                 "STFangsong",
                                 "华文细黑",
                                 "STXihei",
                                 "华文行楷",
                                 "STXingkai",
                                 "华文新魏",
                                 "STXinwei",
                                 "华文琥珀",
                                 "STHupo",
                                 "PingFang SC",
                                 "Noto Sans CJK SC",
                                 "Noto Serif CJK SC",
                                 "Source Han Sans SC",
                                 "AR PL UKai CN",
                                 "AR PL UMing CN",
                                 "WenQuanYi Zen Hei",
                                 "Droid Sans Fallback"})
            t.insert(QString::fromUtf8(name).toCaseFolded(), chinese);
        for (const char *name :
             {"Arial", "Helvetica", "Sans Serif", "sans-serif", "Verdana", "Tahoma", "Segoe UI",
              "Calibri", "MS Shell Dlg 2", "Liberation Sans", "Nimbus Sans", "Noto Sans",
              "Open Sans", "Roboto"})
            t.insert(QString::fromLatin1(name).toCaseFolded(),
                     QString::fromLatin1(kShippedSansFamily));
        for (const char *name :
             {"Courier New", "Courier", "Consolas", "monospace", "DejaVu Sans Mono",
              "Liberation Mono", "Nimbus Mono PS", "Noto Sans Mono"})
            t.insert(QString::fromLatin1(name).toCaseFolded(),
                     QString::fromLatin1(kShippedMonoFamily));
        for (const char *name : {"Times New Roman", "Times", "serif", "Georgia", "Cambria",
                                 "Liberation Serif", "Nimbus Roman", "Noto Serif"})
            t.insert(QString::fromLatin1(name).toCaseFolded(),
                     QString::fromLatin1(kShippedSerifFamily));
        return t;
    }();
    return table;
}

// The shipped faces a glyph is looked for in, `first` first: Qt tries a family's substitutes
// before it asks the system, so a glyph one face lacks comes from another shipped face.
QStringList shippedChain(const QString &first)
{
    QStringList chain{first};
    for (const char *family : {kShippedChineseFamily, kShippedSansFamily, kShippedSerifFamily}) {
        if (!chain.contains(QLatin1String(family)))
            chain << QString::fromLatin1(family);
    }
    return chain;
}

// Whether this PC lists the family; a family some foundries share is listed as
// "Family [foundry]", which hasFamily() does not always take.
bool isInstalled(const QString &family)
{
    const QFontDatabase fonts;
    return fonts.hasFamily(family) || fonts.families().contains(family, Qt::CaseInsensitive);
}

void substitute(const QString &family)
{
    if (!QFont::substitutes(family).isEmpty())
        return;
    QStringList chain = shippedChain(replacementFamily(family));
    chain.removeAll(family);
    QFont::insertSubstitutions(family, chain);
}

} // namespace

QStringList shippedFamilies()
{
    return registeredShipped();
}

bool isShippedFamily(const QString &family)
{
    return registeredShipped().contains(family, Qt::CaseInsensitive);
}

QStringList registerShippedFonts(const QString &folder)
{
    QStringList failed;
    const QDir dir(folder);
    for (const QString &file :
         dir.entryList({QStringLiteral("*.ttf"), QStringLiteral("*.ttc"), QStringLiteral("*.otf")},
                       QDir::Files, QDir::Name)) {
        const int id = QFontDatabase::addApplicationFont(dir.filePath(file));
        if (id < 0) {
            failed << file;
            continue;
        }
        for (const QString &family : QFontDatabase::applicationFontFamilies(id)) {
            if (!registeredShipped().contains(family))
                registeredShipped() << family;
        }
    }
    // The fixed table holds on every PC; a face the PC has itself is still drawn as its own.
    for (const QString &family : replacementTable().keys())
        substitute(family);
    for (const char *family : {kShippedChineseFamily, kShippedSansFamily, kShippedSerifFamily})
        substitute(QString::fromLatin1(family));
    return failed;
}

QString replacementFamily(const QString &family)
{
    return replacementTable().value(family.trimmed().toCaseFolded(),
                                    QString::fromLatin1(kShippedChineseFamily));
}

void substituteUnknownFamilies(const QString &html)
{
    // Qt writes `font-family:'A', 'B'` in styles; older rich text has <font face="A">.
    static const QRegularExpression named(
        QStringLiteral("font-family:([^;\"]+)|face=\"([^\"]+)\""));
    const QFontDatabase fonts;
    for (auto it = named.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString list = match.captured(1).isEmpty() ? match.captured(2) : match.captured(1);
        for (QString family : list.split(QLatin1Char(','))) {
            family = family.trimmed()
                         .remove(QLatin1String("&apos;"))
                         .remove(QLatin1String("&quot;"))
                         .remove(QLatin1Char('\''))
                         .trimmed();
            if (!family.isEmpty() && !fonts.hasFamily(family))
                substitute(family);
        }
    }
}

void setCarriedFamilies(const QStringList &families)
{
    carriedFamilies() = families;
}

bool isCarriedFamily(const QString &family)
{
    return carriedFamilies().contains(family, Qt::CaseInsensitive);
}

FontOrigin fontOrigin(const QString &family)
{
    if (isShippedFamily(family))
        return FontOrigin::Shipped;
    if (!isInstalled(family))
        return FontOrigin::Missing;
    if (isCarriedFamily(family))
        return FontOrigin::Embedded;
    return embeddingAllowed(QRawFont::fromFont(QFont(family))) ? FontOrigin::ThisPcOnly
                                                               : FontOrigin::NotEmbeddable;
}

bool embeddingAllowed(const QByteArray &os2Table)
{
    constexpr int fsTypeOffset = 8;
    if (os2Table.size() < fsTypeOffset + 2)
        return true;
    const quint16 fsType = qFromBigEndian<quint16>(os2Table.constData() + fsTypeOffset);
    // The usage bits should be exclusive; where a font sets several, the least restrictive
    // holds. Only restricted-licence embedding forbids carrying the face, and a face that
    // allows bitmaps only cannot be carried as outlines.
    constexpr quint16 restrictedLicence = 0x0002;
    constexpr quint16 bitmapOnly = 0x0200;
    return (fsType & 0x000F) != restrictedLicence && !(fsType & bitmapOnly);
}

bool embeddingAllowed(const QRawFont &face)
{
    return embeddingAllowed(face.fontTable("OS/2"));
}
