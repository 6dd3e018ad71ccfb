#include "design.h"
#include "devicecommands.h"
#include "pagerender.h"
#include "portentries.h"
#include "qttransparenttisp.h"
#include "ticketstation.h"
#include "ttqtextedit.h"
#include "ui_ticketstation.h"

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
} // namespace

void TicketStation::onConnectSerialPort()
{
    const QString name = ui->cmbSerialPort->currentText();
    if (name.isEmpty())
        return;
    if (dispenser.isOpen()) {
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
    // A device server may take seconds to answer; until then the operator sees it is trying.
    if (dispenser.link().isConnecting())
        ui->labState->setText(QObject::tr("连接状态:正在连接…"));
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
    ui->labState->setText(QObject::tr("连接状态:已连接"));
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

void TicketStation::showProgress(int percentage)
{
    const QString text =
        QStringLiteral(" %1 : %2 %").arg(QObject::tr("当前进度"), QString::number(percentage));
    tip->showTip(text, this, kProgressTipTime);
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
