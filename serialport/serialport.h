#pragma once

#include "framequeue.h"
#include "portdiscovery.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QSerialPort>
#include <QStringList>
#include <QTimer>

#include <functional>

// How bulk data is cut into frames. The line knows no protocol of its own: whoever owns it hands
// it the device's rule, and `sendDat(dat)` frames its data as `defaultType`.
struct FrameCutting
{
    int defaultType = 0;
    std::function<QList<QByteArray>(int type, const QByteArray &dat)> cut;
};

// Intervals of the link, in milliseconds; the device needs the default pacing, tests and
// benchmarks may shorten it.
struct LinkTiming
{
    int firstSendDelay = 50;   // before the first frame
    int sendGap = 300;         // between frames
    int receiveSilence = 30;   // quiet time that closes a received burst
    int discovery = 2000;      // port list refresh while no port is open
    int connectTimeout = 5000; // a network port not connected by then is unreachable
};

// The line to the dispenser: opens a serial port, or a TCP connection for a port written
// tcp://HOST:PORT (see tcpaddress.h); writes queued frames one at a time at the device's pace,
// and reports received bursts, progress and a device that went away by signals. Its send
// timer runs only while frames wait.
class SerialPort : public QObject
{
    Q_OBJECT
public:
    explicit SerialPort(const FrameCutting &cutting, const LinkTiming &timing = LinkTiming());
    ~SerialPort() override;

    // False, with errorString() telling why, when the port cannot be opened. A network port is
    // connected afterwards: sgnConnected or sgnOpenFailed tells how that went, and frames
    // queued meanwhile wait for it.
    bool openSerialPort(QString name);
    bool closeSerialPort();
    bool isOpen() const;
    // A network port is still being connected.
    bool isConnecting() const { return m_connecting; }
    // Why the last open failed.
    QString errorString() const { return m_errorString; }

    void queueDat(QByteArray dat);
    void sendDat(QByteArray dat);
    void sendDat(int type, QByteArray dat);
    // Frames not yet written.
    int pendingFrames() const { return m_sendList.size(); }
    // Drops the frames not yet written; those written go out whole.
    void dropPendingFrames();
    // Frames wait, or the port still holds bytes the system has not taken.
    bool isWriting() const;

signals:
    void sgnReceiveDat(QByteArray dat);
    void sgnFindNewSerialPort(QStringList portlist);
    void sgnSerialPortError();
    void sgnTransmissionProgress(int percentage);
    // The open port reported a resource error (device unplugged); the link has closed it.
    void sgnDeviceLost();
    // The system has taken bytes from the port: the line is moving.
    void sgnBytesAccepted();
    // The system has taken the last byte of a frame: that frame is on its way to the device.
    void sgnFrameSent();
    // The last queued frame has been written and the port has handed all of it to the driver.
    void sgnQueueEmpty();
    // A network port has connected.
    void sgnConnected();
    // A network port could not be connected (refused, unreachable, timed out); the link has
    // closed it again.
    void sgnOpenFailed(const QString &why);

private slots:
    void onFindNewSerialPort(const QStringList &portlist);
    void onReceiveDat();
    void onSendDat();

private:
    void attach(QIODevice *device);
    bool openTcpPort(const QString &name);
    void failConnecting(const QString &why);
    // Starts the send timer for the first frame after an idle spell.
    void scheduleSend();
    bool deviceGone(QSerialPort::SerialPortError error) const;
    void closeLostDevice();
    // Runs `work` once the current notification has returned, if the line is still this one.
    void laterInSession(const std::function<void()> &work);
    void reportQueueEmptyOnceWritten();

    FrameCutting m_cutting;
    LinkTiming m_timing;
    QTimer m_sendTimer;
    // Since the last frame was written, so that no frame follows it sooner than the gap.
    QElapsedTimer m_sinceWrite;
    // Bytes of each frame handed to the port that the system has not taken yet, oldest first.
    QList<qint64> m_untaken;
    QTimer m_receiveTimer;
    QTimer m_connectTimer;
    PortDiscovery m_discovery;
    FrameQueue m_sendList;
    QPointer<QIODevice> m_device;
    QString m_errorString;
    // Counts successful opens, so a late device-lost report cannot close a newer session.
    int m_openCount = 0;
    // The queue is empty but the port still holds bytes of the last frames.
    bool m_awaitingDrain = false;
    bool m_connecting = false;
};
