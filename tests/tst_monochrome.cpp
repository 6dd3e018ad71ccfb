#include "monochrome.h"

#include <QBuffer>
#include <QImageReader>
#include <QtTest>

namespace {

QImage solid(const QSize &size, QRgb colour, QImage::Format format = QImage::Format_RGB888)
{
    QImage image(size, format);
    image.fill(QColor::fromRgba(colour));
    return image;
}

bool dotAt(const QImage &dots, int x, int y)
{
    return dots.pixel(x, y) != qRgb(255, 255, 255);
}

int dotCount(const QImage &dots)
{
    int count = 0;
    for (int y = 0; y < dots.height(); ++y)
        for (int x = 0; x < dots.width(); ++x)
            count += dotAt(dots, x, y);
    return count;
}

// Black dots of a row as a string, e.g. "#.#.".
QString row(const QImage &dots, int y)
{
    QString text;
    for (int x = 0; x < dots.width(); ++x)
        text += dotAt(dots, x, y) ? QLatin1Char('#') : QLatin1Char('.');
    return text;
}

QImage greyRow(const QVector<int> &levels)
{
    QImage image(levels.size(), 1, QImage::Format_RGB888);
    for (int x = 0; x < levels.size(); ++x)
        image.setPixel(x, 0, qRgb(levels[x], levels[x], levels[x]));
    return image;
}

} // namespace

class TestMonochrome : public QObject
{
    Q_OBJECT

private slots:
    void pureBlackAndWhite_data();
    void pureBlackAndWhite();
    void thresholdAtHalf_data();
    void thresholdAtHalf();
    void ditherKeepsGreyLevelAsDensity_data();
    void ditherKeepsGreyLevelAsDensity();
    void ditherDiffusesErrorForward_data();
    void ditherDiffusesErrorForward();
    void ditherLeavesBlackAndWhiteAlone();
    void scaleKeepsAspect_data();
    void scaleKeepsAspect();
    void convertForPaper_data();
    void convertForPaper();
    void convertedPictureSurvivesBmp();
    void greyDotMaskCountsOnlySentGreyDots();
    void markDotsPaintsOnlyMaskedDots();
};

void TestMonochrome::pureBlackAndWhite_data()
{
    QTest::addColumn<QImage>("image");
    QTest::addColumn<bool>("pure");

    QImage mono(8, 4, QImage::Format_Mono);
    mono.fill(0);
    mono.setPixel(3, 1, 1);
    QImage rgb = solid({6, 6}, 0xFFFFFFFF);
    rgb.setPixel(2, 2, qRgb(0, 0, 0));
    QImage grey = rgb;
    grey.setPixel(4, 4, qRgb(128, 128, 128));
    QImage nearBlack = rgb;
    nearBlack.setPixel(0, 0, qRgb(1, 1, 1));
    QImage coloured = rgb;
    coloured.setPixel(5, 5, qRgb(255, 0, 0));
    QImage transparent = solid({4, 4}, 0x00000000, QImage::Format_ARGB32);
    transparent.setPixel(1, 1, 0xFF000000);
    QImage halfBlack = solid({4, 4}, 0x80000000, QImage::Format_ARGB32);
    // An indexed picture whose table holds a grey it never uses.
    QImage indexed(4, 4, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(100, 100, 100)});
    indexed.fill(0);
    indexed.setPixel(0, 0, 1);

    QTest::newRow("1-bit picture") << mono << true;
    QTest::newRow("black on white") << rgb << true;
    QTest::newRow("one grey pixel") << grey << false;
    QTest::newRow("almost black") << nearBlack << false;
    QTest::newRow("one red pixel") << coloured << false;
    QTest::newRow("transparent counts as paper") << transparent << true;
    QTest::newRow("half-transparent black is grey") << halfBlack << false;
    QTest::newRow("unused grey in the palette") << indexed << true;
    QTest::newRow("null picture") << QImage() << false;
}

void TestMonochrome::pureBlackAndWhite()
{
    QFETCH(QImage, image);
    QFETCH(bool, pure);
    QCOMPARE(isPureBlackAndWhite(image), pure);
}

void TestMonochrome::thresholdAtHalf_data()
{
    QTest::addColumn<QRgb>("colour");
    QTest::addColumn<bool>("dot");

    QTest::newRow("black") << qRgb(0, 0, 0) << true;
    QTest::newRow("grey 127") << qRgb(127, 127, 127) << true;
    QTest::newRow("grey 128") << qRgb(128, 128, 128) << false;
    QTest::newRow("white") << qRgb(255, 255, 255) << false;
    QTest::newRow("red, dark by luminance") << qRgb(255, 0, 0) << true;
    QTest::newRow("yellow, light by luminance") << qRgb(255, 255, 0) << false;
    QTest::newRow("blue, dark by luminance") << qRgb(0, 0, 255) << true;
    QTest::newRow("transparent black") << qRgba(0, 0, 0, 0) << false;
}

