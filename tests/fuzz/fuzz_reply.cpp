// Whatever the device answers reaches the window as one received burst.

#include "fuzzsupport.h"
#include "ticketstation.h"

#include <QByteArray>

namespace {
TicketStation *window = nullptr;
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    startFuzzApplication(1);
    window = new TicketStation;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    window->onReceiveDatFromSerialPort(QByteArray(reinterpret_cast<const char *>(data), int(size)));
    return 0;
}
