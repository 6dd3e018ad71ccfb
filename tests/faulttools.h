#pragma once

#include <QString>

class QtTransparentTisp;
class QWidget;
class TicketStation;

// Helpers shared by the tests: memory figures, the window's tip, the settings file.

// Resident memory of this process in KiB, from /proc/self/status.
qint64 residentKiB();
// Peak resident memory in KiB since the last resetPeakResident() (or the start).
qint64 peakResidentKiB();
void resetPeakResident();

// The transient tip of the window under test and the text it shows.
QtTransparentTisp *findTip();
QString tipText();

// What the status area says of the last device job of `window`; empty when it says nothing.
QString jobStatusText(const QWidget *window);

// Downloads the design of `window` as its download button does, going on should the checks
// find something (this machine lacks the default page's fonts, for one).
void downloadAnyway(TicketStation *window);

// Writes the settings file the next main window reads beside the test binary.
bool writeSettingsIni(const QByteArray &content);
void removeSettingsIni();

// Growth of resident memory allowed for work that should need about `expectedKiB`. Under
// AddressSanitizer freed memory stays in quarantine, so only a gross excess can be told apart.
constexpr qint64 memoryBoundKiB(qint64 expectedKiB)
{
#if defined(__SANITIZE_ADDRESS__)
    return expectedKiB + 512 * 1024;
#else
    return expectedKiB;
#endif
}

#include "fasttiming.h"
