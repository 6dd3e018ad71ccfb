// Design files as the operator opens them: the bytes are written to a file, read back with the
// program's own reading (size limit, repeated keys, JSON) and taken into a design of six pages
// (settings, every page's text and pictures). Rendering is left out: it costs tens of times
// more than loading and is exercised with hostile pages by the fault tests.

#include "design.h"
#include "designfile.h"
#include "fuzzsupport.h"

#include <QFile>
#include <QTemporaryDir>

namespace {
Design *design = nullptr;
QString designPath;
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    startFuzzApplication();
    static QTemporaryDir folder;
    designPath = folder.filePath(QStringLiteral("design.json"));
    design = new Design(6);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QFile file(designPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(designPath));
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();

    const DesignReadResult read = readDesignFile(designPath);
    if (read.ok)
        design->loadJson(read.root);
    return 0;
}
