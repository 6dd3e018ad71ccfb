#include "design.h"
#include "devicecommands.h"
#include "operatordialogs.h"
#include "pagerender.h"
#include "portentries.h"
#include "qttransparenttisp.h"
#include "ticketstation.h"
#include "transferprogress.h"
#include "ttqtextedit.h"
#include "ui_ticketstation.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QDateTime>

#include <cstdio>

namespace {
constexpr int kProgressTipTime = 1000;
constexpr int kNoticeTipTime = 3000;
// Long enough to read a reason; a click dismisses it sooner.
constexpr int kErrorTipTime = 10000;

void showDisconnected(Ui::TicketStationClass *ui)
{
    ui->btnConnect->setText(QObject::tr("连接设备"));
    ui->cmbSerialPort->setEnabled(true);
    ui->labVersion->setText(QObject::tr("版本号:--"));
    ui->labState->setText(QObject::tr("连接状态:--"));
}

QString incompleteDesign()
{
    return QObject::tr("设备将保留不完整的设计，直到下一次完整下载。");
}

} // namespace

void TicketStation::setupDevice()
{
    transferProgress = new TransferProgress(this);
    // A row of its own under the connection state, wherever the form puts that.
    const auto holdsState = [this](QLayoutItem *item) {
        return item->layout() && item->layout()->indexOf(ui->labState) >= 0;
    };
    for (QBoxLayout *column : findChildren<QBoxLayout *>()) {
        for (int i = 0; i < column->count(); ++i) {
            if (holdsState(column->itemAt(i)))
                column->insertWidget(i + 1, transferProgress);
        }
    }
    connect(transferProgress, &TransferProgress::stopRequested, this, &TicketStation::stopDownload);
    stopAction = new QAction(QObject::tr("停止下载"), this);
    stopAction->setObjectName(QStringLiteral("actStopDownload"));
    stopAction->setShortcut(QKeySequence(Qt::Key_Escape));
    stopAction->setEnabled(false);
    addAction(stopAction);
    connect(stopAction, &QAction::triggered, this, &TicketStation::stopDownload);

    connect(&dispenser, &Dispenser::portsFound, this, &TicketStation::refreshPortList);
    connect(&dispenser, &Dispenser::stateChanged, this, &TicketStation::showDeviceState);
    connect(&dispenser, &Dispenser::versionReceived, this, &TicketStation::showVersion);
    // Without this an unplugged device would go unnoticed until the operator pressed the button.
    connect(&dispenser, &Dispenser::lost, this, &TicketStation::onDeviceLost);
    connect(&dispenser, &Dispenser::openFailed, this, &TicketStation::onOpenFailed);
    connect(&dispenser, &Dispenser::jobProgress, this, &TicketStation::showJobProgress);
    connect(&dispenser, &Dispenser::jobSent, this, [this](Dispenser::Job job) {
        if (job == Dispenser::Download) {
            stopAction->setEnabled(false);
            transferProgress->showWaiting();
        }
    });
    connect(&dispenser, &Dispenser::jobConfirmed, this, [this](Dispenser::Job job) {
        if (job != Dispenser::Download)
            return;
        transferProgress->finish();
        showNotice(QObject::tr("下载完成：设备已应答"));
    });
    connect(&dispenser, &Dispenser::jobFailed, this, &TicketStation::onJobFailed);
}

void TicketStation::onConnectSerialPort()
{
    const QString name = ui->cmbSerialPort->currentText();
    if (name.isEmpty())
        return;
    if (dispenser.isOpen()) {
        if (!askToStopDownload(QObject::tr("停止下载并断开连接？") + incompleteDesign()))
            return;
        dispenser.close();
        showDisconnected(ui);
        return;
    }
    const QString portName = portNameToOpen(name);
    if (!dispenser.open(portName)) {
        showNotice(QObject::tr("无法打开端口 %1：%2").arg(portName, dispenser.errorString()), true);
        return;
    }
    rememberPort(name);
    ui->btnConnect->setText(QObject::tr("断开连接"));
    ui->cmbSerialPort->setEnabled(false);
}

void TicketStation::showDeviceState(Dispenser::State state)
{
    switch (state) {
    case Dispenser::Closed:
        showDisconnected(ui);
        break;
    case Dispenser::Connecting:
        // A device server may take seconds to answer; until then the operator sees it is trying.
        ui->labState->setText(QObject::tr("连接状态:正在连接…"));
        break;
    case Dispenser::Open:
        ui->labState->setText(QObject::tr("连接状态:--"));
        break;
    case Dispenser::Answering:
        ui->labState->setText(QObject::tr("连接状态:已连接"));
        break;
    case Dispenser::NotAnswering:
        ui->labState->setText(QObject::tr("连接状态:设备无应答"));
        showNotice(QObject::tr("设备无应答：请检查端口是否正确、设备是否开机"), true);
        break;
    }
}

