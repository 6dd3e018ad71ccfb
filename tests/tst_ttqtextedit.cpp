#include "pagepixels.h"
#include "testmain.h"
#include "testpages.h"
#include "ticketpage.h"
#include "ttqtextedit.h"

#include <QBuffer>
#include <QHBoxLayout>
#include <QJsonArray>
#include <QMainWindow>
#include <QPainter>
#include <QScrollBar>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextImageFormat>
#include <QtTest>

#include <limits>
#include <memory>

namespace {

const QColor kNumberColour("#e1ddfa");
const QColor kDateTimeColour("#fadbc0");
const QColor kQueueColour("#fac3c3");

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

// A tab page the way the main window builds one: fixed paper width, no horizontal scroll bar.
TtQTextEdit *addPage(QTabWidget &tabs)
{
    auto *container = new QWidget;
    auto *layout = new QHBoxLayout;
    auto *edit = new TtQTextEdit;
    container->setLayout(layout);
    layout->addWidget(edit);
    edit->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    edit->setMinimumWidth(kPaperDots);
    edit->setMaximumWidth(kPaperDots);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tabs.addTab(container, QStringLiteral("page"));
    edit->show();
    return edit;
}

// Many small pictures between spaces: where lines break depends on every dot of text width.
QString wrappingHtml(int pictures)
{
    QString html;
    for (int i = 0; i < pictures; ++i)
        html += QStringLiteral("<img src=\"dot%1\" width=\"%2\" height=\"12\"> ")
                    .arg(i % 3)
                    .arg(9 + i % 5);
    return html;
}

void fillWrappingPage(TtQTextEdit &edit, int pictures)
{
    edit.addImageResource(solidImage(QSize(9, 12), Qt::black), "dot0");
    edit.addImageResource(solidImage(QSize(9, 12), kNumberColour), "dot1");
    edit.addImageResource(solidImage(QSize(9, 12), Qt::darkGreen), "dot2");
    edit.setHtml(wrappingHtml(pictures));
}

} // namespace

class TestTtQTextEdit : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void constructionRendersEmptyPage();
    void cropHeight_data();
    void cropHeight();
    void renderMatchesPlainDrawing_data();
    void renderMatchesPlainDrawing();
    void contentWiderThanPaperIsCut();
    void blockRectFollowsEdits();
    void downloadImageClearsBlocks();
    void downloadImageOfPageWithoutBlocks();
    void unallocatableCanvasGivesNullPage_data();
    void unallocatableCanvasGivesNullPage();

    void neverShownPageRendersLikeShownPage_data();
    void neverShownPageRendersLikeShownPage();

    void saveWritesPicturesAsBmp();
    void saveWithoutPicturesWritesEmptyArray();
    void saveUnsetTypeIndexUsesTypeZero();
    void saveReplacesOnlyOwnEntry();
    void saveKeepsPictureDeletedFromText();
    void saveWritesRepeatedNameTwice();
    void roundTripRestoresPage();
    void loadMissingEntryClearsPage_data();
    void loadMissingEntryClearsPage();
    void loadUnreadablePictureRegistersNullImage_data();
    void loadUnreadablePictureRegistersNullImage();
    void loadForgetsEarlierNames();

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

void TestTtQTextEdit::constructionRendersEmptyPage()
{
    TtQTextEdit fresh;
    QCOMPARE(fresh.maxHeight, 480);
    QCOMPARE(fresh.typeIndex, 0);
    QVERIFY(fresh.imageNames.isEmpty());
    QCOMPARE(fresh.pageImage.size(), QSize(384, 30));
    QCOMPARE(fresh.pageImage.format(), QImage::Format_RGB888);
    QVERIFY(allWhite(fresh.pageImage, fresh.pageImage.rect()));
}

void TestTtQTextEdit::cropHeight_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<int>("maxHeight");

    QTest::newRow("small picture") << QSize(60, 30) << 480;
    QTest::newRow("picture reaching past the canvas") << QSize(10, 600) << 480;
    QTest::newRow("lower canvas") << QSize(50, 190) << 200;
    QTest::newRow("taller canvas") << QSize(50, 600) << 700;
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

void TestTtQTextEdit::renderMatchesPlainDrawing_data()
{
    QTest::addColumn<int>("maxHeight");
    QTest::newRow("content taller than the canvas") << 480;
    QTest::newRow("canvas taller than the content") << 2000;
}

