#include "fontbox.h"

#include "fontregistry.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QStringListModel>
#include <QStylePainter>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

constexpr int kListWidth = 560;

// Each family's name in its own face, then where it comes from in the box's; a line where a
// group starts.
class FamilyDelegate : public QStyledItemDelegate
{
public:
    explicit FamilyDelegate(FontBox *box) : QStyledItemDelegate(box), m_box(box) {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QString family = item.text;
        item.text.clear();
        const QWidget *view = option.widget;
        QStyle *style = view ? view->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, view);

        const bool missing = m_box->groupOf(family) == FontBox::Missing;
        const QPalette::ColorRole role =
            option.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text;
        QRect text = option.rect.adjusted(4, 0, -4, 0);
        painter->save();
        QFont face = option.font;
        if (!missing)
            face.setFamily(family);
        painter->setFont(face);
        painter->setPen(option.palette.color(role));
        const int nameWidth = QFontMetrics(face).horizontalAdvance(family);
        painter->drawText(text, Qt::AlignVCenter | Qt::AlignLeft, family);
        text.setLeft(text.left() + nameWidth);
        painter->setFont(option.font);
        painter->setPen(option.palette.color(QPalette::Disabled, role));
        painter->drawText(text, Qt::AlignVCenter | Qt::AlignLeft, m_box->note(family));
        const QModelIndex above = index.sibling(index.row() - 1, 0);
        if (above.isValid() && m_box->groupOf(above.data().toString()) != m_box->groupOf(family)) {
            painter->setPen(option.palette.color(QPalette::Mid));
            painter->drawLine(option.rect.topLeft(), option.rect.topRight());
        }
        painter->restore();
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
    setToolTip(row < 0 ? QString() : itemText(row) + note(itemText(row)));
}

QString FontBox::note(const QString &family) const
{
    switch (groupOf(family)) {
    case Shipped:
        return tr("（程序自带）");
    case Travels:
        return tr("（保存时嵌入设计）");
    case StaysHere:
        return tr("（仅本机，不允许嵌入）");
    case Missing:
        break;
    }
    return tr("（本机没有，以“%1”代替）").arg(replacementFamily(family));
}

bool FontBox::event(QEvent *event)
{
    const bool handled = QFontComboBox::event(event);
    // QFontComboBox fits its list to its own width; the notes need more.
    if (event->type() == QEvent::Resize)
        view()->window()->setFixedWidth(qMax(view()->window()->width(), kListWidth));
    return handled;
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
