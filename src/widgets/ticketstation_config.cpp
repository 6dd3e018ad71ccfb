#include "ticketstation.h"

#include "defaultpage.h"
#include "design.h"
#include "designfile.h"
#include "editactions.h"
#include "operatordialogs.h"
#include "printnotices.h"
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

constexpr int kNoticeMs = 3000;
constexpr int kSavedNoticeMs = 1500;
constexpr int kRecentDesigns = 8;
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

bool hasContent(const TicketPage &page)
{
    return !page.document()->isEmpty() || !page.imageNames.isEmpty();
}

} // namespace

void TicketStation::setupFileActions()
{
    ui->actNew->setShortcut(QKeySequence::New);
    ui->Open->setShortcut(QKeySequence::Open);
    ui->Save->setShortcut(QKeySequence::Save);
    ui->SaveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    ui->actQuit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(ui->actNew, &QAction::triggered, this, &TicketStation::newDesign);
    connect(ui->Open, &QAction::triggered, this, &TicketStation::openDesign);
    connect(ui->Save, &QAction::triggered, this, &TicketStation::saveDesign);
    connect(ui->SaveAs, &QAction::triggered, this, &TicketStation::saveDesignAs);
    connect(ui->actUseAsStartup, &QAction::triggered, this, &TicketStation::useAsStartupDesign);
    connect(ui->actQuit, &QAction::triggered, this, &QWidget::close);
    recentMenu = new QMenu(QObject::tr("最近的设计(&R)"), this);
    ui->menu->insertMenu(ui->Save, recentMenu);
    refreshRecentDesigns();

    connect(ui->actAddPage, &QAction::triggered, this, &TicketStation::addPage);
    connect(ui->actRemovePage, &QAction::triggered, this, &TicketStation::removePage);
}

void TicketStation::setupEditActions()
{
    TtQEditTool *tool = ui->TtQEditToolClass;
    fillMenu(ui->menuEdit, tool->editActions());
    editActions = new EditActions(this);
    ui->menuEdit->addSeparator();
    fillMenu(ui->menuEdit, editActions->actions());
    ui->menuView->addAction(tool->showAsPrintedAction());
    connect(tool->showAsPrintedAction(), &QAction::toggled, this, [this](bool asPrinted) {
        for (TtQTextEdit *editor : qAsConst(pageEditors))
            editor->setShowAsPrinted(asPrinted);
    });
    connect(tool, &TtQEditTool::sgnNotice, this, [this](const QString &text) { showNotice(text); });
    fillMenu(ui->menuFormat, tool->formatActions());
    fillMenu(ui->menuInsert, tool->insertActions());
    // Download, preview and test print sit with the file's other ways out, as printing does.
    QAction *beforeQuit = ui->menu->actions().at(ui->menu->actions().indexOf(ui->actQuit) - 1);
    for (QAction *action : tool->deviceActions())
        ui->menu->insertAction(beforeQuit, action);

    // Ctrl+Tab goes through the pages wherever the focus is.
    auto *nextPage = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
    auto *previousPage = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), this);
    const auto step = [this](int by) {
        const int count = ui->tabWidget->count();
        if (count > 0)
            ui->tabWidget->setCurrentIndex((ui->tabWidget->currentIndex() + by + count) % count);
        if (TtQTextEdit *edit = pageEditor(-1))
            edit->setFocus(Qt::TabFocusReason);
    };
    connect(nextPage, &QShortcut::activated, this, [step] { step(1); });
    connect(previousPage, &QShortcut::activated, this, [step] { step(-1); });
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

