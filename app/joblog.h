#pragma once

#include "dispenser.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>

// One job of the session as the operator reads it afterwards.
struct JobRecord
{
    enum Outcome
    {
        Running,
        Confirmed,
        Failed,
    };
    QDateTime time; // when it was queued or refused
    QString port;
    Dispenser::Job job = Dispenser::Download;
    Outcome outcome = Running;
    QString text; // the state it is in, or how it ended
    int sent = 0;
    int frames = 0;
};

// The jobs of a session, oldest first: every job the dispenser reports, from queued to
// confirmed or failed, and every job refused before anything was queued.
class JobLog : public QObject
{
    Q_OBJECT
public:
    explicit JobLog(QObject *parent = nullptr);

    // Follows the jobs of `dispenser`, recorded on the port last given to setPort().
    void watch(const Dispenser &dispenser);
    void setPort(const QString &port) { m_port = port; }
    void addRefused(Dispenser::Job job, const QString &why);

    const QList<JobRecord> &records() const { return m_records; }

signals:
    // Record `index` was added or changed.
    void changed(int index);

private:
    // The oldest record of `job` still running: the dispenser carries jobs out in order.
    int running(Dispenser::Job job) const;
    void update(int index, JobRecord::Outcome outcome, const QString &text, int sent);
    void add(const JobRecord &record);

    QList<JobRecord> m_records;
    QString m_port;
};
