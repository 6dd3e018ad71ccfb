#include "printnotices.h"

#include "pagefonts.h"
#include "pagepictures.h"
#include "pagepixels.h"
#include "pagerender.h"
#include "ticketpage.h"

#include <QAction>
#include <QHash>
#include <QObject>
#include <QTabWidget>

namespace {

const QString kListSeparator = QStringLiteral("、");

QString markName(BLOCK_FLAG flag)
{
    switch (flag) {
    case BLOCK_NUMBER:
        return QObject::tr("号码");
    case BLOCK_DATETIME:
        return QObject::tr("时间");
    case BLOCK_QUEUE:
        return QObject::tr("排队人数");
    }
    return {};
}

// The families of `origin` by the face drawn instead, one phrase per face.
QString replacements(const QList<FontFinding> &fonts, FontOrigin origin)
{
    QStringList faces;
    QHash<QString, QStringList> families;
    for (const FontFinding &font : fonts) {
        if (font.origin != origin)
            continue;
        if (!faces.contains(font.replacement))
            faces << font.replacement;
        families[font.replacement] << font.family;
    }
    QStringList replaced;
    for (const QString &face : qAsConst(faces))
        replaced << QObject::tr("“%1”以“%2”代替")
                        .arg(families.value(face).join(QStringLiteral("”") + kListSeparator +
                                                       QStringLiteral("“")),
                             face);
    return replaced.join(QStringLiteral("；"));
}

// Faces that print alike elsewhere (shipped, carried) need no word.
QStringList fontNotices(const QList<FontFinding> &fonts)
{
    QStringList notices;
    const QString missing = replacements(fonts, FontOrigin::Missing);
    if (!missing.isEmpty())
        notices << QObject::tr("本机没有设计所用的字体，以程序自带的字体代替：%1").arg(missing);
    QStringList thisPcOnly;
    for (const FontFinding &font : fonts) {
        if (font.origin == FontOrigin::ThisPcOnly)
            thisPcOnly << QObject::tr("“%1”").arg(font.family);
    }
    if (!thisPcOnly.isEmpty())
        notices << QObject::tr("仅本机有的字体，保存时嵌入设计文件：%1")
                       .arg(thisPcOnly.join(kListSeparator));
    const QString refused = replacements(fonts, FontOrigin::NotEmbeddable);
    if (!refused.isEmpty())
        notices << QObject::tr("字体的许可不允许嵌入设计文件，其他电脑打印时：%1").arg(refused);
    return notices;
}

} // namespace

QStringList printNotices(const QList<TicketPage *> &pages, const QStringList &titles,
                         const QList<QImage> &rendered)
{
    QStringList cut;
    QStringList notices;
    QList<FontFinding> fonts;
    for (int i = 0; i < pages.size(); ++i) {
        const TicketPage *page = pages.at(i);
        if (!page)
            continue;
        const QString title = titles.value(i, QString::number(i + 1));
        if (page->isCut())
            cut << title;
        QStringList marks;
        for (BLOCK_FLAG flag :
             marksPrintedBlack(i < rendered.size() ? rendered.at(i) : renderPage(*page)))
            marks << markName(flag);
        if (!marks.isEmpty())
            notices << QObject::tr("%1：%2标记有第二段，会印成一条黑条")
                           .arg(title, marks.join(kListSeparator));
        if (!cutPictureParts(page->document()).isEmpty())
            notices << QObject::tr("%1：图片超出纸宽，右边缘不会打印").arg(title);
        for (const FontFinding &font : fontFindings(page->document())) {
            if (!fonts.contains(font))
                fonts << font;
        }
    }
    if (!cut.isEmpty())
        notices.prepend(
            QObject::tr("超出页面高度的内容不会打印：%1").arg(cut.join(kListSeparator)));
    notices << fontNotices(fonts);
    return notices;
}

QStringList pageTitles(const QTabWidget &tabs)
{
    QStringList titles;
    for (int i = 0; i < tabs.count(); ++i)
        titles << tabs.tabText(i);
    return titles;
}

QString markExistsNotice(BLOCK_FLAG flag)
{
    return QObject::tr("此页已有%1标记，已将它选中：每种标记每页只能有一个").arg(markName(flag));
}
