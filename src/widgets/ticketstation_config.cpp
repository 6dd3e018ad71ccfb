#include "ticketstation.h"

void TicketStation::onSave(QString) {}
void TicketStation::onLoad(QString) {}
void TicketStation::chooseLanguage(const QString &) {}
void TicketStation::openDesign() {}
void TicketStation::saveDesignAs() {}
