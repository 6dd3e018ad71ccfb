#include "portdiscovery.h"

#include <QSerialPortInfo>

namespace {
// Windows device paths put this before the port name.
const QString kDevicePathPrefix = QStringLiteral("\\\\.\\");
const QString kUnixDeviceDir = QStringLiteral("/dev/");
} // namespace

QString portNameFromEntry(const QString &entry)
{
    const QStringList parts = entry.split(kDevicePathPrefix, Qt::KeepEmptyParts, Qt::CaseSensitive);
    if (parts.size() >= 2)
        return parts.at(1);
    // Unix locations are full device paths; the manufacturer text stands in front of them.
    const int dev = entry.lastIndexOf(kUnixDeviceDir);
    if (dev >= 0)
        return entry.mid(dev);
    return QString();
}

QString portNameToOpen(const QString &entry)
{
    const QString listed = portNameFromEntry(entry);
    return listed.isEmpty() ? entry.trimmed() : listed;
}

QStringList availablePortEntries()
{
    QStringList portlist;
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : ports)
        portlist.append(info.manufacturer() + info.systemLocation());
    return portlist;
}

PortDiscovery::PortDiscovery(int intervalMs, QObject *parent) : QObject(parent)
{
    m_timer.setInterval(intervalMs);
    connect(&m_timer, &QTimer::timeout, this, [this] { emit portsFound(availablePortEntries()); });
}
