#include "designfile.h"
#include "faulttools.h"
#include "modalanswer.h"
#include "operatordialogs.h"
#include "pixeltools.h"
#include "qttransparenttisp.h"
#include "testmain.h"
#include "ticketpage.h"
#include "ticketstation.h"
#include "ttqtextedit.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>

#include <csignal>
#include <functional>
#include <limits>
#include <sys/resource.h>

namespace {

const QStringList kComboNames = {"cmbNetWork", "cmbClearNumberTime", "cmbNumberFormat"};
const QStringList kSpinNames = {"spbTicketingInterval", "spbNumberLimit_1", "spbNumberLimit_2",
                                "spbNumberLimit_3",     "spbNumberLimit_4", "spbNumberLimit_5",
                                "spbNumberLimit_6"};
constexpr int kPages = 3;

QString languageDir()
{
    return QCoreApplication::applicationDirPath() + "/language";
}

QString startupDesignPath()
{
    return QCoreApplication::applicationDirPath() + "//language//Config//template.json";
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

QJsonObject pageEntry(const QString &text)
{
    return {{"html", QString("<p>%1</p>").arg(text)}, {"imageArry", QJsonArray()}};
}

} // namespace

class TestConfig : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void saveThenLoadRestoresTheSettingsTab();
    void refusedDesignChangesNothing_data();
    void refusedDesignChangesNothing();
    void designValues_data();
    void designValues();
    void valuesOutsideTheTabsRanges();
    void readingADesignFile_data();
    void readingADesignFile();
    void sharpTextIsPartOfTheDesign();
    void saveAsWritesTheNamedFile();
    void startupDesignIsWrittenOnlyWhenAsked();
    void saveWritesTheOpenedFile();
    void ticketTypesAreAddedAndRemoved();
    void pagesBeyondTheDeviceAreKept();
    void toolbarActsOnTheNewPages();
    void unwritableTargetIsReportedAndKept();
    void interruptedSaveKeepsPreviousFile();

private:
    template <typename T> T *widget(const QString &name) const
    {
        T *found = window->findChild<T *>(name);
        Q_ASSERT(found);
        return found;
    }
    int reading(const QString &name) const;
    void setDistinctValues();
    QMap<QString, int> readings() const;
    QJsonObject validRoot() const;
    void loadAndWait(const QString &path);
    bool tipVisible() const;

    TicketStation *window = nullptr;
    QTemporaryDir *dir = nullptr;
};

void TestConfig::initTestCase()
{
    QVERIFY(QDir().mkpath(languageDir()));
    QSettings ini(languageDir() + "/settings.ini", QSettings::IniFormat);
    ini.clear();
    ini.setValue("maxTabWidget", kPages);
    ini.sync();
    QCOMPARE(ini.status(), QSettings::NoError);
}

void TestConfig::init()
{
    QFile::remove(startupDesignPath());
    dir = new QTemporaryDir;
    QVERIFY(dir->isValid());
    window = new TicketStation;
    window->show();
    QCOMPARE(widget<QTabWidget>("tabWidget")->count(), kPages);
}

void TestConfig::cleanup()
{
    // An answer whose question never came must not answer the next test's.
    Asker::clearAnswers();
    delete window;
    window = nullptr;
    delete dir;
    dir = nullptr;
}

int TestConfig::reading(const QString &name) const
{
    QObject *object = window->findChild<QObject *>(name);
    if (auto *combo = qobject_cast<QComboBox *>(object))
        return combo->currentIndex();
    if (auto *spin = qobject_cast<QSpinBox *>(object))
        return spin->value();
    if (auto *check = qobject_cast<QCheckBox *>(object))
        return check->isChecked() ? 1 : 0;
    qFatal("no settings widget %s", qPrintable(name));
}

QMap<QString, int> TestConfig::readings() const
{
    QMap<QString, int> values;
    for (const QString &name : kComboNames + kSpinNames + QStringList{"cbEnableLimit"})
        values.insert(name, reading(name));
    return values;
}

