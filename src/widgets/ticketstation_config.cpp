#include "ticketstation.h"

#include "design.h"
#include "designfile.h"
#include "operatordialogs.h"
#include "qttransparenttisp.h"
#include "stationpaths.h"
#include "ticketpage.h"
#include "ui_ticketstation.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QTextDocument>

namespace {

constexpr int kNoticeMs = 3000;
constexpr int kSavedNoticeMs = 1500;
constexpr int kRecentDesigns = 8;

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

DesignSettings TicketStation::shownSettings() const
{
    DesignSettings settings;
    settings.netWork = ui->cmbNetWork->currentIndex();
    settings.clearNumberTime = ui->cmbClearNumberTime->currentIndex();
    settings.numberFormat = ui->cmbNumberFormat->currentIndex();
    settings.ticketingInterval = ui->spbTicketingInterval->value();
    const QList<QSpinBox *> limits = numberLimitBoxes(*ui);
    for (int i = 0; i < limits.size(); ++i)
        settings.numberLimits[size_t(i)] = limits.at(i)->value();
    settings.enableLimit = ui->cbEnableLimit->isChecked();
    return settings;
}

void TicketStation::takeDesignSettings()
{
    design->settings = shownSettings();
}

void TicketStation::onSave(QString path)
{
    takeDesignSettings();
    const QString error = writeDesignFile(path, design->toJson());
    const QString name = QFileInfo(path).fileName();
    if (error.isEmpty()) {
        markDesignSaved();
        rememberDesign(path);
    }
    if (!tip)
        return;
    if (error.isEmpty())
        tip->showTip(QObject::tr("已保存：%1").arg(name), this, kSavedNoticeMs);
    else
        showNotice(QObject::tr("保存失败：%1").arg(name) + QLatin1Char('\n') + error, true);
}

void TicketStation::onLoad(QString path)
{
    // The start-up design is simply absent on a first start: nothing to tell.
    loadDesign(path, false);
}

void TicketStation::loadDesign(const QString &path, bool reportFailures)
{
    const DesignReadResult read = readDesignFile(path);
    // Anything that is not a design would blank every page: it is refused and nothing changes.
    const QString error = !read.ok                     ? read.error
                          : !isDesignObject(read.root) ? QObject::tr("这不是设计文件")
                                                       : QString();
    if (!error.isEmpty()) {
        if (reportFailures && tip)
            showNotice(QObject::tr("打开失败：%1").arg(QFileInfo(path).fileName()) +
                           QLatin1Char('\n') + error,
                       true);
        return;
    }
    design->loadJson(read.root);
    showDesignSettings();
    ui->TtQEditToolClass->showSharpText(design->sharpText());
    markDesignSaved();
    if (reportFailures)
        rememberDesign(path);
    // The last page ends up current, as when the pages were shown one by one.
    if (!pageEditors.isEmpty())
        ui->tabWidget->setCurrentIndex(pageEditors.size() - 1);
}

void TicketStation::openDesign()
{
    if (!confirmDiscard())
        return;
    const QString path = FileChooser::openFileName(this, QObject::tr("打开配置文件"), lastFolder(),
                                                   QStringLiteral("*.json"));
    if (path.isEmpty())
        return;
    loadDesign(path, true);
}

void TicketStation::saveDesignAs()
{
    QString path = FileChooser::saveFileName(this, QObject::tr("保存配置文件"),
                                             lastFolder() + QStringLiteral("/Config.json"),
                                             QStringLiteral("*.json"));
    if (path.isEmpty())
        return;
    // A name typed without the extension is still a design file.
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".json");
    onSave(path);
}

bool TicketStation::isDesignModified() const
{
    for (TicketPage *page : design->pages()) {
        if (page->document()->isModified())
            return true;
    }
    return !(shownSettings() == savedSettings) || design->sharpText() != savedSharpText;
}

void TicketStation::markDesignSaved()
{
    savedSettings = shownSettings();
    savedSharpText = design->sharpText();
    for (TicketPage *page : design->pages())
        page->document()->setModified(false);
}

bool TicketStation::confirmDiscard()
{
    if (!isDesignModified())
        return true;
    const QMessageBox::StandardButton answer = Asker::question(
        this, QStringLiteral("TicketStation"), QObject::tr("设计已修改，是否保存？"),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Cancel)
        return false;
    if (answer == QMessageBox::Save) {
        onSave(startupDesignPath());
        return !isDesignModified();
    }
    return true;
}

void TicketStation::closeEvent(QCloseEvent *event)
{
    if (confirmStopTransfer() && confirmDiscard())
        event->accept();
    else
        event->ignore();
}

void TicketStation::rememberDesign(const QString &path)
{
    QSettings ini(settingsFilePath(), QSettings::IniFormat);
    QStringList recent = ini.value(QStringLiteral("RecentDesigns")).toStringList();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    recent.removeAll(absolute);
    recent.prepend(absolute);
    ini.setValue(QStringLiteral("RecentDesigns"), QStringList(recent.mid(0, kRecentDesigns)));
    ini.setValue(QStringLiteral("LastFolder"), QFileInfo(path).absolutePath());
    refreshRecentDesigns();
}

void TicketStation::refreshRecentDesigns()
{
    recentMenu->clear();
    const QSettings ini(settingsFilePath(), QSettings::IniFormat);
    const QStringList recent = ini.value(QStringLiteral("RecentDesigns")).toStringList();
    for (const QString &path : recent) {
        QAction *action = recentMenu->addAction(QDir::toNativeSeparators(path));
        connect(action, &QAction::triggered, this, [this, path] {
            if (confirmDiscard())
                loadDesign(path, true);
        });
    }
    recentMenu->setEnabled(!recent.isEmpty());
}

QString TicketStation::lastFolder() const
{
    const QSettings ini(settingsFilePath(), QSettings::IniFormat);
    const QString folder = ini.value(QStringLiteral("LastFolder")).toString();
    return QFileInfo(folder).isDir() ? folder : QDir::homePath();
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
