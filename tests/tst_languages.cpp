#include "codedialog.h"
#include "faulttools.h"
#include "languages.h"
#include "operatordialogs.h"
#include "pictureimportdialog.h"
#include "printpreviewdialog.h"
#include "qttransparenttisp.h"
#include "testmain.h"
#include "ticketstation.h"
#include "ttqtextedit.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFontComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTranslator>

namespace {

const QString kRestartNotice = QStringLiteral("重启后生效");

QString languageDir()
{
    return QCoreApplication::applicationDirPath() + "/language";
}

QString settingsPath()
{
    return languageDir() + "/settings.ini";
}

void writeLanguageSetting(const QVariant &catalogue)
{
    QSettings ini(settingsPath(), QSettings::IniFormat);
    ini.clear();
    ini.setValue("maxTabWidget", 2);
    if (catalogue.isValid())
        ini.setValue("Language", catalogue);
}

bool isChinese(QChar c)
{
    const ushort u = c.unicode();
    return (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0x3000 && u <= 0x303F) ||
           (u >= 0xFF00 && u <= 0xFFEF);
}

bool hasChinese(const QString &text)
{
    return std::any_of(text.begin(), text.end(), isChinese);
}

// Every text the operator can see in the window: titles, labels, buttons, tabs, menus, combo
// items, tooltips and the pages' visible text.
QStringList visibleTexts(TicketStation *window)
{
    QStringList texts{window->windowTitle()};
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        texts << widget->toolTip();
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            texts << button->text();
        if (auto *label = qobject_cast<QLabel *>(widget))
            texts << label->text();
        if (auto *tabs = qobject_cast<QTabWidget *>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
        }
        if (auto *menu = qobject_cast<QMenu *>(widget))
            texts << menu->title();
        // Font names are the fonts' own, not the program's texts.
        auto *combo = qobject_cast<QComboBox *>(widget);
        if (combo && !qobject_cast<QFontComboBox *>(widget)) {
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        }
    }
    for (QAction *action : window->findChildren<QAction *>())
        texts << action->text() << action->toolTip();
    for (int i = 0; window->pageEditor(i); ++i)
        texts << window->pageEditor(i)->toPlainText();
    return texts;
}

// Background colours of the text runs in a page, each once.
QSet<QString> blockColours(const QTextDocument *document)
{
    QSet<QString> colours;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.hasProperty(QTextFormat::BackgroundBrush))
                colours << format.background().color().name();
        }
    }
    return colours;
}

// The Alt key of a text, lower case; empty when it has none.
QString mnemonicOf(const QString &text)
{
    return QKeySequence::mnemonic(text).toString().toLower();
}

// Texts that share one Alt key in one scope, as "key: first / second"; none when all differ.
QStringList clashes(const QString &scope, const QStringList &texts)
{
    QHash<QString, QString> owners;
    QStringList found;
    for (const QString &text : texts) {
        const QString key = mnemonicOf(text);
        if (key.isEmpty())
            continue;
        if (owners.contains(key))
            found << QStringLiteral("%1 %2: %3 / %4").arg(scope, key, owners.value(key), text);
        owners.insert(key, text);
    }
    return found;
}

// What Alt reaches in a window or dialog outside its menus: the menu bar, buttons, labels that
// lead to a field, group boxes and tabs.
QStringList windowMnemonicTexts(QWidget *window)
{
    QStringList texts;
    if (auto *main = qobject_cast<QMainWindow *>(window)) {
        for (QAction *menu : main->menuBar()->actions())
            texts << menu->text();
    }
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (qobject_cast<QMenu *>(widget->window()))
            continue;
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            texts << button->text();
        if (auto *label = qobject_cast<QLabel *>(widget); label && label->buddy())
            texts << label->text();
        if (auto *group = qobject_cast<QGroupBox *>(widget))
            texts << group->title();
        if (auto *tabs = qobject_cast<QTabWidget *>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
        }
    }
    return texts;
}

QStringList menuClashes(QMenu *menu)
{
    QStringList texts;
    QStringList found;
    for (QAction *action : menu->actions()) {
        texts << action->text();
        if (action->menu())
            found << menuClashes(action->menu());
    }
    return found << clashes(menu->title(), texts);
}

} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void installsCatalogueWithQtsOwn_data();
    void installsCatalogueWithQtsOwn();
    void qtsCatalogueBesideOursComesFirst();
    void missingCatalogueInstallsNothing_data();
    void missingCatalogueInstallsNothing();
    void menuEntryStoresLanguage_data();
    void menuEntryStoresLanguage();
    void unwritableSettingsAreReported();
    void startsInStoredLanguage_data();
    void startsInStoredLanguage();
    void mnemonicsAreUnique_data();
    void mnemonicsAreUnique();

