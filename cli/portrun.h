#pragma once

#include "dispenser.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class ProgressView;

// What a command does on every port: one job, started on each port's dispenser once it is
// open, and done when the device has answered after it.
struct PortOrder
{
    Dispenser::Job job = Dispenser::Download;
    std::function<bool(Dispenser &)> start;
    QString detail; // what a confirmed job did, after the words for its confirmation
    DispenserTiming timing;
};

struct PortResult
{
    QString port;
    bool ok = false;
    QString text; // the version, what was done, or why the port failed
};

struct PortResults
{
    QList<PortResult> ports;
    bool interrupted = false; // Ctrl-C stopped the run
};

// Carries the order out on every port at once, each port its own dispenser at the device's
// pace, and returns once every port has finished or failed; one port failing leaves the
// others alone. Ctrl-C stops what is still being sent. `view`, when given, shows the progress.
PortResults runOnPorts(const QStringList &ports, const PortOrder &order, ProgressView *view);
