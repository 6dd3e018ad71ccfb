#include "devicepanel.h"

#include "design.h"
#include "designjobs.h"
#include "devicecommands.h"
#include "joblogdialog.h"
#include "jobstatus.h"
#include "jobtexts.h"
#include "operatordialogs.h"
#include "pagepictures.h"
#include "portentries.h"
#include "printpreviewdialog.h"
#include "qttransparenttisp.h"
#include "stationpaths.h"
#include "ticketpage.h"
#include "ticketpreview.h"
#include "transferprogress.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QPushButton>

#include <cstdio>

namespace {
constexpr int kProgressTipTime = 1000;
} // namespace

DevicePanel::DevicePanel(QWidget *window, const Widgets &widgets, const Design &design,
                         QtTransparentTisp *tip, const DispenserTiming &timing)
    : QObject(window), m_window(window), m_widgets(widgets), m_design(design), m_tip(tip),
      m_dispenser(timing), m_progress(new TransferProgress(window)),
      m_status(new JobStatus(window)), m_stopAction(new QAction(QObject::tr("停止下载"), this)),
      m_jobLogAction(new QAction(QObject::tr("任务记录(&J)…"), this))
{
    // The transfer and the job's outcome under the connection state, wherever the form puts it.
    for (QBoxLayout *column : window->findChildren<QBoxLayout *>()) {
        for (int i = 0; i < column->count(); ++i) {
            QLayout *row = column->itemAt(i)->layout();
            if (row && row->indexOf(widgets.state) >= 0) {
                column->insertWidget(i + 1, m_progress);
                column->insertWidget(i + 2, m_status);
                break;
            }
        }
    }
    connect(m_progress, &TransferProgress::stopRequested, this, &DevicePanel::stopDownload);
    m_stopAction->setObjectName(QStringLiteral("actStopDownload"));
    m_stopAction->setShortcut(QKeySequence(Qt::Key_Escape));
    m_stopAction->setEnabled(false);
    window->addAction(m_stopAction);
    connect(m_stopAction, &QAction::triggered, this, &DevicePanel::stopDownload);
    m_jobLogAction->setObjectName(QStringLiteral("actJobLog"));
    connect(m_jobLogAction, &QAction::triggered, this, &DevicePanel::openJobLog);

    // A port the enumeration misses, or the emulator's terminal, can be typed in.
    widgets.ports->setEditable(true);
    refreshPortList({});
    m_log.watch(m_dispenser);
    connect(&m_dispenser, &Dispenser::portsFound, this, &DevicePanel::refreshPortList);
    connect(&m_dispenser, &Dispenser::stateChanged, this, &DevicePanel::showDeviceState);
    connect(&m_dispenser, &Dispenser::versionReceived, this, [this](const QString &version) {
        m_widgets.version->setText(QObject::tr("版本号:%1").arg(version));
        // Every answer is fresh news that the device is there.
        m_widgets.state->setText(QObject::tr("连接状态:已连接"));
    });
    // Without this an unplugged device would go unnoticed until the operator pressed a button.
    connect(&m_dispenser, &Dispenser::lost, this, &DevicePanel::onDeviceLost);
    connect(&m_dispenser, &Dispenser::openFailed, this, &DevicePanel::onOpenFailed);
    connect(&m_dispenser, &Dispenser::jobQueued, this,
            [this](Dispenser::Job job, int) { m_status->showBusy(jobQueuedText(job)); });
    connect(&m_dispenser, &Dispenser::jobProgress, this, &DevicePanel::showJobProgress);
    connect(&m_dispenser, &Dispenser::jobSent, this, [this](Dispenser::Job job) {
        m_status->showBusy(jobWaitingText(job));
        if (job == Dispenser::Download) {
            m_progress->showWaiting();
            transferEnded();
        }
    });
    connect(&m_dispenser, &Dispenser::jobConfirmed, this, [this](Dispenser::Job job) {
        if (job == Dispenser::Download)
            m_progress->finish();
        m_status->showDone(jobConfirmedText(job));
    });
    connect(&m_dispenser, &Dispenser::jobFailed, this, &DevicePanel::onJobFailed);
}

void DevicePanel::setRecentPorts(const QStringList &ports)
{
    m_recentPorts = ports;
}

