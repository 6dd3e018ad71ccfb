#include "faulttools.h"
#include "helpwindow.h"
#include "languages.h"
#include "papergeometry.h"
#include "qttransparenttisp.h"
#include "testmain.h"
#include "ticketstation.h"
#include "ttqtextedit.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextList>
#include <QWindow>

#include <memory>

namespace {

QList<QtTransparentTisp *> tips()
{
    QList<QtTransparentTisp *> found;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *tip = qobject_cast<QtTransparentTisp *>(w))
            found.append(tip);
    }
    return found;
}

} // namespace

class TestTicketStation : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void pagesFollowTheStationSettings();
    void enableLimitTogglesGroup();
    void tipIsOwnWindowAndReleased();
    void shortcutsAreLiveAndUnique();
    void noticeMakesWayForADialog();
    void tabLeavesThePageOutsideALists();
    void pageHeightSetInTheWindow();
    void guideNamesEveryKey_data();
    void guideNamesEveryKey();

private:
    void writeSettings(const QByteArray &lines);
    TicketStation *createWindow();
    template <typename T> T *child(const char *name) const
    {
        return window->findChild<T *>(QLatin1String(name));
    }
    QTabWidget *pages() const { return child<QTabWidget>("tabWidget"); }

    QString settingsPath;
    std::unique_ptr<TicketStation> window;
};

void TestTicketStation::init()
{
    const QString languageDir = QCoreApplication::applicationDirPath() + "/language";
    QVERIFY(QDir().mkpath(languageDir));
    settingsPath = languageDir + "/settings.ini";
    QFile::remove(settingsPath);
}

void TestTicketStation::cleanup()
{
    window.reset();
    QFile::remove(settingsPath);
}