void TestTtQTextEdit::renderMatchesPlainDrawing()
{
    QFETCH(int, maxHeight);

    // Mixed content: anti-aliased text in several sizes and styles, blocks and pictures. Both
    // drawings use the same fonts, so the glyphs' shapes do not matter.
    QString html = QStringLiteral("<p align=center style='font-size:26pt'>Ticket 小票</p>"
                                  "<p style='font-size:9pt'><i>small italic</i> <b>bold</b></p>"
                                  "<p align=center style='font-size:18pt'>No. <span "
                                  "style='background-color:#e1ddfa'>0001</span></p>"
                                  "<p><img src='logo' width='200' height='80'></p>");
    for (int i = 0; i < 40; ++i)
        html += QStringLiteral("<p style='font-size:%1pt'>line %2 "
                               "<span style='background-color:#fac3c3'>02</span></p>")
                    .arg(8 + i % 10)
                    .arg(i);
    edit->addImageResource(solidImage(QSize(200, 80), Qt::darkBlue), "logo");
    edit->setHtml(html);
    edit->maxHeight = maxHeight;
    edit->renderPage();

    // The straightforward way: draw everything on an RGB888 canvas, look for the lowest row
    // holding a non-white pixel and keep 30 rows below it.
    QImage canvas(kPaperDots, maxHeight, QImage::Format_RGB888);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing);
        edit->document()->drawContents(&painter);
    }
    int lowest = 0;
    for (int y = maxHeight - 1; y > 0 && lowest == 0; --y)
        for (int x = 0; x < kPaperDots && lowest == 0; ++x)
            if (canvas.pixel(x, y) != 0xFFFFFFFF)
                lowest = y;
    const QImage expected = canvas.copy(0, 0, kPaperDots, std::min(lowest + 30, maxHeight));
    QVERIFY(lowest > 100);
    QCOMPARE(edit->pageImage, expected);
}

void TestTtQTextEdit::contentWiderThanPaperIsCut()
{
    edit->setLineWrapMode(QTextEdit::NoWrap);
    QTextCursor cursor(edit->document());
    insertPicture(*edit, cursor, "wide", QSize(500, 20), kQueueColour);
    const QRect rect = edit->findBlockRect(BLOCK_QUEUE);
    QCOMPARE(edit->pageImage.width(), kPaperDots);
    QCOMPARE(rect.width(), kPaperDots - rect.x());
    QCOMPARE(rect.height(), 20);
}

void TestTtQTextEdit::blockRectFollowsEdits()
{
    QTextCursor cursor(edit->document());
    insertPicture(*edit, cursor, "number", QSize(60, 30), kNumberColour);
    const QRect before = edit->findBlockRect(BLOCK_NUMBER);
    QCOMPARE(before.size(), QSize(60, 30));
    QCOMPARE(edit->findBlockRect(BLOCK_DATETIME), QRect());
    const int heightBefore = edit->pageImage.height();

    cursor.movePosition(QTextCursor::Start);
    insertPicture(*edit, cursor, "black", QSize(40, 40), Qt::black);
    cursor.insertBlock();
    const QRect after = edit->findBlockRect(BLOCK_NUMBER);
    QCOMPARE(after.size(), QSize(60, 30));
    QVERIFY2(after.y() >= before.y() + 40, qPrintable(QString::number(after.y())));
    QVERIFY(edit->pageImage.height() >= heightBefore + 40);
    QCOMPARE(edit->pageImage.pixel(after.topLeft()), kNumberColour.rgb());
}

void TestTtQTextEdit::downloadImageClearsBlocks()
{
    QTextCursor cursor(edit->document());
    insertPicture(*edit, cursor, "black", QSize(100, 20), Qt::black);
    cursor.insertBlock();
    insertPicture(*edit, cursor, "number", QSize(60, 30), kNumberColour);
    cursor.insertBlock();
    insertPicture(*edit, cursor, "date", QSize(216, 20), kDateTimeColour);
    cursor.insertBlock();
    insertPicture(*edit, cursor, "queue", QSize(36, 24), kQueueColour);
    cursor.insertBlock();
    insertPicture(*edit, cursor, "second number", QSize(60, 30), kNumberColour);

    const QImage image = edit->downloadImage();
    const QImage &page = edit->pageImage;
    QCOMPARE(image.size(), page.size());
    QCOMPARE(image.format(), QImage::Format_RGB888);

    const QRect number = findBlockRectIn(page, BLOCK_NUMBER);
    const QRect date = findBlockRectIn(page, BLOCK_DATETIME);
    const QRect queue = findBlockRectIn(page, BLOCK_QUEUE);
    QCOMPARE(number.size(), QSize(60, 30));
    QCOMPARE(date.size(), QSize(216, 20));
    QCOMPARE(queue.size(), QSize(36, 24));
    QVERIFY(allWhite(image, number));
    QVERIFY(allWhite(image, date));
    QVERIFY(allWhite(image, queue));

    // The page keeps its colours; the second number run and the ink stay in the download.
    QCOMPARE(page.pixel(number.topLeft()), kNumberColour.rgb());
    QImage rest = image;
    ClearRect(rest, findColourRun(rest, qRgb(0, 0, 0)));
    QCOMPARE(findBlockRectIn(rest, BLOCK_NUMBER).size(), QSize(60, 30));
    QVERIFY(findBlockRectIn(rest, BLOCK_NUMBER).y() > queue.y());
    QVERIFY(findColourRun(image, qRgb(0, 0, 0)).isValid());
}

