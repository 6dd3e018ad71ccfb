#pragma once

#include <QAbstractSocket>
#include <QSerialPort>
#include <QString>

// Why a port could not be opened or connected, as the operator is told it: in the interface
// language, whatever language the system speaks.
enum class PortFailure
{
    NotFound,
    Busy,
    PermissionDenied,
    Refused,
    Unreachable,
    TimedOut,
    Other,
};

// A serial port that failed to open with `error`; `writable` tells a port held by another
// program from one the user may not use, which the system reports alike.
PortFailure serialPortFailure(QSerialPort::SerialPortError error, bool writable);
PortFailure socketFailure(QAbstractSocket::SocketError error);

// The failure described, with the system's own text (`detail`) after it.
QString portFailureText(PortFailure failure, const QString &detail);
