#include "pagerender.h"
#include "ticketprintdata.h"
#include "ticketstation.h"
#include "ttqtextedit.h"

#include <QDebug>

void TicketStation::GenPrintTextDat(int tab, BLOCK_FLAG flag, _ticketContext &ctx)
{
    TtQTextEdit *page = pageEditor(tab);
    if (!page)
        return;
    fillBlockRecord(ctx, flag, page->findBlockRect(flag));
}

QByteArray TicketStation::GenPrintTextDat(BLOCK_FLAG flag, QString text)
{
    TtQTextEdit *page = pageEditor(-1);
    if (!page)
        return {};
    return textPrintCommand(flag, page->findBlockRect(flag), text);
}