void TestTtQTextEdit::downloadImageOfPageWithoutBlocks()
{
    QTextCursor cursor(edit->document());
    insertPicture(*edit, cursor, "black", QSize(100, 20), Qt::black);
    QCOMPARE(edit->downloadImage(), edit->pageImage);
}

void TestTtQTextEdit::unallocatableCanvasGivesNullPage_data()
{
    QTest::addColumn<int>("maxHeight");
    QTest::newRow("zero") << 0;
    QTest::newRow("negative") << -5;
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

void TestTtQTextEdit::neverShownPageRendersLikeShownPage_data()
{
    QTest::addColumn<int>("pictures");
    QTest::newRow("fits without scroll bar") << 200;
    QTest::newRow("taller than the tab, with scroll bar") << 1500;
}

void TestTtQTextEdit::neverShownPageRendersLikeShownPage()
{
    QFETCH(int, pictures);

    QMainWindow window;
    // The program's narrow scroll bars: they take width from the text when they appear.
    window.setStyleSheet("QScrollBar:vertical{width:8px;}");
    window.resize(500, 700);
    auto *tabs = new QTabWidget;
    window.setCentralWidget(tabs);
    TtQTextEdit *shown = addPage(*tabs);
    TtQTextEdit *hidden = addPage(*tabs);
    fillWrappingPage(*shown, pictures);
    fillWrappingPage(*hidden, pictures);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(shown->viewport()->width() > 0);
    QVERIFY(!hidden->isVisible());

    shown->renderPage();
    hidden->renderPage();
    QVERIFY(shown->pageImage.height() > 100); // several lines of pictures
    QCOMPARE(hidden->pageImage, shown->pageImage);

    // Once shown the page keeps the layout it was drawn with.
    tabs->setCurrentIndex(1);
    QTRY_VERIFY(hidden->isVisible());
    hidden->renderPage();
    QCOMPARE(hidden->pageImage, shown->pageImage);
}

void TestTtQTextEdit::saveWritesPicturesAsBmp()
{
    edit->typeIndex = 2;
    QTextCursor cursor(edit->document());
    const QImage picture = solidImage(QSize(7, 5), Qt::black);
    edit->addImageResource(picture, "{pic}");
    QTextImageFormat format;
    format.setName("{pic}");
    cursor.insertImage(format);

    QJsonObject config;
    edit->saveToJson(config);
    QCOMPARE(config.keys(), QStringList{"type_2_html"});
    const QJsonObject entry = config.value("type_2_html").toObject();
    QCOMPARE(entry.value("html").toString(), edit->toHtml());
    const QJsonArray images = entry.value("imageArry").toArray();
    QCOMPARE(images.size(), 1);
    const QJsonObject image = images.at(0).toObject();
    QCOMPARE(image.value("uri").toString(), QString("{pic}"));
    const QString base64 = image.value("Image").toString();
    QVERIFY(!base64.contains('\n'));
    const QByteArray bmp = QByteArray::fromBase64(base64.toLatin1());
    QCOMPARE(base64.toLatin1(), bmp.toBase64());
    QVERIFY(bmp.startsWith("BM"));
    QCOMPARE(QImage::fromData(bmp, "BMP").convertToFormat(QImage::Format_RGB32), picture);
}

void TestTtQTextEdit::saveWithoutPicturesWritesEmptyArray()
{
    edit->typeIndex = 1;
    edit->setPlainText("text");
    QJsonObject config;
    edit->saveToJson(config);
    const QJsonValue images = config.value("type_1_html").toObject().value("imageArry");
    QVERIFY(images.isArray());
    QVERIFY(images.toArray().isEmpty());
}

void TestTtQTextEdit::saveUnsetTypeIndexUsesTypeZero()
{
    edit->setPlainText("zero");
    QJsonObject config;
    edit->saveToJson(config);
    QVERIFY(config.contains("type_0_html"));

    TtQTextEdit other;
    other.loadFromJson(config);
    QCOMPARE(other.toPlainText(), QString("zero"));
}

void TestTtQTextEdit::saveReplacesOnlyOwnEntry()
{
    edit->typeIndex = 3;
    edit->setPlainText("new");
    QJsonObject config{{"type_3_html", "old"}, {"cmbNetWork", 4}};
    edit->saveToJson(config);
    QCOMPARE(config.value("cmbNetWork").toInt(), 4);
    QVERIFY(config.value("type_3_html").isObject());
}

void TestTtQTextEdit::saveKeepsPictureDeletedFromText()
{
    edit->typeIndex = 1;
    QTextCursor cursor(edit->document());
    insertPicture(*edit, cursor, "gone", QSize(4, 4), Qt::black);
    edit->setPlainText("no picture left");

    QJsonObject config;
    edit->saveToJson(config);
    const QJsonArray images = config.value("type_1_html").toObject().value("imageArry").toArray();
    QCOMPARE(images.size(), 1);
    QCOMPARE(images.at(0).toObject().value("uri").toString(), QString("gone"));

    TtQTextEdit restored;
    restored.typeIndex = 1;
    restored.loadFromJson(config);
    QCOMPARE(restored.imageNames, QList<QString>{"gone"});
    QCOMPARE(resourceImage(restored, "gone").size(), QSize(4, 4));
    QCOMPARE(restored.toPlainText(), QString("no picture left"));
}

void TestTtQTextEdit::saveWritesRepeatedNameTwice()
{
    edit->addImageResource(solidImage(QSize(3, 3), Qt::black), "twice");
    edit->addImageResource(solidImage(QSize(3, 3), Qt::black), "twice");
    QJsonObject config;
    edit->saveToJson(config);
    const QJsonArray images = config.value("type_0_html").toObject().value("imageArry").toArray();
    QCOMPARE(images.size(), 2);
    QCOMPARE(images.at(0), images.at(1));
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

void TestTtQTextEdit::loadMissingEntryClearsPage_data()
{
    QTest::addColumn<QJsonObject>("config");
    QTest::newRow("no entry") << QJsonObject{{"type_2_html", pageEntry("other", {})}};
    QTest::newRow("entry not an object") << QJsonObject{{"type_1_html", "text"}};
    QTest::newRow("fields of the wrong type")
        << QJsonObject{{"type_1_html", QJsonObject{{"html", 5}, {"imageArry", "x"}}}};
}

void TestTtQTextEdit::loadMissingEntryClearsPage()
{
    QFETCH(QJsonObject, config);

    edit->typeIndex = 1;
    QTextCursor cursor(edit->document());
    insertPicture(*edit, cursor, "old", QSize(4, 4), Qt::black);
    cursor.insertText("old text");

    edit->loadFromJson(config);
    QVERIFY(edit->toPlainText().isEmpty());
    QVERIFY(edit->imageNames.isEmpty());
    QVERIFY(resourceImage(*edit, "old").isNull());
    QCOMPARE(edit->findBlockRect(BLOCK_NUMBER), QRect());
    QCOMPARE(edit->pageImage.size(), QSize(kPaperDots, kCropMargin));
}

void TestTtQTextEdit::loadUnreadablePictureRegistersNullImage_data()
{
    QTest::addColumn<QByteArray>("base64");

    QTest::newRow("not base64") << QByteArray("@@@not base64@@@");
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("not a bmp") << QByteArray("hello, world").toBase64();

    // A real header that claims a picture far beyond any ticket.
    QByteArray huge = bmpBytes(solidImage(QSize(2, 2), Qt::black));
    const QByteArray side = QByteArray::fromHex("a0860100"); // 100000, little-endian
    huge.replace(18, 4, side).replace(22, 4, side);
    QTest::newRow("absurd size in header") << huge.toBase64();
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

void TestTtQTextEdit::loadForgetsEarlierNames()
{
    edit->typeIndex = 1;
    edit->addImageResource(solidImage(QSize(3, 3), Qt::black), "kept");
    QJsonObject config;
    edit->saveToJson(config);

    edit->loadFromJson(config);
    edit->loadFromJson(config);
    QCOMPARE(edit->imageNames, QList<QString>{"kept"});
    QJsonObject again;
    edit->saveToJson(again);
    const auto pictures = [](const QJsonObject &saved) {
        return saved.value("type_1_html").toObject().value("imageArry");
    };
    QCOMPARE(pictures(again), pictures(config));
}

TS_TEST_MAIN(TestTtQTextEdit)
#include "tst_ttqtextedit.moc"
