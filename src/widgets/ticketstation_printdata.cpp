#include "ticketstation.h"

void TicketStation::GenPrintTextDat(int, BLOCK_FLAG, _ticketContext &) {}
QByteArray TicketStation::GenPrintTextDat(BLOCK_FLAG, QString)
{
    return {};
}