private:
    QObject *owner = nullptr;
    TicketStation *window = nullptr;
};

void TestLanguages::initTestCase()
{
    QVERIFY(QDir().mkpath(languageDir()));
    // Ours, and where the build ships them (Windows) Qt's own.
    const QStringList catalogues = QDir(TS_CATALOGUE_DIR).entryList({"*.qm"}, QDir::Files);
    for (const char *name : {kCatalogueChinese, kCatalogueEnglish, kCataloguePolish})
        QVERIFY2(catalogues.contains(name), name);
    for (const QString &name : catalogues) {
        const QString target = languageDir() + "/" + name;
        QFile::remove(target);
        QVERIFY2(QFile::copy(QStringLiteral(TS_CATALOGUE_DIR "/") + name, target),
                 qPrintable(name));
    }
}

void TestLanguages::init()
{
    writeLanguageSetting({});
    owner = new QObject;
}

void TestLanguages::cleanup()
{
    delete window;
    window = nullptr;
    // The translators are the owner's children; deleting them uninstalls them.
    delete owner;
    owner = nullptr;
    QFileInfo settings(settingsPath());
    if (settings.isDir())
        QDir(settingsPath()).removeRecursively();
}

void TestLanguages::installsCatalogueWithQtsOwn_data()
{
    QTest::addColumn<QString>("catalogue");
    QTest::addColumn<bool>("translatesProgram");
    QTest::addColumn<QString>("qtText");
    QTest::newRow("english") << kCatalogueEnglish << true << "Look in:";
    QTest::newRow("polish") << kCataloguePolish << true << "Szukaj w:";
    QTest::newRow("chinese") << kCatalogueChinese << false << "查找范围：";
}

void TestLanguages::installsCatalogueWithQtsOwn()
{
    QFETCH(QString, catalogue);
    QFETCH(bool, translatesProgram);
    QFETCH(QString, qtText);

    // Each catalogue brings Qt's own for its language; both spellings of the folder are accepted.
    QVERIFY(installInterfaceLanguage(owner, languageDir(), catalogue));
    const QString notice = QCoreApplication::translate("QObject", "重启后生效");
    QVERIFY(!notice.isEmpty());
    QCOMPARE(notice != kRestartNotice, translatesProgram);
    QCOMPARE(hasChinese(notice), !translatesProgram);
    QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), qtText);

    delete owner;
    owner = new QObject;
    QCOMPARE(QCoreApplication::translate("QObject", "重启后生效"), kRestartNotice);
    QVERIFY(installInterfaceLanguage(owner, languageDir() + "/", catalogue));
    QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), qtText);
}

void TestLanguages::qtsCatalogueBesideOursComesFirst()
{
    // A stand-in for Qt's Polish catalogue that translates like the English one shows which
    // copy was taken: Qt's is asked first, being installed last.
    QTemporaryDir shipped;
    QVERIFY(shipped.isValid());
    QVERIFY(
        QFile::copy(languageDir() + "/" + kCataloguePolish, shipped.filePath(kCataloguePolish)));
    QVERIFY(QFile::copy(languageDir() + "/" + kCatalogueEnglish, shipped.filePath("qtbase_pl.qm")));
    QTranslator english;
    QVERIFY(english.load(kCatalogueEnglish, languageDir()));

    QVERIFY(installInterfaceLanguage(owner, shipped.path(), kCataloguePolish));
    QCOMPARE(QCoreApplication::translate("QObject", "重启后生效"),
             english.translate("QObject", "重启后生效"));
}

void TestLanguages::missingCatalogueInstallsNothing_data()
{
    QTest::addColumn<QString>("catalogue");
    QTest::newRow("empty name") << "";
    QTest::newRow("absent file") << "queuestation_xx.qm";
}

void TestLanguages::missingCatalogueInstallsNothing()
{
    QFETCH(QString, catalogue);
    QVERIFY(!installInterfaceLanguage(owner, languageDir(), catalogue));
    QVERIFY(owner->findChildren<QTranslator *>().isEmpty());
    QCOMPARE(QCoreApplication::translate("QObject", "重启后生效"), kRestartNotice);
    QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), QString("Look in:"));
}

void TestLanguages::menuEntryStoresLanguage_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("catalogue");
    QTest::newRow("english") << "actEnglish" << kCatalogueEnglish;
    QTest::newRow("chinese") << "actChinese" << kCatalogueChinese;
    QTest::newRow("polish") << "actPolish_3" << kCataloguePolish;
}

