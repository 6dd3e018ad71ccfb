// The design as a file holds it, without a window: its settings and pages survive a round
// trip, only objects with a design's keys count as designs, the settings become the frame's
// values the way the settings tab reads them, and preview bitmaps are written off the thread.

#include "design.h"
#include "devicecommands.h"
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
};

void TestDesign::roundTripKeepsSettingsAndPages()
{
    Design design(3, 200);
    design.settings = {7, 23, 1, 4, {1, 2, 3, 4, 5, 9999}, false};
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
    QCOMPARE(loaded.settings.numberLimits, design.settings.numberLimits);
    QCOMPARE(loaded.settings.clearNumberTime, 23);
    QCOMPARE(loaded.settings.enableLimit, false);
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

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    TestDesign test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_design.moc"
