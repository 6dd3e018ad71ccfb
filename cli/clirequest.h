#pragma once

#include "design.h"
#include "dispenser.h"
#include "papergeometry.h"
#include "ticketdrawing.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// Exit statuses: a device that failed, a design or option the program cannot use, and a run
// stopped by Ctrl-C (the shell's own status for a program ended by SIGINT).
constexpr int kExitDeviceFailed = 1;
constexpr int kExitUnusable = 2;
constexpr int kExitInterrupted = 130;

enum class Command
{
    Render,
    Bytes,
    Download,
    TestPrint,
    SetClock,
    Settings,
    Version,
};

// System settings given on the command line; whatever is not given comes from the design.
struct SettingsChanges
{
    std::optional<int> netWork;
    std::optional<int> clearNumberTime;
    std::optional<int> ticketingInterval;
    std::optional<int> numberFormat;
    std::optional<std::array<int, kMaxDesignPages>> numberLimits;
    std::optional<bool> enableLimit;

    void applyTo(DesignSettings &settings) const;
};

// One run of the program, its options checked.
struct CliRequest
{
    Command command = Command::Render;
    QString designPath; // empty when none was given
    QString out;
    QStringList ports;
    int pages = 0; // 0: as many as the design holds
    int maxHeight = kDefaultPageHeight;
    int testPage = 1;
    devicemodel::SampleValues samples;
    QDateTime clock; // invalid: the moment it is sent
    SettingsChanges settings;
    int sendGap = DispenserTiming().link.sendGap;
    int answerWait = DispenserTiming().answerTimeout;
    int stallTime = DispenserTiming().stallTimeout;
};

// What the command line asks for: a request to run, or text to print (help, version, or the
// reason the command line cannot be used) and the status to exit with.
struct ParsedCommandLine
{
    bool run = false;
    CliRequest request;
    int exitCode = 0;
    QString output; // for standard output
    QString error;  // one line for standard error
};

ParsedCommandLine parseCommandLine(const QStringList &arguments);
