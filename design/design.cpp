#include "design.h"

#include "designfile.h"
#include "fontembedding.h"
#include "fontregistry.h"
#include "ticketpage.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QRegularExpression>
#include <QTextDocument>

namespace {

// The N of a type_N_html key, 0 for any other key.
int pageNumberOfKey(const QString &key)
{
    static const QRegularExpression pageKey(QStringLiteral("^type_([1-9][0-9]{0,5})_html$"));
    const QRegularExpressionMatch match = pageKey.match(key);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

// The highest page number of the object's keys up to `limit`, 0 when it has none.
int highestPageKey(const QJsonObject &root, int limit)
{
    int highest = 0;
    for (auto it = root.begin(); it != root.end(); ++it) {
        const int number = pageNumberOfKey(it.key());
        if (number <= limit)
            highest = qMax(highest, number);
    }
    return highest;
}

bool isSettingKey(const QString &key)
{
    for (const char *known :
         {designkey::netWork, designkey::clearNumberTime, designkey::numberFormat,
          designkey::ticketingInterval, designkey::enableLimit, designkey::sharpText}) {
        if (key == QLatin1String(known))
            return true;
    }
    for (int i = 0; i < kMaxDesignPages; ++i) {
        if (key == designkey::numberLimit(i))
            return true;
    }
    return false;
}

} // namespace

Design::Design(int pageCount, int maxHeight, QObject *parent)
    : QObject(parent), m_maxHeight(maxHeight)
{
    setPageCount(qBound(1, pageCount, kMaxDesignPages), QString());
    setUnmodified();
}

Design::~Design() = default;

TicketPage *Design::page(int index) const
{
    return index >= 0 && index < pageCount() ? m_pages.at(size_t(index)).get() : nullptr;
}

QList<TicketPage *> Design::pages() const
{
    QList<TicketPage *> list;
    for (const auto &page : m_pages)
        list.append(page.get());
    return list;
}

QList<TicketPage *> Design::devicePages() const
{
    return pages().mid(0, kMaxDesignPages);
}

QList<int> Design::pagesBeyondDevice() const
{
    QList<int> numbers;
    for (int number = kMaxDesignPages + 1; number <= pageCount(); ++number)
        numbers.append(number);
    return numbers;
}

QString Design::pageName(int index) const
{
    const TicketPage *named = page(index);
    if (named && !named->name.isEmpty())
        return named->name;
    return QCoreApplication::translate("QObject", "类型") + QString::number(index + 1);
}

void Design::setPageCount(int count, const QString &html)
{
    while (pageCount() > count)
        m_pages.pop_back();
    while (pageCount() < count) {
        m_pages.push_back(std::make_unique<TicketPage>(pageCount() + 1, m_maxHeight));
        TicketPage *page = m_pages.back().get();
        page->setSharpText(m_sharpText);
        if (!html.isEmpty())
            page->setHtml(html);
        watchPage(page);
    }
}

void Design::watchPage(TicketPage *page)
{
    connect(page->document(), &QTextDocument::modificationChanged, this, &Design::updateModified);
}

void Design::startNew(int pageCount, const QString &html)
{
    // The old pages live until their views have gone with pagesChanged().
    const auto old = std::move(m_pages);
    m_pages.clear();
    m_settings = DesignSettings();
    m_otherKeys = QJsonObject();
    setCarriedFamilies({});
    // Small text prints as it looks: grey edges would print as black dots.
    m_sharpText = true;
    setPageCount(qBound(1, pageCount, kMaxDesignPages), html);
    setFilePath(QString());
    setUnmodified();
    emit pagesChanged();
}

bool Design::addPage(const QString &html)
{
    if (pageCount() >= kMaxDesignPages)
        return false;
    setPageCount(pageCount() + 1, html);
    pagesEdited();
    return true;
}

bool Design::removePage(int index)
{
    if (pageCount() <= 1 || !page(index))
        return false;
    // The page lives until its view has gone with pagesChanged().
    const std::unique_ptr<TicketPage> removed = std::move(m_pages.at(size_t(index)));
    m_pages.erase(m_pages.begin() + index);
    pagesEdited();
    return true;
}

QJsonObject Design::pageEntry(int index) const
{
    const TicketPage *entryPage = page(index);
    if (!entryPage)
        return QJsonObject();
    QJsonObject holder;
    entryPage->saveToJson(holder);
    return holder.value(pageKey(entryPage->typeIndex)).toObject();
}

bool Design::insertPage(int index, const QJsonObject &entry)
{
    if (pageCount() >= kMaxKeptPages || index < 0 || index > pageCount())
        return false;
    auto inserted = std::make_unique<TicketPage>(index + 1, m_maxHeight);
    inserted->setSharpText(m_sharpText);
    inserted->loadFromJson(QJsonObject{{pageKey(index + 1), entry}});
    watchPage(inserted.get());
    m_pages.insert(m_pages.begin() + index, std::move(inserted));
    pagesEdited();
    return true;
}

bool Design::duplicatePage(int index)
{
    return pageCount() < kMaxDesignPages && page(index) && insertPage(index + 1, pageEntry(index));
}

bool Design::movePage(int from, int to)
{
    if (!page(from) || !page(to) || from == to)
        return false;
    std::unique_ptr<TicketPage> moved = std::move(m_pages.at(size_t(from)));
    m_pages.erase(m_pages.begin() + from);
    m_pages.insert(m_pages.begin() + to, std::move(moved));
    pagesEdited();
    return true;
}

void Design::renamePage(int index, const QString &name)
{
    TicketPage *named = page(index);
    if (!named || named->name == name.trimmed())
        return;
    named->name = name.trimmed();
    m_pagesChangedSinceSave = true;
    updateModified();
    emit pagesChanged();
}

void Design::pagesEdited()
{
    for (int i = 0; i < pageCount(); ++i)
        m_pages.at(size_t(i))->typeIndex = i + 1;
    m_pagesChangedSinceSave = true;
    updateModified();
    emit pagesChanged();
}

QJsonObject Design::toJson() const
{
    // The keys this program writes win over stale copies among the ones it does not know.
    QJsonObject root = m_otherKeys;
    root.insert(QLatin1String(designkey::netWork), m_settings.netWork);
    root.insert(QLatin1String(designkey::clearNumberTime), m_settings.clearNumberTime);
    root.insert(QLatin1String(designkey::numberFormat), m_settings.numberFormat);
    root.insert(QLatin1String(designkey::ticketingInterval), m_settings.ticketingInterval);
    for (int i = 0; i < kMaxDesignPages; ++i)
        root.insert(designkey::numberLimit(i), m_settings.numberLimits[size_t(i)]);
    root.insert(QLatin1String(designkey::enableLimit), m_settings.enableLimit);
    // Written only when on, so a design without it is stored as it always was.
    if (m_sharpText)
        root.insert(QLatin1String(designkey::sharpText), true);
    for (const auto &page : m_pages)
        page->saveToJson(root);
    return root;
}

void Design::loadJson(const QJsonObject &root, int pageCount)
{
    DesignSettings settings;
    settings.netWork = designInt(root, QLatin1String(designkey::netWork));
    settings.clearNumberTime = designInt(root, QLatin1String(designkey::clearNumberTime));
    settings.numberFormat = designInt(root, QLatin1String(designkey::numberFormat));
    settings.ticketingInterval = designInt(root, QLatin1String(designkey::ticketingInterval));
    for (int i = 0; i < kMaxDesignPages; ++i)
        settings.numberLimits[size_t(i)] = designInt(root, designkey::numberLimit(i));
    settings.enableLimit = designBool(root, QLatin1String(designkey::enableLimit));
    m_settings = heldToRanges(settings);

    const int held = highestPageKey(root, kMaxKeptPages);
    int count = pageCount > 0 ? pageCount : held > 0 ? held : this->pageCount();
    count = qBound(1, count, kMaxKeptPages);
    m_otherKeys = QJsonObject();
    for (auto it = root.begin(); it != root.end(); ++it) {
        const int number = pageNumberOfKey(it.key());
        // Save writes the fonts the design carries afresh: a face it no longer uses goes.
        const bool known = isSettingKey(it.key()) || it.key() == QLatin1String(kEmbeddedFontsKey);
        if (number > count || (number == 0 && !known))
            m_otherKeys.insert(it.key(), it.value());
    }
    // Pages are made afresh; the old ones live until their views have gone with pagesChanged().
    const auto old = std::move(m_pages);
    m_pages.clear();
    // The faces the design carries must be there before its text is laid out.
    registerEmbeddedFonts(root.value(QLatin1String(kEmbeddedFontsKey)));
    setPageCount(count, QString());
    for (const auto &page : m_pages)
        page->loadFromJson(root);
    setSharpText(designBool(root, QLatin1String(designkey::sharpText)));
    emit pagesChanged();
    updateModified();
}

QString Design::open(const QString &path)
{
    const DesignReadResult read = readDesignFile(path);
    // Anything that is not a design would blank every page: it is refused and nothing changes.
    if (!read.ok)
        return read.error;
    if (!isDesignObject(read.root))
        return QCoreApplication::translate("QObject", "这不是设计文件");
    loadJson(read.root);
    setFilePath(path);
    setUnmodified();
    return QString();
}

QString Design::openAsTemplate(const QString &path)
{
    const QString error = open(path);
    if (error.isEmpty())
        setFilePath(QString());
    return error;
}

QString Design::saveAs(const QString &path)
{
    QJsonObject root = toJson();
    const FontEmbedding fonts = embedPageFonts(pages());
    if (!fonts.fonts.isEmpty())
        root.insert(QLatin1String(kEmbeddedFontsKey), fonts.fonts);
    const QString error = writeDesignFile(path, root);
    if (!error.isEmpty())
        return error;
    setCarriedFamilies(fonts.carried);
    setFilePath(path);
    setUnmodified();
    return QString();
}

void Design::setFilePath(const QString &path)
{
    if (path == m_filePath)
        return;
    m_filePath = path;
    emit filePathChanged(path);
}

void Design::setSettings(const DesignSettings &settings)
{
    m_settings = heldToRanges(settings);
    updateModified();
}

void Design::setSharpText(bool sharp)
{
    m_sharpText = sharp;
    for (const auto &page : m_pages)
        page->setSharpText(sharp);
    updateModified();
}

void Design::setUnmodified()
{
    m_savedSettings = m_settings;
    m_savedSharpText = m_sharpText;
    m_pagesChangedSinceSave = false;
    for (const auto &page : m_pages)
        page->document()->setModified(false);
    updateModified();
}

void Design::updateModified()
{
    bool modified =
        m_pagesChangedSinceSave || m_settings != m_savedSettings || m_sharpText != m_savedSharpText;
    for (const auto &page : m_pages)
        modified = modified || page->document()->isModified();
    if (modified == m_modified)
        return;
    m_modified = modified;
    emit modificationChanged(modified);
}

bool isDesignObject(const QJsonObject &root)
{
    for (const char *key : {designkey::netWork, designkey::clearNumberTime, designkey::numberFormat,
                            designkey::ticketingInterval, designkey::enableLimit}) {
        if (root.contains(QLatin1String(key)))
            return true;
    }
    static const QRegularExpression pageOrLimit(
        QStringLiteral("^(type_\\d+_html|spbNumberLimit_\\d+)$"));
    for (auto it = root.begin(); it != root.end(); ++it) {
        if (pageOrLimit.match(it.key()).hasMatch())
            return true;
    }
    return false;
}

void Design::setMaxHeight(int dots)
{
    m_maxHeight = dots;
    for (const auto &page : m_pages)
        page->maxHeight = dots;
}
