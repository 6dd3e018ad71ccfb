#include "ticketstation.h"

#include "design.h"
#include "languages.h"
#include "qttransparenttisp.h"
#include "stationpaths.h"
#include "stationsettings.h"
#include "ticketpage.h"
#include "ttqedittool.h"
#include "ttqtextedit.h"
#include "ui_ticketstation.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>

namespace {

StationSettings readSettingsFile()
{
    QSettings m_IniFile(settingsFilePath(), QSettings::IniFormat);
    return readStationSettings(m_IniFile);
}

} // namespace

TicketStation::TicketStation(QWidget *parent, const DispenserTiming &timing)
    : QMainWindow(parent), dispenser(timing), ui(new Ui::TicketStationClass)
{
    const StationSettings settings = readSettingsFile();
    // The form below must be built after the catalogue is in place so it comes up translated.
    // Without a choice the interface is Chinese, and Qt's own dialogs must be Chinese too.
    installInterfaceLanguage(this, catalogueDir(),
                             settings.language.isEmpty() ? QString::fromLatin1(kCatalogueChinese)
                                                         : settings.language);
    design = std::make_unique<Design>(settings.pageCount, settings.maxHeight);

    ui->setupUi(this);
    ui->tabSet->setTabText(0, QStringLiteral("1"));
    ui->tabSet->setTabText(1, QStringLiteral("2"));

    connect(ui->actEnglish, &QAction::triggered, this,
            [this] { chooseLanguage(kCatalogueEnglish); });
    connect(ui->actChinese, &QAction::triggered, this,
            [this] { chooseLanguage(kCatalogueChinese); });
    connect(ui->actPolish_3, &QAction::triggered, this,
            [this] { chooseLanguage(kCataloguePolish); });
    connect(ui->Save, &QAction::triggered, this, [this] { onSave(startupDesignPath()); });
    connect(ui->SaveAs, &QAction::triggered, this, &TicketStation::saveDesignAs);
    connect(ui->Open, &QAction::triggered, this, &TicketStation::openDesign);
    ui->Open->setShortcut(QKeySequence::Open);
    ui->Save->setShortcut(QKeySequence::Save);
    ui->SaveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    recentMenu = new QMenu(QObject::tr("最近的设计"), this);
    ui->menu->addSeparator();
    ui->menu->addMenu(recentMenu);
    refreshRecentDesigns();

    // The form's page only carries the default content every real page starts from.
    ui->tabWidget->removeTab(0);
    for (int i = 1; i <= settings.pageCount; ++i) {
        TicketPage *page = design->page(i - 1);
        page->setHtml(ui->textEdit->toHtml());
        auto *layout = new QHBoxLayout;
        auto *container = new QWidget;
        auto *editor = new TtQTextEdit(*page);
        container->setLayout(layout);
        layout->addWidget(editor);
        editor->setSizePolicy(ui->textEdit->sizePolicy());
        editor->setMaximumSize(ui->textEdit->maximumSize());
        editor->setMinimumSize(ui->textEdit->minimumSize());
        ui->tabWidget->insertTab(i, container, QObject::tr("类型") + QString::number(i));
        editor->show();
        pageEditors.append(editor);
    }

    const auto funcSetTabTextEditBindEditTool = [this] {
        if (TtQTextEdit *edit = pageEditor(-1))
            ui->TtQEditToolClass->bindTextEdit(edit);
    };
    connect(ui->tabWidget, &QTabWidget::currentChanged, this,
            [funcSetTabTextEditBindEditTool](int) { funcSetTabTextEditBindEditTool(); });
    funcSetTabTextEditBindEditTool();

    tip = new QtTransparentTisp(false, nullptr);

    setupDevice();
    // A port the enumeration misses, or the emulator's terminal, can be typed in.
    ui->cmbSerialPort->setEditable(true);
    connect(ui->btnConnect, &QAbstractButton::clicked, this, &TicketStation::onConnectSerialPort);
    connect(ui->btnSetSystem, &QAbstractButton::clicked, this, &TicketStation::onBtnSetSystem);
    connect(ui->btnSetTime, &QAbstractButton::clicked, this, &TicketStation::onBtnSetTime);
    connect(ui->action_5, &QAction::triggered, this, &TicketStation::showAbout);

    for (int j = 0; j < 100; ++j)
        ui->cmbNetWork->addItem(QStringLiteral("%1").arg(j), j);
    // The device takes the hour in BCD.
    for (int k = 0; k < 24; ++k)
        ui->cmbClearNumberTime->addItem(QStringLiteral("%1:00").arg(k, 2, 10, QLatin1Char('0')),
                                        (k / 10) * 16 + k % 10);

    connect(ui->TtQEditToolClass, &TtQEditTool::sgnDown, this, &TicketStation::onDownPic);
    connect(ui->TtQEditToolClass, &TtQEditTool::sgnTestPrint, this, &TicketStation::onTestPrint);
    connect(ui->TtQEditToolClass, &TtQEditTool::sgnPreview, this, &TicketStation::onPreview);
    connect(ui->TtQEditToolClass, &TtQEditTool::sgnSharpText, this,
            [this](bool sharp) { design->setSharpText(sharp); });

    onLoad(startupDesignPath());
    markDesignSaved();

    // onLoad has set ComGrouping from the stored tick itself; this covers every later change.
    connect(ui->cbEnableLimit, &QCheckBox::stateChanged, this,
            [this](int) { ui->ComGrouping->setEnabled(ui->cbEnableLimit->isChecked()); });
}

TicketStation::~TicketStation()
{
    pageEditors.clear();
    // The tip is a window of its own, so nothing else would delete it.
    delete tip;
    delete ui;
}

TtQTextEdit *TicketStation::pageEditor(int index) const
{
    if (index == -1)
        index = ui->tabWidget->currentIndex();
    // widget() is null for an index outside the tabs, including -1 when there is no tab.
    const QWidget *container = ui->tabWidget->widget(index);
    if (!container)
        return nullptr;
    for (QObject *child : container->children()) {
        if (auto *edit = qobject_cast<TtQTextEdit *>(child))
            return edit;
    }
    return nullptr;
}

void TicketStation::showAbout()
{
    QMessageBox::about(
        this, QObject::tr("关于 TicketStation"),
        QStringLiteral("TicketStation\n") +
            QObject::tr("版本 %1，基于 Qt %2")
                .arg(QStringLiteral(TICKETSTATION_VERSION), QString::fromLatin1(qVersion())));
}
