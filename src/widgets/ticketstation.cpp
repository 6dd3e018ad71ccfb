#include "ticketstation.h"

#include "ttqtextedit.h"
#include "ui_ticketstation.h"

TicketStation::TicketStation(QWidget *parent) : QMainWindow(parent), ui(new Ui::TicketStationClass)
{
    ui->setupUi(this);
}

TicketStation::~TicketStation()
{
    delete ui;
}

TtQTextEdit *TicketStation::pageEditor(int) const
{
    return nullptr;
}

void TicketStation::showAbout() {}
