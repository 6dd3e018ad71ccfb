#include "languages.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTranslator>

QString qtLanguageOfCatalogue(const QString &catalogue)
{
    static const QRegularExpression suffix(QStringLiteral("_(en|pl|zh)(\\.qm)?$"));
    const QRegularExpressionMatch match = suffix.match(catalogue);
    if (!match.hasMatch())
        return {};
    const QString language = match.captured(1);
    return language == QLatin1String("zh") ? QStringLiteral("zh_CN") : language;
}

bool installInterfaceLanguage(QObject *owner, const QString &languageDir, const QString &catalogue)
{
    if (catalogue.isEmpty())
        return false;
    QString dir = languageDir;
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');

    auto *translator = new QTranslator(owner);
    if (!translator->load(dir + catalogue)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);

    // Standard dialogs and buttons come from Qt's own catalogue; without it they would stay
    // in English next to a Chinese or Polish interface. A copy beside ours comes first: a
    // Windows program has no system folder of them and ships its own.
    const QString qtLanguage = qtLanguageOfCatalogue(catalogue);
    if (!qtLanguage.isEmpty()) {
        auto *qtTranslator = new QTranslator(owner);
        const QString qtCatalogue = QStringLiteral("qtbase_") + qtLanguage;
        if (qtTranslator->load(qtCatalogue, dir) ||
            qtTranslator->load(qtCatalogue, QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qtTranslator);
        else
            delete qtTranslator;
    }
    return true;
}
