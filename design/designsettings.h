#pragma once

#include <QString>

#include <array>

// The dispenser knows six ticket types: a design's first six pages are what it stores, and a
// design carries one number limit for each type.
constexpr int kMaxDesignPages = 6;

// The system-setting values a design carries, as the settings area shows them.
struct DesignSettings
{
    int netWork = 0;         // network number
    int clearNumberTime = 0; // hour of the daily number reset
    int numberFormat = 0;    // 0: "0001", 1: "     1"
    int ticketingInterval = 0;
    std::array<int, kMaxDesignPages> numberLimits{};
    bool enableLimit = true;
};

inline bool operator==(const DesignSettings &a, const DesignSettings &b)
{
    return a.netWork == b.netWork && a.clearNumberTime == b.clearNumberTime &&
           a.numberFormat == b.numberFormat && a.ticketingInterval == b.ticketingInterval &&
           a.numberLimits == b.numberLimits && a.enableLimit == b.enableLimit;
}
inline bool operator!=(const DesignSettings &a, const DesignSettings &b)
{
    return !(a == b);
}

// JSON keys of the settings: the object names of the widgets that show them.
namespace designkey {
constexpr const char *netWork = "cmbNetWork";
constexpr const char *clearNumberTime = "cmbClearNumberTime";
constexpr const char *numberFormat = "cmbNumberFormat";
constexpr const char *ticketingInterval = "spbTicketingInterval";
constexpr const char *enableLimit = "cbEnableLimit";
// Not a device setting: how the pages are drawn for printing.
constexpr const char *sharpText = "sharpPrintedText";
// spbNumberLimit_1 … spbNumberLimit_6
QString numberLimit(int i);
} // namespace designkey

// The range of one setting. A choice is an entry of a list: a value outside it is no entry
// (-1), which the device gets as its first entry. A count outside its range is held to it.
struct SettingRange
{
    int minimum;
    int maximum;
    bool choice;

    constexpr int count() const { return maximum - minimum + 1; }
    constexpr int held(int value) const
    {
        if (value >= minimum && value <= maximum)
            return value;
        return choice ? -1 : value < minimum ? minimum : maximum;
    }
};

// The one table of setting ranges: the design holds its values to it, the settings area and the
// command line offer what it allows.
namespace settingrange {
constexpr SettingRange netWork{0, 99, true};
constexpr SettingRange clearNumberTime{0, 23, true};
constexpr SettingRange numberFormat{0, 1, true};
constexpr SettingRange ticketingInterval{0, 5, false};
constexpr SettingRange numberLimit{0, 9999, false};
} // namespace settingrange

// The same ranges under the names the encoders use.
constexpr int kNetWorkCount = settingrange::netWork.count();
constexpr int kClearNumberHours = settingrange::clearNumberTime.count();
constexpr int kNumberFormatCount = settingrange::numberFormat.count();
constexpr int kMaxTicketingInterval = settingrange::ticketingInterval.maximum;
constexpr int kMaxNumberLimit = settingrange::numberLimit.maximum;

// `settings` with every value held to its range.
DesignSettings heldToRanges(DesignSettings settings);
