#include "fontbox.h"

#include "fontregistry.h"

#include <QAbstractItemView>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QStringListModel>
#include <QStylePainter>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

// Each family in its own face, with where it comes from; a line where a group starts.
class FamilyDelegate : public QStyledItemDelegate
{
public:
    explicit FamilyDelegate(FontBox *box) : QStyledItemDelegate(box), m_box(box) {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        const QModelIndex above = index.sibling(index.row() - 1, 0);
        if (above.isValid() &&
            m_box->groupOf(above.data().toString()) != m_box->groupOf(index.data().toString())) {
            painter->save();
            painter->setPen(option.palette.color(QPalette::Mid));
            painter->drawLine(option.rect.topLeft(), option.rect.topRight());
            painter->restore();
        }
    }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const QString family = index.data().toString();
        option->text = m_box->label(family);
        if (m_box->groupOf(family) == FontBox::Missing)
            option->palette.setColor(QPalette::Text, option->palette.color(QPalette::Mid));
        else
            option->font.setFamily(family);
    }

private:
    FontBox *m_box;
};

bool isSymbolFont(const QFontDatabase &fonts, const QString &family)
{
    return fonts.writingSystems(family).contains(QFontDatabase::Symbol);
}

// Whether a face may travel costs loading it: asked once per family.
FontBox::Group installedGroup(const QString &family)
{
    static QHash<QString, FontBox::Group> known;
    const auto found = known.constFind(family);
    if (found != known.constEnd())
        return *found;
    const FontOrigin origin = fontOrigin(family);
    const FontBox::Group group = origin == FontOrigin::Shipped         ? FontBox::Shipped
                                 : origin == FontOrigin::NotEmbeddable ? FontBox::StaysHere
                                 : origin == FontOrigin::Missing       ? FontBox::Missing
                                                                       : FontBox::Travels;
    known.insert(family, group);
    return group;
}

} // namespace

FontBox::FontBox(QWidget *parent) : QFontComboBox(parent)
{
    setItemDelegate(new FamilyDelegate(this));
    // The notes beside the names need more room than the box itself.
    view()->setMinimumWidth(320);
    // After QFontComboBox has refilled itself for a new face (a design's, say).
    connect(qGuiApp, &QGuiApplication::fontDatabaseChanged, this, &FontBox::rebuild);
    rebuild();
}

void FontBox::setPageFamilies(const QStringList &families)
{
    if (families == m_pageFamilies)
        return;
    m_pageFamilies = families;
    rebuild();
}

void FontBox::rebuild()
{
    auto *model = qobject_cast<QStringListModel *>(this->model());
    if (!model)
        return;
    const QString current = currentText();
    const QFontDatabase fonts;
    m_groups.clear();
    QStringList families;
    for (const QString &family : fonts.families()) {
        // Families that draw pictographs instead of letters are no choice for ticket text.
        if (isSymbolFont(fonts, family))
            continue;
        m_groups.insert(family, installedGroup(family));
        families << family;
    }
    for (const QString &family : qAsConst(m_pageFamilies)) {
        if (!fonts.hasFamily(family) && !m_groups.contains(family)) {
            m_groups.insert(family, Missing);
            families << family;
        }
    }
    std::stable_sort(families.begin(), families.end(), [this](const QString &a, const QString &b) {
        return m_groups.value(a) < m_groups.value(b);
    });
    const QSignalBlocker quiet(this);
    model->setStringList(families);
    setCurrentIndex(findText(current, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void FontBox::showFont(const QFont &font)
{
    const Qt::MatchFlags exact = Qt::MatchExactly | Qt::MatchCaseSensitive;
    int row = findText(font.family(), exact);
    if (row < 0)
        row = findText(QFontInfo(font).family(), exact);
    setCurrentIndex(row);
    setToolTip(row < 0 ? QString() : label(itemText(row)));
}

QString FontBox::label(const QString &family) const
{
    switch (groupOf(family)) {
    case Shipped:
        return tr("%1（程序自带）").arg(family);
    case Travels:
        return tr("%1（保存时嵌入设计）").arg(family);
    case StaysHere:
        return tr("%1（仅本机，不允许嵌入）").arg(family);
    case Missing:
        break;
    }
    return tr("%1（本机没有，以“%2”代替）").arg(family, replacementFamily(family));
}

void FontBox::paintEvent(QPaintEvent *)
{
    // As QComboBox draws itself, with a missing family marked as such.
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    if (currentIndex() >= 0 && groupOf(currentText()) == Missing)
        option.currentText = tr("缺：%1").arg(currentText());
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}
