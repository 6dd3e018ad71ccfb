#include "serialport.h"

#include "portfailure.h"
#include "tcpaddress.h"

#include <QDebug>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QNetworkProxy>
#include <QTcpSocket>

#ifdef Q_OS_UNIX
#include <poll.h>
#endif

namespace {

// Every reply as bytes, for whoever studies a device:
// QT_LOGGING_RULES="ticketstation.link.replies.debug=true" shows them.
Q_LOGGING_CATEGORY(lcReplies, "ticketstation.link.replies", QtInfoMsg)

constexpr qint64 kMaxBurst = 64 * 1024;
} // namespace

SerialPort::SerialPort(const FrameCutting &cutting, const LinkTiming &timing)
    : m_cutting(cutting), m_timing(timing), m_discovery(timing.discovery)
{
    connect(&m_discovery, &PortDiscovery::portsFound, this, &SerialPort::onFindNewSerialPort);
    m_discovery.start();
    m_receiveTimer.setSingleShot(true);
    connect(&m_receiveTimer, &QTimer::timeout, this, &SerialPort::onReceiveDat);
    m_connectTimer.setSingleShot(true);
    connect(&m_connectTimer, &QTimer::timeout, this, [this] {
        failConnecting(portFailureText(
            PortFailure::TimedOut, tr("%1 秒内未能连接").arg(m_timing.connectTimeout / 1000.0)));
    });
    m_sendTimer.setSingleShot(true);
    connect(&m_sendTimer, &QTimer::timeout, this, &SerialPort::onSendDat);
}

SerialPort::~SerialPort()
{
    closeSerialPort();
}

bool SerialPort::openSerialPort(QString name)
{
    if (isOpen())
        return false;
    if (isTcpPortName(name))
        return openTcpPort(name);
    auto *port = new QSerialPort(name, this);
    if (!port->open(QIODevice::ReadWrite)) {
        m_errorString = portFailureText(
            serialPortFailure(port->error(), QFileInfo(name).isWritable()), port->errorString());
        delete port;
        return false;
    }
    port->setBaudRate(QSerialPort::Baud115200, QSerialPort::AllDirections);
    port->setParity(QSerialPort::NoParity);
    port->setDataBits(QSerialPort::Data8);
    port->setStopBits(QSerialPort::OneStop);
    port->setFlowControl(QSerialPort::NoFlowControl);
    port->clearError();
    port->clear(QSerialPort::AllDirections);
    connect(port, &QSerialPort::errorOccurred, this,
            [this, port](QSerialPort::SerialPortError error) {
                // Clearing the error state reports NoError too; that is no error.
                if (error == QSerialPort::NoError)
                    return;
                emit sgnSerialPortError();
                if (port == m_device && port->isOpen() && deviceGone(error))
                    closeLostDevice();
            });
    attach(port);
    return true;
}

bool SerialPort::openTcpPort(const QString &name)
{
    TcpAddress address;
    if (!parseTcpPortName(name, &address, &m_errorString))
        return false;
    auto *socket = new QTcpSocket(this);
    // Straight to the device server: a proxy would put another host on the line.
    socket->setProxy(QNetworkProxy::NoProxy);
    connect(socket, &QAbstractSocket::connected, this, [this, socket] {
        if (socket != m_device)
            return;
        m_connecting = false;
        m_connectTimer.stop();
        // Every frame is written whole; it should leave at once, not wait for the next one.
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        emit sgnConnected();
        scheduleSend();
    });
    connect(socket, &QAbstractSocket::errorOccurred, this, [this, socket] {
        if (socket != m_device)
            return;
        emit sgnSerialPortError();
        // Once connected, any socket error (reset, closed by the far side) ends the connection.
        if (m_connecting)
            failConnecting(portFailureText(socketFailure(socket->error()), socket->errorString()));
        else
            closeLostDevice();
    });
    connect(socket, &QIODevice::readChannelFinished, this, [this, socket] {
        if (socket == m_device && !m_connecting)
            closeLostDevice();
    });
    attach(socket);
    m_connecting = true;
    m_connectTimer.start(m_timing.connectTimeout);
    socket->connectToHost(address.host, address.port);
    return true;
}

void SerialPort::failConnecting(const QString &why)
{
    m_connectTimer.stop();
    m_errorString = why;
    // The socket may report the failure from inside connectToHost(), before the caller has
    // even learnt that the port is being opened.
    laterInSession([this, why] {
        if (!m_connecting)
            return;
        closeSerialPort();
        m_errorString = why;
        emit sgnOpenFailed(why);
    });
}

void SerialPort::attach(QIODevice *device)
{
    m_device = device;
    m_errorString.clear();
    m_awaitingDrain = false;
    connect(device, &QIODevice::bytesWritten, this, [this, device](qint64 bytes) {
        if (device != m_device)
            return;
        emit sgnBytesAccepted();
        while (bytes > 0 && !m_untaken.isEmpty()) {
            const qint64 taken = qMin(bytes, m_untaken.first());
            bytes -= taken;
            if ((m_untaken.first() -= taken) == 0) {
                m_untaken.removeFirst();
                emit sgnFrameSent();
            }
        }
        if (m_awaitingDrain && m_sendList.isEmpty())
            reportQueueEmptyOnceWritten();
    });
    connect(device, &QIODevice::readyRead, this, [this, device] {
        if (device != m_device)
            return;
        // A line that never falls silent (a babbling device, noise) would otherwise gather
        // everything it ever sends into one burst held in memory.
        if (device->bytesAvailable() >= kMaxBurst)
            onReceiveDat();
        else
            m_receiveTimer.start(m_timing.receiveSilence);
    });
    m_sendList.clear();
    m_untaken.clear();
    m_discovery.stop();
    ++m_openCount;
}

