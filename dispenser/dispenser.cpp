#include "dispenser.h"

#include "datapacket.h"
#include "devicecommands.h"
#include "pagedownload.h"

#include <algorithm>
#include <utility>

namespace {

// The gap between frames is the device's own pace; a line stuck for ten of them is stuck.
constexpr int kStallGaps = 10;

FrameCutting deviceFraming()
{
    return {PACKET_PRINT_DAT, chunkFrames};
}

} // namespace

Dispenser::Dispenser(const DispenserTiming &timing, QObject *parent)
    : QObject(parent), m_timing(timing), m_link(deviceFraming(), timing.link)
{
    m_versionTimer.setSingleShot(true);
    m_answerTimer.setSingleShot(true);
    m_livenessTimer.setSingleShot(true);
    m_stallTimer.setSingleShot(true);
    m_stallTimer.setInterval(qMax(timing.stallTimeout, kStallGaps * timing.link.sendGap));
    connect(&m_versionTimer, &QTimer::timeout, this, [this] { askVersion(false); });
    connect(&m_answerTimer, &QTimer::timeout, this, &Dispenser::onAnswerTimeout);
    connect(&m_livenessTimer, &QTimer::timeout, this, &Dispenser::askIfIdle);
    connect(&m_stallTimer, &QTimer::timeout, this, &Dispenser::onStallTimeout);
    connect(&m_link, &SerialPort::sgnFindNewSerialPort, this, &Dispenser::portsFound);
    connect(&m_link, &SerialPort::sgnReceiveDat, this, &Dispenser::handleReply);
    connect(&m_link, &SerialPort::sgnFrameSent, this, &Dispenser::onFrameSent);
    connect(&m_link, &SerialPort::sgnBytesAccepted, this, [this] {
        if (m_link.isWriting())
            m_stallTimer.start();
        else
            m_stallTimer.stop();
    });
    // The answer is waited for once the line has taken the query and everything before it, so
    // a slow line does not count against the device.
    connect(&m_link, &SerialPort::sgnQueueEmpty, this, [this] {
        m_stallTimer.stop();
        if (!m_awaiting.isEmpty())
            m_answerTimer.start(m_timing.answerTimeout);
    });
    connect(&m_link, &SerialPort::sgnConnected, this, [this] {
        setState(Open);
        if (m_link.isWriting())
            m_stallTimer.start();
        startVersionQuery();
    });
    connect(&m_link, &SerialPort::sgnOpenFailed, this, [this](const QString &why) {
        stopTimers();
        setState(Closed);
        // Why the line never came about is news before the jobs it took with it.
        emit openFailed(why);
        failAll(LineLost);
    });
    connect(&m_link, &SerialPort::sgnDeviceLost, this, [this] {
        const bool duringDownload = isDownloading() || hasDownload(m_awaiting);
        failAll(LineLost);
        stopTimers();
        setState(Closed);
        emit lost(duringDownload);
    });
}

Dispenser::~Dispenser() = default;

bool Dispenser::open(const QString &portName)
{
    if (!m_link.openSerialPort(portName))
        return false;
    // A network port asks once it has connected.
    setState(m_link.isConnecting() ? Connecting : Open);
    if (!m_link.isConnecting())
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
    m_link.dropPendingFrames();
    // Closing the line is the operator's own doing: the jobs are given up, not lost.
    const QList<Running> queued = std::exchange(m_jobs, {});
    report(queued, Cancelled);
    failAll(LineLost);
    stopTimers();
    m_link.closeSerialPort();
    setState(Closed);
}

void Dispenser::stopTimers()
{
    m_versionTimer.stop();
    m_answerTimer.stop();
    m_livenessTimer.stop();
    m_stallTimer.stop();
    m_version.clear();
    m_missed = 0;
}

bool Dispenser::hasDownload(const QList<Running> &jobs)
{
    return std::any_of(jobs.cbegin(), jobs.cend(),
                       [](const Running &running) { return running.job == Download; });
}

int Dispenser::msForFrames(int frames) const
{
    return frames * m_timing.link.sendGap;
}

bool Dispenser::download(const DesignDownload &download)
{
    return startJob(Download, [this, &download] {
        for (const QByteArray &frame : downloadFrames(download))
            m_link.queueDat(frame);
    });
}

bool Dispenser::testPrint(const QByteArray &printData)
{
    return startJob(TestPrint, [this, &printData] { m_link.sendDat(printData); });
}

bool Dispenser::setClock(const QDateTime &time)
{
    return startJob(Clock, [this, &time] { m_link.queueDat(timeSetFrame(time)); });
}

