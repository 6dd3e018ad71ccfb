#include "ticketstation.h"

void TicketStation::onConnectSerialPort() {}
void TicketStation::onBtnSetTime() {}
void TicketStation::onReceiveDatFromSerialPort(QByteArray) {}
void TicketStation::onBtnSetSystem() {}
void TicketStation::onTestPrint() {}
void TicketStation::refreshPortList(const QStringList &) {}
void TicketStation::showProgress(int) {}
void TicketStation::queueVersionQuery() {}
void TicketStation::onDeviceLost() {}
