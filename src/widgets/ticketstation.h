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
class DevicePanel;
class QLabel;
class QMenu;
class QtTransparentTisp;
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
    void setupFileActions();
    void setupEditActions();
    void setupSettingsTab();
    void chooseLanguage(const QString &catalogue);
    // The file actions; each asks before a changed design is replaced or discarded.
    void newDesign();
    void openDesign();
    // Writes the design to its own file, or asks for one; false when it was not written.
    bool saveDesign();
    bool saveDesignAs();
    // Writes the design to `path`, which becomes its file; false when it was not written.
    bool saveDesignTo(const QString &path);
    void useAsStartupDesign();
    // onLoad's work; `reportFailures` tells the operator why a file was not taken.
    bool loadDesign(const QString &path, bool reportFailures);
    void addPage();
    void removePage();
    // One tab and editor per page of the design, built afresh when its pages change.
    void showDesignPages();
    void updateTitle();
    // The settings tab shows the design's values, and gives them back.
    void showDesignSettings();
    DesignSettings shownSettings() const;
    // Shows a design just opened or started, which has nothing to save.
    void showFreshDesign();
    // Makes page `index` current, with the keyboard in it.
    void showPage(int index);
    void showAbout();
    // A notice in the tip; errors stay up longer (a click dismisses either).
    void showNotice(const QString &text, bool error = false);
    // Offers to save unsaved edits; false when the operator cancels.
    bool confirmDiscard();
    void rememberDesign(const QString &path);
    void rememberPort(const QString &port);
    void refreshRecentDesigns();
    // Where file dialogs start: the folder of the last design opened or saved.
    QString lastFolder() const;
    void storeStationSettings();

    StationSettingsFile stationFile;
    StationSettings station;
    std::unique_ptr<Design> design;
    Ui::TicketStationClass *ui;
    QtTransparentTisp *tip = nullptr;
    DevicePanel *m_devicePanel = nullptr;
    QList<TtQTextEdit *> pageEditors;
    QMenu *recentMenu = nullptr;
    QLabel *beyondDeviceBanner = nullptr;
    // While the settings tab shows the design's values, its changes are not the operator's.
    bool showingSettings = false;
};
