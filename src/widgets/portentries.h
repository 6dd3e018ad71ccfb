#pragma once

#include <QStringList>

class QComboBox;

// Shows `portlist` in `combo` when it differs from the entries shown, keeping the operator's
// entry current when it is still listed.
void refreshPortEntries(QComboBox *combo, const QStringList &portlist);
