#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

// Derives the name to open from a port-list entry (manufacturer text directly followed by the
// system location); empty when the entry names no port.
QString portNameFromEntry(const QString &entry);

// The port to open for what the operator chose or typed: the port a list entry names, or the
// typed name or path itself.
QString portNameToOpen(const QString &entry);

// The serial ports the system offers, as port-list entries: manufacturer text followed by the
// system location.
QStringList availablePortEntries();

// Lists the system's serial ports every `intervalMs` while it runs.
class PortDiscovery : public QObject
{
    Q_OBJECT
public:
    explicit PortDiscovery(int intervalMs, QObject *parent = nullptr);

    void start() { m_timer.start(); }
    void stop() { m_timer.stop(); }

signals:
    void portsFound(const QStringList &portlist);

private:
    QTimer m_timer;
};
