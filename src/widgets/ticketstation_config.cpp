#include "ticketstation.h"

#include "defaultpage.h"
#include "design.h"
#include "designfile.h"
#include "designfileactions.h"
#include "devicepanel.h"
#include "editactions.h"
#include "operatordialogs.h"
#include "pagetabs.h"
#include "qttransparenttisp.h"
#include "settingspanel.h"
#include "stationpaths.h"
#include "ticketpage.h"
#include "ttqedittool.h"
#include "ttqtextedit.h"
#include "ui_ticketstation.h"
#include "zoomcontrol.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QShortcut>
#include <QTextDocument>
#include <QTranslator>

namespace {

constexpr int kRecentPorts = 8;

void fillMenu(QMenu *menu, const QList<QAction *> &actions)
{
    for (QAction *action : actions) {
        if (action)
            menu->addAction(action);
        else
            menu->addSeparator();
    }
}

} // namespace

void TicketStation::setupEditActions()
{
    TtQEditTool *tool = ui->TtQEditToolClass;
    fillMenu(ui->menuEdit, tool->editActions());
    editActions = new EditActions(this);
    ui->menuEdit->addSeparator();
    fillMenu(ui->menuEdit, editActions->actions());
    ui->menuView->addAction(tool->showAsPrintedAction());
    connect(tool->showAsPrintedAction(), &QAction::toggled, this, [this](bool asPrinted) {
        for (TtQTextEdit *editor : pageTabs->editors())
            editor->setShowAsPrinted(asPrinted);
    });
    connect(tool, &TtQEditTool::sgnNotice, this, [this](const QString &text) { showNotice(text); });
    fillMenu(ui->menuFormat, tool->formatActions());
    fillMenu(ui->menuInsert, tool->insertActions());
    // Download, preview and test print sit with the file's other ways out, as printing does.
    QAction *beforeQuit = ui->menu->actions().at(ui->menu->actions().indexOf(ui->actQuit) - 1);
    for (QAction *action : tool->deviceActions())
        ui->menu->insertAction(beforeQuit, action);

    // F10 opens the menus, as on the desktops operators know.
    auto *menus = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menus, &QShortcut::activated, this,
            [this] { ui->menubar->setActiveAction(ui->menu->menuAction()); });
}

void TicketStation::showDesignSettings()
{
    settingsPanel->showSettings(design->settings());
    ui->TtQEditToolClass->showSharpText(design->sharpText());
}

void TicketStation::updateTitle()
{
    const QString name = design->filePath().isEmpty() ? QObject::tr("未命名")
                                                      : QFileInfo(design->filePath()).fileName();
    setWindowTitle(QStringLiteral("%1[*] — TicketStation").arg(name));
    setWindowModified(design->isModified());
}

void TicketStation::onSave(QString path)
{
    fileActions->saveTo(path);
}

void TicketStation::onLoad(QString path)
{
    fileActions->open(path, false);
}

void TicketStation::showFreshDesign()
{
    showDesignSettings();
    pageTabs->forgetUndo();
    // A design is read from its start.
    pageTabs->showPage(0);
}

void TicketStation::closeEvent(QCloseEvent *event)
{
    if (m_devicePanel->confirmQuit() && fileActions->confirmDiscard())
        event->accept();
    else
        event->ignore();
}

void TicketStation::storeStationSettings()
{
    if (!stationFile.write(station))
        showNotice(QObject::tr("保存失败：%1").arg(QStringLiteral("settings.ini")), true);
}

void TicketStation::rememberPort(const QString &port)
{
    StationSettingsFile::remember(station.recentPorts, port, kRecentPorts);
    m_devicePanel->setRecentPorts(station.recentPorts);
    storeStationSettings();
}

void TicketStation::chooseLanguage(const QString &catalogue)
{
    station.language = catalogue;
    const bool stored = stationFile.write(station);
    // Said in the language chosen: it is the one the operator reads from the next start.
    QTranslator chosen;
    QString text = QObject::tr("重启后生效");
    if (chosen.load(catalogueDir() + catalogue)) {
        const QString translated = chosen.translate("QObject", "重启后生效");
        if (!translated.isEmpty())
            text = translated;
    }
    // Promising a change after restart that was never stored would mislead the operator.
    if (stored)
        tip->showTip(text, this, kTipNoticeMs);
    else
        tip->showTip(QObject::tr("保存失败：%1").arg(QStringLiteral("settings.ini")), this,
                     kTipNoticeMs);
}
