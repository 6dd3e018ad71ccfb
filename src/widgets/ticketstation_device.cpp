#include "devicecommands.h"
#include "qttransparenttisp.h"
#include "ticketstation.h"
#include "ui_ticketstation.h"

#include <QDateTime>
#include <QTimer>

#include <cstdio>

namespace {
constexpr int kVersionQueryDelay = 1000;
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
    if (serialPort.isOpen()) {
        serialPort.closeSerialPort();
        showDisconnected(ui);
        return;
    }
    const QString portName = portNameFromEntry(name);
    if (portName.isEmpty() || !serialPort.openSerialPort(portName))
        return;
    ui->btnConnect->setText(QObject::tr("断开连接"));
    ui->cmbSerialPort->setEnabled(false);
    QTimer::singleShot(kVersionQueryDelay, this, &TicketStation::queueVersionQuery);
}

void TicketStation::onBtnSetTime()
{
    serialPort.queueDat(timeSetFrame(QDateTime::currentDateTime()));
}

void TicketStation::onReceiveDatFromSerialPort(QByteArray dat)
{
    const int end = dat.indexOf('\0');
    QString val = QString::fromUtf8(end < 0 ? dat : dat.left(end));
    const QString marker = QStringLiteral("#VERSION:");
    if (!val.contains(marker))
        return;
    const QString version = val.remove(marker);
    ui->labVersion->setText(QObject::tr("版本号:%1").arg(version));
    ui->labState->setText(QObject::tr("连接状态:已连接"));
}

void TicketStation::onBtnSetSystem()
{
    SystemConfigValues values;
    values.netWork = ui->cmbNetWork->currentData().toInt();
    values.clearNumberTime = ui->cmbClearNumberTime->currentData().toInt();
    values.ticketingInterval = ui->spbTicketingInterval->value();
    values.enableLimit = ui->cbEnableLimit->isChecked();
    values.numberFormatIndex = ui->cmbNumberFormat->currentIndex();
    values.numberLimits = {ui->spbNumberLimit_1->value(), ui->spbNumberLimit_2->value(),
                           ui->spbNumberLimit_3->value(), ui->spbNumberLimit_4->value(),
                           ui->spbNumberLimit_5->value(), ui->spbNumberLimit_6->value()};
    serialPort.queueDat(systemConfigFrame(values));
}

void TicketStation::onTestPrint()
{
    QByteArray arry = testPageStart();
    arry += testPageTab(ui->tabWidget->currentIndex());
    arry += GenPrintTextDat(BLOCK_NUMBER, QStringLiteral("001"));
    arry += GenPrintTextDat(BLOCK_QUEUE, QStringLiteral("002"));
    arry += GenPrintTextDat(BLOCK_DATETIME, QStringLiteral("7-17-2022 18:06:01"));
    arry += testPageEnd();
    serialPort.sendDat(arry);

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

void TicketStation::queueVersionQuery()
{
    serialPort.queueDat(versionQueryFrame());
}

void TicketStation::onDeviceLost()
{
    showDisconnected(ui);
    tip->showTip(QObject::tr("设备连接已断开"), this, kDeviceLostTipTime);
}