void TestConfig::setDistinctValues()
{
    widget<QComboBox>("cmbNetWork")->setCurrentIndex(42);
    widget<QComboBox>("cmbClearNumberTime")->setCurrentIndex(15);
    widget<QComboBox>("cmbNumberFormat")->setCurrentIndex(1);
    widget<QSpinBox>("spbTicketingInterval")->setValue(4);
    for (int i = 1; i <= 6; ++i)
        widget<QSpinBox>(QString("spbNumberLimit_%1").arg(i))->setValue(1000 + i * 11);
    widget<QCheckBox>("cbEnableLimit")->setChecked(false);
}

QJsonObject TestConfig::validRoot() const
{
    QJsonObject root{{"cmbNetWork", 42},
                     {"cmbClearNumberTime", 15},
                     {"cmbNumberFormat", 1},
                     {"spbTicketingInterval", 4},
                     {"cbEnableLimit", true}};
    for (int i = 1; i <= 6; ++i)
        root.insert(QString("spbNumberLimit_%1").arg(i), 100 * i);
    for (int i = 1; i <= kPages; ++i)
        root.insert(QString("type_%1_html").arg(i), pageEntry(QString("file page %1").arg(i)));
    return root;
}

void TestConfig::loadAndWait(const QString &path)
{
    auto *tabs = widget<QTabWidget>("tabWidget");
    tabs->setCurrentIndex(tabs->count() - 1);
    window->onLoad(path);
    // A design opens at its first page.
    QCOMPARE(tabs->currentIndex(), 0);
}

bool TestConfig::tipVisible() const
{
    QtTransparentTisp *tip = findTip();
    return tip && tip->isVisible();
}

void TestConfig::saveThenLoadRestoresTheSettingsTab()
{
    // Pictures and pages are tst_design's round trip; here the settings tab and what showing the
    // pages does to them.
    setDistinctValues();
    window->pageEditor(1)->setPlainText("second page");
    window->pageEditor(2)->setPlainText("third page");

    // Showing a page binds the toolbar, which sets the page's line height; loading shows every
    // page, so the pages are compared as they are once shown.
    auto *tabs = widget<QTabWidget>("tabWidget");
    QStringList htmlBefore;
    for (int i = 0; i < kPages; ++i) {
        tabs->setCurrentIndex(i);
        htmlBefore << window->pageEditor(i)->toHtml();
    }
    const QMap<QString, int> before = readings();

    const QString path = dir->filePath("Config.json");
    window->onSave(path);

    // Load into a window that starts from the defaults.
    delete window;
    window = new TicketStation;
    window->show();
    QVERIFY(readings() != before);
    loadAndWait(path);

    QCOMPARE(readings(), before);
    QVERIFY(!widget<QWidget>("ComGrouping")->isEnabled());
    for (int i = 0; i < kPages; ++i)
        QCOMPARE(window->pageEditor(i)->toHtml(), htmlBefore.at(i));
}

void TestConfig::refusedDesignChangesNothing_data()
{
    QTest::addColumn<QString>("name"); // empty: the operator cancels the file dialog
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("told"); // what the tip says, empty: nothing shown
    QTest::newRow("cancelled") << QString() << QByteArray() << QString();
    QTest::newRow("broken JSON") << "broken.json"
                                 << QByteArray("{ \"cmbNetWork\": 3, \"cbEnableLimit\": tru")
                                 << QObject::tr("打开失败：%1").arg("broken.json");
    QTest::newRow("past the size limit") << "huge.json" << QByteArray() << QObject::tr("文件过大");
}

void TestConfig::refusedDesignChangesNothing()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, told);
    setDistinctValues();
    window->pageEditor(0)->setPlainText("kept");
    const QMap<QString, int> before = readings();
    const QString path = name.isEmpty() ? QString() : dir->filePath(name);
    if (!content.isEmpty()) {
        QVERIFY(writeAll(path, content));
    } else if (!path.isEmpty()) {
        // Sparse, so the test costs no disk space.
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(kMaxDesignFileBytes + 1));
    }

    if (!path.isEmpty()) {
        window->onLoad(path);
        QVERIFY2(!tipVisible(), "a load the operator did not ask for stays silent");
    }
    Asker::setNextAnswer(QMessageBox::Discard);
    FileChooser::setNextFileName(path);
    window->findChild<QAction *>("Open")->trigger();
    if (told.isEmpty())
        QVERIFY(!tipVisible());
    else
        QTRY_VERIFY(tipText().contains(told));
    QCOMPARE(readings(), before);
    QCOMPARE(window->pageEditor(0)->toPlainText(), QString("kept"));
}

