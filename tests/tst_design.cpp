// The design as a file holds it, without a window: its settings and pages survive a round
// trip, only objects with a design's keys count as designs, the settings become the frame's
// values the way the settings tab reads them, and preview bitmaps are written off the thread.

#include "design.h"
#include "devicecommands.h"
#include "fontregistry.h"
#include "pagemeasures.h"
#include "previewwriter.h"
#include "ticketpage.h"

#include <QGuiApplication>
#include <QJsonArray>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QtTest>

Q_DECLARE_METATYPE(DesignSettings)

class TestDesign : public QObject
{
    Q_OBJECT

private slots:
    void roundTripKeepsSettingsAndPages();
    void designObjects_data();
    void designObjects();
    void settingsAsTheTabReadsThem_data();
    void settingsAsTheTabReadsThem();
    void previewsAreWrittenAndSuperseded();
    void undoBackToTheSavedStateIsUnmodified();
    void addingAndRemovingPagesRenumbersThem();
    void pagesAsTheFileHoldsThem_data();
    void pagesAsTheFileHoldsThem();
    void fileFollowsOpenAndSave();
    void settingsHeldToTheirRanges_data();
    void settingsHeldToTheirRanges();
    void pageNamesAndUnknownPageKeysKept();
    void pagesDuplicatedMovedAndPutBack();
};

void TestDesign::roundTripKeepsSettingsAndPages()
{
    Design design(3, 200);
    design.setSettings({7, 23, 1, 4, {1, 2, 3, 4, 5, 9999}, false});
    TicketPage *page = design.page(2);
    page->setHtml("<p>third</p>");
    QImage picture(8, 4, QImage::Format_RGB32);
    picture.fill(Qt::black);
    page->addImageResource(picture, "pic");
    QTextImageFormat format;
    format.setName("pic");
    QTextCursor(page->document()).insertImage(format);

    Design loaded(3, 200);
    loaded.loadJson(design.toJson());
    QCOMPARE(loaded.settings().numberLimits, design.settings().numberLimits);
    QCOMPARE(loaded.settings().clearNumberTime, 23);
    QCOMPARE(loaded.settings().enableLimit, false);
    QCOMPARE(loaded.page(2)->document()->toPlainText(), page->document()->toPlainText());
    QCOMPARE(loaded.page(2)->picture("pic").convertToFormat(QImage::Format_RGB32), picture);
    // Once loaded, a design saves as it was read.
    Design again(3, 200);
    again.loadJson(loaded.toJson());
    QCOMPARE(again.toJson(), loaded.toJson());
}

void TestDesign::designObjects_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<bool>("isDesign");
    QTest::newRow("empty") << QByteArray("{}") << false;
    QTest::newRow("other keys") << QByteArray(R"({"name":1,"type_html":2})") << false;
    QTest::newRow("one setting") << QByteArray(R"({"cmbNetWork":1})") << true;
    QTest::newRow("one limit") << QByteArray(R"({"spbNumberLimit_4":1})") << true;
    QTest::newRow("one page") << QByteArray(R"({"type_3_html":{}})") << true;
}

void TestDesign::designObjects()
{
    QFETCH(QByteArray, json);
    QFETCH(bool, isDesign);
    QCOMPARE(isDesignObject(QJsonDocument::fromJson(json).object()), isDesign);
}

void TestDesign::settingsAsTheTabReadsThem_data()
{
    QTest::addColumn<DesignSettings>("settings");
    QTest::addColumn<QByteArray>("payload");
    QTest::newRow("in range") << DesignSettings{42, 9, 0, 5, {1, 2, 3, 4, 5, 6}, true}
                              << QByteArray::fromHex("2a090501 00000000 01000000 02000000 "
                                                     "03000000 04000000 05000000 06000000");
    // A list index outside the list is no entry, which the tab sends as 0 (format: "     1");
    // counts are held to the spin boxes' ranges.
    QTest::newRow("outside") << DesignSettings{100, 24, 7, 9, {-3, 10000, 0, 0, 0, 0}, false}
                             << QByteArray::fromHex("00000500 01000000 00000000 0f270000 "
                                                    "00000000 00000000 00000000 00000000");
}

