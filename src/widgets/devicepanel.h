#pragma once

#include "dispenser.h"
#include "joblog.h"
#include "previewwriter.h"

#include <QObject>
#include <QStringList>

class Design;
class JobStatus;
class QAction;
class QComboBox;
class QLabel;
class QPushButton;
class QtTransparentTisp;
class QWidget;
class TransferProgress;

// The device side of the window: the port and its connection, the device's state and version,
// and the jobs sent to it (download, test print, clock, settings), each reported the same way
// in the status area, queued, progress, then confirmed or failed, and kept in the session's
// job log.
class DevicePanel : public QObject
{
    Q_OBJECT
public:
    // The form's widgets the panel shows the device in; the transfer's progress and the job
    // status go in rows of their own under the one holding `state`.
    struct Widgets
    {
        QComboBox *ports = nullptr;
        QPushButton *connect = nullptr;
        QLabel *version = nullptr;
        QLabel *state = nullptr;
    };

    DevicePanel(QWidget *window, const Widgets &widgets, const Design &design,
                QtTransparentTisp *tip, const DispenserTiming &timing);

    Dispenser &dispenser() { return m_dispenser; }
    // Ports used before, offered beside the ones the system finds.
    void setRecentPorts(const QStringList &ports);
    // Opens the job log; an action the window puts in a menu.
    QAction *jobLogAction() const { return m_jobLogAction; }

    void connectOrDisconnect();
    void setClock();
    void sendSettings();
    // Checks the design and, when the checks find something, asks before anything is sent.
    void download();
    void testPrint(int page);
    // Shows the design as the device would print it after a download; sends nothing.
    void preview();
    // Asked when the window closes: true when it may.
    bool confirmQuit();

signals:
    // A port was opened; the window remembers it.
    void portOpened(const QString &name);

private:
    void refreshPortList(const QStringList &found);
    void showDisconnected();
    void showDeviceState(Dispenser::State state);
    void showJobProgress(Dispenser::Job job, int sent, int frames);
    void onJobFailed(Dispenser::Job job, Dispenser::Failure failure, int sent, int frames);
    void onDeviceLost(bool duringDownload);
    void onOpenFailed(const QString &why);
    // The transfer the question was about ended: the question is withdrawn.
    void transferEnded();
    // Asks before a running download is stopped; true, the download stopped, when it may go on
    // (or none runs).
    bool askToStopDownload(const QString &question);
    void stopDownload();
    // A job the operator starts: what the status showed has been seen. False, the job refused
    // and reported, when no line is open.
    bool startJob(Dispenser::Job job);
    void refuse(Dispenser::Job job, const QString &why);
    // What happened to the line, in the tip; a click dismisses it.
    void showNotice(const QString &text);
    void openJobLog();

    QWidget *m_window;
    Widgets m_widgets;
    const Design &m_design;
    QtTransparentTisp *m_tip;
    Dispenser m_dispenser;
    JobLog m_log;
    PreviewWriter m_previewWriter;
    QStringList m_recentPorts;
    QString m_openPort;
    TransferProgress *m_progress;
    JobStatus *m_status;
    QAction *m_stopAction;
    QAction *m_jobLogAction;
    bool m_askingToStop = false;
};
