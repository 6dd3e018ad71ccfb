#pragma once

#include "designsettings.h"

#include <QByteArray>
#include <QDateTime>
#include <QImage>
#include <QStringList>

#include <array>

// Packed BCD of one byte, in place: 59 becomes 0x59. Kept to 8 bits for larger values.
void converHexfun(unsigned char &v);

// Clock frame (type 20, 15 bytes): second, minute, hour, day of week, day of month, month,
// year - 2000; all BCD except the day of week (1 = Monday .. 7 = Sunday).
QByteArray timeSetFrame(const QDateTime &currentTime);

// The settings-tab values the system settings frame carries, as read from the widgets.
struct SystemConfigValues
{
    int netWork = 0;           // cmbNetWork item data, 0..99
    int clearNumberTime = 0;   // cmbClearNumberTime item data: the reset hour in BCD
    int ticketingInterval = 0; // 0..5
    bool enableLimit = true;
    int numberFormatIndex = 0; // 0: "0001", otherwise "     1"
    std::array<int, kMaxDesignPages> numberLimits{};
};

// The values a design's settings give, as the settings tab turns them into the frame: a
// network number or hour outside its list and a number format other than the first read
// as the tab reads them, counts are kept within the tab's ranges.
SystemConfigValues systemConfigValues(const DesignSettings &settings);

// System settings frame (type 18, 40 bytes).
QByteArray systemConfigFrame(const SystemConfigValues &values);

// Version query frame (type 21, 8 bytes, no payload).
QByteArray versionQueryFrame();

// Pieces of the test page: page start on the full 384-dot width, the command carrying the
// 0-based tab index (low 8 bits), and page end followed by print.
QByteArray testPageStart();
QByteArray testPageTab(int tab);
QByteArray testPageEnd();

// The standard-output line of a test print: "printf-PC : ", every byte as two lowercase hex
// digits and a blank, then a line end.
QByteArray testPrintDumpLine(const QByteArray &arry);

// Sample values of a test print, placed in the page's blocks by text commands.
constexpr const char *kTestNumberText = "001";
constexpr const char *kTestQueueText = "002";
constexpr const char *kTestDateTimeText = "7-17-2022 18:06:01";

// The whole test page for tab `tab` whose page renders as `page`: page start, the tab, the
// three sample texts where the page has their blocks, page end and print.
QByteArray testPrintData(int tab, const QImage &page);