void TicketStation::showDesignPages()
{
    const int current = qMax(0, ui->tabWidget->currentIndex());
    // The old editors show pages the design is about to drop: nothing may act on them.
    ui->TtQEditToolClass->bindTextEdit(nullptr);
    {
        const QSignalBlocker quiet(ui->tabWidget);
        for (TtQTextEdit *editor : qAsConst(pageEditors))
            delete editor->parentWidget();
        pageEditors.clear();
        QWidget *previous = ui->TtQEditToolClass;
        for (TicketPage *page : design->pages()) {
            auto *container = new QWidget;
            auto *layout = new QHBoxLayout(container);
            auto *editor = new TtQTextEdit(*page);
            editor->setShowAsPrinted(ui->TtQEditToolClass->showAsPrintedAction()->isChecked());
            connect(editor, &TtQTextEdit::zoomStepRequested, zoom, &ZoomControl::step);
            layout->addWidget(editor);
            editor->setSizePolicy(ui->textEdit->sizePolicy());
            editor->setMaximumSize(ui->textEdit->maximumSize());
            editor->setMinimumSize(ui->textEdit->minimumSize());
            editor->setZoom(zoom->zoom());
            ui->tabWidget->addTab(container, design->pageName(page->typeIndex - 1));
            pageEditors.append(editor);
            // Toolbar, then the page, then the settings: hidden pages are passed over.
            setTabOrder(previous, editor);
            previous = editor;
        }
        setTabOrder(previous, ui->tabSet);
        QStringList beyond;
        for (int number : design->pagesBeyondDevice())
            beyond.append(design->pageName(number - 1));
        beyondDeviceBanner->setText(
            QObject::tr("%1 超出了设备的 %2 种票类型：不会下载，但仍保存在设计文件中。")
                .arg(beyond.join(QStringLiteral(", ")))
                .arg(kMaxDesignPages));
        beyondDeviceBanner->setVisible(!beyond.isEmpty());
        ui->tabWidget->setCurrentIndex(qMin(current, pageEditors.size() - 1));
    }
    // Binds the toolbar to the page now shown.
    emit ui->tabWidget->currentChanged(ui->tabWidget->currentIndex());
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
    saveDesignTo(path);
}

bool TicketStation::saveDesignTo(const QString &path)
{
    const QString error = design->saveAs(path);
    const QString name = QFileInfo(path).fileName();
    if (!error.isEmpty()) {
        showNotice(QObject::tr("保存失败：%1").arg(name) + QLatin1Char('\n') + error, true);
        return false;
    }
    rememberDesign(path);
    tip->showTip(QObject::tr("已保存：%1").arg(name), this, kSavedNoticeMs);
    return true;
}

bool TicketStation::saveDesign()
{
    if (design->filePath().isEmpty())
        return saveDesignAs();
    return saveDesignTo(design->filePath());
}

bool TicketStation::saveDesignAs()
{
    const QString proposed = design->filePath().isEmpty()
                                 ? lastFolder() + QStringLiteral("/Config.json")
                                 : design->filePath();
    QString path = FileChooser::saveFileName(this, QObject::tr("保存配置文件"), proposed,
                                             QStringLiteral("*.json"));
    if (path.isEmpty())
        return false;
    // A name typed without the extension is still a design file.
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".json");
    return saveDesignTo(path);
}