bool Dispenser::sendSettings(const SystemConfigValues &values)
{
    return startJob(Settings, [this, &values] { m_link.queueDat(systemConfigFrame(values)); });
}

bool Dispenser::queryVersion()
{
    return askVersion(true);
}

bool Dispenser::askVersion(bool reported)
{
    return startJob(
        Version, [this] { m_link.queueDat(versionQueryFrame()); }, reported);
}

bool Dispenser::startJob(Job job, const std::function<void()> &queue, bool reported)
{
    if (!isOpen())
        return false;
    const int before = m_link.pendingFrames();
    queue();
    Running running;
    running.job = job;
    running.frames = m_link.pendingFrames() - before;
    running.reported = reported;
    // The device acknowledges nothing; its version reply after the job's frames is the only
    // sign that it read them.
    if (job != Version)
        m_link.queueDat(versionQueryFrame());
    m_jobs.append(running);
    m_livenessTimer.stop();
    if (!m_link.isConnecting() && !m_stallTimer.isActive())
        m_stallTimer.start();
    if (reported)
        emit jobQueued(job, running.frames);
    return true;
}

void Dispenser::onFrameSent()
{
    if (m_jobs.isEmpty())
        return;
    Running &head = m_jobs.first();
    ++head.written;
    const Running running = head;
    const int total = running.frames + (running.job == Version ? 0 : 1);
    if (running.written == total) {
        m_awaiting.append(m_jobs.takeFirst());
        m_sinceQuery.start();
        if (!m_link.isWriting())
            m_answerTimer.start(m_timing.answerTimeout);
    }
    if (!running.reported || running.written > running.frames)
        return;
    emit jobProgress(running.job, running.written, running.frames);
    if (running.written == running.frames)
        emit jobSent(running.job);
}

void Dispenser::handleReply(const QByteArray &dat)
{
    QString version;
    if (!versionFromReply(dat, &version))
        return;
    m_answerTimer.stop();
    m_missed = 0;
    m_version = version;
    const QList<Running> answered = std::exchange(m_awaiting, {});
    emit versionReceived(version);
    setState(Answering);
    for (const Running &running : answered) {
        if (running.reported)
            emit jobConfirmed(running.job);
    }
    scheduleLiveness();
}

void Dispenser::onAnswerTimeout()
{
    ++m_missed;
    const QList<Running> unanswered = std::exchange(m_awaiting, {});
    // A device never heard is not answering at its first silence; one that has answered
    // before is given a second query, as a reply may have been lost to noise.
    if (m_missed >= (m_version.isEmpty() ? 1 : 2))
        setState(NotAnswering);
    report(unanswered, NotConfirmed);
    scheduleLiveness();
}

void Dispenser::onStallTimeout()
{
    if (!m_link.isWriting() || m_link.isConnecting())
        return;
    failAll(Stalled);
    stopTimers();
    m_link.closeSerialPort();
    setState(Closed);
}

void Dispenser::cancel()
{
    m_link.dropPendingFrames();
    const QList<Running> dropped = std::exchange(m_jobs, {});
    if (!m_link.isWriting())
        m_stallTimer.stop();
    // The queries already written are still answered; the line has nothing more to write.
    if (!m_awaiting.isEmpty() && !m_answerTimer.isActive())
        m_answerTimer.start(m_timing.answerTimeout);
    report(dropped, Cancelled);
    scheduleLiveness();
}

void Dispenser::failAll(Failure failure)
{
    m_answerTimer.stop();
    QList<Running> jobs = std::exchange(m_awaiting, {});
    jobs += std::exchange(m_jobs, {});
    report(jobs, failure);
}

void Dispenser::report(const QList<Running> &jobs, Failure failure)
{
    for (const Running &running : jobs) {
        if (running.reported)
            emit jobFailed(running.job, failure, qMin(running.written, running.frames),
                           running.frames);
    }
}

void Dispenser::setState(State state)
{
    if (state == m_state)
        return;
    m_state = state;
    emit stateChanged(state);
}

void Dispenser::scheduleLiveness()
{
    if (m_timing.livenessInterval < 0 || !isOpen() || m_link.isConnecting() || !m_jobs.isEmpty() ||
        !m_awaiting.isEmpty() || m_versionTimer.isActive())
        return;
    // Counted from the last query, whatever asked it, so queries are never closer together.
    const qint64 since = m_sinceQuery.isValid() ? m_sinceQuery.elapsed() : 0;
    m_livenessTimer.start(int(qMax<qint64>(0, m_timing.livenessInterval - since)));
}

void Dispenser::askIfIdle()
{
    // Never in the middle of a transfer; the end of it schedules the next question.
    if (m_jobs.isEmpty() && m_awaiting.isEmpty())
        askVersion(false);
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
