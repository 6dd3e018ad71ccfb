#include "designchecks.h"

#include "design.h"
#include "pagefonts.h"
#include "pagepictures.h"
#include "pagepixels.h"
#include "pagerender.h"
#include "ticketpage.h"

#include <QObject>

namespace {

const QString kListSeparator = QStringLiteral("、");

DesignFinding finding(DesignFinding::Kind kind, const QString &text)
{
    return DesignFinding{kind, text};
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
    QList<FontReplacement> fonts;
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
        for (const FontReplacement &font : missingFonts(page->document())) {
            if (!fonts.contains(font))
                fonts << font;
        }
    }
    if (!cut.isEmpty())
        findings.insert(
            leavesPagesOut(findings) ? 1 : 0,
            finding(DesignFinding::BelowPageHeight,
                    QObject::tr("超出页面高度的内容不会打印：%1").arg(cut.join(kListSeparator))));
    if (!fonts.isEmpty()) {
        QStringList replaced;
        for (const FontReplacement &font : qAsConst(fonts))
            replaced << QObject::tr("“%1”以“%2”代替").arg(font.family, font.replacement);
        findings << finding(DesignFinding::MissingFont,
                            QObject::tr("本机缺少设计所用的字体，打印会与设计时不同：%1")
                                .arg(replaced.join(QStringLiteral("；"))));
    }
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
