#include "design.h"
#include "faulttools.h"
#include "qttransparenttisp.h"
#include "testmain.h"
#include "ticketstation.h"
#include "ttqedittool.h"
#include "ttqtextedit.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextList>
#include <QTimer>
#include <QWindow>

#include <memory>

namespace {

struct Fragment
{
    QString text;
    QColor background;
};

// Every run of text in `doc` that carries a background colour.
QList<Fragment> backgroundRuns(const QTextDocument *doc)
{
    QList<Fragment> runs;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.background().style() != Qt::NoBrush)
                runs.append({it.fragment().text(), format.background().color()});
        }
    }
    return runs;
}

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

    void pagesFromSettings_data();
    void pagesFromSettings();
    void pageHeightFromSettings_data();
    void pageHeightFromSettings();
    void pagesCopyTheTemplate();
    void defaultPageContent();
    void pagesAreExactlyPaperWide();
    void templateIsNotAPage();
    void pageEditorIndices_data();
    void pageEditorIndices();
    void pageEditorWithoutTabs();
    void windowGeometry();
    void pagesTakeTheSpareHeight();
    void settingsWidgetRanges();
    void limitBoxesScreenOrder();
    void clearTimeHoursCarryBcd_data();
    void clearTimeHoursCarryBcd();
    void networkNumbers();
    void enableLimitTogglesGroup();
    void toolbarFollowsCurrentPage();
    void tipIsOwnWindowAndReleased();
    void aboutBoxNamesVersions();
    void shortcutsAreLiveAndUnique();
    void noticeLeavesTheKeyboardOnThePage();
    void tabLeavesThePageOutsideALists();

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

void TestTicketStation::pagesFromSettings_data()
{
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<int>("count");

    QTest::newRow("no file") << QByteArray() << 2;
    QTest::newRow("six") << QByteArray("maxTabWidget=6\n") << 6;
    QTest::newRow("eight gives one") << QByteArray("maxTabWidget=8\n") << 1;
    QTest::newRow("zero") << QByteArray("maxTabWidget=0\n") << 2;
    QTest::newRow("negative") << QByteArray("maxTabWidget=-3\n") << 2;
    QTest::newRow("seven still gives pages") << QByteArray("maxTabWidget=7\n") << 2;
    QTest::newRow("garbage") << QByteArray("maxTabWidget=many\n") << 2;
}

void TestTicketStation::pagesFromSettings()
{
    QFETCH(QByteArray, lines);
    QFETCH(int, count);
    if (!lines.isEmpty())
        writeSettings(lines);
    createWindow();

    QCOMPARE(pages()->count(), count);
    for (int i = 0; i < count; ++i) {
        QCOMPARE(pages()->tabText(i), QStringLiteral("类型%1").arg(i + 1));
        TtQTextEdit *editor = window->pageEditor(i);
        QVERIFY(editor);
        QCOMPARE(editor->typeIndex, i + 1);
        QCOMPARE(editor->parentWidget(), pages()->widget(i));
        QVERIFY(qobject_cast<QHBoxLayout *>(pages()->widget(i)->layout()));
    }
    QCOMPARE(pages()->currentIndex(), 0);
}

void TestTicketStation::pageHeightFromSettings_data()
{
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<int>("height");

    QTest::newRow("no file") << QByteArray() << 480;
    QTest::newRow("zero") << QByteArray("editTextMaxHeight=0\n") << 480;
    QTest::newRow("700") << QByteArray("editTextMaxHeight=700\n") << 700;
    QTest::newRow("beyond 16 bits") << QByteArray("editTextMaxHeight=70000\n") << 65535;
}

void TestTicketStation::pageHeightFromSettings()
{
    QFETCH(QByteArray, lines);
    QFETCH(int, height);
    if (!lines.isEmpty())
        writeSettings(lines);
    createWindow();

    for (int i = 0; i < pages()->count(); ++i)
        QCOMPARE(window->pageEditor(i)->maxHeight, height);
}

void TestTicketStation::pagesCopyTheTemplate()
{
    writeSettings("maxTabWidget=3\n");
    createWindow();
    const auto *templ = child<TtQTextEdit>("textEdit");
    QVERIFY(templ);
    const QList<Fragment> templateRuns = backgroundRuns(templ->document());
    QCOMPARE(templateRuns.size(), 3);
    // Binding a page to the toolbar reformats it, so compare content rather than markup.
    for (int i = 0; i < pages()->count(); ++i) {
        TtQTextEdit *editor = window->pageEditor(i);
        QCOMPARE(editor->toPlainText(), templ->toPlainText());
        const QList<Fragment> runs = backgroundRuns(editor->document());
        QCOMPARE(runs.size(), templateRuns.size());
        for (int r = 0; r < runs.size(); ++r) {
            QCOMPARE(runs.at(r).text, templateRuns.at(r).text);
            QCOMPARE(runs.at(r).background, templateRuns.at(r).background);
        }
        QCOMPARE(editor->sizePolicy(), templ->sizePolicy());
        QCOMPARE(editor->maximumSize(), templ->maximumSize());
    }
}

