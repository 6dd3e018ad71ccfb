// The window's names for the device's work, kept for their callers: each hands its work to
// the view that does it.

#include "devicepanel.h"
#include "pagerender.h"
#include "ticketprintdata.h"
#include "ticketstation.h"
#include "ttqtextedit.h"
#include "ui_ticketstation.h"

void TicketStation::onConnectSerialPort()
{
    m_devicePanel->connectOrDisconnect();
}

void TicketStation::onBtnSetTime()
{
    m_devicePanel->setClock();
}

void TicketStation::onReceiveDatFromSerialPort(QByteArray dat)
{
    m_devicePanel->dispenser().handleReply(dat);
}

void TicketStation::onBtnSetSystem()
{
    m_devicePanel->sendSettings();
}

void TicketStation::onDownPic()
{
    m_devicePanel->download();
}

void TicketStation::onTestPrint()
{
    m_devicePanel->testPrint(ui->tabWidget->currentIndex());
}

void TicketStation::onPreview()
{
    m_devicePanel->preview();
}

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