void DevicePanel::refreshPortList(const QStringList &found)
{
    // Ports used before stay offered, a tcp:// address or a port unplugged just now included.
    QStringList entries = found;
    for (const QString &port : qAsConst(m_recentPorts)) {
        if (!entries.contains(port))
            entries.append(port);
    }
    refreshPortEntries(m_widgets.ports, entries);
}

void DevicePanel::showDisconnected()
{
    m_widgets.connect->setText(QObject::tr("连接设备"));
    m_widgets.ports->setEnabled(true);
    m_widgets.version->setText(QObject::tr("版本号:--"));
    m_widgets.state->setText(QObject::tr("连接状态:--"));
}

void DevicePanel::connectOrDisconnect()
{
    const QString name = m_widgets.ports->currentText();
    if (name.isEmpty())
        return;
    if (m_dispenser.isOpen()) {
        if (!askToStopDownload(QObject::tr("停止下载并断开连接？") + incompleteDesignText()))
            return;
        m_dispenser.close();
        showDisconnected();
        return;
    }
    const QString portName = portNameToOpen(name);
    if (!m_dispenser.open(portName)) {
        showNotice(QObject::tr("无法打开端口 %1：%2").arg(portName, m_dispenser.errorString()));
        return;
    }
    m_openPort = portName;
    m_log.setPort(portName);
    emit portOpened(name);
    m_widgets.connect->setText(QObject::tr("断开连接"));
    m_widgets.ports->setEnabled(false);
}

void DevicePanel::showDeviceState(Dispenser::State state)
{
    switch (state) {
    case Dispenser::Closed:
        showDisconnected();
        break;
    case Dispenser::Connecting:
        // A device server may take seconds to answer; until then the operator sees it is trying.
        m_widgets.state->setText(QObject::tr("连接状态:正在连接…"));
        break;
    case Dispenser::Open:
        m_widgets.state->setText(QObject::tr("连接状态:--"));
        break;
    case Dispenser::Answering:
        m_widgets.state->setText(QObject::tr("连接状态:已连接"));
        break;
    case Dispenser::NotAnswering:
        m_widgets.state->setText(QObject::tr("连接状态:设备无应答"));
        showNotice(QObject::tr("设备无应答：请检查端口是否正确、设备是否开机"));
        break;
    }
}

void DevicePanel::showJobProgress(Dispenser::Job job, int sent, int frames)
{
    m_status->showBusy(jobProgressText(job, sent, frames));
    if (job != Dispenser::Download)
        return;
    m_stopAction->setEnabled(true);
    m_progress->showProgress(sent, frames, m_dispenser.msForFrames(frames - sent));
    // The tip stays on top of everything; it must not cover a question being asked.
    if (QApplication::activeModalWidget())
        return;
    const QString text =
        QStringLiteral(" %1 : %2 %")
            .arg(QObject::tr("当前进度"), QString::number(transferPercentage(sent, frames)));
    m_tip->showTip(text, m_window, kProgressTipTime);
}

void DevicePanel::onJobFailed(Dispenser::Job job, Dispenser::Failure failure, int sent, int frames)
{
    if (job == Dispenser::Download) {
        m_progress->finish();
        m_tip->hide();
        transferEnded();
    }
    // The state says no more than the failure: a device that let a job go unanswered is not
    // shown as connected until it answers again.
    if (failure == Dispenser::NotConfirmed && m_dispenser.isOpen())
        m_widgets.state->setText(QObject::tr("连接状态:设备无应答"));
    m_status->showFailure(jobFailedText(job, failure, sent, frames));
}

void DevicePanel::transferEnded()
{
    m_stopAction->setEnabled(false);
    if (m_askingToStop)
        Asker::withdrawQuestion();
}

