#pragma once

#include "blockflag.h"
#include "design.h"
#include "dispenser.h"
#include "layouttable.h"
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
class DevicePanel;
class PageTabs;
class QtTransparentTisp;
class EditActions;
class SettingsPanel;
class ZoomControl;
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

    // The device side of the window.
    DevicePanel *devicePanel() const { return m_devicePanel; }

public slots:
    // The window's device actions, carried out by its device panel.
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
    void showAbout();
    // The station's page height: every page of this and later designs, kept in settings.ini.
    void setPageHeight(int dots);
    // A notice in the tip; errors stay up longer (a click dismisses either).
    void showNotice(const QString &text, bool error = false);
    void rememberPort(const QString &port);
    void storeStationSettings();

    StationSettingsFile stationFile;
    StationSettings station;
    std::unique_ptr<Design> design;
    Ui::TicketStationClass *ui;
    QtTransparentTisp *tip = nullptr;
    PageTabs *pageTabs = nullptr;
    DesignFileActions *fileActions = nullptr;
    DevicePanel *m_devicePanel = nullptr;
    SettingsPanel *settingsPanel = nullptr;
    ZoomControl *zoom = nullptr;
    EditActions *editActions = nullptr;
};
