#include "nvimage.h"
#include "nvreference.h"
#include "pagepixels.h"
#include "pixeltools.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

} // namespace

class TestNvImage : public QObject
{
    Q_OBJECT

private slots:
    void sizeHeader_data();
    void sizeHeader();
    void anythingButPureWhiteIsADot_data();
    void anythingButPureWhiteIsADot();
    void sentDotsShowWhatWasSent();
    void matchesPixelByPixelReference_data();
    void matchesPixelByPixelReference();
    void otherFormatsEncodeAlike();
    void widthNotMultipleOfEightSendsWholeBytesOnly();

    void nothingToSend();
    void tableOfWorkedExample();
    void tableOfPagesWithoutBlocks();
    void commandOfWorkedExample();
    void secondRunOfPlaceholderColourIsSentBlack();
};

void TestNvImage::sizeHeader_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<int>("dataBytes");
    QTest::newRow("blank page, 30 high") << 30 << bytes({0x30, 0, 3, 0}) << 384 * 3;
    QTest::newRow("130 high") << 130 << bytes({0x30, 0, 16, 0}) << 384 * 16;
    QTest::newRow("480 high") << 480 << bytes({0x30, 0, 60, 0}) << 384 * 60;
    QTest::newRow("2100 high, Y above one byte")
        << 2100 << bytes({0x30, 0, 0x06, 0x01}) << 384 * 262;
    QTest::newRow("7 high, no band") << 7 << bytes({0x30, 0, 0, 0}) << 0;
}

void TestNvImage::sizeHeader()
{
    QFETCH(int, height);
    QFETCH(QByteArray, header);
    QFETCH(int, dataBytes);
    const QByteArray page = nvPageData(whitePage(height));
    QCOMPARE(page.left(4), header);
    QCOMPARE(page.size(), 4 + dataBytes);
    QCOMPARE(page.mid(4), QByteArray(dataBytes, '\0'));
}

void TestNvImage::anythingButPureWhiteIsADot_data()
{
    QTest::addColumn<QRgb>("colour");
    QTest::addColumn<bool>("dot");
    QTest::newRow("white") << QRgb(0xFFFFFFFF) << false;
    QTest::newRow("black") << QRgb(0xFF000000) << true;
    QTest::newRow("one unit off in red") << QRgb(0xFFFEFFFF) << true;
    QTest::newRow("one unit off in blue") << QRgb(0xFFFFFFFE) << true;
    QTest::newRow("placeholder colour") << kNumber << true;
}

void TestNvImage::anythingButPureWhiteIsADot()
{
    QFETCH(QRgb, colour);
    QFETCH(bool, dot);
    QImage image = whitePage(8);
    image.setPixel(5, 3, colour);
    const QByteArray page = nvPageData(image);
    QCOMPARE(page.at(4 + 5) == char(0x10), dot);
}

void TestNvImage::sentDotsShowWhatWasSent()
{
    // 130 rows: Y = 16 sends rows 0..127, so the ink in rows 128 and 129 is not sent.
    QImage image = whitePage(130);
    paint(image, QRect(10, 5, 20, 10), kDateTime);
    paint(image, QRect(200, 30, 5, 10), qRgb(128, 128, 128));
    paint(image, QRect(0, 128, 384, 2), qRgb(0, 0, 0));
    QImage dots;
    QCOMPARE(nvPageData(image, &dots), referenceNvPage(image.copy(0, 0, 384, 128)));
    QCOMPARE(dots.format(), QImage::Format_RGB888);
    QCOMPARE(dots.size(), image.size());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            QCOMPARE(dots.pixel(x, y),
                     y < 128 && image.pixel(x, y) != 0xFFFFFFFF ? 0xFF000000 : 0xFFFFFFFF);
}

void TestNvImage::matchesPixelByPixelReference_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("density"); // per mille of ink
    QTest::newRow("sparse 64") << 64 << 10;
    QTest::newRow("half 130") << 130 << 500;
    QTest::newRow("dense 37") << 37 << 990;
}

void TestNvImage::matchesPixelByPixelReference()
{
    QFETCH(int, height);
    QFETCH(int, density);
    QRandomGenerator random(uint(height * 1000 + density));
    QImage image = whitePage(height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < kPaperDots; ++x)
            if (int(random.bounded(1000)) < density)
                image.setPixel(x, y, qRgb(random.bounded(256), random.bounded(256), 0));
    QCOMPARE(nvPageData(image), referenceNvPage(image));
}

