#pragma once

#include <QHostAddress>
#include <QString>

// A port written tcp://HOST:PORT: a dispenser behind a serial device server in raw TCP mode.
// HOST is a literal IPv4 address, an IPv6 address in brackets or `localhost`; no name is ever
// looked up, so nothing but the given address is contacted.
struct TcpAddress
{
    QHostAddress host;
    quint16 port = 0;
};

// Whether `name` is written as a network port (it may still be malformed).
bool isTcpPortName(const QString &name);

// Reads a network port name; false, with `why` telling the operator what is wrong, when it is
// not one or is malformed.
bool parseTcpPortName(const QString &name, TcpAddress *address, QString *why);