void TestTicketStation::defaultPageContent()
{
    createWindow();
    const QTextDocument *doc = child<TtQTextEdit>("textEdit")->document();
    QCOMPARE(doc->blockCount(), 7);

    const Qt::Alignment alignments[] = {Qt::AlignHCenter, Qt::AlignLeft,    Qt::AlignLeft,
                                        Qt::AlignHCenter, Qt::AlignHCenter, Qt::AlignHCenter,
                                        Qt::AlignLeft};
    int index = 0;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next(), ++index) {
        const QTextBlockFormat format = block.blockFormat();
        QCOMPARE(format.alignment() & ~Qt::AlignAbsolute & Qt::AlignHorizontal_Mask,
                 alignments[index]);
        QCOMPARE(format.topMargin(), 0.0);
        QCOMPARE(format.bottomMargin(), 0.0);
        QCOMPARE(format.leftMargin(), 0.0);
        QCOMPARE(format.rightMargin(), 0.0);
        if (index == 0) {
            QVERIFY(format.lineHeightType() == QTextBlockFormat::SingleHeight);
        } else {
            QCOMPARE(format.lineHeightType(), int(QTextBlockFormat::LineDistanceHeight));
            QCOMPARE(format.lineHeight(), 10.0);
        }
    }

    const QTextBlock intro = doc->findBlockByNumber(1);
    const QTextCharFormat introFormat = intro.begin().fragment().charFormat();
    QVERIFY(intro.text().startsWith(QStringLiteral("1.相关介绍：")));
    QCOMPARE(introFormat.fontPointSize(), 10.0);
    QCOMPARE(introFormat.fontWeight(), int(QFont::Bold));
    QCOMPARE(introFormat.font().family(), QStringLiteral("Microsoft YaHei"));
    QVERIFY(doc->findBlockByNumber(6).text().isEmpty());

    const QList<Fragment> runs = backgroundRuns(doc);
    QCOMPARE(runs.size(), 3);
    QCOMPARE(runs.at(0).text, QStringLiteral("0001"));
    QCOMPARE(runs.at(0).background, QColor("#e1ddfa"));
    QCOMPARE(runs.at(1).text, QStringLiteral("02"));
    QCOMPARE(runs.at(1).background, QColor("#fac3c3"));
    QCOMPARE(runs.at(2).text, QStringLiteral("02-02-2022 22:22:22"));
    QCOMPARE(runs.at(2).background, QColor("#fadbc0"));
}

void TestTicketStation::pagesAreExactlyPaperWide()
{
    writeSettings("maxTabWidget=3\n");
    createWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    for (int i = 0; i < pages()->count(); ++i) {
        pages()->setCurrentIndex(i);
        TtQTextEdit *editor = window->pageEditor(i);
        QCOMPARE(editor->minimumWidth(), 384);
        QCOMPARE(editor->maximumWidth(), 384);
        QTRY_COMPARE(editor->width(), 384);
    }
}

void TestTicketStation::templateIsNotAPage()
{
    createWindow();
    auto *templ = child<TtQTextEdit>("textEdit");
    QVERIFY(templ);
    for (int i = 0; i < pages()->count(); ++i)
        QVERIFY(window->pageEditor(i) != templ);
    QCOMPARE(pages()->indexOf(child<QWidget>("tab")), -1);
}

void TestTicketStation::pageEditorIndices_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("found");

    QTest::newRow("current") << -1 << true;
    QTest::newRow("first") << 0 << true;
    QTest::newRow("last") << 1 << true;
    QTest::newRow("count") << 2 << false;
    QTest::newRow("far beyond") << 100 << false;
    QTest::newRow("minus two") << -2 << false;
    QTest::newRow("very negative") << -1000 << false;
}

void TestTicketStation::pageEditorIndices()
{
    QFETCH(int, index);
    QFETCH(bool, found);
    createWindow();
    pages()->setCurrentIndex(1);
    TtQTextEdit *editor = window->pageEditor(index);
    QCOMPARE(editor != nullptr, found);
    if (index == -1)
        QCOMPARE(editor, window->pageEditor(1));
}

