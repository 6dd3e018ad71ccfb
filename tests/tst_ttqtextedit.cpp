// The page the editor shows: how it renders, and how it goes into a design file and comes back,
// whatever the file holds. The pixel helpers themselves are tst_pagepixels'.

#include "editactions.h"
#include "pagepixels.h"
#include "testmain.h"
#include "testpages.h"
#include "ticketpage.h"
#include "ttqtextedit.h"

#include <QAction>
#include <QBuffer>
#include <QJsonArray>
#include <QTextCursor>
#include <QTextImageFormat>
#include <QtTest>

#include <limits>
#include <memory>

namespace {

const QColor kNumberColour("#e1ddfa");

QImage resourceImage(TtQTextEdit &edit, const QString &name)
{
    return qvariant_cast<QImage>(
        edit.document()->resource(QTextDocument::ImageResource, QUrl(name, QUrl::TolerantMode)));
}

QByteArray bmpBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

QJsonObject pageEntry(const QString &html, const QJsonArray &images)
{
    return QJsonObject{{"html", html}, {"imageArry", images}};
}

} // namespace

class TestTtQTextEdit : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void cropHeight_data();
    void cropHeight();
    void unallocatableCanvasGivesNullPage_data();
    void unallocatableCanvasGivesNullPage();

    void roundTripRestoresPage();
    void loadMissingEntryGivesEmptyPage_data();
    void loadMissingEntryGivesEmptyPage();
    void loadUnreadablePictureRegistersNullImage_data();
    void loadUnreadablePictureRegistersNullImage();

    void zoomLeavesThePrintAlone();
    void copyPastesWholeIntoAnotherPage_data();
    void copyPastesWholeIntoAnotherPage();

private:
    std::unique_ptr<TtQTextEdit> edit;
};

void TestTtQTextEdit::init()
{
    edit = std::make_unique<TtQTextEdit>();
    edit->setFixedWidth(kPaperDots);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void TestTtQTextEdit::cleanup()
{
    edit.reset();
}

void TestTtQTextEdit::cropHeight_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<int>("maxHeight");

    QTest::newRow("small picture") << QSize(60, 30) << 480;
    QTest::newRow("picture reaching past the canvas") << QSize(10, 600) << 480;
    QTest::newRow("picture taller than a painter reaches") << QSize(10, 40000) << 0xFFFF;
}

void TestTtQTextEdit::cropHeight()
{
    QFETCH(QSize, picture);
    QFETCH(int, maxHeight);

    edit->maxHeight = maxHeight;
    QTextCursor cursor(edit->document());
    insertPicture(*edit, cursor, "p", picture, Qt::black);
    edit->renderPage();

    const QImage &page = edit->pageImage;
    const QRect ink = findColourRun(page, qRgb(0, 0, 0));
    QVERIFY(ink.isValid());
    const int expected = std::min(ink.bottom() + kCropMargin, maxHeight);
    QCOMPARE(page.size(), QSize(kPaperDots, expected));
    QCOMPARE(page.format(), QImage::Format_RGB888);
    if (ink.bottom() + 1 < page.height()) {
        QCOMPARE(ink.size(), picture); // drawn at one dot per pixel
        QVERIFY(allWhite(page,
                         QRect(0, ink.bottom() + 1, kPaperDots, page.height() - ink.bottom() - 1)));
    } else {
        QCOMPARE(ink.height(), page.height() - ink.y()); // cut at the canvas bottom
    }
}

void TestTtQTextEdit::unallocatableCanvasGivesNullPage_data()
{
    QTest::addColumn<int>("maxHeight");
    QTest::newRow("zero") << 0;
    QTest::newRow("beyond any memory") << std::numeric_limits<int>::max();
}

void TestTtQTextEdit::unallocatableCanvasGivesNullPage()
{
    QFETCH(int, maxHeight);

    QTextCursor cursor(edit->document());
    insertPicture(*edit, cursor, "number", QSize(60, 30), kNumberColour);
    edit->maxHeight = maxHeight;
    edit->renderPage();
    QVERIFY(edit->pageImage.isNull());
    QCOMPARE(edit->findBlockRect(BLOCK_NUMBER), QRect());
    QVERIFY(edit->downloadImage().isNull());

    edit->maxHeight = 480;
    QCOMPARE(edit->findBlockRect(BLOCK_NUMBER).size(), QSize(60, 30));
}

