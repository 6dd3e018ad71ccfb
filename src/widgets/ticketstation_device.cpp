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
constexpr int kDeviceLostTipTime = 3000;

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
    const QString portName = portNameFromEntry(name);
    if (portName.isEmpty() || !dispenser.open(portName))
        return;
    ui->btnConnect->setText(QObject::tr("断开连接"));
    ui->cmbSerialPort->setEnabled(false);
}

void TicketStation::onBtnSetTime()
{
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
    takeDesignSettings();
    dispenser.sendSettings(systemConfigValues(design->settings));
}

void TicketStation::onTestPrint()
{
    const int tab = ui->tabWidget->currentIndex();
    TtQTextEdit *editor = pageEditor(tab);
    const QByteArray arry = testPrintData(tab, editor ? renderPage(*editor->page()) : QImage());
    dispenser.testPrint(arry);

    const QByteArray line = testPrintDumpLine(arry);
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fflush(stdout);
}

void TicketStation::refreshPortList(const QStringList &portlist)
{
    refreshPortEntries(ui->cmbSerialPort, portlist);
}

void TicketStation::showProgress(int percentage)
{
    const QString text =
        QStringLiteral(" %1 : %2 %").arg(QObject::tr("当前进度"), QString::number(percentage));
    tip->showTip(text, this, kProgressTipTime);
}

void TicketStation::onDeviceLost()
{
    showDisconnected(ui);
    tip->showTip(QObject::tr("设备连接已断开"), this, kDeviceLostTipTime);
}
