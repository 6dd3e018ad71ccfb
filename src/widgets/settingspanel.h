#pragma once

#include "designsettings.h"

#include <QObject>

namespace Ui {
class TicketStationClass;
}

// The settings area of the window: the design's system-setting values on the tickets tab and
// the station's page height on the device tab. It shows values and reports the operator's
// changes; the window decides what they change.
class SettingsPanel : public QObject
{
    Q_OBJECT
public:
    // Works on the settings widgets of the window's form `ui`, which must outlive it.
    SettingsPanel(Ui::TicketStationClass &ui, QObject *parent = nullptr);

    // Shows `settings` without reporting them as the operator's change.
    void showSettings(const DesignSettings &settings);
    // What the area shows: values the widgets keep within their ranges.
    DesignSettings settings() const;
    void showPageHeight(int dots);

signals:
    void settingsEdited(const DesignSettings &settings);
    // The operator chose a page height (dots), once the value is entered.
    void pageHeightChosen(int dots);

private:
    Ui::TicketStationClass &ui;
    bool showing = false;
};
