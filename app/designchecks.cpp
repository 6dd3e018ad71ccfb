#include "designchecks.h"

#include "design.h"
#include "pagefonts.h"
#include "pagepictures.h"
#include "pagepixels.h"
#include "pagerender.h"
#include "ticketpage.h"

#include <QHash>
#include <QObject>

namespace {

const QString kListSeparator = QStringLiteral("、");

DesignFinding finding(DesignFinding::Kind kind, const QString &text)
{
    return DesignFinding{kind, text};
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
QList<DesignFinding> fontFindingsOf(const QList<FontFinding> &fonts)
{
    QList<DesignFinding> findings;
    const QString missing = replacements(fonts, FontOrigin::Missing);
    if (!missing.isEmpty())
        findings << finding(
            DesignFinding::MissingFont,
            QObject::tr("本机没有设计所用的字体，以程序自带的字体代替：%1").arg(missing));
    QStringList thisPcOnly;
    for (const FontFinding &font : fonts) {
        if (font.origin == FontOrigin::ThisPcOnly)
            thisPcOnly << QObject::tr("“%1”").arg(font.family);
    }
    if (!thisPcOnly.isEmpty())
        findings << finding(DesignFinding::FontThisPcOnly,
                            QObject::tr("仅本机有的字体，保存时嵌入设计文件：%1")
                                .arg(thisPcOnly.join(kListSeparator)));
    const QString refused = replacements(fonts, FontOrigin::NotEmbeddable);
    if (!refused.isEmpty())
        findings << finding(
            DesignFinding::FontNotEmbeddable,
            QObject::tr("字体的许可不允许嵌入设计文件，其他电脑打印时：%1").arg(refused));
    return findings;
}

} // namespace

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

QString markExistsNotice(BLOCK_FLAG flag)
{
    return QObject::tr("此页已有%1标记，已将它选中：每种标记每页只能有一个").arg(markName(flag));
}

QList<DesignFinding> checkDesign(const Design &design, const QList<QImage> &rendered)
{
    QList<DesignFinding> findings;
    const int sent = design.devicePages().size();
    if (!design.pagesBeyondDevice().isEmpty()) {
        QStringList beyond;
        for (int number : design.pagesBeyondDevice())
            beyond << design.pageName(number - 1);
        findings << finding(DesignFinding::PagesBeyondDevice,
                            QObject::tr("设备只有 %1 种类型，%2 不会下载到设备")
                                .arg(kMaxDesignPages)
                                .arg(beyond.join(kListSeparator)));
    }
    QStringList cut;
    QList<FontFinding> fonts;
    for (int i = 0; i < sent; ++i) {
        const TicketPage *page = design.page(i);
        const QString name = design.pageName(i);
        if (page->isCut())
            cut << name;
        QStringList marks;
        for (BLOCK_FLAG flag :
             marksPrintedBlack(i < rendered.size() ? rendered.at(i) : renderPage(*page)))
            marks << markName(flag);
        if (!marks.isEmpty())
            findings << finding(DesignFinding::MarkPrintedBlack,
                                QObject::tr("%1：%2标记有第二段，会印成一条黑条")
                                    .arg(name, marks.join(kListSeparator)));
        if (!cutPictureParts(page->document()).isEmpty())
            findings << finding(DesignFinding::PictureCut,
                                QObject::tr("%1：图片超出纸宽，右边缘不会打印").arg(name));
        for (const FontFinding &font : fontFindings(page->document())) {
            if (!fonts.contains(font))
                fonts << font;
        }
    }
    if (!cut.isEmpty())
        findings.insert(
            leavesPagesOut(findings) ? 1 : 0,
            finding(DesignFinding::BelowPageHeight,
                    QObject::tr("超出页面高度的内容不会打印：%1").arg(cut.join(kListSeparator))));
    findings << fontFindingsOf(fonts);
    return findings;
}

QStringList findingTexts(const QList<DesignFinding> &findings)
{
    QStringList texts;
    for (const DesignFinding &found : findings)
        texts << found.text;
    return texts;
}

bool leavesPagesOut(const QList<DesignFinding> &findings)
{
    return std::any_of(findings.begin(), findings.end(), [](const DesignFinding &found) {
        return found.kind == DesignFinding::PagesBeyondDevice;
    });
}