void TestTicketStation::writeSettings(const QByteArray &lines)
{
    QFile file(settingsPath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(lines);
}

TicketStation *TestTicketStation::createWindow()
{
    window = std::make_unique<TicketStation>();
    return window.get();
}

// How the settings are read is tst_stationsettings'; here, that the window builds its pages
// from them, each shown at the paper's width.
void TestTicketStation::pagesFollowTheStationSettings()
{
    writeSettings("maxTabWidget=3\neditTextMaxHeight=700\n");
    createWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QCOMPARE(pages()->count(), 3);
    QCOMPARE(pages()->currentIndex(), 0);
    for (int i = 0; i < pages()->count(); ++i) {
        pages()->setCurrentIndex(i);
        TtQTextEdit *editor = window->pageEditor(i);
        QCOMPARE(pages()->tabText(i), QStringLiteral("类型%1").arg(i + 1));
        QCOMPARE(editor->typeIndex, i + 1);
        QCOMPARE(editor->maxHeight, 700);
        QTRY_COMPARE(editor->width(), kPaperDots);
    }
}

void TestTicketStation::enableLimitTogglesGroup()
{
    createWindow();
    auto *enable = child<QCheckBox>("cbEnableLimit");
    auto *group = child<QWidget>("ComGrouping");
    auto *limit = child<QSpinBox>("spbNumberLimit_4");

    // Loading a design sets the group apart from the box; a click must reach it as well.
    enable->setChecked(true);
    enable->click();
    QVERIFY(!group->isEnabled());
    QVERIFY(!limit->isEnabled());
    enable->click();
    QVERIFY(limit->isEnabled());
}

void TestTicketStation::tipIsOwnWindowAndReleased()
{
    QCOMPARE(tips().size(), 0);
    createWindow();
    QCOMPARE(tips().size(), 1);
    QtTransparentTisp *tip = tips().constFirst();
    QVERIFY(!tip->parentWidget());
    QVERIFY(!tip->isVisible());

    window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(tips().size(), 0);
}

void TestTicketStation::shortcutsAreLiveAndUnique()
{
    createWindow();
    QHash<QString, QString> owners;
    for (QAction *action : window->findChildren<QAction *>()) {
        for (const QKeySequence &key : action->shortcuts()) {
            const QString text = key.toString();
            // Two actions on one key make Qt fire neither.
            QVERIFY2(!owners.contains(text), qPrintable(text + ": " + owners.value(text)));
            owners.insert(text, action->text());
            // A shortcut of an action in no widget never fires.
            QVERIFY2(!action->associatedWidgets().isEmpty(), qPrintable(action->text()));
        }
    }
    QVERIFY(!owners.isEmpty());
}

void TestTicketStation::noticeMakesWayForADialog()
{
    createWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QTemporaryDir dir;
    window->onSave(dir.filePath("shown.json"));
    QtTransparentTisp *tip = findTip();
    QVERIFY(tip && tip->isVisible());
    // Keys typed while it shows never go to it, whatever the platform does with activation.
    QVERIFY(tip->windowHandle()->flags() & Qt::WindowDoesNotAcceptFocus);
    QVERIFY(QGuiApplication::focusWindow() != tip->windowHandle());
    // It does not cover a dialog: one coming up closes it.
    QDialog dialog(window.get());
    dialog.show();
    QVERIFY(!tip->isVisible());
}

void TestTicketStation::tabLeavesThePageOutsideALists()
{
    createWindow();
    window->show();
    TtQTextEdit *page = window->pageEditor(-1);
    page->setPlainText("line");
    page->setFocus();
    QTest::keyClick(page, Qt::Key_Tab);
    QCOMPARE(page->toPlainText(), QString("line"));
    QVERIFY(window->focusWidget() != page);

    // In a list, Tab is the list's: it indents the item.
    QTextCursor cursor(page->document());
    cursor.createList(QTextListFormat::ListDisc);
    page->setTextCursor(cursor);
    page->setFocus();
    QTest::keyClick(page, Qt::Key_Tab);
    QCOMPARE(window->focusWidget(), page);
}

// The page height is the station's: set in the settings area, it applies to every page at once
// and is what the next start reads.
void TestTicketStation::pageHeightSetInTheWindow()
{
    writeSettings("maxTabWidget=2\nLanguage=queuestation_xx.qm\n");
    createWindow();
    child<QSpinBox>("spbPageHeight")->setValue(700);
    for (int i = 0; window->pageEditor(i); ++i)
        QCOMPARE(window->pageEditor(i)->maxHeight, 700);
    QSettings ini(settingsPath, QSettings::IniFormat);
    QCOMPARE(ini.value("editTextMaxHeight").toInt(), 700);
    QCOMPARE(ini.value("Language").toString(), QString("queuestation_xx.qm"));
    createWindow();
    QCOMPARE(child<QSpinBox>("spbPageHeight")->value(), 700);
    QCOMPARE(window->pageEditor(0)->maxHeight, 700);
}

void TestTicketStation::guideNamesEveryKey_data()
{
    QTest::addColumn<QString>("catalogue");
    QTest::newRow("chinese") << QString();
    QTest::newRow("english") << QString(kCatalogueEnglish);
    QTest::newRow("polish") << QString(kCataloguePolish);
}

// F1 opens the operator's guide in the interface language, and the guide tells every key the
// window's actions answer to.
void TestTicketStation::guideNamesEveryKey()
{
    QFETCH(QString, catalogue);
    createWindow();
    QAction *guideAction = nullptr;
    for (QAction *action : window->findChildren<QAction *>()) {
        if (action->shortcut() == QKeySequence(QKeySequence::HelpContents))
            guideAction = action;
    }
    QVERIFY(guideAction);
    guideAction->trigger();
    auto *shown = window->findChild<HelpWindow *>();
    QVERIFY(shown && shown->isVisible());

    QFile file(HelpWindow::guidePath(catalogue));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString guide = QString::fromUtf8(file.readAll());
    // Each action's main key; the platform may add others.
    for (QAction *action : window->findChildren<QAction *>()) {
        const QString text = action->shortcut().toString(QKeySequence::PortableText);
        QVERIFY2(guide.contains(text), qPrintable(text + " of " + action->text()));
    }
}

TS_TEST_MAIN(TestTicketStation)
#include "tst_ticketstation.moc"
