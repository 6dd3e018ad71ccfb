#include "portentries.h"

#include <QComboBox>

void refreshPortEntries(QComboBox *combo, const QStringList &portlist)
{
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i)
        shown.append(combo->itemText(i));
    if (shown == portlist)
        return;
    const QString current = combo->currentText();
    combo->clear();
    combo->addItems(portlist);
    const int kept = portlist.indexOf(current);
    if (kept >= 0)
        combo->setCurrentIndex(kept);
    else if (combo->isEditable() && !current.isEmpty())
        combo->setEditText(current); // a port the operator typed stays
}
