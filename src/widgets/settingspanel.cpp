#include "settingspanel.h"

#include "papergeometry.h"
#include "ui_ticketstation.h"

namespace {

// The limits by ticket type, whatever their places on screen: limit i goes out as type i's.
QList<QSpinBox *> numberLimitBoxes(const Ui::TicketStationClass &ui)
{
    return {ui.spbNumberLimit_1, ui.spbNumberLimit_2, ui.spbNumberLimit_3,
            ui.spbNumberLimit_4, ui.spbNumberLimit_5, ui.spbNumberLimit_6};
}

} // namespace

SettingsPanel::SettingsPanel(Ui::TicketStationClass &ui, QObject *parent) : QObject(parent), ui(ui)
{
    // What the design's ranges allow, and nothing else.
    for (int j = settingrange::netWork.minimum; j <= settingrange::netWork.maximum; ++j)
        ui.cmbNetWork->addItem(QString::number(j));
    for (int k = settingrange::clearNumberTime.minimum; k <= settingrange::clearNumberTime.maximum;
         ++k)
        ui.cmbClearNumberTime->addItem(QStringLiteral("%1:00").arg(k, 2, 10, QLatin1Char('0')));
    ui.spbTicketingInterval->setRange(settingrange::ticketingInterval.minimum,
                                      settingrange::ticketingInterval.maximum);
    for (QSpinBox *box : numberLimitBoxes(ui))
        box->setRange(settingrange::numberLimit.minimum, settingrange::numberLimit.maximum);

    const auto edited = [this] {
        if (!showing)
            emit settingsEdited(settings());
    };
    for (QComboBox *box : {ui.cmbNetWork, ui.cmbClearNumberTime, ui.cmbNumberFormat})
        connect(box, QOverload<int>::of(&QComboBox::currentIndexChanged), this, edited);
    QList<QSpinBox *> spinBoxes = numberLimitBoxes(ui);
    spinBoxes.append(ui.spbTicketingInterval);
    for (QSpinBox *box : spinBoxes)
        connect(box, QOverload<int>::of(&QSpinBox::valueChanged), this, edited);
    connect(ui.cbEnableLimit, &QCheckBox::stateChanged, this, [this, edited](int) {
        this->ui.ComGrouping->setEnabled(this->ui.cbEnableLimit->isChecked());
        edited();
    });

    // The window's style gives buttons a width that a longer translation would not fit in.
    for (QPushButton *button : {ui.btnConnect, ui.btnSetTime, ui.btnSetSystem})
        button->setMinimumWidth(button->fontMetrics().horizontalAdvance(button->text()) + 16);

    // Typing 700 must not pass through heights of 7 and 70 on the way.
    ui.spbPageHeight->setRange(1, kMaxPageHeight);
    ui.spbPageHeight->setKeyboardTracking(false);
    connect(ui.spbPageHeight, QOverload<int>::of(&QSpinBox::valueChanged), this, [this](int dots) {
        if (!showing)
            emit pageHeightChosen(dots);
    });
}

void SettingsPanel::showSettings(const DesignSettings &settings)
{
    showing = true;
    ui.cmbNetWork->setCurrentIndex(settings.netWork);
    ui.cmbClearNumberTime->setCurrentIndex(settings.clearNumberTime);
    ui.cmbNumberFormat->setCurrentIndex(settings.numberFormat);
    ui.spbTicketingInterval->setValue(settings.ticketingInterval);
    const QList<QSpinBox *> limits = numberLimitBoxes(ui);
    for (int i = 0; i < limits.size(); ++i)
        limits.at(i)->setValue(settings.numberLimits[size_t(i)]);
    ui.cbEnableLimit->setChecked(settings.enableLimit);
    ui.ComGrouping->setEnabled(settings.enableLimit);
    showing = false;
}

DesignSettings SettingsPanel::settings() const
{
    DesignSettings settings;
    settings.netWork = ui.cmbNetWork->currentIndex();
    settings.clearNumberTime = ui.cmbClearNumberTime->currentIndex();
    settings.numberFormat = ui.cmbNumberFormat->currentIndex();
    settings.ticketingInterval = ui.spbTicketingInterval->value();
    const QList<QSpinBox *> limits = numberLimitBoxes(ui);
    for (int i = 0; i < limits.size(); ++i)
        settings.numberLimits[size_t(i)] = limits.at(i)->value();
    settings.enableLimit = ui.cbEnableLimit->isChecked();
    return settings;
}

void SettingsPanel::showPageHeight(int dots)
{
    showing = true;
    ui.spbPageHeight->setValue(dots);
    showing = false;
}
