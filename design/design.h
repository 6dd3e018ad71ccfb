#pragma once

#include "papergeometry.h"

#include <QJsonObject>
#include <QList>
#include <QString>

#include <array>
#include <memory>
#include <vector>

class TicketPage;

// The system-setting values a design carries, as the settings tab shows them.
struct DesignSettings
{
    int netWork = 0;         // network number 0..99
    int clearNumberTime = 0; // hour of the number reset 0..23
    int numberFormat = 0;    // 0: "0001", 1: "     1"
    int ticketingInterval = 0;
    std::array<int, 6> numberLimits{};
    bool enableLimit = true;
};

inline bool operator==(const DesignSettings &a, const DesignSettings &b)
{
    return a.netWork == b.netWork && a.clearNumberTime == b.clearNumberTime &&
           a.numberFormat == b.numberFormat && a.ticketingInterval == b.ticketingInterval &&
           a.numberLimits == b.numberLimits && a.enableLimit == b.enableLimit;
}

// Ranges of the settings a design stores, the same as the settings tab's.
constexpr int kNetWorkCount = 100;
constexpr int kClearNumberHours = 24;
constexpr int kNumberFormatCount = 2;
constexpr int kMaxTicketingInterval = 5;
constexpr int kMaxNumberLimit = 9999;

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

// A ticket design: one page per ticket type and the system-setting values, as a design file
// stores them.
class Design
{
public:
    explicit Design(int pageCount = 2, int maxHeight = kDefaultPageHeight);
    ~Design();

    int pageCount() const { return int(m_pages.size()); }
    TicketPage *page(int index) const;
    QList<TicketPage *> pages() const;

    // Every page and setting under the keys of a design file.
    QJsonObject toJson() const;
    // Takes settings and pages from a design file's object: values that are missing or of
    // another kind read as 0 or false, pages the object lacks are left empty, pages beyond
    // this design's are ignored.
    void loadJson(const QJsonObject &root);

    // Every page's text drawn without anti-aliasing (see TicketPage::setSharpText); off unless
    // the design file says so, so designs print as they always have.
    void setSharpText(bool sharp);
    bool sharpText() const { return m_sharpText; }

    DesignSettings settings;

private:
    bool m_sharpText = false;
    std::vector<std::unique_ptr<TicketPage>> m_pages;
};

// Whether an object read from a file is a design at all: it holds at least one of the keys a
// design file has. Anything else would blank every page.
bool isDesignObject(const QJsonObject &root);
