#include "tcpaddress.h"

#include <QObject>

namespace {
const QString kScheme = QStringLiteral("tcp://");
} // namespace

bool isTcpPortName(const QString &name)
{
    return name.trimmed().startsWith(kScheme, Qt::CaseInsensitive);
}

bool parseTcpPortName(const QString &name, TcpAddress *address, QString *why)
{
    const QString text = name.trimmed();
    const QString rest = text.mid(kScheme.size());
    const int colon = rest.lastIndexOf(QLatin1Char(':'));
    if (!isTcpPortName(text) || colon <= 0) {
        *why = QObject::tr("网络端口应写成 tcp://地址:端口号");
        return false;
    }
    bool isNumber = false;
    const uint port = rest.mid(colon + 1).toUInt(&isNumber);
    if (!isNumber || port < 1 || port > 65535) {
        *why = QObject::tr("端口号应为 1 到 65535 之间的数字");
        return false;
    }
    QString host = rest.left(colon);
    const bool bracketed = host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']'));
    if (bracketed)
        host = host.mid(1, host.size() - 2);
    QHostAddress ip;
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0 && !bracketed) {
        ip = QHostAddress(QHostAddress::LocalHost);
    } else if (!ip.setAddress(host) || ip.isNull() ||
               (ip.protocol() == QAbstractSocket::IPv6Protocol) != bracketed) {
        // Host names are not looked up: a name server would learn of every dispenser, and a
        // wrong answer would send the design elsewhere.
        *why = QObject::tr("地址应为 IP 地址（IPv6 地址加方括号）或 localhost");
        return false;
    }
    address->host = ip;
    address->port = quint16(port);
    return true;
}
