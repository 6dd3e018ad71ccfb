#pragma once

#include "dispenser.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

struct DesignDownload;
class ProgressView;

// What a command does on every port.
struct PortOrder
{
    enum Task
    {
        Download,   // sends `download`, with progress
        Send,       // `send` queues frames; done once they are written
        AskVersion, // done once the device names its version
    };
    Task task = Download;
    const DesignDownload *download = nullptr;
    std::function<bool(Dispenser &)> send;
    QString sentText; // what a finished Send reports
    DispenserTiming timing;
};

struct PortResult
{
    QString port;
    bool ok = false;
    QString text; // the version, what was done, or why the port failed
};

// Carries the order out on every port at once, each port its own dispenser at the device's
// pace, and returns once every port has finished or failed; one port failing leaves the
// others alone. `view`, when given, shows the progress of a download.
QList<PortResult> runOnPorts(const QStringList &ports, const PortOrder &order, ProgressView *view);
