#include "fuzzsupport.h"

#include <QGuiApplication>

namespace {

// Log lines would cost more than the code under test and bury libFuzzer's own output; fatal
// messages still abort.
void dropMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg)
        qt_message_output(type, QMessageLogContext(), message);
}

} // namespace

void startFuzzApplication()
{
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(dropMessages);
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
}
