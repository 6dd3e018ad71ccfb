#include "ticketstation.h"

#include "design.h"
#include "designfileactions.h"
#include "devicepanel.h"
#include "editactions.h"
#include "helpwindow.h"
#include "languages.h"
#include "pagetabs.h"
#include "qttransparenttisp.h"
#include "settingspanel.h"
#include "stationpaths.h"
#include "ticketpage.h"
#include "ttqedittool.h"
#include "ttqtextedit.h"
#include "ui_ticketstation.h"
#include "zoomcontrol.h"

#include <QActionGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QMessageBox>

TicketStation::TicketStation(QWidget *parent, const DispenserTiming &timing)
    : QMainWindow(parent), stationFile(settingsFilePath()), station(stationFile.read()),
      ui(new Ui::TicketStationClass)
{
    // The form below must be built after the catalogue is in place so it comes up translated.
    // Without a choice the interface is Chinese, and Qt's own dialogs must be Chinese too.
    installInterfaceLanguage(this, catalogueDir(),
                             station.language.isEmpty() ? QString::fromLatin1(kCatalogueChinese)
                                                        : station.language);
    design = std::make_unique<Design>(station.pageCount, station.maxHeight);

    ui->setupUi(this);
    pageTabs = new PageTabs(*design, *ui, this);
    fileActions = new DesignFileActions(*design, stationFile, station, *ui, this);
    connect(fileActions, &DesignFileActions::notice, this, &TicketStation::showNotice);
    connect(fileActions, &DesignFileActions::designShown, this, &TicketStation::showFreshDesign);
    connect(ui->actQuit, &QAction::triggered, this, &QWidget::close);
    ui->actQuit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    setupEditActions();
    setupZoom();
    connect(ui->actEnglish, &QAction::triggered, this,
            [this] { chooseLanguage(kCatalogueEnglish); });
    connect(ui->actChinese, &QAction::triggered, this,
            [this] { chooseLanguage(kCatalogueChinese); });
    connect(ui->actPolish_3, &QAction::triggered, this,
            [this] { chooseLanguage(kCataloguePolish); });
    connect(ui->action_5, &QAction::triggered, this, &TicketStation::showAbout);
    // The language the program was started in is checked; a choice, stored for the next start,
    // moves the check.
    auto *languages = new QActionGroup(this);
    const QString chosen =
        station.language.isEmpty() ? QString::fromLatin1(kCatalogueChinese) : station.language;
    for (const auto &[action, catalogue] : {std::pair{ui->actChinese, kCatalogueChinese},
                                            std::pair{ui->actEnglish, kCatalogueEnglish},
                                            std::pair{ui->actPolish_3, kCataloguePolish}}) {
        action->setCheckable(true);
        action->setChecked(chosen == QLatin1String(catalogue));
        languages->addAction(action);
    }
    auto *guide = new QAction(tr("操作指南(&G)"), this);
    guide->setShortcut(QKeySequence::HelpContents);
    ui->menu_2->insertAction(ui->action_5, guide);
    connect(guide, &QAction::triggered, this,
            [this] { HelpWindow::showGuide(this, station.language); });

    // The window shows the design: its pages as tabs, its file and state in the title.
    connect(design.get(), &Design::modificationChanged, this, &QWidget::setWindowModified);
    connect(design.get(), &Design::filePathChanged, this, &TicketStation::updateTitle);
    const auto funcSetTabTextEditBindEditTool = [this] {
        if (TtQTextEdit *edit = pageEditor(-1))
            ui->TtQEditToolClass->bindTextEdit(edit);
        editActions->bind(pageEditor(-1));
    };
    connect(pageTabs, &PageTabs::currentPageChanged, this, funcSetTabTextEditBindEditTool);

    tip = new QtTransparentTisp(false, nullptr);

    m_devicePanel =
        new DevicePanel(this, {ui->cmbSerialPort, ui->btnConnect, ui->labVersion, ui->labState},
                        *design, tip, timing);
    m_devicePanel->setRecentPorts(station.recentPorts);
    connect(m_devicePanel, &DevicePanel::portOpened, this, &TicketStation::rememberPort);
    ui->menuView->addAction(m_devicePanel->jobLogAction());
    connect(ui->btnConnect, &QAbstractButton::clicked, this, &TicketStation::onConnectSerialPort);
    connect(ui->btnSetSystem, &QAbstractButton::clicked, this, &TicketStation::onBtnSetSystem);
    connect(ui->btnSetTime, &QAbstractButton::clicked, this, &TicketStation::onBtnSetTime);

    settingsPanel = new SettingsPanel(*ui, this);
    settingsPanel->showPageHeight(design->maxHeight());
    connect(settingsPanel, &SettingsPanel::settingsEdited, design.get(), &Design::setSettings);
    connect(settingsPanel, &SettingsPanel::pageHeightChosen, this, &TicketStation::setPageHeight);

    connect(ui->TtQEditToolClass, &TtQEditTool::sgnDown, this, &TicketStation::onDownPic);
    connect(ui->TtQEditToolClass, &TtQEditTool::sgnTestPrint, this, &TicketStation::onTestPrint);
    connect(ui->TtQEditToolClass, &TtQEditTool::sgnPreview, this, &TicketStation::onPreview);
    connect(ui->TtQEditToolClass, &TtQEditTool::sgnSharpText, this,
            [this](bool sharp) { design->setSharpText(sharp); });

    fileActions->startSession();
    funcSetTabTextEditBindEditTool();
    updateTitle();
}