bool DevicePanel::askToStopDownload(const QString &question)
{
    if (!m_dispenser.isDownloading())
        return true;
    m_tip->hide();
    m_askingToStop = true;
    const QMessageBox::StandardButton answer =
        Asker::question(m_window, QStringLiteral("TicketStation"), question,
                        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    m_askingToStop = false;
    // Withdrawn (no button), the transfer ended while the question was up: there is nothing
    // left to stop, and the operator first sees how it ended.
    if (answer != QMessageBox::Yes)
        return false;
    m_dispenser.cancel();
    return true;
}

void DevicePanel::stopDownload()
{
    askToStopDownload(QObject::tr("停止下载？") + incompleteDesignText());
}

bool DevicePanel::confirmQuit()
{
    return askToStopDownload(QObject::tr("下载尚未完成，退出会中断它。") + incompleteDesignText() +
                             QLatin1Char('\n') + QObject::tr("仍要退出吗？"));
}

bool DevicePanel::startJob(Dispenser::Job job)
{
    m_status->clear();
    if (m_dispenser.isOpen())
        return true;
    refuse(job, QObject::tr("未连接设备：请先选择或输入端口，再点击“连接设备”"));
    return false;
}

void DevicePanel::refuse(Dispenser::Job job, const QString &why)
{
    m_log.addRefused(job, why);
    m_status->showFailure(jobRefusedText(job, why));
}

void DevicePanel::setClock()
{
    if (startJob(Dispenser::Clock))
        m_dispenser.setClock(QDateTime::currentDateTime());
}

void DevicePanel::sendSettings()
{
    if (startJob(Dispenser::Settings))
        m_dispenser.sendSettings(systemConfigValues(m_design.settings()));
}

void DevicePanel::testPrint(int page)
{
    m_status->clear();
    const PreparedTestPrint print = prepareTestPrint(m_design, page);
    if (!print.ok()) {
        refuse(Dispenser::TestPrint, print.error);
        return;
    }
    // The test page is dumped as it is built, connected or not.
    const QByteArray line = testPrintDumpLine(print.data);
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fflush(stdout);
    if (startJob(Dispenser::TestPrint))
        m_dispenser.testPrint(print.data);
}

void DevicePanel::download()
{
    if (!startJob(Dispenser::Download))
        return;
    const PreparedDownload prepared = prepareDownload(m_design);
    if (!prepared.ok()) {
        refuse(Dispenser::Download, prepared.error);
        return;
    }
    // The operator may want exactly this, but decides knowing what will differ.
    if (!prepared.findings.isEmpty() &&
        Asker::question(m_window, QObject::tr("下载设计"),
                        QObject::tr("检查发现：") + QLatin1Char('\n') +
                            findingTexts(prepared.findings).join(QLatin1Char('\n')) +
                            QLatin1String("\n\n") + QObject::tr("仍要下载吗？"),
                        QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    m_dispenser.download(prepared.download);
    // The bitmaps are for the operator's eyes only; the line need not wait for the disk.
    m_previewWriter.write(previewDir(), prepared.download.sentDots, prepared.download.pages);
}

void DevicePanel::preview()
{
    const PreparedDownload prepared = prepareDownload(m_design);
    if (!prepared.ok()) {
        Asker::warning(m_window, QObject::tr("打印预览"),
                       QObject::tr("无法生成预览：%1").arg(prepared.error));
        return;
    }
    const QList<TicketPreview> previews =
        previewTickets(prepared.download, QDateTime::currentDateTime());
    QStringList names;
    QList<QList<QRect>> cutPictures;
    for (int i = 0; i < previews.size(); ++i) {
        names << m_design.pageName(i);
        cutPictures << cutPictureParts(m_design.page(i)->document());
    }
    // Window-modal but not blocking, so the page editors stay as they are behind it.
    auto *dialog = new PrintPreviewDialog(m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setPages(previews, names, cutPictures);
    // Told in the dialog itself, where the operator looks at the pages concerned.
    dialog->setNotices(findingTexts(prepared.findings));
    dialog->open();
}

void DevicePanel::onDeviceLost(bool duringDownload)
{
    showDisconnected();
    // A download cut short is told as the job's failure, which stays.
    if (!duringDownload)
        showNotice(QObject::tr("设备连接已断开"));
}

void DevicePanel::onOpenFailed(const QString &why)
{
    showDisconnected();
    showNotice(QObject::tr("无法打开端口 %1：%2").arg(m_openPort, why));
}

void DevicePanel::showNotice(const QString &text)
{
    m_tip->showTip(text, m_window, kTipErrorMs);
}

void DevicePanel::openJobLog()
{
    auto *dialog = m_window->findChild<JobLogDialog *>();
    if (!dialog) {
        dialog = new JobLogDialog(m_log, m_window);
        dialog->setObjectName(QStringLiteral("jobLogDialog"));
    }
    dialog->show();
    dialog->raise();
}
