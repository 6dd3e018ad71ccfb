#include "pagepixels.h"
#include "pixeltools.h"

#include <QtTest>

class TestPagePixels : public QObject
{
    Q_OBJECT

private slots:
    void cropHeight_data();
    void cropHeight();
    void cropHeightSeesEveryColumn_data();
    void cropHeightSeesEveryColumn();

    void colourRun_data();
    void colourRun();

    void blockRectByFlag_data();
    void blockRectByFlag();
    void nullOrUnknownFindsNothing();

    void downloadImageClearsEveryBlock();

    void marksPrintedBlack_data();
    void marksPrintedBlack();
};

void TestPagePixels::cropHeight_data()
{
    QTest::addColumn<QImage::Format>("format");
    QTest::addColumn<int>("canvasHeight");
    QTest::addColumn<QList<int>>("inkRows");
    QTest::addColumn<int>("expected");

    for (QImage::Format format : {QImage::Format_RGB888, QImage::Format_RGB32}) {
        const QByteArray name = format == QImage::Format_RGB888 ? "rgb888 " : "rgb32 ";
        QTest::newRow(name + "blank page") << format << 480 << QList<int>{} << 30;
        QTest::newRow(name + "ink only in row 0") << format << 480 << QList<int>{0} << 30;
        QTest::newRow(name + "ink in row 1") << format << 480 << QList<int>{1} << 31;
        QTest::newRow(name + "lowest ink row 100")
            << format << 480 << QList<int>{5, 40, 100} << 130;
        QTest::newRow(name + "ink in row 470 capped at canvas")
            << format << 480 << QList<int>{470} << 480;
        QTest::newRow(name + "ink in last row") << format << 480 << QList<int>{479} << 480;
        QTest::newRow(name + "canvas lower than the margin") << format << 20 << QList<int>{} << 20;
    }
}

void TestPagePixels::cropHeight()
{
    QFETCH(QImage::Format, format);
    QFETCH(int, canvasHeight);
    QFETCH(QList<int>, inkRows);
    QFETCH(int, expected);

    QImage canvas = whitePage(canvasHeight, kPaperDots, format);
    // Ink at the right edge: the scan must look at every column, not just the first.
    for (int row : inkRows)
        canvas.setPixel(kPaperDots - 1, row, qRgb(254, 255, 255));
    QCOMPARE(pageCropHeight(canvas), expected);
}

void TestPagePixels::cropHeightSeesEveryColumn_data()
{
    QTest::addColumn<QImage::Format>("format");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("inkColumn");

    // Row widths that are not a multiple of the eight bytes the scan folds at once.
    for (int width : {1, 3, 13, 385}) {
        for (int column : {0, width / 2, width - 1}) {
            QTest::addRow("rgb888 width %d ink at %d", width, column)
                << QImage::Format_RGB888 << width << column;
            QTest::addRow("rgb32 width %d ink at %d", width, column)
                << QImage::Format_RGB32 << width << column;
        }
    }
}

void TestPagePixels::cropHeightSeesEveryColumn()
{
    QFETCH(QImage::Format, format);
    QFETCH(int, width);
    QFETCH(int, inkColumn);

    QImage canvas(width, 200, format);
    canvas.fill(Qt::white);
    canvas.setPixel(inkColumn, 150, qRgb(255, 255, 254));
    QCOMPARE(pageCropHeight(canvas), 180);
    if (format == QImage::Format_RGB32) {
        const QImage page = rgb888Rows(canvas, 200);
        QCOMPARE(page.pixel(inkColumn, 150), qRgb(255, 255, 254));
        QCOMPARE(page, canvas.convertToFormat(QImage::Format_RGB888));
    }
}

using Paints = QList<QPair<QRect, QRgb>>;