// A design file's values are read leniently, whatever their type.
void TestConfig::designValues_data()
{
    QTest::addColumn<QJsonValue>("value");
    QTest::addColumn<int>("number"); // as designInt reads it
    QTest::addColumn<bool>("flag");  // as designBool reads it
    QTest::newRow("whole number") << QJsonValue(7) << 7 << false;
    QTest::newRow("written as double") << QJsonValue(7.0) << 7 << false;
    QTest::newRow("fraction") << QJsonValue(7.5) << 0 << false;
    QTest::newRow("text") << QJsonValue("7") << 0 << false;
    QTest::newRow("beyond int") << QJsonValue(-1e12) << std::numeric_limits<int>::min() << false;
    QTest::newRow("object") << QJsonValue(QJsonObject{{"v", 3}}) << 0 << false;
    QTest::newRow("true") << QJsonValue(true) << 0 << true;
    QTest::newRow("absent") << QJsonValue(QJsonValue::Undefined) << 0 << false;
}

void TestConfig::designValues()
{
    QFETCH(QJsonValue, value);
    QFETCH(int, number);
    QFETCH(bool, flag);
    QJsonObject root;
    if (!value.isUndefined())
        root.insert("key", value);
    QCOMPARE(designInt(root, "key"), number);
    QCOMPARE(designBool(root, "key"), flag);
    QCOMPARE(designInt(root, "Key"), 0);
}

// The settings tab holds values to its ranges; what it shows is the design's from then on.
void TestConfig::valuesOutsideTheTabsRanges()
{
    QJsonObject root = validRoot();
    root.insert("cmbNumberFormat", 5);
    root.insert("spbTicketingInterval", 99);
    root.insert("spbNumberLimit_6", 1e12);
    root.insert("cbEnableLimit", 1);
    const QString path = dir->filePath("outside.json");
    QVERIFY(writeAll(path, QJsonDocument(root).toJson()));
    loadAndWait(path);
    QCOMPARE(reading("cmbNumberFormat"), -1);
    QCOMPARE(reading("spbTicketingInterval"), 5);
    QCOMPARE(reading("spbNumberLimit_6"), 9999);
    QVERIFY(!widget<QWidget>("ComGrouping")->isEnabled());
    // The other values are still taken.
    QCOMPARE(reading("spbNumberLimit_1"), 100);
    QCOMPARE(window->pageEditor(0)->toPlainText(), QString("file page 1"));
    window->onSave(path);
    const QJsonObject saved = QJsonDocument::fromJson(readAll(path)).object();
    QCOMPARE(saved["spbTicketingInterval"].toInt(), 5);
    QCOMPARE(saved["spbNumberLimit_6"].toInt(), 9999);
}

void TestConfig::readingADesignFile_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("content"); // written to `path` inside the temporary folder
    QTest::addColumn<QString>("error");      // empty: taken; "?": refused for any reason
    const QString invalid = QObject::tr("不是有效的 JSON 文件");
    const QString repeated = QObject::tr("文件中的键重复出现：%1");
    QTest::newRow("missing") << "missing.json" << QByteArray() << "?";
    QTest::newRow("folder") << "." << QByteArray() << "?";
    QTest::newRow("empty") << "empty.json" << QByteArray("") << invalid;
    QTest::newRow("not UTF-8") << "latin1.json"
                               << QByteArray("{\"type_1_html\": {\"html\": \"Gr\xfc\xdf\xff\"}}")
                               << invalid;
    QTest::newRow("nested past the parser's depth")
        << "deep.json"
        << "{\"x\": " + QByteArray(10000, '[') + QByteArray(10000, ']') + "}" << invalid;
    QTest::newRow("endless device") << "/dev/zero" << QByteArray() << QObject::tr("文件过大");
    QTest::newRow("repeated page")
        << "twice.json" << QByteArray(R"({"type_1_html":{"html":"a"},"type_1_html":{}})")
        << repeated.arg("type_1_html");
    QTest::newRow("repeated inside a page")
        << "inner.json" << QByteArray(R"({"p":{"imageArry":[],"x":1,"imageArry":[{}]}})")
        << repeated.arg("imageArry");
    QTest::newRow("repeated through an escape")
        << "escape.json" << QByteArray(R"({"key":[1],"k\u0065y":2})") << repeated.arg("key");
    QTest::newRow("long repeated key shortened")
        << "long.json"
        << QByteArray("{\"" + QByteArray(100, 'k') + "\":1,\"" + QByteArray(100, 'k') + "\":2}")
        << repeated.arg(QString(40, 'k') + QChar(0x2026));
    // Keys may repeat in separate objects, and key-like text elsewhere is no key.
    QTest::newRow("sibling objects")
        << "a.json" << QByteArray(R"({"a":{"k":1},"b":{"k":2}})") << QString();
    QTest::newRow("objects in an array")
        << "b.json" << QByteArray(R"({"a":[{"k":1},{"k":2}]})") << QString();
    QTest::newRow("key text inside values")
        << "c.json" << QByteArray(R"({"a":"\"a\":","b":["a","a"]})") << QString();
    QTest::newRow("escaped quote in a key")
        << "d.json" << QByteArray(R"({"a\"":1,"a":2})") << QString();
}