void TestTtQTextEdit::roundTripRestoresPage()
{
    edit->typeIndex = 1;
    QTextCursor cursor(edit->document());
    insertPicture(*edit, cursor, "{4b1c0d7e-1111-2222-3333-444455556666}", QSize(60, 30),
                  kNumberColour);
    cursor.insertBlock();
    insertPicture(*edit, cursor, "plain name", QSize(120, 40), Qt::black);
    // As the toolbar leaves a page: loading gives paragraphs without one this line height.
    edit->page()->applyDefaultLineHeight();
    const QImage page = edit->downloadImage();
    const QRect number = edit->findBlockRect(BLOCK_NUMBER);

    QJsonObject config;
    edit->saveToJson(config);

    TtQTextEdit restored;
    restored.setFixedWidth(kPaperDots);
    restored.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    restored.typeIndex = 1;
    restored.loadFromJson(config);
    QVERIFY(!restored.isHidden());
    QCOMPARE(restored.imageNames, edit->imageNames);
    for (const QString &name : edit->imageNames)
        QCOMPARE(resourceImage(restored, name).convertToFormat(QImage::Format_RGB32),
                 resourceImage(*edit, name));
    QCOMPARE(restored.findBlockRect(BLOCK_NUMBER), number);
    QCOMPARE(restored.downloadImage(), page);
}

void TestTtQTextEdit::loadMissingEntryGivesEmptyPage_data()
{
    QTest::addColumn<QJsonObject>("config");
    QTest::newRow("no entry") << QJsonObject{{"type_2_html", pageEntry("other", {})}};
    QTest::newRow("entry not an object") << QJsonObject{{"type_1_html", "text"}};
    QTest::newRow("fields of the wrong type")
        << QJsonObject{{"type_1_html", QJsonObject{{"html", 5}, {"imageArry", "x"}}}};
}

void TestTtQTextEdit::loadMissingEntryGivesEmptyPage()
{
    QFETCH(QJsonObject, config);
    edit->typeIndex = 1;
    edit->loadFromJson(config);
    QVERIFY(edit->toPlainText().isEmpty());
    QVERIFY(edit->imageNames.isEmpty());
    QCOMPARE(edit->findBlockRect(BLOCK_NUMBER), QRect());
    QCOMPARE(edit->pageImage.size(), QSize(kPaperDots, kCropMargin));
}

void TestTtQTextEdit::loadUnreadablePictureRegistersNullImage_data()
{
    QTest::addColumn<QByteArray>("base64");

    QTest::newRow("not base64") << QByteArray("@@@not base64@@@");
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("not a bmp") << QByteArray("hello, world").toBase64();
    // A header claiming an absurd size is tst_fault_inputs::hugePicture's.
}

void TestTtQTextEdit::loadUnreadablePictureRegistersNullImage()
{
    QFETCH(QByteArray, base64);

    QJsonObject picture{{"uri", "broken"}};
    if (!base64.isNull())
        picture.insert("Image", QString::fromLatin1(base64));
    const QJsonObject good{
        {"Image", QString::fromLatin1(bmpBytes(solidImage(QSize(5, 6), Qt::black)).toBase64())},
        {"uri", "good"}};
    edit->typeIndex = 1;
    edit->loadFromJson(QJsonObject{
        {"type_1_html", pageEntry("<p>before<img src=\"broken\">after</p>", {picture, good})}});

    QCOMPARE(edit->imageNames, (QList<QString>{"broken", "good"}));
    QVERIFY(resourceImage(*edit, "broken").isNull());
    QCOMPARE(resourceImage(*edit, "good").size(), QSize(5, 6));
    QVERIFY(edit->toPlainText().startsWith("before"));
    edit->renderPage();

    QJsonObject saved;
    edit->saveToJson(saved);
    const QJsonArray images = saved.value("type_1_html").toObject().value("imageArry").toArray();
    QCOMPARE(images.size(), 1);
    QCOMPARE(images.at(0).toObject().value("uri").toString(), QString("good"));
}