void TestPagePixels::colourRun_data()
{
    QTest::addColumn<Paints>("paints");  // in order, on a white page
    QTest::addColumn<QRect>("expected"); // the run of the number colour found

    const QRect run(100, 50, 60, 30);
    QTest::newRow("inside the page") << Paints{{run, kNumber}} << run;
    QTest::newRow("top left corner") << Paints{{{0, 0, 5, 7}, kNumber}} << QRect(0, 0, 5, 7);
    QTest::newRow("reaches the right edge")
        << Paints{{{300, 10, 84, 20}, kNumber}} << QRect(300, 10, 84, 20);
    QTest::newRow("reaches the bottom edge")
        << Paints{{{10, 450, 30, 30}, kNumber}} << QRect(10, 450, 30, 30);
    QTest::newRow("single pixel") << Paints{{{383, 479, 1, 1}, kNumber}} << QRect(383, 479, 1, 1);
    QTest::newRow("another colour only") << Paints{{run, kQueue}} << QRect();
    // A blended edge one unit off surrounds the true run and must not widen it.
    for (QRgb near : {qRgb(0xE2, 0xDD, 0xFA), qRgb(0xE1, 0xDC, 0xFA), qRgb(0xE1, 0xDD, 0xF9)}) {
        QTest::addRow("edge %06x", near & 0xFFFFFF)
            << Paints{{run.adjusted(-1, -1, 1, 1), near}, {run, kNumber}} << run;
        QTest::addRow("%06x only", near & 0xFFFFFF) << Paints{{run, near}} << QRect();
    }
    // The first in reading order, by row and then by column.
    QTest::newRow("higher of two")
        << Paints{{{10, 50, 40, 10}, kNumber}, {{200, 20, 30, 5}, kNumber}}
        << QRect(200, 20, 30, 5);
    QTest::newRow("left of two in a row")
        << Paints{{{200, 20, 30, 5}, kNumber}, {{50, 20, 10, 8}, kNumber}} << QRect(50, 20, 10, 8);
    QTest::newRow("glyph inside the run")
        << Paints{{run, kNumber}, {{110, 55, 20, 20}, qRgb(0, 0, 0)}} << run;
    // Only the start row and column are measured.
    QTest::newRow("glyphs on the start row and column") << Paints{{run, kNumber},
                                                                  {{100, 70, 1, 1}, qRgb(0, 0, 0)},
                                                                  {{140, 50, 1, 1}, qRgb(0, 0, 0)}}
                                                        << QRect(100, 50, 40, 20);
}

void TestPagePixels::colourRun()
{
    QFETCH(Paints, paints);
    QFETCH(QRect, expected);
    QImage page = whitePage(480);
    for (const auto &painted : paints)
        paint(page, painted.first, painted.second);
    QCOMPARE(findColourRun(page, kNumber), expected);
}

void TestPagePixels::blockRectByFlag_data()
{
    QTest::addColumn<int>("flag");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("ticket number") << BLOCK_NUMBER << QRect(100, 50, 60, 30);
    QTest::newRow("date and time") << BLOCK_DATETIME << QRect(20, 200, 216, 20);
    QTest::newRow("queue count") << BLOCK_QUEUE << QRect(300, 120, 36, 24);
}

void TestPagePixels::blockRectByFlag()
{
    QFETCH(int, flag);
    QFETCH(QRect, expected);

    QImage page = whitePage(480);
    paint(page, QRect(100, 50, 60, 30), kNumber);
    paint(page, QRect(20, 200, 216, 20), kDateTime);
    paint(page, QRect(300, 120, 36, 24), kQueue);
    QCOMPARE(findBlockRectIn(page, flag), expected);
}

void TestPagePixels::nullOrUnknownFindsNothing()
{
    QImage black = whitePage(480);
    black.fill(Qt::black);
    QCOMPARE(findBlockRectIn(black, 0), QRect());
    QCOMPARE(findBlockRectIn(black, 4), QRect());
    // A page the device cannot take renders as a null image; every step passes it over.
    QImage null;
    QCOMPARE(pageCropHeight(null), 0);
    QCOMPARE(findBlockRectIn(null, BLOCK_NUMBER), QRect());
    ClearRect(null, QRect(0, 0, 10, 10));
    QVERIFY(null.isNull());
    QVERIFY(downloadImageOf(null).isNull());
}