void TicketStation::showJobProgress(Dispenser::Job job, int sent, int frames)
{
    if (job != Dispenser::Download)
        return;
    stopAction->setEnabled(true);
    transferProgress->showProgress(sent, frames, dispenser.msForFrames(frames - sent));
    // The tip stays on top of everything; it must not cover a question being asked.
    if (QApplication::activeModalWidget())
        return;
    const QString text =
        QStringLiteral(" %1 : %2 %")
            .arg(QObject::tr("当前进度"), QString::number(transferPercentage(sent, frames)));
    tip->showTip(text, this, kProgressTipTime);
}

void TicketStation::onJobFailed(Dispenser::Job job, Dispenser::Failure failure, int sent,
                                int frames)
{
    if (job != Dispenser::Download) {
        if (failure == Dispenser::NotConfirmed)
            showNotice(QObject::tr("已发送，但设备之后没有应答"), true);
        else if (failure == Dispenser::Stalled)
            showNotice(QObject::tr("设备停止接收数据，连接已关闭"), true);
        return;
    }
    stopAction->setEnabled(false);
    transferProgress->finish();
    tip->hide();
    switch (failure) {
    case Dispenser::LineLost:
        // onDeviceLost tells the operator.
        break;
    case Dispenser::Stalled:
        Asker::warning(
            this, QStringLiteral("TicketStation"),
            QObject::tr("设备停止接收数据（已发送 %1/%2 帧），连接已关闭。").arg(sent).arg(frames) +
                incompleteDesign());
        break;
    case Dispenser::NotConfirmed:
        Asker::warning(this, QStringLiteral("TicketStation"),
                       QObject::tr("设计已发送，但设备之后没有应答；设备可能没有保存它。"));
        break;
    case Dispenser::Cancelled:
        showNotice(sent == 0
                       ? QObject::tr("下载已停止，没有发送任何数据")
                       : QObject::tr("下载已停止（已发送 %1/%2 帧）。").arg(sent).arg(frames) +
                             incompleteDesign(),
                   true);
        break;
    }
}

bool TicketStation::askToStopDownload(const QString &question)
{
    if (!dispenser.isDownloading())
        return true;
    tip->hide();
    if (Asker::question(this, QStringLiteral("TicketStation"), question,
                        QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return false;
    dispenser.cancel();
    return true;
}

void TicketStation::stopDownload()
{
    askToStopDownload(QObject::tr("停止下载？") + incompleteDesign());
}

bool TicketStation::confirmStopTransfer()
{
    return askToStopDownload(QObject::tr("下载尚未完成，退出会中断它。") + incompleteDesign() +
                             QLatin1Char('\n') + QObject::tr("仍要退出吗？"));
}

void TicketStation::onBtnSetTime()
{
    if (requireConnection())
        dispenser.setClock(QDateTime::currentDateTime());
}

void TicketStation::onReceiveDatFromSerialPort(QByteArray dat)
{
    dispenser.handleReply(dat);
}

void TicketStation::showVersion(const QString &version)
{
    ui->labVersion->setText(QObject::tr("版本号:%1").arg(version));
}

void TicketStation::onBtnSetSystem()
{
    if (requireConnection())
        dispenser.sendSettings(systemConfigValues(design->settings()));
}

void TicketStation::onTestPrint()
{
    const int tab = ui->tabWidget->currentIndex();
    TtQTextEdit *editor = pageEditor(tab);
    const QByteArray arry = testPrintData(tab, editor ? renderPage(*editor->page()) : QImage());
    if (requireConnection())
        dispenser.testPrint(arry);

    const QByteArray line = testPrintDumpLine(arry);
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fflush(stdout);
}

void TicketStation::refreshPortList(const QStringList &portlist)
{
    // Ports used before stay offered, a tcp:// address or a port unplugged just now included.
    QStringList entries = portlist;
    for (const QString &port : station.recentPorts) {
        if (!entries.contains(port))
            entries.append(port);
    }
    refreshPortEntries(ui->cmbSerialPort, entries);
}

void TicketStation::onDeviceLost(bool duringDownload)
{
    showDisconnected(ui);
    showNotice(
        duringDownload
            ? QObject::tr("设备连接已断开，下载未完成：设备中的设计不完整，请重新连接后再次下载")
            : QObject::tr("设备连接已断开"),
        true);
}

void TicketStation::onOpenFailed(const QString &why)
{
    // The port box stays disabled while the port is open, so it still names this port.
    const QString portName = portNameToOpen(ui->cmbSerialPort->currentText());
    showDisconnected(ui);
    showNotice(QObject::tr("无法打开端口 %1：%2").arg(portName, why), true);
}

void TicketStation::showNotice(const QString &text, bool error)
{
    tip->showTip(text, this, error ? kErrorTipTime : kNoticeTipTime);
}

bool TicketStation::requireConnection()
{
    if (dispenser.isOpen())
        return true;
    showNotice(QObject::tr("未连接设备：请先选择或输入端口，再点击“连接设备”"), true);
    return false;
}
