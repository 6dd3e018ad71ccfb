#pragma once

#include "serialport.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>

struct DesignDownload;
struct SystemConfigValues;

// Intervals of a connection, in milliseconds.
struct DispenserTiming
{
    LinkTiming link;
    // After opening, before the version query; negative: no query on opening, as a program
    // that only sends wants nothing else on the line.
    int versionQueryDelay = 1000;
    int answerTimeout = 3000; // a device that has not answered the query by then is silent
};

// One connected dispenser: owns the line, asks the device for its version once connected,
// reads its replies, and sends downloads, test prints, the clock and the system settings.
// Everything it learns it reports by signals.
class Dispenser : public QObject
{
    Q_OBJECT
public:
    explicit Dispenser(const DispenserTiming &timing = DispenserTiming(),
                       QObject *parent = nullptr);
    ~Dispenser() override;

    SerialPort &link() { return m_link; }

    // Opens the port and starts the version query; false, with errorString() telling why,
    // when the port cannot be opened. A network port (tcp://HOST:PORT) is connected after
    // this returns: the query waits for the connection, and openFailed() reports a failure.
    bool open(const QString &portName);
    // The same over an already open device, which the dispenser takes over.
    bool openDevice(QIODevice *device);
    void close();
    bool isOpen() const { return m_link.isOpen(); }
    QString errorString() const { return m_link.errorString(); }
    // The version the device answered with; empty until it has.
    QString version() const { return m_version; }
    // Whether a download is still being written.
    bool isDownloading() const { return m_downloading; }

    // Each queues its frames and returns true, or returns false without queueing anything
    // when no line is open.
    bool download(const DesignDownload &download);
    bool testPrint(const QByteArray &printData);
    bool setClock(const QDateTime &time);
    bool sendSettings(const SystemConfigValues &values);
    bool queryVersion();

public slots:
    // A burst read from the line; a version reply makes the device known.
    void handleReply(const QByteArray &dat);

signals:
    void versionReceived(const QString &version);
    // The device has not answered the version query in time.
    void noAnswer();
    // A network port could not be connected after all; the dispenser is closed again.
    void openFailed(const QString &why);
    // The line went away; `duringDownload` when it cut a download short.
    void lost(bool duringDownload);
    // Percent of the running download written.
    void progress(int percentage);
    // The whole download has been written.
    void finished();

private:
    void stopTimers();
    void startVersionQuery();

    DispenserTiming m_timing;
    SerialPort m_link;
    QTimer m_versionTimer;
    QTimer m_answerTimer;
    QString m_version;
    bool m_downloading = false;
};

// Whether a device reply carries a version, and which: the text up to a NUL with every
// "#VERSION:" taken out.
bool versionFromReply(const QByteArray &dat, QString *version);