bool SerialPort::closeSerialPort()
{
    m_sendTimer.stop();
    m_receiveTimer.stop();
    m_connectTimer.stop();
    m_sendList.clear();
    m_awaitingDrain = false;
    m_connecting = false;
    if (QIODevice *device = m_device) {
        m_device = nullptr;
        device->close();
        device->deleteLater();
    }
    m_discovery.start();
    return true;
}

bool SerialPort::isOpen() const
{
    return m_device && m_device->isOpen();
}

bool SerialPort::isWriting() const
{
    return !m_sendList.isEmpty() || (m_device && m_device->bytesToWrite() > 0);
}

void SerialPort::queueDat(QByteArray dat)
{
    m_sendList.append(dat);
    scheduleSend();
}

void SerialPort::sendDat(QByteArray dat)
{
    sendDat(m_cutting.defaultType, dat);
}

void SerialPort::sendDat(int type, QByteArray dat)
{
    for (const QByteArray &frame : m_cutting.cut(type, dat))
        queueDat(frame);
}

void SerialPort::dropPendingFrames()
{
    m_sendList.clear();
    m_sendTimer.stop();
}

void SerialPort::scheduleSend()
{
    if (m_sendTimer.isActive() || m_sendList.isEmpty() || !isOpen() || m_connecting)
        return;
    // The first frame after an idle spell waits the short delay, and never follows the frame
    // before it sooner than the gap, which is the device's only flow control.
    qint64 delay = m_timing.firstSendDelay;
    if (m_sinceWrite.isValid())
        delay = qMax(delay, m_timing.sendGap - m_sinceWrite.elapsed());
    m_sendTimer.start(int(delay));
}

void SerialPort::onFindNewSerialPort(const QStringList &portlist)
{
    if (isOpen())
        return;
    emit sgnFindNewSerialPort(portlist);
}

void SerialPort::onReceiveDat()
{
    m_receiveTimer.stop();
    if (!m_device)
        return;
    const QByteArray dat = m_device->readAll();
    // Only stale input is dropped: output still in the driver belongs to a frame already sent.
    if (auto *port = qobject_cast<QSerialPort *>(m_device.data()))
        port->clear(QSerialPort::Input);
    emit sgnReceiveDat(dat);
    qCDebug(lcReplies) << "received" << dat.size() << "bytes:" << dat.toHex(' ');
}

void SerialPort::onSendDat()
{
    if (m_sendList.isEmpty() || !isOpen() || m_connecting)
        return;
    const QByteArray frame = m_sendList.takeFirst();
    // Counted before the write, which may hand bytes to the system at once.
    m_untaken.append(frame.size());
    m_device->write(frame);
    m_sinceWrite.start();
    if (auto *port = qobject_cast<QSerialPort *>(m_device.data()))
        port->flush();
    if (!m_sendList.isEmpty())
        m_sendTimer.start(m_timing.sendGap);
    emit sgnTransmissionProgress(m_sendList.progress());
    if (m_sendList.isEmpty())
        reportQueueEmptyOnceWritten();
}

void SerialPort::reportQueueEmptyOnceWritten()
{
    // A driver that takes the bytes more slowly than the frames come leaves them in the port's
    // buffer, and closing the port then would cut the last frames off.
    m_awaitingDrain = m_device && m_device->bytesToWrite() > 0;
    if (!m_awaitingDrain)
        emit sgnQueueEmpty();
}

bool SerialPort::deviceGone(QSerialPort::SerialPortError error) const
{
#ifdef Q_OS_UNIX
    // A hung-up terminal (adapter unplugged, far end of a pseudo-terminal closed) reads as end
    // of file, which the port reports as a plain read error; the hang-up flag tells them apart.
    // A full output buffer (frames faster than the driver takes them) is reported as a
    // resource error just like an unplugged adapter, yet the port goes on writing once there
    // is room; only a line flagged as hung up or failed is gone.
    if (error == QSerialPort::ReadError || error == QSerialPort::ResourceError) {
        const auto *port = qobject_cast<const QSerialPort *>(m_device.data());
        if (!port)
            return error == QSerialPort::ResourceError;
        const short goneFlags = error == QSerialPort::ReadError ? POLLHUP : POLLHUP | POLLERR;
        pollfd pfd{int(port->handle()), POLLIN, 0};
        return poll(&pfd, 1, 0) > 0 && (pfd.revents & (goneFlags | POLLNVAL));
    }
    return false;
#else
    return error == QSerialPort::ResourceError;
#endif
}

void SerialPort::closeLostDevice()
{
    // The port reports the error from inside its own notification handler, so it is closed
    // once that has returned.
    laterInSession([this] {
        if (!isOpen())
            return;
        closeSerialPort();
        emit sgnDeviceLost();
    });
}

void SerialPort::laterInSession(const std::function<void()> &work)
{
    const int session = m_openCount;
    QMetaObject::invokeMethod(
        this,
        [this, session, work] {
            // A port opened anew meanwhile is another line; this was about the old one.
            if (session == m_openCount)
                work();
        },
        Qt::QueuedConnection);
}
