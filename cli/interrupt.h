#pragma once

// Ctrl-C while ports are being served: the first one only asks the run to stop (it looks with
// interruptRequested() and cancels what is left, naming every port it leaves behind), a second
// one ends the program at once. POSIX's SIGINT, or the console control handler on Windows.
// Watched from construction to destruction; one at a time.
class InterruptWatch
{
public:
    InterruptWatch();
    ~InterruptWatch();
    InterruptWatch(const InterruptWatch &) = delete;
    InterruptWatch &operator=(const InterruptWatch &) = delete;

    bool interruptRequested() const;
};
