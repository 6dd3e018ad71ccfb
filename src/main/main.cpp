#include "fontembedding.h"
#include "stationpaths.h"
#include "ticketstation.h"

#include "operatordialogs.h"
#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

namespace {

// --help and --version answer from a plain QCoreApplication, before the window system is
// reached, so they work without a display. Options Qt itself takes (-platform, -reverse, ...)
// are left for QApplication.
void answerInformationOptions(int argc, char **argv)
{
    QCoreApplication console(argc, argv);
    QCommandLineParser parser;
    // Otherwise "-reverse" would read as -r -e -v ... and print the version.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Designs the tickets of a queue-ticket dispenser and sends them over a "
                       "serial line."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(version))
        parser.showVersion();
    if (parser.isSet(help))
        parser.showHelp();
}

} // namespace

int main(int argc, char **argv)
{
    // Also names the per-user folder, whatever the program file is called.
    QCoreApplication::setApplicationName(QStringLiteral("TicketStation"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TICKETSTATION_VERSION));
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    answerInformationOptions(argc, argv);

    Q_INIT_RESOURCE(resources);
    QApplication app(argc, argv);
    QApplication::setWindowIcon(QIcon(":/Icon/Image/APP3.ico"));
    // Before any page is laid out: pages print with the program's faces, not the PC's.
    registerProgramFonts();
    const SeedOutcome seeded = prepareLanguageDir();
    TicketStation window;
    window.show();
    // Shown once the window has installed the chosen catalogue, so it reads in that language.
    if (!seeded.ok())
        Asker::warning(&window, QCoreApplication::applicationName(), seeded.message());
    return app.exec();
}