void TestDesign::settingsAsTheTabReadsThem()
{
    QFETCH(DesignSettings, settings);
    QFETCH(QByteArray, payload);
    QCOMPARE(systemConfigFrame(systemConfigValues(settings)).mid(8).toHex(' '), payload.toHex(' '));
}

void TestDesign::previewsAreWrittenAndSuperseded()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("temp/");
    QImage page(384, 64, QImage::Format_RGB888);
    page.fill(Qt::white);
    {
        PreviewWriter writer;
        writer.write(folder, {page, page}, {page, page});
        writer.write(folder, {page}, {page});
    } // the writer finishes before it goes
    QVERIFY(!QImage(folder + "newImage_0.bmp").isNull());
    QVERIFY(!QImage(folder + "originImage_0.bmp").isNull());
}

namespace {

QString pageText(const Design &design, int index)
{
    return design.page(index)->document()->toPlainText();
}

QJsonObject pagesObject(const QList<int> &types)
{
    QJsonObject root{{"cmbNetWork", 3}};
    for (int type : types)
        root.insert(QString("type_%1_html").arg(type),
                    QJsonObject{{"html", QString("<p>page %1</p>").arg(type)}});
    return root;
}

} // namespace

void TestDesign::undoBackToTheSavedStateIsUnmodified()
{
    Design design(2);
    QSignalSpy changes(&design, &Design::modificationChanged);
    QVERIFY(!design.isModified());

    QTextCursor(design.page(1)->document()).insertText("typed");
    QVERIFY(design.isModified());
    design.page(1)->document()->undo();
    QVERIFY(!design.isModified());
    QCOMPARE(changes.count(), 2);

    DesignSettings settings = design.settings();
    settings.netWork = 9;
    design.setSettings(settings);
    QVERIFY(design.isModified());
    settings.netWork = 0;
    design.setSettings(settings);
    QVERIFY(!design.isModified());

    design.setSharpText(!design.sharpText());
    QVERIFY(design.isModified());
    design.setUnmodified();
    QVERIFY(!design.isModified());
    // Undoing back to a later saved state is unmodified too.
    QTextCursor(design.page(0)->document()).insertText("x");
    design.setUnmodified();
    QTextCursor(design.page(0)->document()).insertText("y");
    QVERIFY(design.isModified());
    design.page(0)->document()->undo();
    QVERIFY(!design.isModified());
}

void TestDesign::addingAndRemovingPagesRenumbersThem()
{
    Design design(3);
    for (int i = 0; i < 3; ++i)
        design.page(i)->setHtml(QString("<p>page %1</p>").arg(i + 1));
    design.setUnmodified();
    QSignalSpy rebuilt(&design, &Design::pagesChanged);

    QVERIFY(design.removePage(0));
    QVERIFY(design.isModified());
    QCOMPARE(design.pageCount(), 2);
    const QJsonObject root = design.toJson();
    QVERIFY(!root.contains("type_3_html"));
    QTextDocument stored;
    stored.setHtml(root["type_1_html"].toObject()["html"].toString());
    QCOMPARE(stored.toPlainText(), QString("page 2"));
    QCOMPARE(design.page(1)->typeIndex, 2);

    QVERIFY(design.addPage("<p>new</p>"));
    QCOMPARE(pageText(design, 2), QString("new"));
    QCOMPARE(design.page(2)->typeIndex, 3);
    while (design.addPage(QString()))
        ;
    QCOMPARE(design.pageCount(), kMaxDesignPages);
    while (design.removePage(0))
        ;
    QCOMPARE(design.pageCount(), 1);
    QVERIFY(!design.removePage(5));
    QCOMPARE(rebuilt.count(), 1 + 1 + (kMaxDesignPages - 3) + (kMaxDesignPages - 1));
}

