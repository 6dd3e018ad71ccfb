#include "pagemarks.h"

#include <QTextBlock>
#include <QTextDocument>

namespace {

// The block whose colour is the format's background; 0 for any other background or none.
BLOCK_FLAG markOf(const QTextCharFormat &format)
{
    const QBrush background = format.background();
    if (background.style() == Qt::NoBrush)
        return 0;
    const QRgb colour = background.color().rgb();
    for (auto it = blockColorMap().cbegin(); it != blockColorMap().cend(); ++it) {
        if (it.value().rgb() == colour)
            return it.key();
    }
    return 0;
}

} // namespace

QList<PageMark> pageMarks(const QTextDocument *document)
{
    QList<PageMark> marks;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const BLOCK_FLAG flag = markOf(fragment.charFormat());
            if (flag == 0)
                continue;
            if (!marks.isEmpty() && marks.last().flag == flag &&
                marks.last().position + marks.last().length == fragment.position()) {
                marks.last().length += fragment.length();
                continue;
            }
            marks.append({flag, fragment.position(), fragment.length()});
        }
    }
    return marks;
}

QString markSampleHtml(BLOCK_FLAG flag)
{
    const QString sample = flag == BLOCK_NUMBER ? QStringLiteral("0001")
                           : flag == BLOCK_QUEUE
                               ? QStringLiteral("02")
                               : QStringLiteral("&nbsp;02-02-2022 22:22:22&nbsp;");
    const QString after = flag == BLOCK_DATETIME ? QStringLiteral("&nbsp;<span> </span>")
                                                 : QStringLiteral("<span>&nbsp;</span>");
    return QStringLiteral(R"(<span style=" font-size:14pt; background-color:%1;">%2</span>%3)")
        .arg(blockColorMap().value(flag).name(), sample, after);
}
