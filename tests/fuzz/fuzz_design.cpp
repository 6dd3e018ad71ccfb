// Design files as the operator opens them: the bytes are written to a file and read back by
// the window's own loading path. Rendering is left out: it costs tens of times more than
// loading and is exercised with hostile pages by the fault tests.

#include "fuzzsupport.h"
#include "ticketstation.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

namespace {
TicketStation *window = nullptr;
QString designPath;
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // One page: its load is due at once, so one pass of the event loop completes it.
    startFuzzApplication(1);
    static QTemporaryDir folder;
    designPath = folder.filePath(QStringLiteral("design.json"));
    window = new TicketStation;
    QCoreApplication::processEvents();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QFile file(designPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(designPath));
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();

    window->onLoad(designPath);
    QCoreApplication::processEvents();
    return 0;
}
