#include "portfailure.h"

#include <QCoreApplication>

PortFailure serialPortFailure(QSerialPort::SerialPortError error, bool writable)
{
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return PortFailure::NotFound;
    case QSerialPort::PermissionError:
        return writable ? PortFailure::Busy : PortFailure::PermissionDenied;
    default:
        return PortFailure::Other;
    }
}

PortFailure socketFailure(QAbstractSocket::SocketError error)
{
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        return PortFailure::Refused;
    case QAbstractSocket::NetworkError:
    case QAbstractSocket::HostNotFoundError:
        return PortFailure::Unreachable;
    case QAbstractSocket::SocketTimeoutError:
        return PortFailure::TimedOut;
    case QAbstractSocket::SocketAccessError:
        return PortFailure::PermissionDenied;
    case QAbstractSocket::AddressInUseError:
        return PortFailure::Busy;
    default:
        return PortFailure::Other;
    }
}

QString portFailureText(PortFailure failure, const QString &detail)
{
    const char *text = nullptr;
    switch (failure) {
    case PortFailure::NotFound:
        text = QT_TRANSLATE_NOOP("PortFailure", "端口不存在");
        break;
    case PortFailure::Busy:
        text = QT_TRANSLATE_NOOP("PortFailure", "端口正被其他程序使用");
        break;
    case PortFailure::PermissionDenied:
        text = QT_TRANSLATE_NOOP("PortFailure", "没有使用该端口的权限");
        break;
    case PortFailure::Refused:
        text = QT_TRANSLATE_NOOP("PortFailure", "连接被拒绝：该地址上没有设备服务器在监听");
        break;
    case PortFailure::Unreachable:
        text = QT_TRANSLATE_NOOP("PortFailure", "网络不可达");
        break;
    case PortFailure::TimedOut:
        text = QT_TRANSLATE_NOOP("PortFailure", "连接超时");
        break;
    case PortFailure::Other:
        text = QT_TRANSLATE_NOOP("PortFailure", "端口无法打开");
        break;
    }
    const QString what = QCoreApplication::translate("PortFailure", text);
    return detail.isEmpty()
               ? what
               : QCoreApplication::translate("PortFailure", "%1（%2）").arg(what, detail);
}
