#pragma once

#include <QDialog>

class JobLog;
class QTreeWidget;

// The session's device jobs as a table the operator can keep open: time, port, job, outcome and
// frames, updated as the jobs go on.
class JobLogDialog : public QDialog
{
    Q_OBJECT
public:
    JobLogDialog(const JobLog &log, QWidget *parent = nullptr);

private:
    void showRecord(int index);

    const JobLog &m_log;
    QTreeWidget *m_table;
};