void TestTicketStation::pageEditorWithoutTabs()
{
    createWindow();
    while (pages()->count() > 0)
        pages()->removeTab(0);
    QCOMPARE(pages()->currentIndex(), -1);
    QVERIFY(!window->pageEditor(-1));
    QVERIFY(!window->pageEditor(0));
}

void TestTicketStation::windowGeometry()
{
    createWindow();
    QCOMPARE(window->objectName(), QStringLiteral("TicketStationClass"));
    // A new design has no file yet.
    QCOMPARE(window->windowTitle(), QObject::tr("未命名") + QStringLiteral("[*] — TicketStation"));
    QCOMPARE(window->minimumWidth(), 500);
    QCOMPARE(window->maximumWidth(), 500);
    QCOMPARE(window->minimumHeight(), 720);
    QCOMPARE(window->maximumHeight(), QWIDGETSIZE_MAX);

    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->resize(800, 300);
    QTRY_COMPARE(window->size(), QSize(500, 720));
}

void TestTicketStation::pagesTakeTheSpareHeight()
{
    createWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    auto *tabSet = child<QTabWidget>("tabSet");
    QTRY_COMPARE(tabSet->height(), tabSet->sizeHint().height());
    window->resize(500, 1000);
    QTRY_COMPARE(window->height(), 1000);
    QCOMPARE(tabSet->height(), tabSet->sizeHint().height());
    QVERIFY(pages()->height() > tabSet->height());
}

void TestTicketStation::settingsWidgetRanges()
{
    createWindow();
    // The tab shows the ranges the design keeps its values in.
    QCOMPARE(child<QComboBox>("cmbNetWork")->count(), kNetWorkCount);
    QCOMPARE(child<QComboBox>("cmbClearNumberTime")->count(), kClearNumberHours);
    QCOMPARE(child<QComboBox>("cmbNumberFormat")->count(), kNumberFormatCount);
    auto *interval = child<QSpinBox>("spbTicketingInterval");
    QCOMPARE(interval->minimum(), 0);
    QCOMPARE(interval->maximum(), kMaxTicketingInterval);
    QCOMPARE(interval->value(), 0);
    for (int i = 1; i <= 6; ++i) {
        auto *limit = window->findChild<QSpinBox *>(QStringLiteral("spbNumberLimit_%1").arg(i));
        QVERIFY(limit);
        QCOMPARE(limit->parentWidget(), child<QWidget>("ComGrouping"));
        QCOMPARE(limit->minimum(), 0);
        QCOMPARE(limit->maximum(), kMaxNumberLimit);
        QCOMPARE(limit->value(), 0);
    }
    auto *enable = child<QCheckBox>("cbEnableLimit");
    QCOMPARE(enable->text(), QStringLiteral("使能"));
    QVERIFY(enable->isEnabled());
    QVERIFY(!enable->isTristate());
}

void TestTicketStation::limitBoxesScreenOrder()
{
    createWindow();
    child<QTabWidget>("tabSet")->setCurrentIndex(1);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));

    const int order[] = {1, 2, 3, 6, 5, 4};
    int previousX = -1;
    for (int number : order) {
        auto *limit =
            window->findChild<QSpinBox *>(QStringLiteral("spbNumberLimit_%1").arg(number));
        QVERIFY(limit->isVisible());
        QVERIFY2(limit->x() > previousX, qPrintable(QStringLiteral("box %1").arg(number)));
        previousX = limit->x();
    }
}

void TestTicketStation::clearTimeHoursCarryBcd_data()
{
    QTest::addColumn<int>("hour");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("data");

    QTest::newRow("midnight") << 0 << QStringLiteral("00:00") << 0x00;
    QTest::newRow("nine") << 9 << QStringLiteral("09:00") << 0x09;
    QTest::newRow("ten") << 10 << QStringLiteral("10:00") << 0x10;
    QTest::newRow("fifteen") << 15 << QStringLiteral("15:00") << 0x15;
    QTest::newRow("nineteen") << 19 << QStringLiteral("19:00") << 0x19;
    QTest::newRow("twenty-three") << 23 << QStringLiteral("23:00") << 0x23;
}

void TestTicketStation::clearTimeHoursCarryBcd()
{
    QFETCH(int, hour);
    QFETCH(QString, text);
    QFETCH(int, data);
    createWindow();
    auto *hours = child<QComboBox>("cmbClearNumberTime");
    QCOMPARE(hours->count(), 24);
    QCOMPARE(hours->itemText(hour), text);
    QCOMPARE(hours->itemData(hour).toInt(), data);
}

