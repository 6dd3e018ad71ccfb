#include "fuzzsupport.h"

#include <QApplication>
#include <QDir>
#include <QSettings>

namespace {

// Log lines would cost more than the code under test and bury libFuzzer's own output; fatal
// messages still abort.
void dropMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg)
        qt_message_output(type, QMessageLogContext(), message);
}

} // namespace

void startFuzzApplication(int pageCount)
{
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(dropMessages);
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    new QApplication(argc, argv);

    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/language");
    QDir().mkpath(folder);
    QSettings ini(folder + QStringLiteral("/settings.ini"), QSettings::IniFormat);
    ini.setValue(QStringLiteral("maxTabWidget"), pageCount);
    ini.sync();
}