void TestDesign::pagesAsTheFileHoldsThem_data()
{
    QTest::addColumn<QList<int>>("types");
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QList<int>>("beyondDevice");
    QTest::newRow("six") << QList<int>{1, 2, 3, 4, 5, 6} << 0 << 6 << QList<int>{};
    QTest::newRow("gap") << QList<int>{1, 3} << 0 << 3 << QList<int>{};
    QTest::newRow("none: as many as before") << QList<int>{} << 0 << 4 << QList<int>{};
    QTest::newRow("beyond the device") << QList<int>{1, 2, 7, 8} << 0 << 8 << QList<int>{7, 8};
    // A page number too large to make every page before it is kept as the file has it.
    QTest::newRow("beyond what is kept")
        << QList<int>{1, kMaxKeptPages + 1} << 0 << 1 << QList<int>{};
    QTest::newRow("count asked for") << QList<int>{1, 2, 3} << 2 << 2 << QList<int>{};
}

void TestDesign::pagesAsTheFileHoldsThem()
{
    QFETCH(QList<int>, types);
    QFETCH(int, asked);
    QFETCH(int, pages);
    QFETCH(QList<int>, beyondDevice);
    Design design(4);
    QJsonObject root = pagesObject(types);
    // A number too long for a page is no page.
    root.insert("type_99999999999_html", QJsonObject());
    root.insert("keyOfALaterVersion", QJsonArray{1, "two"});
    design.loadJson(root, asked);
    QCOMPARE(design.pageCount(), pages);
    QCOMPARE(design.pagesBeyondDevice(), beyondDevice);
    QCOMPARE(design.devicePages().size(), qMin(pages, kMaxDesignPages));
    for (int i = 0; i < pages; ++i) {
        QCOMPARE(design.page(i)->typeIndex, i + 1);
        QCOMPARE(pageText(design, i), types.contains(i + 1) ? QString("page %1").arg(i + 1) : "");
    }
    // What was opened is what is saved: nothing the file holds goes missing.
    const QJsonObject saved = design.toJson();
    for (auto it = root.begin(); it != root.end(); ++it) {
        QVERIFY2(saved.contains(it.key()), qPrintable(it.key()));
        if (!it.key().startsWith("type_") || it.key() == "type_99999999999_html")
            QCOMPARE(saved.value(it.key()), it.value());
    }
    for (int i = 0; i < pages; ++i)
        QVERIFY(saved.contains(QString("type_%1_html").arg(i + 1)));
}

