#include "ticketstation.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char **argv)
{
    Q_INIT_RESOURCE(resources);
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication app(argc, argv);
    QApplication::setWindowIcon(QIcon(":/Icon/Image/APP3.ico"));
    TicketStation window;
    window.show();
    return app.exec();
}
