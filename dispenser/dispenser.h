#pragma once

#include "serialport.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

struct DesignDownload;
struct SystemConfigValues;

// Intervals of a connection, in milliseconds.
struct DispenserTiming
{
    LinkTiming link;
    // After opening, before the version query; negative: no query on opening, as a program
    // that only sends wants nothing else on the line.
    int versionQueryDelay = 1000;
    int answerTimeout = 3000; // a device that has not answered a query by then is silent
    // While connected and idle the version is asked this often; negative: never.
    int livenessInterval = 10000;
    // Frames wait and the system has taken no byte of them for this long: the line is stuck.
    // Never less than ten gaps between frames.
    int stallTimeout = 5000;
};

// One connected dispenser: owns the line, asks the device for its version once connected and
// now and then while idle, reads its replies, and carries out jobs: downloads, test prints,
// the clock and the system settings, and version queries. The device acknowledges no frame;
// its only answer is the version reply, so every job ends with a version query, and a job is
// confirmed only once the device has answered it. Everything it learns it reports by signals;
// nothing else touches the line.
class Dispenser : public QObject
{
    Q_OBJECT
public:
    enum Job
    {
        Download,
        TestPrint,
        Clock,
        Settings,
        Version,
    };
    Q_ENUM(Job)

    enum Failure
    {
        LineLost,     // the line went away
        Stalled,      // the line took no data for the stall time; the dispenser closed it
        NotConfirmed, // everything was written, but the device did not answer afterwards
        Cancelled,    // cancel() dropped the frames not yet written
    };
    Q_ENUM(Failure)

    enum State
    {
        Closed,
        Connecting,   // a network port is being connected
        Open,         // the device has not answered yet
        Answering,    // it answered the last query
        NotAnswering, // it left the queries unanswered: the first one, or two in a row
    };
    Q_ENUM(State)

    explicit Dispenser(const DispenserTiming &timing = DispenserTiming(),
                       QObject *parent = nullptr);
    ~Dispenser() override;

    // Opens the port and starts the version query; false, with errorString() telling why,
    // when the port cannot be opened. A network port (tcp://HOST:PORT) is connected after
    // this returns: the query waits for the connection, and openFailed() reports a failure.
    bool open(const QString &portName);
    // Closes the line: jobs whose frames wait fail as cancelled, those waiting for their answer
    // as lost.
    void close();
    bool isOpen() const { return m_link.isOpen(); }
    State state() const { return m_state; }
    QString errorString() const { return m_link.errorString(); }
    // The version the device answered with; empty until it has.
    QString version() const { return m_version; }
    // Whether frames of a download still wait for the line.
    bool isDownloading() const { return hasDownload(m_jobs); }
    // How long `frames` more frames take at the device's pace.
    int msForFrames(int frames) const;

    // Each queues its frames as one job and returns true, or returns false without queueing
    // anything when no line is open.
    bool download(const DesignDownload &download);
    bool testPrint(const QByteArray &printData);
    bool setClock(const QDateTime &time);
    bool sendSettings(const SystemConfigValues &values);
    bool queryVersion();
    // Drops every frame not yet written; each job they belong to fails as cancelled with what
    // it had sent. Jobs already written wait for their answer as before.
    void cancel();

public slots:
    // A burst read from the line; a version reply makes the device known and answers the
    // queries written so far.
    void handleReply(const QByteArray &dat);

signals:
    // The ports the system offers, while no line is open.
    void portsFound(const QStringList &ports);
    void stateChanged(Dispenser::State state);
    void versionReceived(const QString &version);
    // A network port could not be connected after all; the dispenser is closed again.
    void openFailed(const QString &why);
    // The line went away; `duringDownload` when a download was not confirmed yet.
    void lost(bool duringDownload);

    // A job's way: queued, then progress after each of its frames the system has taken, sent
    // once it has taken them all, then confirmed when the device answers, or failed. `sent`
    // counts the frames the system took.
    void jobQueued(Dispenser::Job job, int frames);
    void jobProgress(Dispenser::Job job, int sent, int frames);
    void jobSent(Dispenser::Job job);
    void jobConfirmed(Dispenser::Job job);
    void jobFailed(Dispenser::Job job, Dispenser::Failure failure, int sent, int frames);

private:
    struct Running
    {
        Job job = Version;
        int frames = 0;       // the job's own frames
        int written = 0;      // of those and the query behind them, taken by the system
        bool reported = true; // false for the dispenser's own queries
    };

    // Queues what `queue` puts on the line as one job, and the version query behind it.
    bool startJob(Job job, const std::function<void()> &queue, bool reported = true);
    bool askVersion(bool reported);
    static bool hasDownload(const QList<Running> &jobs);
    void onFrameSent();
    void onAnswerTimeout();
    void onStallTimeout();
    void failAll(Failure failure);
    void report(const QList<Running> &jobs, Failure failure);
    void setState(State state);
    void startVersionQuery();
    void scheduleLiveness();
    void askIfIdle();
    void stopTimers();

    DispenserTiming m_timing;
    SerialPort m_link;
    QTimer m_versionTimer;
    QTimer m_answerTimer;
    QTimer m_livenessTimer;
    QTimer m_stallTimer;
    QElapsedTimer m_sinceQuery;
    // Jobs whose frames wait for the line, oldest first; the first is being written.
    QList<Running> m_jobs;
    // Jobs written up to their query, waiting for the answer: queries not answered yet.
    QList<Running> m_awaiting;
    // Queries in a row the device left unanswered.
    int m_missed = 0;
    State m_state = Closed;
    QString m_version;
};

// Whether a device reply carries a version, and which: the text up to a NUL with every
// "#VERSION:" taken out.
bool versionFromReply(const QByteArray &dat, QString *version);
