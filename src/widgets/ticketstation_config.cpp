#include "ticketstation.h"

#include "design.h"
#include "designfile.h"
#include "qttransparenttisp.h"
#include "stationpaths.h"
#include "ui_ticketstation.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>

namespace {

constexpr int kNoticeMs = 3000;
constexpr int kSavedNoticeMs = 1500;

QList<QSpinBox *> numberLimitBoxes(const Ui::TicketStationClass &ui)
{
    return {ui.spbNumberLimit_1, ui.spbNumberLimit_2, ui.spbNumberLimit_3,
            ui.spbNumberLimit_4, ui.spbNumberLimit_5, ui.spbNumberLimit_6};
}

} // namespace

void TicketStation::showDesignSettings()
{
    const DesignSettings &settings = design->settings;
    ui->cmbNetWork->setCurrentIndex(settings.netWork);
    ui->cmbClearNumberTime->setCurrentIndex(settings.clearNumberTime);
    ui->cmbNumberFormat->setCurrentIndex(settings.numberFormat);
    ui->spbTicketingInterval->setValue(settings.ticketingInterval);
    const QList<QSpinBox *> limits = numberLimitBoxes(*ui);
    for (int i = 0; i < limits.size(); ++i)
        limits.at(i)->setValue(settings.numberLimits[size_t(i)]);
    ui->cbEnableLimit->setChecked(settings.enableLimit);
    ui->ComGrouping->setEnabled(settings.enableLimit);
}

void TicketStation::takeDesignSettings()
{
    DesignSettings &settings = design->settings;
    settings.netWork = ui->cmbNetWork->currentIndex();
    settings.clearNumberTime = ui->cmbClearNumberTime->currentIndex();
    settings.numberFormat = ui->cmbNumberFormat->currentIndex();
    settings.ticketingInterval = ui->spbTicketingInterval->value();
    const QList<QSpinBox *> limits = numberLimitBoxes(*ui);
    for (int i = 0; i < limits.size(); ++i)
        settings.numberLimits[size_t(i)] = limits.at(i)->value();
    settings.enableLimit = ui->cbEnableLimit->isChecked();
}

void TicketStation::onSave(QString path)
{
    takeDesignSettings();
    const QString error = writeDesignFile(path, design->toJson());
    const QString name = QFileInfo(path).fileName();
    if (!tip)
        return;
    if (error.isEmpty())
        tip->showTip(QObject::tr("已保存：%1").arg(name), this, kSavedNoticeMs);
    else
        tip->showTip(QObject::tr("保存失败：%1").arg(name) + QLatin1Char('\n') + error, this,
                     kNoticeMs);
}

void TicketStation::onLoad(QString path)
{
    // The start-up design is simply absent on a first start: nothing to tell.
    loadDesign(path, false);
}

void TicketStation::loadDesign(const QString &path, bool reportFailures)
{
    const DesignReadResult read = readDesignFile(path);
    if (!read.ok) {
        if (reportFailures && tip)
            tip->showTip(QObject::tr("打开失败：%1").arg(QFileInfo(path).fileName()) +
                             QLatin1Char('\n') + read.error,
                         this, kNoticeMs);
        return;
    }
    design->loadJson(read.root);
    showDesignSettings();
    // The last page ends up current, as when the pages were shown one by one.
    if (!pageEditors.isEmpty())
        ui->tabWidget->setCurrentIndex(pageEditors.size() - 1);
}

void TicketStation::openDesign()
{
    const QString path = QFileDialog::getOpenFileName(
        this, QObject::tr("打开配置文件"), QStringLiteral("./"), QStringLiteral("*.json"));
    if (path.isEmpty())
        return;
    loadDesign(path, true);
}

void TicketStation::saveDesignAs()
{
    const QString dir = QFileDialog::getExistingDirectory(
        this, QObject::tr("保存配置文件"), QStringLiteral("./"), QFileDialog::ShowDirsOnly);
    if (dir.isEmpty())
        return;
    onSave(dir + QStringLiteral("/Config.json"));
}

void TicketStation::chooseLanguage(const QString &catalogue)
{
    QSettings m_IniFile(settingsFilePath(), QSettings::IniFormat);
    m_IniFile.setValue(QStringLiteral("Language"), catalogue);
    m_IniFile.sync();
    if (!tip)
        return;
    // Promising a change after restart that was never stored would mislead the operator.
    if (m_IniFile.status() == QSettings::NoError)
        tip->showTip(QObject::tr("重启后生效"), this, kNoticeMs);
    else
        tip->showTip(QObject::tr("保存失败：%1").arg(QStringLiteral("settings.ini")), this,
                     kNoticeMs);
}
