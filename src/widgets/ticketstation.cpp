#include "ticketstation.h"

#include "design.h"
#include "designfileactions.h"
#include "devicepanel.h"
#include "languages.h"
#include "pagetabs.h"
#include "qttransparenttisp.h"
#include "stationpaths.h"
#include "ticketpage.h"
#include "ttqedittool.h"
#include "ttqtextedit.h"
#include "ui_ticketstation.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QMessageBox>

namespace {
constexpr int kNoticeTipTime = 3000;
// Long enough to read a reason; a click dismisses it sooner.
constexpr int kErrorTipTime = 10000;
} // namespace

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
    ui->tabSet->setTabText(0, QStringLiteral("1"));
    ui->tabSet->setTabText(1, QStringLiteral("2"));
    pageTabs = new PageTabs(*design, *ui, this);
    fileActions = new DesignFileActions(*design, stationFile, station, *ui, this);
    connect(fileActions, &DesignFileActions::notice, this, &TicketStation::showNotice);
    connect(fileActions, &DesignFileActions::designShown, this, &TicketStation::showFreshDesign);
    connect(ui->actQuit, &QAction::triggered, this, &QWidget::close);
    ui->actQuit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    setupEditActions();
    connect(ui->actEnglish, &QAction::triggered, this,
            [this] { chooseLanguage(kCatalogueEnglish); });
    connect(ui->actChinese, &QAction::triggered, this,
            [this] { chooseLanguage(kCatalogueChinese); });
    connect(ui->actPolish_3, &QAction::triggered, this,
            [this] { chooseLanguage(kCataloguePolish); });
    connect(ui->action_5, &QAction::triggered, this, &TicketStation::showAbout);

    // The window shows the design: its pages as tabs, its file and state in the title.
    connect(design.get(), &Design::modificationChanged, this, &QWidget::setWindowModified);
    connect(design.get(), &Design::filePathChanged, this, &TicketStation::updateTitle);
    const auto funcSetTabTextEditBindEditTool = [this] {
        if (TtQTextEdit *edit = pageEditor(-1))
            ui->TtQEditToolClass->bindTextEdit(edit);
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

    setupSettingsTab();

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
    tip->showTip(text, this, error ? kErrorTipTime : kNoticeTipTime);
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