TicketStation::~TicketStation()
{
    // The editors show the design's pages, so they go first.
    delete pageTabs;
    // The tip is a window of its own, so nothing else would delete it.
    delete tip;
    delete ui;
}

void TicketStation::showNotice(const QString &text, bool error)
{
    tip->showTip(text, this, error ? kTipErrorMs : kTipNoticeMs);
}

TtQTextEdit *TicketStation::pageEditor(int index) const
{
    return pageTabs->editor(index);
}

void TicketStation::showAbout()
{
    QMessageBox::about(
        this, QObject::tr("关于 TicketStation"),
        QStringLiteral("TicketStation\n") +
            QObject::tr("版本 %1，基于 Qt %2")
                .arg(QStringLiteral(TICKETSTATION_VERSION), QString::fromLatin1(qVersion())));
}

void TicketStation::setPageHeight(int dots)
{
    station.maxHeight = dots;
    design->setMaxHeight(dots);
    // The editors mark where the page ends.
    for (TtQTextEdit *editor : pageTabs->editors())
        editor->viewport()->update();
    if (!stationFile.writePageHeight(dots))
        showNotice(QObject::tr("保存失败：%1").arg(QStringLiteral("settings.ini")), true);
}

void TicketStation::setupZoom()
{
    zoom = new ZoomControl(this);
    ui->menuView->addSeparator();
    ui->menuView->addActions(zoom->actions());
    QComboBox *box = zoom->createBox(this);
    ui->horizontalLayout_4->addStretch();
    ui->horizontalLayout_4->addWidget(box);
    connect(zoom, &ZoomControl::zoomChanged, this, [this](int percent) {
        const QList<TtQTextEdit *> &editors = pageTabs->editors();
        if (editors.isEmpty())
            return;
        const int before = editors.constFirst()->minimumWidth();
        for (TtQTextEdit *editor : editors)
            editor->setZoom(percent);
        // The window grows or shrinks by what the page did.
        resize(width() + editors.constFirst()->minimumWidth() - before, height());
    });
    // Pages shown afresh (after the page tabs built their editors) keep the zoom.
    connect(design.get(), &Design::pagesChanged, this, [this] {
        for (TtQTextEdit *editor : pageTabs->editors()) {
            editor->setZoom(zoom->zoom());
            connect(editor, &TtQTextEdit::zoomStepRequested, zoom, &ZoomControl::step);
        }
    });
    // A level chosen in the box, the operator goes on with the page.
    connect(box, QOverload<int>::of(&QComboBox::activated), this, [this] {
        if (TtQTextEdit *edit = pageEditor(-1))
            edit->setFocus(Qt::OtherFocusReason);
    });
}
