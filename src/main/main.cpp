#include "fontembedding.h"
#include "pagemeasures.h"
#include "stationpaths.h"
#include "ticketstation.h"

#include "operatordialogs.h"
#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

#include <cstdio>
#include <cstdlib>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

// Whether --version and --help can be printed. A Windows program with a window has no console
// of its own: it prints to the console it was started from, or to its output where that is
// redirected to a file or pipe; with neither, Qt shows the text in a message box.
bool canPrint()
{
#ifdef Q_OS_WIN
    const auto unset = [](DWORD handle) {
        const HANDLE h = GetStdHandle(handle);
        return h == nullptr || h == INVALID_HANDLE_VALUE;
    };
    if (AttachConsole(ATTACH_PARENT_PROCESS)) {
        if (unset(STD_OUTPUT_HANDLE))
            std::freopen("CONOUT$", "w", stdout);
        if (unset(STD_ERROR_HANDLE))
            std::freopen("CONOUT$", "w", stderr);
        return true;
    }
    return !unset(STD_OUTPUT_HANDLE);
#else
    return true;
#endif
}

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
    if (!parser.isSet(version) && !parser.isSet(help))
        return;
    if (!canPrint()) {
        if (parser.isSet(version))
            parser.showVersion();
        parser.showHelp();
    }
    const QString text = parser.isSet(version)
                             ? QCoreApplication::applicationName() + QLatin1Char(' ') +
                                   QCoreApplication::applicationVersion() + QLatin1Char('\n')
                             : parser.helpText();
    std::fputs(qPrintable(text), stdout);
    std::exit(0);
}

} // namespace

int main(int argc, char **argv)
{
    // Also names the per-user folder, whatever the program file is called.
    QCoreApplication::setApplicationName(QStringLiteral("TicketStation"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TICKETSTATION_VERSION));
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    answerInformationOptions(argc, argv);
    measurePagesAlike();

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
