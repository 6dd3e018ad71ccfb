#pragma once

#include <QWidget>

class QLabel;
class QToolButton;

// Where the status area tells how the last device job went: its progress, its confirmation,
// or its failure. A failure is a warning that stays until the operator dismisses it or starts
// another job; nothing that happens meanwhile replaces it.
class JobStatus : public QWidget
{
    Q_OBJECT
public:
    explicit JobStatus(QWidget *parent = nullptr);

    void showBusy(const QString &text);
    void showDone(const QString &text);
    void showFailure(const QString &text);
    // The operator starts a job: whatever was shown has been seen.
    void clear();

    QString text() const;
    bool showsFailure() const { return m_failure; }

private:
    enum Kind
    {
        Busy,
        Done,
        Failure,
    };
    void show(const QString &text, Kind kind);

    QLabel *m_icon;
    QLabel *m_text;
    QToolButton *m_dismiss;
    bool m_failure = false;
};