void TestDesign::fileFollowsOpenAndSave()
{
    QTemporaryDir dir;
    Design design(2);
    QSignalSpy named(&design, &Design::filePathChanged);
    design.page(0)->setHtml("<p>kept</p>");
    QFile blocker(dir.filePath("blocker"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QVERIFY(!design.saveAs(dir.filePath("blocker/a.json")).isEmpty());
    QVERIFY(design.filePath().isEmpty());

    const QString path = dir.filePath("a.json");
    QCOMPARE(design.saveAs(path), QString());
    QCOMPARE(design.filePath(), path);
    QVERIFY(!design.isModified());

    QFile other(dir.filePath("other.json"));
    QVERIFY(other.open(QIODevice::WriteOnly));
    other.write("[1, 2]");
    other.close();
    // Not a design: refused, and the design stays as it was.
    QVERIFY(!design.open(other.fileName()).isEmpty());
    QCOMPARE(design.filePath(), path);
    QCOMPARE(pageText(design, 0), QString("kept"));

    Design opened;
    QCOMPARE(opened.open(path), QString());
    QCOMPARE(opened.filePath(), path);
    QCOMPARE(pageText(opened, 0), QString("kept"));
    QVERIFY(!opened.isModified());
    QCOMPARE(named.count(), 1);
}

int main(int argc, char **argv)
{
    measurePagesAlike();
    QGuiApplication app(argc, argv);
    registerShippedFonts(QStringLiteral(TS_SHIPPED_FONT_DIR));
    TestDesign test;
    return QTest::qExec(&test, argc, argv);
}

void TestDesign::settingsHeldToTheirRanges_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("held");
    // A choice outside its list is no entry; a count is held to its range.
    QTest::newRow("network in range") << "cmbNetWork" << 42.0 << 42;
    QTest::newRow("network past the list") << "cmbNetWork" << 150.0 << -1;
    QTest::newRow("reset hour past the day") << "cmbClearNumberTime" << 24.0 << -1;
    QTest::newRow("format past the list") << "cmbNumberFormat" << 5.0 << -1;
    QTest::newRow("interval too long") << "spbTicketingInterval" << 99.0 << 5;
    QTest::newRow("interval below zero") << "spbTicketingInterval" << -3.0 << 0;
    QTest::newRow("limit past the counter") << "spbNumberLimit_6" << 1e12 << 9999;
    QTest::newRow("limit below zero") << "spbNumberLimit_1" << -1.0 << 0;
}

void TestDesign::settingsHeldToTheirRanges()
{
    QFETCH(QString, key);
    QFETCH(double, value);
    QFETCH(int, held);
    Design design(1);
    design.loadJson(QJsonObject{{key, value}});
    QCOMPARE(design.toJson().value(key).toInt(), held);
    // What the operator sets is held the same way.
    design.setSettings(DesignSettings{500, 0, 0, 50, {}, true});
    QCOMPARE(design.settings().netWork, -1);
    QCOMPARE(design.settings().ticketingInterval, kMaxTicketingInterval);
}

void TestDesign::pageNamesAndUnknownPageKeysKept()
{
    Design design(1);
    design.loadJson(QJsonObject{
        {"type_1_html", QJsonObject{{"html", "<p>a</p>"}, {"name", "VIP"}, {"later", 5}}},
        {"type_2_html", QJsonObject{{"html", "<p>b</p>"}}}});
    QCOMPARE(design.pageName(0), QString("VIP"));
    QCOMPARE(design.pageName(1), QObject::tr("类型") + "2");
    const QJsonObject saved = design.toJson();
    QCOMPARE(saved["type_1_html"].toObject()["name"].toString(), QString("VIP"));
    QCOMPARE(saved["type_1_html"].toObject()["later"].toInt(), 5);
    QVERIFY(!saved["type_2_html"].toObject().contains("name"));
}

void TestDesign::pagesDuplicatedMovedAndPutBack()
{
    Design design(3);
    for (int i = 0; i < 3; ++i)
        design.page(i)->setHtml(QString("<p>%1</p>").arg(QChar('a' + i)));
    QImage picture(8, 8, QImage::Format_RGB888);
    picture.fill(Qt::black);
    design.page(0)->addImageResource(picture, "pic");
    design.renamePage(0, "  VIP ");
    design.setUnmodified();
    const auto texts = [&design] {
        // Each page's text, with '?' where a page is not numbered as its place.
        QString all;
        for (int i = 0; i < design.pageCount(); ++i)
            all += design.page(i)->typeIndex == i + 1 ? pageText(design, i) : "?";
        return all;
    };

    // A copy carries the pictures and the name with the text.
    QVERIFY(design.duplicatePage(0));
    QCOMPARE(texts(), QString("aabc"));
    QVERIFY(!design.page(1)->picture("pic").isNull());
    QCOMPARE(design.pageName(1), QString("VIP"));
    QVERIFY(design.isModified());

    QVERIFY(design.movePage(3, 0));
    QCOMPARE(texts(), QString("caab"));
    QVERIFY(!design.movePage(0, 4));

    // A removal is undone by putting the entry back where it was.
    const QJsonObject removed = design.pageEntry(3);
    QVERIFY(design.removePage(3));
    QCOMPARE(texts(), QString("caa"));
    QVERIFY(design.insertPage(3, removed));
    QCOMPARE(texts(), QString("caab"));
    QVERIFY(!design.insertPage(9, removed));

    design.renamePage(1, QString());
    QCOMPARE(design.pageName(1), QObject::tr("类型") + "2");
    while (design.duplicatePage(0))
        ;
    QCOMPARE(design.pageCount(), kMaxDesignPages);
}

#include "tst_design.moc"