void TestConfig::readingADesignFile()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, content);
    QFETCH(QString, error);
    if (!path.startsWith('/'))
        path = dir->filePath(path);
    if (!content.isNull())
        QVERIFY(writeAll(path, content));

    const DesignReadResult result = ::readDesignFile(path, 1024 * 1024);
    if (error.isEmpty()) {
        QVERIFY2(result.ok, qPrintable(result.error));
        QCOMPARE(result.root, QJsonDocument::fromJson(content).object());
        return;
    }
    QVERIFY(!result.ok);
    QVERIFY(result.root.isEmpty());
    QVERIFY(!result.error.isEmpty());
    if (error != "?")
        QCOMPARE(result.error, error);
}

void TestConfig::sharpTextIsPartOfTheDesign()
{
    const auto pagesSharp = [this] {
        int sharp = 0;
        for (int i = 0; i < kPages; ++i)
            sharp += window->pageEditor(i)->page()->sharpText();
        return sharp;
    };
    // A new design starts sharp; turning it off is a change like any other: closing asks.
    QCOMPARE(pagesSharp(), kPages);
    widget<QCheckBox>("cbSharpText")->click();
    QCOMPARE(pagesSharp(), 0);
    Asker::setNextAnswer(QMessageBox::Cancel);
    QVERIFY(!window->close());

    // Opened again, the design and the box say anti-aliased, as every older design.
    const QString path = dir->filePath("soft.json");
    window->onSave(path);
    delete window;
    window = new TicketStation;
    window->show();
    loadAndWait(path);
    QVERIFY(!widget<QCheckBox>("cbSharpText")->isChecked());
    QCOMPARE(pagesSharp(), 0);
}

void TestConfig::saveAsWritesTheNamedFile()
{
    setDistinctValues();
    // A name without extension is still a .json file.
    FileChooser::setNextFileName(dir->filePath("branch12"));
    window->findChild<QAction *>("SaveAs")->trigger();
    const QJsonObject root =
        QJsonDocument::fromJson(readAll(dir->filePath("branch12.json"))).object();
    QCOMPARE(root["cmbNetWork"].toInt(), 42);
    QVERIFY(root.contains("type_3_html"));
}

void TestConfig::startupDesignIsWrittenOnlyWhenAsked()
{
    QVERIFY(QDir(languageDir() + "/Config").removeRecursively());
    setDistinctValues();
    // A new design has no file: Save asks for one, and cancelling writes nothing.
    FileChooser::setNextFileName(QString());
    window->findChild<QAction *>("Save")->trigger();
    QVERIFY2(!tipVisible(), "nothing was saved anywhere");
    QVERIFY(!QFileInfo::exists(startupDesignPath()));
    QVERIFY(window->isWindowModified());

    window->findChild<QAction *>("actUseAsStartup")->trigger();
    QCOMPARE(QJsonDocument::fromJson(readAll(startupDesignPath())).object()["cmbNetWork"].toInt(),
             42);
    // The design is still the unsaved new one; the start-up design is a copy.
    QVERIFY(window->isWindowModified());
    Asker::setNextAnswer(QMessageBox::Discard);

    // The next start begins a new design from it: Save asks for a name and leaves it alone.
    delete window;
    window = new TicketStation;
    QCOMPARE(reading("cmbNetWork"), 42);
    QVERIFY(window->windowTitle().startsWith(QObject::tr("未命名") + "[*]"));
    const QByteArray startup = readAll(startupDesignPath());
    window->pageEditor(0)->insertPlainText("x");
    FileChooser::setNextFileName(QString());
    window->findChild<QAction *>("Save")->trigger();
    QCOMPARE(readAll(startupDesignPath()), startup);
    Asker::setNextAnswer(QMessageBox::Discard);
    QFile::remove(startupDesignPath());
}

