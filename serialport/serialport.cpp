#include "serialport.h"

SerialPort::SerialPort() = default;
SerialPort::~SerialPort() = default;
bool SerialPort::openSerialPort(QString)
{
    return false;
}
bool SerialPort::closeSerialPort()
{
    return true;
}
bool SerialPort::isOpen() const
{
    return m_serialPort.isOpen();
}
void SerialPort::queueDat(QByteArray) {}
void SerialPort::sendDat(QByteArray) {}
void SerialPort::sendDat(int, QByteArray) {}
void SerialPort::onFindNewSerialPort() {}
void SerialPort::onReceiveDat() {}
void SerialPort::onSendDat() {}
