#include "emulatorsession.h"

#include "ticketstation.h"

#include <QComboBox>
#include <QPushButton>

void connectWindowTo(TicketStation *window, const QString &portPath)
{
    auto *ports = window->findChild<QComboBox *>("cmbSerialPort");
    ports->addItem(portPath);
    ports->setCurrentIndex(ports->count() - 1);
    window->findChild<QPushButton *>("btnConnect")->click();
}
