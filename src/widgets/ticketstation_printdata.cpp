#include "ticketprintdata.h"
#include "ticketstation.h"
#include "ttqtextedit.h"

#include <QDebug>

void TicketStation::GenPrintTextDat(int tab, BLOCK_FLAG flag, _ticketContext &ctx)
{
    TtQTextEdit *page = pageEditor(tab);
    if (!page)
        return;
    const QRect rect = page->findBlockRect(flag);
    fillBlockRecord(ctx, flag, rect);
    if (ctx.blockType == 0)
        return;
    qDebug() << Q_FUNC_INFO << __FILE__ << flag << " -> "
             << placeText(PlacementForm::BlockRecord, flag, rect).y;
}

QByteArray TicketStation::GenPrintTextDat(BLOCK_FLAG flag, QString text)
{
    TtQTextEdit *page = pageEditor(-1);
    if (!page)
        return {};
    const QRect rect = page->findBlockRect(flag);
    qDebug() << Q_FUNC_INFO << __FILE__ << text << " -> " << rect;
    const QByteArray command = textPrintCommand(flag, rect, text);
    if (command.isEmpty())
        return command;

    const TextPlacement p = placeText(PlacementForm::TextCommand, flag, rect);
    qDebug() << Q_FUNC_INFO << __FILE__
             << QStringLiteral("++++++++++++++++++++++%1++++++++++++++++++++++++").arg(flag);
    qDebug() << Q_FUNC_INFO << __FILE__ << "x : " << p.x;
    qDebug() << Q_FUNC_INFO << __FILE__ << "y : " << p.y;
    qDebug() << Q_FUNC_INFO << __FILE__ << "fontSize : " << p.fontSize;
    qDebug() << Q_FUNC_INFO << __FILE__ << "m_blockType : " << flag;
    return command;
}
