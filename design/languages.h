#pragma once

#include <QString>

class QObject;

// Catalogue names the language menu writes to settings.ini.
constexpr const char *kCatalogueChinese = "ticketstation_zh.qm";
constexpr const char *kCatalogueEnglish = "ticketstation_en.qm";
constexpr const char *kCataloguePolish = "queuestation_pl.qm";

// Qt's own language code ("en", "pl", "zh_CN") for one of the program's catalogue names, or
// empty when the name carries none of them.
QString qtLanguageOfCatalogue(const QString &catalogue);

// Loads `catalogue` from `languageDir` and installs it (owned by `owner`) when it loads, with
// Qt's own catalogue for the same language so standard dialogs match. Returns whether the
// program's catalogue was installed.
bool installInterfaceLanguage(QObject *owner, const QString &languageDir, const QString &catalogue);