void TestTicketStation::networkNumbers()
{
    createWindow();
    auto *network = child<QComboBox>("cmbNetWork");
    QCOMPARE(network->count(), 100);
    for (int j : {0, 7, 10, 99}) {
        QCOMPARE(network->itemText(j), QString::number(j));
        QCOMPARE(network->itemData(j).toInt(), j);
    }
}

void TestTicketStation::enableLimitTogglesGroup()
{
    createWindow();
    auto *enable = child<QCheckBox>("cbEnableLimit");
    auto *group = child<QWidget>("ComGrouping");
    auto *limit = child<QSpinBox>("spbNumberLimit_4");

    enable->setChecked(true);
    enable->click();
    QVERIFY(!enable->isChecked());
    QVERIFY(!group->isEnabled());
    QVERIFY(!limit->isEnabled());

    enable->click();
    QVERIFY(enable->isChecked());
    QVERIFY(group->isEnabled());
    QVERIFY(limit->isEnabled());
}

void TestTicketStation::toolbarFollowsCurrentPage()
{
    createWindow();
    auto *right = child<QPushButton>("btn_right");
    QVERIFY(right);
    QTextEdit *first = window->pageEditor(0);
    QTextEdit *second = window->pageEditor(1);

    // Block 1 of the default page is left aligned; the button acts where the cursor is.
    const auto alignmentOf = [](QTextEdit *edit) {
        return edit->document()->findBlockByNumber(1).blockFormat().alignment() &
               (Qt::AlignLeft | Qt::AlignRight | Qt::AlignHCenter | Qt::AlignJustify);
    };
    for (QTextEdit *edit : {first, second}) {
        QTextCursor cursor(edit->document()->findBlockByNumber(1));
        edit->setTextCursor(cursor);
    }

    pages()->setCurrentIndex(1);
    right->click();
    QCOMPARE(alignmentOf(second), Qt::AlignRight);
    QCOMPARE(alignmentOf(first), Qt::AlignLeft);

    pages()->setCurrentIndex(0);
    child<QPushButton>("btn_center")->click();
    QCOMPARE(alignmentOf(first), Qt::AlignHCenter);
    QCOMPARE(alignmentOf(second), Qt::AlignRight);
}

void TestTicketStation::tipIsOwnWindowAndReleased()
{
    QCOMPARE(tips().size(), 0);
    createWindow();
    QCOMPARE(tips().size(), 1);
    QtTransparentTisp *tip = tips().constFirst();
    QVERIFY(!tip->parentWidget());
    QVERIFY(!tip->isVisible());
    QVERIFY(!tip->testAttribute(Qt::WA_DeleteOnClose));

    window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(tips().size(), 0);
}

void TestTicketStation::aboutBoxNamesVersions()
{
    createWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));

    QString title;
    QString text;
    QTimer::singleShot(0, this, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            title = box->windowTitle();
            text = box->text();
            box->accept();
        }
    });
    child<QAction>("action_5")->trigger();

    QVERIFY(title.contains(QStringLiteral("TicketStation")));
    QVERIFY(text.contains(QStringLiteral("TicketStation")));
    QVERIFY2(text.contains(QString::fromLatin1(qVersion())), qPrintable(text));
    // The program's own version besides Qt's.
    const QRegularExpression version(QStringLiteral("\\d+\\.\\d+\\.\\d+"));
    int versions = 0;
    for (auto it = version.globalMatch(text); it.hasNext(); it.next())
        ++versions;
    QVERIFY2(versions >= 2, qPrintable(text));
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
    for (const char *key :
         {"Ctrl+B", "Ctrl+I", "Ctrl+U", "Ctrl+L", "Ctrl+E", "Ctrl+R", "Ctrl+J", "Ctrl+Z", "Ctrl+Y",
          "Ctrl+N", "Ctrl+O", "Ctrl+S", "Ctrl+Shift+S", "Ctrl+Q"})
        QVERIFY2(owners.contains(key), key);
    for (QAction *menu : window->menuBar()->actions())
        QVERIFY2(menu->text().contains('&'), qPrintable(menu->text()));
}

void TestTicketStation::noticeLeavesTheKeyboardOnThePage()
{
    createWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QWindow *active = QGuiApplication::focusWindow();
    QTemporaryDir dir;
    window->onSave(dir.filePath("shown.json"));
    QtTransparentTisp *tip = findTip();
    QVERIFY(tip && tip->isVisible());
    // Keys typed while "saved" shows still go where they went.
    QCOMPARE(QGuiApplication::focusWindow(), active);
    // Nor does it cover a dialog: one coming up closes it.
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

TS_TEST_MAIN(TestTicketStation)
#include "tst_ticketstation.moc"
