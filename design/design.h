#pragma once

#include "designsettings.h"
#include "papergeometry.h"

#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>

#include <array>
#include <memory>
#include <vector>

class TicketPage;

// A file may hold pages beyond the device's six ticket types; the design keeps them, up to this
// many (a page key beyond it is kept as it stands, so a key like type_999999_html cannot make a
// million pages).
constexpr int kMaxKeptPages = 99;

// A ticket design, the document the window edits: one page per ticket type, the system-setting
// values, the file it was read from or written to (none for a new design) and whether it
// changed since. Pages follow the design: page i is ticket type i + 1 and is stored under
// type_<i + 1>_html. The device stores the first kMaxDesignPages pages; pages beyond them, and
// keys of the file this program does not know, are kept and written back.
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
    // The pages the device stores: the first kMaxDesignPages.
    QList<TicketPage *> devicePages() const;
    // Page numbers (1-based) the device has no ticket type for.
    QList<int> pagesBeyondDevice() const;
    // The page's label: the name the operator gave it, or "类型N".
    QString pageName(int index) const;
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
    // Page `index` as its file entry (HTML, pictures, codes, name): what a copy or an undone
    // removal puts back.
    QJsonObject pageEntry(int index) const;
    // Puts a page holding `entry` at `index`; the pages from there move down a ticket type.
    // False when the design holds all it can keep, or `index` is past the end.
    bool insertPage(int index, const QJsonObject &entry);
    // A copy of page `index` right after it; false when the device has no ticket type left.
    bool duplicatePage(int index);
    // Moves page `from` to `to`, renumbering the ticket types between them.
    bool movePage(int from, int to);
    // Names page `index`; an empty name gives it back its number.
    void renamePage(int index, const QString &name);

    // Every page and setting under the keys of a design file.
    QJsonObject toJson() const;
    // Takes settings and pages from a design file's object: values that are missing or of
    // another kind read as 0 or false, values outside their ranges are held to them. The design
    // gets `pageCount` pages, or with 0 as many as the object's highest page key (at most
    // kMaxKeptPages), gaps left empty (an object without pages empties the pages there are).
    // Keys it does not know are kept for toJson().
    void loadJson(const QJsonObject &root, int pageCount = 0);

    // Reads the design file at `path`; on success it becomes this design's file, with nothing to
    // save. Returns why the file was not taken, and then nothing has changed.
    QString open(const QString &path);
    // Opens `path` as the start of a new design: its content, no file, nothing to save.
    QString openAsTemplate(const QString &path);
    // Writes the design to `path` (atomically); on success it becomes the design's file, with
    // nothing to save. Returns why the file was not written.
    QString saveAs(const QString &path);
    QString filePath() const { return m_filePath; }

    const DesignSettings &settings() const { return m_settings; }
    // Takes `settings` held to their ranges.
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
    // After pages were added, removed or reordered: ticket types follow the order again.
    void pagesEdited();
    void setFilePath(const QString &path);

    int m_maxHeight;
    bool m_sharpText = false;
    DesignSettings m_settings;
    std::vector<std::unique_ptr<TicketPage>> m_pages;
    QString m_filePath;
    // Keys of the file this program does not know, written back as they were.
    QJsonObject m_otherKeys;

    // The state last saved, to tell whether the design changed since.
    DesignSettings m_savedSettings;
    bool m_savedSharpText = false;
    bool m_pagesChangedSinceSave = false;
    bool m_modified = false;
};

// Whether an object read from a file is a design at all: it holds at least one of the keys a
// design file has. Anything else would blank every page.
bool isDesignObject(const QJsonObject &root);
