#include "dispenser.h"

#include "devicecommands.h"
#include "pagedownload.h"

Dispenser::Dispenser(const DispenserTiming &timing, QObject *parent)
    : QObject(parent), m_timing(timing), m_link(timing.link)
{
    m_versionTimer.setSingleShot(true);
    m_answerTimer.setSingleShot(true);
    connect(&m_versionTimer, &QTimer::timeout, this, &Dispenser::queryVersion);
    connect(&m_answerTimer, &QTimer::timeout, this, &Dispenser::noAnswer);
    connect(&m_link, &SerialPort::sgnReceiveDat, this, &Dispenser::handleReply);
    connect(&m_link, &SerialPort::sgnTransmissionProgress, this, [this](int percentage) {
        if (m_downloading)
            emit progress(percentage);
    });
    connect(&m_link, &SerialPort::sgnQueueEmpty, this, [this] {
        if (!m_downloading)
            return;
        m_downloading = false;
        emit finished();
    });
    connect(&m_link, &SerialPort::sgnConnected, this, &Dispenser::startVersionQuery);
    connect(&m_link, &SerialPort::sgnOpenFailed, this, [this](const QString &why) {
        stopTimers();
        emit openFailed(why);
    });
    connect(&m_link, &SerialPort::sgnDeviceLost, this, [this] {
        const bool duringDownload = m_downloading;
        stopTimers();
        emit lost(duringDownload);
    });
}

Dispenser::~Dispenser() = default;

bool Dispenser::open(const QString &portName)
{
    if (!m_link.openSerialPort(portName))
        return false;
    // A network port asks once it has connected.
    if (!m_link.isConnecting())
        startVersionQuery();
    return true;
}

bool Dispenser::openDevice(QIODevice *device)
{
    if (!m_link.openDevice(device))
        return false;
    startVersionQuery();
    return true;
}

void Dispenser::startVersionQuery()
{
    if (m_timing.versionQueryDelay >= 0)
        m_versionTimer.start(m_timing.versionQueryDelay);
}

void Dispenser::close()
{
    stopTimers();
    m_link.closeSerialPort();
}

void Dispenser::stopTimers()
{
    m_versionTimer.stop();
    m_answerTimer.stop();
    m_version.clear();
    m_downloading = false;
}

bool Dispenser::download(const DesignDownload &download)
{
    if (!isOpen())
        return false;
    for (const QByteArray &frame : downloadFrames(download))
        m_link.queueDat(frame);
    m_downloading = true;
    return true;
}

bool Dispenser::testPrint(const QByteArray &printData)
{
    if (!isOpen())
        return false;
    m_link.sendDat(printData);
    return true;
}

bool Dispenser::setClock(const QDateTime &time)
{
    if (!isOpen())
        return false;
    m_link.queueDat(timeSetFrame(time));
    return true;
}

bool Dispenser::sendSettings(const SystemConfigValues &values)
{
    if (!isOpen())
        return false;
    m_link.queueDat(systemConfigFrame(values));
    return true;
}

bool Dispenser::queryVersion()
{
    if (!isOpen())
        return false;
    m_link.queueDat(versionQueryFrame());
    if (m_version.isEmpty())
        m_answerTimer.start(m_timing.answerTimeout);
    return true;
}

void Dispenser::handleReply(const QByteArray &dat)
{
    QString version;
    if (!versionFromReply(dat, &version))
        return;
    m_answerTimer.stop();
    m_version = version;
    emit versionReceived(version);
}

bool versionFromReply(const QByteArray &dat, QString *version)
{
    const int end = dat.indexOf('\0');
    QString val = QString::fromUtf8(end < 0 ? dat : dat.left(end));
    const QString marker = QStringLiteral("#VERSION:");
    if (!val.contains(marker))
        return false;
    *version = val.remove(marker);
    return true;
}
