#include "design.h"

#include "designfile.h"
#include "ticketpage.h"

#include <QRegularExpression>

QString designkey::numberLimit(int i)
{
    return QStringLiteral("spbNumberLimit_%1").arg(i + 1);
}

Design::Design(int pageCount, int maxHeight)
{
    for (int i = 1; i <= pageCount; ++i)
        m_pages.push_back(std::make_unique<TicketPage>(i, maxHeight));
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

QJsonObject Design::toJson() const
{
    QJsonObject root;
    root.insert(QLatin1String(designkey::netWork), settings.netWork);
    root.insert(QLatin1String(designkey::clearNumberTime), settings.clearNumberTime);
    root.insert(QLatin1String(designkey::numberFormat), settings.numberFormat);
    root.insert(QLatin1String(designkey::ticketingInterval), settings.ticketingInterval);
    for (int i = 0; i < 6; ++i)
        root.insert(designkey::numberLimit(i), settings.numberLimits[size_t(i)]);
    root.insert(QLatin1String(designkey::enableLimit), settings.enableLimit);
    // Written only when on, so a design without it is stored as it always was.
    if (m_sharpText)
        root.insert(QLatin1String(designkey::sharpText), true);
    for (const auto &page : m_pages)
        page->saveToJson(root);
    return root;
}

void Design::loadJson(const QJsonObject &root)
{
    settings.netWork = designInt(root, QLatin1String(designkey::netWork));
    settings.clearNumberTime = designInt(root, QLatin1String(designkey::clearNumberTime));
    settings.numberFormat = designInt(root, QLatin1String(designkey::numberFormat));
    settings.ticketingInterval = designInt(root, QLatin1String(designkey::ticketingInterval));
    for (int i = 0; i < 6; ++i)
        settings.numberLimits[size_t(i)] = designInt(root, designkey::numberLimit(i));
    settings.enableLimit = designBool(root, QLatin1String(designkey::enableLimit));
    for (const auto &page : m_pages)
        page->loadFromJson(root);
    setSharpText(designBool(root, QLatin1String(designkey::sharpText)));
}

void Design::setSharpText(bool sharp)
{
    m_sharpText = sharp;
    for (const auto &page : m_pages)
        page->setSharpText(sharp);
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
