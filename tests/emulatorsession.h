#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#include <memory>

class TicketStation;

// The emulated dispenser run as a child process: it serves a pseudo-terminal (or, with --tcp, a
// loopback TCP port), names it in its first output line "PORT <path>" and logs what it
// receives on standard output. A test may stop it (SIGSTOP, --stop-after) and let it go on.
class EmulatorSession
{
public:
    EmulatorSession() = default;
    ~EmulatorSession();
    EmulatorSession(const EmulatorSession &) = delete;
    EmulatorSession &operator=(const EmulatorSession &) = delete;

    // Starts `program` with `arguments`; true once it has named a port that exists.
    bool start(const QString &program, const QStringList &arguments);
    // Kills the process, if one runs, and forgets its log.
    void stop();
    // Waits until the log shows `text`, keeping the event loop running.
    bool waitForLog(const QString &text, int timeoutMs);
    // Lets a process stopped by --stop-after go on, as a device that thaws.
    void resume();

    QProcess *process() const { return m_process.get(); }
    const QString &log() const { return m_log; }
    QString portPath() const { return m_portPath; }

private:
    std::unique_ptr<QProcess> m_process;
    QString m_log;
    QString m_portPath;
};

// Picks `portPath` in the window's port list and presses Connect, as an operator would. Only
// the tests of the window have it (emulatorwindow.cpp).
void connectWindowTo(TicketStation *window, const QString &portPath);