// Zoom is the view's: the page prints the same dots, and the pointer still finds the text it
// points at.
void TestTtQTextEdit::zoomLeavesThePrintAlone()
{
    edit->setPlainText("first line\nsecond line of text");
    QTextCursor cursor(edit->document());
    insertPicture(*edit, cursor, "p", QSize(40, 20), Qt::black);
    edit->setFixedHeight(300);
    edit->show();
    QVERIFY(QTest::qWaitForWindowExposed(edit.get()));
    const QImage printed = edit->downloadImage();
    cursor.setPosition(16);
    const QPoint between = edit->cursorRect(cursor).center();

    edit->setZoom(200);
    QCOMPARE(edit->width(), kPaperDots - kPageTextWidth + 2 * kPageTextWidth);
    QCOMPARE(edit->downloadImage(), printed);
    QTest::mouseClick(edit->viewport(), Qt::LeftButton, {}, between * 2);
    QCOMPARE(edit->textCursor().position(), 16);

    // Ctrl + wheel asks for a zoom step; QTextEdit's own would enlarge the fonts that print.
    QSignalSpy steps(edit.get(), &TtQTextEdit::zoomStepRequested);
    QWheelEvent wheel(QPointF(10, 10), edit->mapToGlobal(QPoint(10, 10)), QPoint(), QPoint(0, 120),
                      Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(edit->viewport(), &wheel);
    QCOMPARE(steps.size(), 1);
    QCOMPARE(steps.at(0).at(0).toInt(), 1);
    QCOMPARE(edit->downloadImage(), printed);

    edit->setZoom(100);
    QCOMPARE(edit->width(), kPaperDots);
}

void TestTtQTextEdit::copyPastesWholeIntoAnotherPage_data()
{
    QTest::addColumn<QString>("content"); // "mark", "picture" or "code"
    QTest::addColumn<bool>("cut");
    QTest::newRow("mark, copied") << "mark" << false;
    QTest::newRow("mark, cut") << "mark" << true;
    QTest::newRow("picture, copied") << "picture" << false;
    QTest::newRow("picture, cut") << "picture" << true;
    QTest::newRow("code, copied") << "code" << false;
}

// Through the Edit menu's actions, as the operator does it: what is pasted into another page
// prints there as it did where it was copied, and is saved with that page.
void TestTtQTextEdit::copyPastesWholeIntoAnotherPage()
{
    QFETCH(QString, content);
    QFETCH(bool, cut);
    TicketPage sourcePage(1);
    TicketPage targetPage(2);
    TtQTextEdit source(sourcePage);
    TtQTextEdit target(targetPage);
    QTextCursor cursor(source.document());
    QImage picture(48, 24, QImage::Format_RGB32);
    picture.fill(Qt::black);
    TicketCode code;
    if (content == "mark") {
        source.insertHtml(
            R"(<span style=" font-size:14pt; background-color:#e1ddfa;">0001</span>)");
    } else if (content == "picture") {
        sourcePage.insertPicture(cursor, picture);
    } else {
        code.content = QStringLiteral("https://example.org/");
        sourcePage.insertCode(cursor, code, makeCodePicture(code).image);
    }
    const QImage printed = source.downloadImage();
    const QRect mark = source.findBlockRect(BLOCK_NUMBER);

    EditActions actions;
    const QList<QAction *> menu = actions.actions();
    QAction *cutAction = menu.at(0);
    QAction *copyAction = menu.at(1);
    QAction *pasteAction = menu.at(2);
    QAction *selectAll = menu.at(5);
    actions.bind(&source);
    QVERIFY(!copyAction->isEnabled());
    selectAll->trigger();
    QVERIFY(copyAction->isEnabled() && cutAction->isEnabled());
    (cut ? cutAction : copyAction)->trigger();
    QCOMPARE(source.document()->isEmpty(), cut);

    actions.bind(&target);
    QVERIFY(pasteAction->isEnabled());
    pasteAction->trigger();
    QCOMPARE(target.downloadImage(), printed);
    QCOMPARE(target.findBlockRect(BLOCK_NUMBER), mark);

    // Saved and opened again, the page still has it.
    QJsonObject file;
    targetPage.saveToJson(file);
    TicketPage reopened(2);
    reopened.loadFromJson(file);
    TtQTextEdit shown(reopened);
    QCOMPARE(shown.downloadImage(), printed);
    if (content == "code") {
        QCOMPARE(reopened.imageNames.size(), 1);
        QVERIFY(reopened.code(reopened.imageNames.constFirst()));
    }
}

TS_TEST_MAIN(TestTtQTextEdit)
#include "tst_ttqtextedit.moc"