void TestMonochrome::thresholdAtHalf()
{
    QFETCH(QRgb, colour);
    QFETCH(bool, dot);
    const QImage dots = thresholdHalf(solid({5, 3}, colour, QImage::Format_ARGB32));
    QCOMPARE(dots.format(), QImage::Format_Mono);
    QCOMPARE(dots.size(), QSize(5, 3));
    QCOMPARE(dotCount(dots), dot ? 15 : 0);
}

void TestMonochrome::ditherKeepsGreyLevelAsDensity_data()
{
    QTest::addColumn<int>("level");
    for (int level : {0, 32, 64, 100, 128, 160, 192, 230, 255})
        QTest::addRow("grey %d", level) << level;
}

void TestMonochrome::ditherKeepsGreyLevelAsDensity()
{
    QFETCH(int, level);
    const QImage dots = ditherFloydSteinberg(solid({64, 64}, qRgb(level, level, level)));
    QCOMPARE(dots.format(), QImage::Format_Mono);
    QCOMPARE(dots.size(), QSize(64, 64));
    QVERIFY(isPureBlackAndWhite(dots));
    const double density = double(dotCount(dots)) / (64 * 64);
    const double darkness = (255.0 - level) / 255.0;
    QVERIFY2(qAbs(density - darkness) < 0.02,
             qPrintable(QStringLiteral("density %1 for darkness %2").arg(density).arg(darkness)));
}

void TestMonochrome::ditherDiffusesErrorForward_data()
{
    QTest::addColumn<QImage>("image");
    QTest::addColumn<QStringList>("rows");

    // 128 stays paper and owes -127, so 128 - 127 * 7/16 = 72 to the right prints, and so on.
    QTest::newRow("row of mid grey alternates")
        << greyRow({128, 128, 128, 128}) << QStringList{".#.#"};
    // 100 prints and passes +100 * 7/16 = 44 on: the neighbour at 144 stays paper.
    QTest::newRow("seven sixteenths to the right") << greyRow({100, 100}) << QStringList{"#."};
    QImage column(1, 2, QImage::Format_RGB888);
    column.fill(qRgb(100, 100, 100));
    // Below gets +100 * 5/16 = 31: 131 stays paper.
    QTest::newRow("five sixteenths downwards") << column << QStringList{"#", "."};
    QImage square(2, 2, QImage::Format_RGB888);
    square.fill(qRgb(120, 120, 120));
    square.setPixel(1, 0, qRgb(255, 255, 255));
    // (0,0) prints and owes +120, the white (1,0) owes +52; (0,1) at 167 stays paper and owes
    // -88, whose 7/16 pull (1,1) down to 106 despite the 8 + 16 it got from above: it prints.
    QTest::newRow("errors of two pixels meet") << square << QStringList{"#.", ".#"};
}

void TestMonochrome::ditherDiffusesErrorForward()
{
    QFETCH(QImage, image);
    QFETCH(QStringList, rows);
    const QImage dots = ditherFloydSteinberg(image);
    QStringList actual;
    for (int y = 0; y < dots.height(); ++y)
        actual << row(dots, y);
    QCOMPARE(actual, rows);
}

void TestMonochrome::ditherLeavesBlackAndWhiteAlone()
{
    QImage picture = solid({40, 30}, qRgb(255, 255, 255));
    for (int i = 0; i < 30; ++i)
        picture.setPixel(i, i, qRgb(0, 0, 0));
    picture.setPixel(39, 0, qRgb(0, 0, 0));
    for (const QImage &dots : {ditherFloydSteinberg(picture), thresholdHalf(picture)}) {
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                QCOMPARE(dotAt(dots, x, y), picture.pixel(x, y) == qRgb(0, 0, 0));
    }
}

void TestMonochrome::scaleKeepsAspect_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QSize>("scaled");

    QTest::newRow("rounded height") << QSize(500, 333) << QSize(366, 244);
    QTest::newRow("thin strip keeps one row") << QSize(1000, 1) << QSize(366, 1);
    QTest::newRow("the paper's width") << QSize(384, 384) << QSize(366, 366);
    QTest::newRow("exactly the content") << QSize(366, 10) << QSize(366, 10);
    QTest::newRow("narrower than the content") << QSize(200, 50) << QSize(200, 50);
}

void TestMonochrome::scaleKeepsAspect()
{
    QFETCH(QSize, size);
    QFETCH(QSize, scaled);
    QCOMPARE(scaleToContentWidth(solid(size, qRgb(90, 90, 90))).size(), scaled);
}

void TestMonochrome::convertForPaper_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("scale");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("pure");

    const int dither = int(PictureConversion::Dither);
    const int threshold = int(PictureConversion::Threshold);
    const int asIs = int(PictureConversion::AsIs);
    QTest::newRow("dithered and scaled") << dither << true << QSize(366, 29) << true;
    QTest::newRow("threshold") << threshold << false << QSize(500, 40) << true;
    QTest::newRow("as it is") << asIs << false << QSize(500, 40) << false;
    QTest::newRow("as it is, scaled") << asIs << true << QSize(366, 29) << false;
}

