// Whatever the device answers reaches the dispenser connection as one received burst.

#include "dispenser.h"
#include "fuzzsupport.h"

#include <QByteArray>

namespace {
Dispenser *dispenser = nullptr;
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    startFuzzApplication();
    dispenser = new Dispenser;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    dispenser->handleReply(QByteArray(reinterpret_cast<const char *>(data), int(size)));
    return 0;
}