void TicketStation::useAsStartupDesign()
{
    const QString startup = startupDesignPath();
    if (QFileInfo(design->filePath()) == QFileInfo(startup)) {
        saveDesign();
        return;
    }
    if (QFileInfo::exists(startup) &&
        Asker::question(this, QObject::tr("用作启动设计"),
                        QObject::tr("替换现有的启动设计？程序启动时将打开当前设计。"),
                        QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    // The design keeps its own file; the start-up design is a copy of it.
    const QString error = writeDesignFile(startup, design->toJson());
    if (error.isEmpty())
        showNotice(QObject::tr("已设为启动设计"));
    else
        showNotice(QObject::tr("保存失败：%1").arg(QFileInfo(startup).fileName()) +
                       QLatin1Char('\n') + error,
                   true);
}

void TicketStation::onLoad(QString path)
{
    // The start-up design is simply absent on a first start: nothing to tell.
    loadDesign(path, false);
}

bool TicketStation::loadDesign(const QString &path, bool reportFailures)
{
    const QString error = design->open(path);
    if (!error.isEmpty()) {
        if (reportFailures)
            showNotice(QObject::tr("打开失败：%1").arg(QFileInfo(path).fileName()) +
                           QLatin1Char('\n') + error,
                       true);
        return false;
    }
    showFreshDesign();
    // Told when the operator opens a design, not at every start, where checking every page
    // would only delay the window.
    if (reportFailures) {
        rememberDesign(path);
        const QStringList notices = printNotices(design->pages(), pageTitles(*ui->tabWidget));
        if (!notices.isEmpty())
            showNotice(notices.join(QLatin1Char('\n')), true);
    }
    // A design is read from its start.
    showPage(0);
    return true;
}

void TicketStation::newDesign()
{
    if (!confirmDiscard())
        return;
    design->startNew(station.pageCount, defaultPageHtml());
    showFreshDesign();
    // A new design is for typing into.
    showPage(0);
}

void TicketStation::showFreshDesign()
{
    showDesignSettings();
}

void TicketStation::showPage(int index)
{
    ui->tabWidget->setCurrentIndex(index);
    if (TtQTextEdit *edit = pageEditor(-1))
        edit->setFocus(Qt::OtherFocusReason);
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

void TicketStation::addPage()
{
    if (design->addPage(defaultPageHtml()))
        showPage(design->pageCount() - 1);
}

void TicketStation::removePage()
{
    const int index = ui->tabWidget->currentIndex();
    const TicketPage *page = design->page(index);
    if (!page || design->pageCount() <= 1)
        return;
    if (hasContent(*page) &&
        Asker::question(this, QObject::tr("删除类型"),
                        QObject::tr("删除%1及其内容？后面的类型将依次前移。")
                            .arg(ui->tabWidget->tabText(index)),
                        QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    design->removePage(index);
}

bool TicketStation::confirmDiscard()
{
    if (!design->isModified())
        return true;
    const QMessageBox::StandardButton answer = Asker::question(
        this, QStringLiteral("TicketStation"), QObject::tr("设计已修改，是否保存？"),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Cancel)
        return false;
    if (answer == QMessageBox::Save)
        return saveDesign();
    return true;
}

void TicketStation::closeEvent(QCloseEvent *event)
{
    if (confirmStopTransfer() && confirmDiscard())
        event->accept();
    else
        event->ignore();
}

void TicketStation::storeStationSettings()
{
    if (!stationFile.write(station))
        showNotice(QObject::tr("保存失败：%1").arg(QStringLiteral("settings.ini")), true);
}

void TicketStation::rememberDesign(const QString &path)
{
    const QFileInfo file(path);
    StationSettingsFile::remember(station.recentDesigns, file.absoluteFilePath(), kRecentDesigns);
    station.lastFolder = file.absolutePath();
    storeStationSettings();
    refreshRecentDesigns();
}

void TicketStation::rememberPort(const QString &port)
{
    StationSettingsFile::remember(station.recentPorts, port, kRecentPorts);
    storeStationSettings();
}

void TicketStation::refreshRecentDesigns()
{
    recentMenu->clear();
    for (const QString &path : station.recentDesigns) {
        QAction *action = recentMenu->addAction(QDir::toNativeSeparators(path));
        connect(action, &QAction::triggered, this, [this, path] {
            if (confirmDiscard())
                loadDesign(path, true);
        });
    }
    recentMenu->setEnabled(!station.recentDesigns.isEmpty());
}

QString TicketStation::lastFolder() const
{
    return QFileInfo(station.lastFolder).isDir() ? station.lastFolder : QDir::homePath();
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
        tip->showTip(text, this, kNoticeMs);
    else
        tip->showTip(QObject::tr("保存失败：%1").arg(QStringLiteral("settings.ini")), this,
                     kNoticeMs);
}