void TestNvImage::otherFormatsEncodeAlike()
{
    QImage image = whitePage(24);
    paint(image, QRect(3, 2, 50, 17), qRgb(10, 20, 30));
    const QByteArray expected = nvPageData(image);
    QCOMPARE(nvPageData(image.convertToFormat(QImage::Format_ARGB32)), expected);
    QCOMPARE(nvPageData(image.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither)), expected);
}

void TestNvImage::widthNotMultipleOfEightSendsWholeBytesOnly()
{
    // The header says X = 2; the device then reads 16 columns per band and no more.
    QImage image = whitePage(8, 20);
    image.setPixel(19, 0, qRgb(0, 0, 0));
    image.setPixel(15, 0, qRgb(0, 0, 0));
    const QByteArray page = nvPageData(image);
    QByteArray expected = bytes({2, 0, 1, 0}) + QByteArray(16, '\0');
    expected[4 + 15] = char(0x80);
    QCOMPARE(page, expected);
}

void TestNvImage::nothingToSend()
{
    QCOMPARE(layoutTable({}), QByteArray(126, '\0'));
    QCOMPARE(nvImageCommand({}), bytes({0x1C, 0x71, 0x00}));
}

void TestNvImage::tableOfWorkedExample()
{
    // A number block at x 100, y 50, 60 x 30 on a page 130 high.
    QImage page = whitePage(130);
    paint(page, QRect(100, 50, 60, 30), kNumber);
    page.setPixel(0, 100, qRgb(0, 0, 0));
    const QByteArray expected = bytes({0x66, 0x64, 0x00, 0x38, 0x00, 0x12, 0x01}) +
                                QByteArray(12, '\0') + bytes({0x82, 0x00}) + QByteArray(105, '\0');
    QCOMPARE(layoutTable({page}), expected);
}

void TestNvImage::tableOfPagesWithoutBlocks()
{
    const QByteArray table = layoutTable({whitePage(30), whitePage(300)});
    QCOMPARE(table.size(), 126);
    QCOMPARE(table.left(21), bytes({0x66}) + QByteArray(18, '\0') + bytes({30, 0}));
    QCOMPARE(table.mid(21, 21), bytes({0x66}) + QByteArray(18, '\0') + bytes({0x2C, 0x01}));
    QCOMPARE(table.mid(42), QByteArray(84, '\0'));
    // The device has six entries; a seventh page has none.
    const QByteArray seven = layoutTable(QVector<QImage>(7, whitePage(30)).toList());
    QCOMPARE(seven.size(), 126);
    for (int i = 0; i < 6; ++i)
        QCOMPARE(seven.at(21 * i), char(0x66));
}

void TestNvImage::commandOfWorkedExample()
{
    QImage page = whitePage(130);
    paint(page, QRect(0, 0, 1, 1), qRgb(0, 0, 0));
    QList<QImage> dots;
    const QByteArray command = nvImageCommand({page}, &dots);
    QCOMPARE(command.left(7), bytes({0x1C, 0x71, 0x01, 0x30, 0x00, 0x10, 0x00}));
    QCOMPARE(command.size(), 3 + 4 + 384 * 16);
    QCOMPARE(command.at(7), char(0x80));
    QCOMPARE(dots.size(), 1);
}

void TestNvImage::secondRunOfPlaceholderColourIsSentBlack()
{
    QImage page = whitePage(64);
    paint(page, QRect(8, 8, 16, 8), kNumber);  // first run: cleared
    paint(page, QRect(40, 32, 8, 8), kNumber); // second run: stays
    const QByteArray command = nvImageCommand({downloadImageOf(page)});
    const QByteArray data = command.mid(7);
    const int Y = 8;
    for (int c = 8; c < 24; ++c)
        QCOMPARE(data.at(c * Y + 1), char(0));
    for (int c = 40; c < 48; ++c)
        QCOMPARE(data.at(c * Y + 4), char(0xFF));
    QCOMPARE(data.count(char(0xFF)), 8);
}

QTEST_GUILESS_MAIN(TestNvImage)
#include "tst_nvimage.moc"