void TestConfig::pagesBeyondTheDeviceAreKept()
{
    QJsonObject root = validRoot();
    for (int i = 1; i <= kMaxDesignPages + 1; ++i)
        root.insert(QString("type_%1_html").arg(i), pageEntry(QString("file page %1").arg(i)));
    const QString path = dir->filePath("seven.json");
    QVERIFY(writeAll(path, QJsonDocument(root).toJson()));
    loadAndWait(path);
    const auto *banner = widget<QLabel>("beyondDeviceBanner");
    QVERIFY(banner->isVisibleTo(window));
    QVERIFY(banner->text().contains(QObject::tr("类型") + "7"));
    window->pageEditor(0)->insertPlainText("x");
    window->findChild<QAction *>("Save")->trigger();
    const QJsonObject saved = QJsonDocument::fromJson(readAll(path)).object();
    QTextDocument seventh;
    seventh.setHtml(saved["type_7_html"].toObject()["html"].toString());
    QCOMPARE(seventh.toPlainText(), QString("file page 7"));
}

void TestConfig::saveWritesTheOpenedFile()
{
    const QString opened = dir->filePath("branch12.json");
    QVERIFY(writeAll(opened, QJsonDocument(validRoot()).toJson()));
    // The one test that answers the real file dialog, as an operator types a name; the dialog
    // is rejected at a deadline if it refuses, so the test cannot hang.
    bool answered = false;
    pickInNextFileDialog(this, opened, &answered);
    window->findChild<QAction *>("Open")->trigger();
    QVERIFY(answered);
    QVERIFY(window->windowTitle().startsWith("branch12.json[*]"));
    QVERIFY(!window->isWindowModified());

    widget<QComboBox>("cmbNetWork")->setCurrentIndex(77);
    QVERIFY(window->isWindowModified());
    window->findChild<QAction *>("Save")->trigger();
    QVERIFY(!window->isWindowModified());
    QCOMPARE(QJsonDocument::fromJson(readAll(opened)).object()["cmbNetWork"].toInt(), 77);
    QVERIFY(!QFileInfo::exists(startupDesignPath()));
}

void TestConfig::ticketTypesAreAddedAndRemoved()
{
    auto *tabs = widget<QTabWidget>("tabWidget");
    window->findChild<QAction *>("actAddPage")->trigger();
    QCOMPARE(tabs->count(), kPages + 1);
    QCOMPARE(tabs->currentIndex(), kPages);
    QCOMPARE(tabs->tabText(kPages), QObject::tr("类型") + QString::number(kPages + 1));

    // Removing a page with content asks first; No keeps it.
    window->pageEditor(1)->setPlainText("second");
    window->pageEditor(2)->setPlainText("third");
    tabs->setCurrentIndex(1);
    Asker::setNextAnswer(QMessageBox::No);
    window->findChild<QAction *>("actRemovePage")->trigger();
    QCOMPARE(tabs->count(), kPages + 1);
    Asker::setNextAnswer(QMessageBox::Yes);
    window->findChild<QAction *>("actRemovePage")->trigger();
    QCOMPARE(Asker::pendingAnswers(), 0);
    QCOMPARE(tabs->count(), kPages);
    QCOMPARE(window->pageEditor(1)->toPlainText(), QString("third"));
    QCOMPARE(tabs->tabText(1), QObject::tr("类型") + "2");
    QVERIFY(window->isWindowModified());

    // Renamed, duplicated and moved; a removal is undone in one step; the file keeps the names.
    const auto act = [this](const char *name) {
        window->findChild<QAction *>(name)->trigger();
    };
    tabs->setCurrentIndex(0);
    window->pageEditor(0)->setPlainText("first");
    Asker::setNextText("VIP");
    act("actRenamePage");
    act("actDuplicatePage");
    QCOMPARE(tabs->currentIndex(), 1);
    QCOMPARE(window->pageEditor(1)->toPlainText(), QString("first"));
    act("actMovePageRight");
    const auto texts = [this, tabs] {
        QStringList shown;
        for (int i = 0; i < 3; ++i)
            shown << tabs->tabText(i) + ":" + window->pageEditor(i)->toPlainText();
        return QString::number(tabs->count()) + " " + shown.join(' ');
    };
    const QString type = QObject::tr("类型");
    const QString moved = "VIP:first " + type + "2:third VIP:first";
    QCOMPARE(texts(), QString::number(kPages + 1) + " " + moved);
    Asker::setNextAnswer(QMessageBox::Yes);
    act("actRemovePage");
    QVERIFY(texts().startsWith(QString::number(kPages) + " VIP:first " + type + "2:third "));
    act("actUndoPageChange");
    QCOMPARE(texts(), QString::number(kPages + 1) + " " + moved);
    const QString path = dir->filePath("named.json");
    window->onSave(path);
    const QJsonObject saved = QJsonDocument::fromJson(readAll(path)).object();
    QCOMPARE(saved["type_3_html"].toObject()["name"].toString(), QString("VIP"));
    QVERIFY(!saved["type_2_html"].toObject().contains("name"));
}