void TestLanguages::menuEntryStoresLanguage()
{
    QFETCH(QString, action);
    QFETCH(QString, catalogue);

    // Another choice is stored already; the new one replaces it.
    writeLanguageSetting("queuestation_xx.qm");
    window = new TicketStation;
    window->show();
    auto *connect = window->findChild<QAbstractButton *>("btnConnect");
    const QString before = connect->text();
    window->findChild<QAction *>(action)->trigger();

    QSettings ini(settingsPath(), QSettings::IniFormat);
    QCOMPARE(ini.value("Language").toString(), catalogue);
    QVERIFY(findTip()->isVisible());
    // Said in the language chosen, the one the operator reads from the next start.
    QTranslator chosen;
    QVERIFY(chosen.load(QString(TS_CATALOGUE_DIR) + "/" + catalogue));
    QCOMPARE(tipText(), chosen.translate("QObject", "重启后生效"));
    // Nothing switches before the next start.
    QCOMPARE(connect->text(), before);
}

void TestLanguages::unwritableSettingsAreReported()
{
    window = new TicketStation;
    window->show();
    // A folder in the file's place cannot be written, whatever the user's rights.
    QVERIFY(QFile::remove(settingsPath()));
    QVERIFY(QDir().mkpath(settingsPath()));
    window->findChild<QAction *>("actEnglish")->trigger();
    QVERIFY(findTip()->isVisible());
    QVERIFY(tipText() != kRestartNotice);
    QVERIFY(tipText().contains("settings.ini"));
}

void TestLanguages::startsInStoredLanguage_data()
{
    QTest::addColumn<QVariant>("catalogue");
    QTest::addColumn<bool>("translated");
    QTest::newRow("english") << QVariant(kCatalogueEnglish) << true;
    QTest::newRow("polish") << QVariant(kCataloguePolish) << true;
    QTest::newRow("chinese") << QVariant(kCatalogueChinese) << false;
}

void TestLanguages::startsInStoredLanguage()
{
    QFETCH(QVariant, catalogue);
    QFETCH(bool, translated);

    writeLanguageSetting(catalogue);
    window = new TicketStation;
    const QString connectText = window->findChild<QAbstractButton *>("btnConnect")->text();
    if (translated) {
        QVERIFY(connectText != QStringLiteral("连接设备"));
        // The language menu names each language in its own name, Chinese included.
        for (const QString &text : visibleTexts(window))
            QVERIFY2(!hasChinese(text) || text == QStringLiteral("中文"), qPrintable(text));
    } else {
        QCOMPARE(connectText, QStringLiteral("连接设备"));
        QVERIFY(window->pageEditor(0)->toPlainText().contains(QStringLiteral("小票8打印测试")));
    }
    // The default page keeps its three placeholder blocks in every language.
    const QSet<QString> colours = blockColours(window->pageEditor(0)->document());
    for (const char *colour : {"#e1ddfa", "#fadbc0", "#fac3c3"})
        QVERIFY2(colours.contains(colour), colour);
}

void TestLanguages::mnemonicsAreUnique_data()
{
    QTest::addColumn<QString>("catalogue");
    QTest::newRow("chinese") << kCatalogueChinese;
    QTest::newRow("english") << kCatalogueEnglish;
    QTest::newRow("polish") << kCataloguePolish;
}

// Two entries on one Alt key make the key go to the wrong one (in Polish, Alt+W opened Widok
// where Wstaw was meant): every menu, the window and every dialog, in every catalogue.
void TestLanguages::mnemonicsAreUnique()
{
    QFETCH(QString, catalogue);
    writeLanguageSetting(catalogue);
    window = new TicketStation;

    QStringList found = clashes("window", windowMnemonicTexts(window));
    for (QAction *menu : window->menuBar()->actions())
        found << menuClashes(menu->menu());
    CodeDialog code{TicketCode()};
    PictureImportDialog picture(QImage(8, 8, QImage::Format_RGB32));
    PrintPreviewDialog preview;
    for (QDialog *dialog : std::initializer_list<QDialog *>{&code, &picture, &preview})
        found << clashes(dialog->windowTitle(), windowMnemonicTexts(dialog));

    // The question before a changed design is lost is answered from the keyboard too.
    QMessageBox save(QMessageBox::Question, "TicketStation", "?",
                     QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    giveButtonsMnemonics(save);
    found << clashes("save question", windowMnemonicTexts(&save));
    QVERIFY(!mnemonicOf(save.button(QMessageBox::Save)->text()).isEmpty());
    QVERIFY(!mnemonicOf(save.button(QMessageBox::Discard)->text()).isEmpty());

    QVERIFY2(found.isEmpty(), qPrintable(found.join("\n")));
}

TS_TEST_MAIN(TestLanguages)
#include "tst_languages.moc"
