#pragma once

#include "papergeometry.h"

#include <QJsonObject>
#include <QList>
#include <QObject>
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
inline bool operator!=(const DesignSettings &a, const DesignSettings &b)
{
    return !(a == b);
}

// Ranges of the settings a design stores, the same as the settings tab's.
constexpr int kNetWorkCount = 100;
constexpr int kClearNumberHours = 24;
constexpr int kNumberFormatCount = 2;
constexpr int kMaxTicketingInterval = 5;
constexpr int kMaxNumberLimit = 9999;
// The dispenser knows six ticket types, so a design has one to six pages.
constexpr int kMaxDesignPages = 6;

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

// A ticket design, the document the window edits: one page per ticket type, the system-setting
// values, the file it was read from or written to (none for a new design) and whether it
// changed since. Pages follow the design: page i is ticket type i + 1 and is stored under
// type_<i + 1>_html.
class Design : public QObject
{
    Q_OBJECT
public:
    explicit Design(int pageCount = 2, int maxHeight = kDefaultPageHeight,
                    QObject *parent = nullptr);
    ~Design() override;

    int pageCount() const { return int(m_pages.size()); }
    TicketPage *page(int index) const;
    QList<TicketPage *> pages() const;
    int maxHeight() const { return m_maxHeight; }
    // The height of every page, and of pages added later; not part of the design's file.
    void setMaxHeight(int dots);

    // Replaces everything by a new design of `pageCount` pages holding `html`, with sharp
    // printed text, no file and nothing to save.
    void startNew(int pageCount, const QString &html);

    // Adds a page holding `html` after the last; false when the design has all it can hold.
    bool addPage(const QString &html);
    // Removes page `index`; the pages after it move up a ticket type. False for the last page
    // left or an index that is no page.
    bool removePage(int index);

    // Every page and setting under the keys of a design file.
    QJsonObject toJson() const;
    // Takes settings and pages from a design file's object: values that are missing or of
    // another kind read as 0 or false. The design gets `pageCount` pages, or with 0 as many as
    // the object's highest page key, gaps left empty (an object without pages empties the
    // pages there are); pages beyond the count are left out and counted in droppedPages().
    void loadJson(const QJsonObject &root, int pageCount = 0);
    int droppedPages() const { return m_droppedPages; }

    // Reads the design file at `path`; on success it becomes this design's file, with nothing to
    // save. Returns why the file was not taken, and then nothing has changed.
    QString open(const QString &path);
    // Writes the design to `path` (atomically); on success it becomes the design's file, with
    // nothing to save. Returns why the file was not written.
    QString saveAs(const QString &path);
    QString filePath() const { return m_filePath; }

    const DesignSettings &settings() const { return m_settings; }
    void setSettings(const DesignSettings &settings);

    // Every page's text drawn without anti-aliasing (see TicketPage::setSharpText); off unless
    // the design file says so, so designs print as they always have.
    void setSharpText(bool sharp);
    bool sharpText() const { return m_sharpText; }

    // Whether anything changed since the design was opened, saved or started; undoing back to
    // that state counts as unchanged.
    bool isModified() const { return m_modified; }
    // Takes the current state as the saved one.
    void setUnmodified();

signals:
    void modificationChanged(bool modified);
    // Pages were added, removed or replaced: views of the old pages must go.
    void pagesChanged();
    void filePathChanged(const QString &path);

private:
    void setPageCount(int count, const QString &html);
    void watchPage(TicketPage *page);
    void updateModified();
    void setFilePath(const QString &path);

    int m_maxHeight;
    bool m_sharpText = false;
    DesignSettings m_settings;
    std::vector<std::unique_ptr<TicketPage>> m_pages;
    QString m_filePath;
    int m_droppedPages = 0;

    // The state last saved, to tell whether the design changed since.
    DesignSettings m_savedSettings;
    bool m_savedSharpText = false;
    bool m_pagesChangedSinceSave = false;
    bool m_modified = false;
};

// Whether an object read from a file is a design at all: it holds at least one of the keys a
// design file has. Anything else would blank every page.
bool isDesignObject(const QJsonObject &root);
