#include "joblog.h"

#include "jobtexts.h"

JobLog::JobLog(QObject *parent) : QObject(parent) {}

void JobLog::watch(const Dispenser &dispenser)
{
    connect(&dispenser, &Dispenser::jobQueued, this, [this](Dispenser::Job job, int frames) {
        JobRecord record;
        record.job = job;
        record.frames = frames;
        record.text = jobQueuedText(job);
        add(record);
    });
    connect(&dispenser, &Dispenser::jobProgress, this,
            [this](Dispenser::Job job, int sent, int frames) {
                update(running(job), JobRecord::Running, jobProgressText(job, sent, frames), sent);
            });
    connect(&dispenser, &Dispenser::jobSent, this, [this](Dispenser::Job job) {
        const int index = running(job);
        if (index >= 0)
            update(index, JobRecord::Running, jobWaitingText(job), m_records.at(index).frames);
    });
    connect(&dispenser, &Dispenser::jobConfirmed, this, [this](Dispenser::Job job) {
        const int index = running(job);
        if (index >= 0)
            update(index, JobRecord::Confirmed, jobConfirmedText(job), m_records.at(index).frames);
    });
    connect(&dispenser, &Dispenser::jobFailed, this,
            [this](Dispenser::Job job, Dispenser::Failure failure, int sent, int frames) {
                update(running(job), JobRecord::Failed, jobFailedText(job, failure, sent, frames),
                       sent);
            });
}

void JobLog::addRefused(Dispenser::Job job, const QString &why)
{
    JobRecord record;
    record.job = job;
    record.outcome = JobRecord::Failed;
    record.text = jobRefusedText(job, why);
    add(record);
}

int JobLog::running(Dispenser::Job job) const
{
    for (int i = 0; i < m_records.size(); ++i) {
        if (m_records.at(i).job == job && m_records.at(i).outcome == JobRecord::Running)
            return i;
    }
    return -1;
}

void JobLog::update(int index, JobRecord::Outcome outcome, const QString &text, int sent)
{
    if (index < 0)
        return;
    JobRecord &record = m_records[index];
    record.outcome = outcome;
    record.text = text;
    record.sent = sent;
    emit changed(index);
}

void JobLog::add(const JobRecord &record)
{
    m_records << record;
    m_records.last().time = QDateTime::currentDateTime();
    m_records.last().port = m_port;
    emit changed(m_records.size() - 1);
}
