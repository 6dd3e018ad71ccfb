#include "interrupt.h"

#include <QtGlobal>

#include <atomic>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <csignal>
#endif

namespace {

// Set by the handler, which may do nothing else safely; lock-free so it is a signal-safe
// write, and the Windows handler runs on a thread of its own.
std::atomic<bool> requested{false};
static_assert(std::atomic<bool>::is_always_lock_free, "a signal handler may set it");

#ifdef Q_OS_WIN
BOOL WINAPI onConsoleControl(DWORD event)
{
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT)
        return FALSE;
    // The second one is left to the default handler, which ends the process.
    return requested.exchange(true) ? FALSE : TRUE;
}
#else
void (*previousHandler)(int) = SIG_DFL;

extern "C" void onInterrupt(int)
{
    requested = true;
    // A second Ctrl-C ends the program at once.
    std::signal(SIGINT, SIG_DFL);
}
#endif

} // namespace

InterruptWatch::InterruptWatch()
{
    requested = false;
#ifdef Q_OS_WIN
    SetConsoleCtrlHandler(onConsoleControl, TRUE);
#else
    previousHandler = std::signal(SIGINT, onInterrupt);
#endif
}

InterruptWatch::~InterruptWatch()
{
#ifdef Q_OS_WIN
    SetConsoleCtrlHandler(onConsoleControl, FALSE);
#else
    std::signal(SIGINT, previousHandler == SIG_ERR ? SIG_DFL : previousHandler);
#endif
}

bool InterruptWatch::interruptRequested() const
{
    return requested;
}
