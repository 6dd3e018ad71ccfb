#pragma once

#include <QFontComboBox>
#include <QHash>
#include <QStringList>

// The toolbar's font box. It lists the families in the order of how far they travel with a
// design: the faces the program ships, then faces Save carries in the design file, then faces
// that stay on this PC because their licence forbids carrying them. A family the page names
// that this PC lacks is listed last, as missing, with the shipped face drawn instead.
class FontBox : public QFontComboBox
{
    Q_OBJECT
public:
    enum Group
    {
        Shipped,
        Travels,
        StaysHere,
        Missing
    };

    explicit FontBox(QWidget *parent = nullptr);

    // The families the bound page names; those nobody has are listed as missing.
    void setPageFamilies(const QStringList &families);
    // Selects the family `font` names, else the one Qt draws it with; none when neither is listed.
    void showFont(const QFont &font);

    Group groupOf(const QString &family) const { return m_groups.value(family, Missing); }
    // What the list says beside `family`: where it comes from.
    QString note(const QString &family) const;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void rebuild();

    QStringList m_pageFamilies;
    QHash<QString, Group> m_groups;
};
