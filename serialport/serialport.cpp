#include "serialport.h"

#include "datapacket.h"

#include <QDebug>
#include <QSerialPortInfo>

#ifdef Q_OS_UNIX
#include <poll.h>
#endif

namespace {
constexpr int kFindInterval = 2000;
constexpr int kReceiveSilence = 30;
constexpr qint64 kMaxBurst = 64 * 1024;
constexpr int kFirstSendDelay = 50;
constexpr int kSendGap = 300;
// Windows device paths put this before the port name.
const QString kDevicePathPrefix = QStringLiteral("\\\\.\\");
const QString kUnixDeviceDir = QStringLiteral("/dev/");
} // namespace

int transferPercentage(int written, int total)
{
    if (total <= 0)
        return 0;
    const qint64 percent = qint64(written) * 100 / total;
    return int(qBound<qint64>(0, percent, 100));
}

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

SerialPort::SerialPort()
{
    connect(&m_findTimer, &QTimer::timeout, this, &SerialPort::onFindNewSerialPort);
    m_findTimer.start(kFindInterval);
    connect(&m_serialPort, &QSerialPort::readyRead, this, [this] {
        // A line that never falls silent (a babbling device, noise) would otherwise gather
        // everything it ever sends into one burst held in memory.
        if (m_serialPort.bytesAvailable() >= kMaxBurst)
            onReceiveDat();
        else
            m_receiveTimer.start(kReceiveSilence);
    });
    connect(&m_serialPort, &QSerialPort::errorOccurred, this,
            [this](QSerialPort::SerialPortError error) {
                // Clearing the error state reports NoError too; that is no error.
                if (error == QSerialPort::NoError)
                    return;
                emit sgnSerialPortError();
                if (m_serialPort.isOpen() && deviceGone(error))
                    closeLostDevice();
            });
    connect(&m_receiveTimer, &QTimer::timeout, this, &SerialPort::onReceiveDat);
    connect(&m_sendTimer, &QTimer::timeout, this, &SerialPort::onSendDat);
    m_sendTimer.start(kFirstSendDelay);
}

SerialPort::~SerialPort()
{
    closeSerialPort();
}

bool SerialPort::openSerialPort(QString name)
{
    if (m_serialPort.isOpen())
        return false;
    m_serialPort.setPortName(name);
    if (!m_serialPort.open(QIODevice::ReadWrite))
        return false;
    m_serialPort.setBaudRate(QSerialPort::Baud115200, QSerialPort::AllDirections);
    m_serialPort.setParity(QSerialPort::NoParity);
    m_serialPort.setDataBits(QSerialPort::Data8);
    m_serialPort.setStopBits(QSerialPort::OneStop);
    m_serialPort.setFlowControl(QSerialPort::NoFlowControl);
    m_serialPort.clearError();
    m_serialPort.clear(QSerialPort::AllDirections);
    m_sendList.clear();
    ++m_openCount;
    return true;
}

bool SerialPort::closeSerialPort()
{
    m_receiveTimer.stop();
    m_serialPort.close();
    m_serialPort.clearError();
    m_sendList.clear();
    return true;
}

bool SerialPort::isOpen() const
{
    return m_serialPort.isOpen();
}

void SerialPort::queueDat(QByteArray dat)
{
    m_sendList.append(dat);
    m_sendTotal = m_sendList.size();
}

void SerialPort::sendDat(QByteArray dat)
{
    sendDat(PACKET_PRINT_DAT, dat);
}

void SerialPort::sendDat(int type, QByteArray dat)
{
    for (const QByteArray &frame : chunkFrames(type, dat))
        queueDat(frame);
}

void SerialPort::onFindNewSerialPort()
{
    if (m_serialPort.isOpen())
        return;
    QStringList portlist;
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : ports)
        portlist.append(info.manufacturer() + info.systemLocation());
    emit sgnFindNewSerialPort(portlist);
}

void SerialPort::onReceiveDat()
{
    m_receiveTimer.stop();
    const QByteArray dat = m_serialPort.readAll();
    // Only stale input is dropped: output still in the driver belongs to a frame already sent.
    m_serialPort.clear(QSerialPort::Input);
    emit sgnReceiveDat(dat);
    qDebug() << Q_FUNC_INFO << __FILE__ << "received" << dat.size() << "bytes:" << dat.toHex(' ');
}

void SerialPort::onSendDat()
{
    if (m_sendList.isEmpty() || !m_serialPort.isOpen())
        return;
    m_sendTimer.stop();
    const QByteArray dat = m_sendList.takeFirst();
    m_serialPort.write(dat);
    m_serialPort.flush();
    const int percentage = transferPercentage(m_sendTotal - m_sendList.size(), m_sendTotal);
    m_sendTimer.start(kSendGap);
    emit sgnTransmissionProgress(percentage);
}

bool SerialPort::deviceGone(QSerialPort::SerialPortError error) const
{
    if (error == QSerialPort::ResourceError)
        return true;
#ifdef Q_OS_UNIX
    // A hung-up terminal (adapter unplugged, far end of a pseudo-terminal closed) reads as end
    // of file, which the port reports as a plain read error; the hang-up flag tells them apart.
    if (error == QSerialPort::ReadError) {
        pollfd pfd{int(m_serialPort.handle()), POLLIN, 0};
        return poll(&pfd, 1, 0) > 0 && (pfd.revents & POLLHUP);
    }
#endif
    return false;
}

void SerialPort::closeLostDevice()
{
    // The port reports the error from inside its own notification handler, so it is closed
    // once that has returned, and only if it is still the session that failed.
    const int session = m_openCount;
    QMetaObject::invokeMethod(
        this,
        [this, session] {
            if (session != m_openCount || !m_serialPort.isOpen())
                return;
            closeSerialPort();
            emit sgnDeviceLost();
        },
        Qt::QueuedConnection);
}
