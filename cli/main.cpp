// ticketstation-cli: renders designs, writes the bytes of their download and provisions
// dispensers over serial lines, all without a window.

#include "clicommands.h"
#include "clirequest.h"
#include "consoletext.h"
#include "fontembedding.h"
#include "languages.h"
#include "pagemeasures.h"
#include "stationpaths.h"

#include <QGuiApplication>

#include <cstdio>

namespace {

// What Qt notes while starting on a machine without a desktop session (no runtime folder, for
// one) is no concern of a command's; warnings after the start still show.
void dropStartupNotes(QtMsgType, const QMessageLogContext &, const QString &) {}

} // namespace

int main(int argc, char **argv)
{
    // Rendering needs fonts but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Measured as the window measures them, so pages come out with the same dots.
    measurePagesAlike();
    // As the window starts, so pages are laid out to the same dots.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    const QtMessageHandler messageHandler = qInstallMessageHandler(dropStartupNotes);
    QGuiApplication app(argc, argv);
    qInstallMessageHandler(messageHandler);
    // As the window does, so a design gives the same dots from both and from every PC.
    registerProgramFonts();
    QCoreApplication::setApplicationName(QStringLiteral("ticketstation-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TICKETSTATION_VERSION));
    // The libraries' messages (an unreadable design file, say) in English.
    installInterfaceLanguage(&app, catalogueDir(), QString::fromLatin1(kCatalogueEnglish));

    const ParsedCommandLine parsed = parseCommandLine(QCoreApplication::arguments());
    if (!parsed.run) {
        writeText(stdout, parsed.output);
        if (!parsed.error.isEmpty())
            writeText(stderr, QStringLiteral("ticketstation-cli: %1\n").arg(parsed.error));
        return parsed.exitCode;
    }
    return runCommand(parsed.request);
}
