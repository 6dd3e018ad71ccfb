#include "ticketstation.h"

#include "designfile.h"
#include "qttransparenttisp.h"
#include "ttqtextedit.h"
#include "ui_ticketstation.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>

namespace {

// The settings widgets a design stores; each is stored under its object name.
QList<QComboBox *> designComboBoxes(const Ui::TicketStationClass &ui)
{
    return {ui.cmbNetWork, ui.cmbClearNumberTime, ui.cmbNumberFormat};
}

QList<QSpinBox *> designSpinBoxes(const Ui::TicketStationClass &ui)
{
    return {ui.spbTicketingInterval, ui.spbNumberLimit_1, ui.spbNumberLimit_2, ui.spbNumberLimit_3,
            ui.spbNumberLimit_4,     ui.spbNumberLimit_5, ui.spbNumberLimit_6};
}

constexpr int kPageLoadSpacingMs = 100;
constexpr int kNoticeMs = 3000;
constexpr int kSavedNoticeMs = 1500;

} // namespace

void TicketStation::onSave(QString path)
{
    finishPageLoads();
    QJsonObject root;
    for (QComboBox *combo : designComboBoxes(*ui))
        root.insert(combo->objectName(), combo->currentIndex());
    for (QSpinBox *spin : designSpinBoxes(*ui))
        root.insert(spin->objectName(), spin->value());
    root.insert(ui->cbEnableLimit->objectName(), ui->cbEnableLimit->isChecked());
    for (TtQTextEdit *page : qAsConst(pageEditors))
        page->saveToJson(root);

    const QString error = writeDesignFile(path, root);
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
    const DesignReadResult design = readDesignFile(path);
    if (!design.ok) {
        if (reportFailures && tip)
            tip->showTip(QObject::tr("打开失败：%1").arg(QFileInfo(path).fileName()) +
                             QLatin1Char('\n') + design.error,
                         this, kNoticeMs);
        return;
    }

    const QJsonObject &root = design.root;
    for (QComboBox *combo : designComboBoxes(*ui))
        combo->setCurrentIndex(designInt(root, combo->objectName()));
    for (QSpinBox *spin : designSpinBoxes(*ui))
        spin->setValue(designInt(root, spin->objectName()));
    ui->cbEnableLimit->setChecked(designBool(root, ui->cbEnableLimit->objectName()));
    ui->ComGrouping->setEnabled(ui->cbEnableLimit->isChecked());

    // Pages are rebuilt one per timer tick, each shown while it is rebuilt, so the window stays
    // responsive with picture-heavy designs; the last page ends up current. A newer design
    // starts over from the first page, so pages never keep what an older one gave them.
    loadingDesign = root;
    nextPageToLoad = 0;
    if (pageEditors.isEmpty())
        pageLoadTimer.stop();
    else
        pageLoadTimer.start(0);
}

void TicketStation::loadNextPage()
{
    const int page = nextPageToLoad++;
    pageEditors[page]->loadFromJson(loadingDesign);
    ui->tabWidget->setCurrentIndex(page);
    if (nextPageToLoad < pageEditors.size()) {
        pageLoadTimer.start(kPageLoadSpacingMs);
    } else {
        pageLoadTimer.stop();
        loadingDesign = QJsonObject();
    }
}

void TicketStation::finishPageLoads()
{
    while (pageLoadTimer.isActive())
        loadNextPage();
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
    QSettings m_IniFile(QCoreApplication::applicationDirPath() +
                            QStringLiteral("/language/settings.ini"),
                        QSettings::IniFormat);
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