void TestConfig::toolbarActsOnTheNewPages()
{
    // Each of these replaces the page the toolbar was bound to, or shows another.
    const QString path = dir->filePath("design.json");
    QVERIFY(writeAll(path, QJsonDocument(validRoot()).toJson()));
    const QList<std::function<void()>> replacements = {
        [&] { window->onLoad(path); },
        [&] { window->findChild<QAction *>("actNew")->trigger(); },
        // Again, with the first page current already.
        [&] { window->findChild<QAction *>("actNew")->trigger(); },
        [&] { window->findChild<QAction *>("actAddPage")->trigger(); },
        [&] { window->findChild<QAction *>("actRemovePage")->trigger(); },
        [&] { widget<QTabWidget>("tabWidget")->setCurrentIndex(0); },
    };
    for (const auto &replace : replacements) {
        Asker::setNextAnswer(QMessageBox::Discard);
        replace();
        Asker::clearAnswers();
        TtQTextEdit *page = window->pageEditor(-1);
        // As Ctrl+A does; the toolbar must follow the selection, not the old cursor.
        page->selectAll();
        const int before = page->textCursor().charFormat().fontWeight();
        widget<QPushButton>("btn_bold")->click();
        QVERIFY(page->textCursor().charFormat().fontWeight() != before);
    }
}

void TestConfig::unwritableTargetIsReportedAndKept()
{
    // A folder that cannot be made is tst_design::fileFollowsOpenAndSave's; a target that is a
    // folder cannot be replaced by the file either, and the operator is told.
    const QString occupied = dir->filePath("occupied.json");
    QVERIFY(QDir().mkpath(occupied + "/inside"));
    window->onSave(occupied);
    QVERIFY(tipVisible());
    QVERIFY(tipText().startsWith(QObject::tr("保存失败：%1").arg("occupied.json")));
    QVERIFY(QFileInfo(occupied + "/inside").isDir());
    QVERIFY(QDir(dir->path()).entryList(QDir::Files).isEmpty());
}

void TestConfig::interruptedSaveKeepsPreviousFile()
{
    const QString path = dir->filePath("Config.json");
    window->onSave(path);
    const QByteArray previous = readAll(path);
    QVERIFY(previous.size() > 1000);
    QCOMPARE(tipText(), QObject::tr("已保存：%1").arg("Config.json"));

    // A picture makes the next file larger than the file-size limit set below, so the write
    // breaks off part-way, like a full disk would.
    TtQTextEdit *page = window->pageEditor(0);
    page->addImageResource(solidImage({100, 100}, qRgb(1, 2, 3)), "{picture}");
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit limited = saved;
    limited.rlim_cur = previous.size() + 512;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
    window->onSave(path);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY(tipText().startsWith(QObject::tr("保存失败：%1").arg("Config.json")));
    QCOMPARE(readAll(path), previous);
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{"Config.json"});
}

TS_TEST_MAIN(TestConfig)
#include "tst_config.moc"
