#include "stationpaths.h"
#include "ticketstation.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>

int main(int argc, char **argv)
{
    Q_INIT_RESOURCE(resources);
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication app(argc, argv);
    // Names the per-user folder, whatever the program file is called.
    QCoreApplication::setApplicationName(QStringLiteral("TicketStation"));
    QApplication::setWindowIcon(QIcon(":/Icon/Image/APP3.ico"));
    const SeedOutcome seeded = prepareLanguageDir();
    TicketStation window;
    window.show();
    // Shown once the window has installed the chosen catalogue, so it reads in that language.
    if (!seeded.ok())
        QMessageBox::warning(&window, QCoreApplication::applicationName(), seeded.message());
    return app.exec();
}
