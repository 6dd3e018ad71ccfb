#pragma once

#include "blockflag.h"
#include "design.h"
#include "dispenser.h"
#include "layouttable.h"
#include "previewwriter.h"
#include "stationsettings.h"

#include <QByteArray>
#include <QList>
#include <QMainWindow>
#include <QString>

#include <memory>

namespace Ui {
class TicketStationClass;
}
class DesignFileActions;
class PageTabs;
class QAction;
class QtTransparentTisp;
class EditActions;
class SettingsPanel;
class ZoomControl;
class TransferProgress;
class TtQTextEdit;

// The main window: shows the design (one editor per page, the settings tab) and the connected
// dispenser, and turns the operator's actions into the design's and the dispenser's work.
class TicketStation : public QMainWindow
{
    Q_OBJECT
public:
    // `timing` paces the dispenser connection; tests shorten it.
    explicit TicketStation(QWidget *parent = nullptr,
                           const DispenserTiming &timing = DispenserTiming());
    ~TicketStation() override;

    // Page editor in tab `index` (-1: the current tab), or null.
    TtQTextEdit *pageEditor(int index) const;

    void GenPrintTextDat(int tab, BLOCK_FLAG flag, _ticketContext &ctx);
    QByteArray GenPrintTextDat(BLOCK_FLAG flag, QString text);

public slots:
    void onConnectSerialPort();
    void onBtnSetTime();
    void onReceiveDatFromSerialPort(QByteArray dat);
    void onBtnSetSystem();
    void onDownPic();
    void onTestPrint();
    // Shows the design as the device would print it after a download; sends nothing.
    void onPreview();
    void onSave(QString path);
    void onLoad(QString path);

protected:
    // Asks before unsaved edits are lost.
    void closeEvent(QCloseEvent *event) override;

private:
    void setupEditActions();
    // The pages' zoom: View menu, keys, wheel and the box in the status area.
    void setupZoom();
    void chooseLanguage(const QString &catalogue);
    void updateTitle();
    // The settings area shows the design's values.
    void showDesignSettings();
    // Shows a design just opened or started, which has nothing to save.
    void showFreshDesign();
    void refreshPortList(const QStringList &portlist);
    void showVersion(const QString &version);
    void onDeviceLost(bool duringDownload);
    // A network port that did not connect after all.
    void onOpenFailed(const QString &why);
    void showAbout();
    // The station's page height: every page of this and later designs, kept in settings.ini.
    void setPageHeight(int dots);
    // A notice in the tip; errors stay up longer (a click dismisses either).
    void showNotice(const QString &text, bool error = false);
    // True when a line is open; otherwise tells the operator how to get one.
    bool requireConnection();
    void rememberPort(const QString &port);
    void storeStationSettings();

    // The dispenser's jobs and state as the operator sees them (ticketstation_device.cpp).
    void setupDevice();
    void showDeviceState(Dispenser::State state);
    void showJobProgress(Dispenser::Job job, int sent, int frames);
    void onJobFailed(Dispenser::Job job, Dispenser::Failure failure, int sent, int frames);
    // Asks before a running download is stopped, saying what the device is left holding;
    // true, the download stopped, when it may go on (or none runs).
    bool askToStopDownload(const QString &question);
    void stopDownload();
    // Asked when the window closes.
    bool confirmStopTransfer();
    TransferProgress *transferProgress = nullptr;
    // Esc, while a download is being written.
    QAction *stopAction = nullptr;

    StationSettingsFile stationFile;
    StationSettings station;
    std::unique_ptr<Design> design;
    Dispenser dispenser;
    PreviewWriter previewWriter;
    Ui::TicketStationClass *ui;
    QtTransparentTisp *tip = nullptr;
    PageTabs *pageTabs = nullptr;
    DesignFileActions *fileActions = nullptr;
    SettingsPanel *settingsPanel = nullptr;
    ZoomControl *zoom = nullptr;
    EditActions *editActions = nullptr;
};