void TestMonochrome::convertForPaper()
{
    QFETCH(int, mode);
    QFETCH(bool, scale);
    QFETCH(QSize, size);
    QFETCH(bool, pure);

    QImage picture(500, 40, QImage::Format_RGB888);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 500; ++x)
            picture.setPixel(x, y, qRgb(x / 2, x / 2, x / 2));
    const QImage converted = ::convertForPaper(picture, PictureConversion(mode), scale);
    QCOMPARE(converted.size(), size);
    QCOMPARE(isPureBlackAndWhite(converted), pure);
    if (PictureConversion(mode) == PictureConversion::AsIs && !scale)
        QCOMPARE(converted, picture);
}

void TestMonochrome::convertedPictureSurvivesBmp()
{
    QImage picture(100, 60, QImage::Format_RGB888);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 100; ++x)
            picture.setPixel(x, y, qRgb(2 * x + y, 2 * x, 200 - y));
    const QImage dots = ditherFloydSteinberg(picture);

    QByteArray bmp;
    QBuffer buffer(&bmp);
    QVERIFY(buffer.open(QIODevice::WriteOnly));
    QVERIFY(dots.save(&buffer, "BMP"));
    buffer.close();
    // A 1-bit picture keeps designs small: far below a 24-bit BMP of the same size.
    QVERIFY(bmp.size() < 100 * 60 * 3 / 4);

    QBuffer reading(&bmp);
    QVERIFY(reading.open(QIODevice::ReadOnly));
    const QImage back = QImageReader(&reading, "bmp").read();
    QCOMPARE(back.size(), dots.size());
    QVERIFY(isPureBlackAndWhite(back));
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 100; ++x)
            QCOMPARE(dotAt(back, x, y), dotAt(dots, x, y));
}

void TestMonochrome::greyDotMaskCountsOnlySentGreyDots()
{
    // 20 x 19: the NV image carries 16 columns and 16 rows of it.
    QImage page = solid({20, 19}, qRgb(255, 255, 255));
    page.setPixel(0, 0, qRgb(0, 0, 0));            // black: a dot, not marked
    page.setPixel(1, 0, qRgb(128, 128, 128));      // grey: marked
    page.setPixel(2, 3, qRgb(254, 254, 254));      // nearly white: still prints, marked
    page.setPixel(15, 15, qRgb(0xE1, 0xDD, 0xFA)); // a placeholder colour left over: marked
    page.setPixel(5, 5, qRgb(1, 0, 0));            // coloured, nearly black: marked
    page.setPixel(16, 2, qRgb(128, 128, 128));     // beyond the sent columns
    page.setPixel(3, 16, qRgb(128, 128, 128));     // beyond the sent rows

    int count = -1;
    const QImage mask = greyDotMask(page, &count);
    QCOMPARE(count, 4);
    QCOMPARE(mask.size(), page.size());
    const QList<QPoint> marked{{1, 0}, {2, 3}, {15, 15}, {5, 5}};
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            QCOMPARE(dotAt(mask, x, y), marked.contains(QPoint(x, y)));
    QCOMPARE(dotCount(mask), count);

    int none = -1;
    greyDotMask(solid({16, 8}, qRgb(0, 0, 0)), &none);
    QCOMPARE(none, 0);
    greyDotMask(QImage(), &none);
    QCOMPARE(none, 0);
}

void TestMonochrome::markDotsPaintsOnlyMaskedDots()
{
    QImage ticket = solid({16, 8}, qRgb(255, 255, 255));
    ticket.setPixel(3, 3, qRgb(0, 0, 0));
    ticket.setPixel(4, 3, qRgb(0, 0, 0));
    QImage page = ticket;
    page.setPixel(4, 3, qRgb(100, 100, 100));
    const QImage mask = greyDotMask(page);
    const QColor colour(230, 60, 20);
    const QImage marked = markDots(ticket, mask, colour);
    QCOMPARE(marked.format(), QImage::Format_RGB888);
    QCOMPARE(marked.pixel(4, 3), colour.rgb());
    QCOMPARE(marked.pixel(3, 3), qRgb(0, 0, 0));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x)
            if (QPoint(x, y) != QPoint(4, 3))
                QCOMPARE(marked.pixel(x, y), ticket.pixel(x, y));
    // A taller ticket (a text below the page) keeps its rows beyond the mask.
    const QImage taller = markDots(solid({16, 12}, qRgb(0, 0, 0)), mask, colour);
    QCOMPARE(taller.size(), QSize(16, 12));
    QCOMPARE(taller.pixel(4, 3), colour.rgb());
    QCOMPARE(taller.pixel(4, 11), qRgb(0, 0, 0));
}

QTEST_APPLESS_MAIN(TestMonochrome)
#include "tst_monochrome.moc"