void TestPagePixels::downloadImageClearsEveryBlock()
{
    QImage page = whitePage(480);
    paint(page, QRect(0, 0, 384, 10), qRgb(0, 0, 0));
    paint(page, QRect(100, 50, 60, 30), kNumber);
    paint(page, QRect(110, 55, 20, 20), qRgb(0, 0, 0)); // sample text on the block
    paint(page, QRect(20, 200, 216, 20), kDateTime);
    paint(page, QRect(300, 120, 84, 24), kQueue);
    const QImage original = page.copy();

    const QImage image = downloadImageOf(page);
    QCOMPARE(page, original);
    QCOMPARE(image.size(), page.size());
    QCOMPARE(image.format(), QImage::Format_RGB888);
    QVERIFY(allWhite(image, QRect(100, 50, 60, 30)));
    QVERIFY(allWhite(image, QRect(20, 200, 216, 20)));
    QVERIFY(allWhite(image, QRect(300, 120, 84, 24)));

    QImage expected = original;
    paint(expected, QRect(100, 50, 60, 30), 0xFFFFFFFF);
    paint(expected, QRect(20, 200, 216, 20), 0xFFFFFFFF);
    paint(expected, QRect(300, 120, 84, 24), 0xFFFFFFFF);
    QCOMPARE(image, expected);
    // A page without blocks goes out as it is.
    QCOMPARE(downloadImageOf(expected), expected);
}

void TestPagePixels::marksPrintedBlack_data()
{
    QTest::addColumn<QList<QRect>>("numberRuns");
    QTest::addColumn<QList<QRect>>("queueRuns");
    QTest::addColumn<QList<BLOCK_FLAG>>("expected");

    QTest::newRow("one of each") << QList<QRect>{{10, 10, 60, 20}}
                                 << QList<QRect>{{100, 10, 30, 20}} << QList<BLOCK_FLAG>{};
    QTest::newRow("a second number")
        << QList<QRect>{{10, 10, 60, 20}, {10, 50, 60, 20}} << QList<QRect>{{100, 10, 30, 20}}
        << QList<BLOCK_FLAG>{BLOCK_NUMBER};
    // A mark broken over two lines leaves its second line coloured as well.
    QTest::newRow("a queue count over two lines")
        << QList<QRect>{} << QList<QRect>{{340, 10, 44, 20}, {0, 30, 20, 20}}
        << QList<BLOCK_FLAG>{BLOCK_QUEUE};
    // A run whose rectangle is not its bounding box keeps what its first row and column miss.
    QTest::newRow("an L-shaped run") << QList<QRect>{{10, 10, 20, 20}, {30, 20, 20, 10}}
                                     << QList<QRect>{} << QList<BLOCK_FLAG>{BLOCK_NUMBER};
    QTest::newRow("both") << QList<QRect>{{0, 0, 5, 5}, {0, 80, 5, 5}}
                          << QList<QRect>{{100, 0, 5, 5}, {100, 80, 5, 5}}
                          << QList<BLOCK_FLAG>{BLOCK_NUMBER, BLOCK_QUEUE};
}

void TestPagePixels::marksPrintedBlack()
{
    QFETCH(QList<QRect>, numberRuns);
    QFETCH(QList<QRect>, queueRuns);
    QFETCH(QList<BLOCK_FLAG>, expected);
    QImage page = whitePage(120);
    for (const QRect &run : numberRuns)
        paint(page, run, kNumber);
    for (const QRect &run : queueRuns)
        paint(page, run, kQueue);
    QCOMPARE(::marksPrintedBlack(page), expected);
}

QTEST_APPLESS_MAIN(TestPagePixels)
#include "tst_pagepixels.moc"
