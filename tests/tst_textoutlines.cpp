// Text painted through OutlineTextDevice: the same dots whatever was drawn before, everything
// else as a painter on the image paints it, and the text where Qt's own drawing puts it.

#include "fontregistry.h"
#include "monochrome.h"
#include "outlinetextdevice.h"
#include "pagemeasures.h"
#include "pagerender.h"
#include "pixeltools.h"
#include "ticketpage.h"

#include <QAbstractTextDocumentLayout>
#include <QFontInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QTextDocument>
#include <QtTest>

#include <functional>

using Paint = std::function<void(QPainter &)>;
Q_DECLARE_METATYPE(Paint)

namespace {

const QString kParagraph = QStringLiteral(
    "取号请排队 Please take a ticket and wait until your number is called 0123456789 "
    "请留意叫号屏幕，过号作废。");

// Where two pictures' printed dots lie and how many differ.
struct Ink
{
    QRect bounds;
    int count = 0;
    int differing = 0;
};

Ink compareDots(const QImage &dots, const QImage &reference)
{
    Ink ink;
    for (int y = 0; y < dots.height(); ++y) {
        for (int x = 0; x < dots.width(); ++x) {
            const bool dot = dots.pixelIndex(x, y);
            if (dot) {
                ink.bounds |= QRect(x, y, 1, 1);
                ++ink.count;
            }
            ink.differing += dot != bool(reference.pixelIndex(x, y));
        }
    }
    return ink;
}

// Text in the page's face drawn the way the window draws it, with the glyphs Qt caches.
void drawAsTheWindowDoes()
{
    QImage screen = whitePage(200, 600, QImage::Format_RGB32);
    QPainter painter(&screen);
    for (const bool bold : {false, true}) {
        QFont font(QString::fromLatin1(kShippedChineseFamily));
        font.setPointSize(bold ? 15 : 10);
        font.setBold(bold);
        painter.setFont(font);
        painter.drawText(QRect(0, bold ? 100 : 0, 600, 100), Qt::TextWordWrap, kParagraph);
    }
}

} // namespace

class TestTextOutlines : public QObject
{
    Q_OBJECT

private slots:
    void sameDotsWhateverWasDrawnBefore_data();
    void sameDotsWhateverWasDrawnBefore();
    void sameDotsWhateverTheDesktopFont();
    void pointsAreMeasuredAtNinetySixDotsPerInch();
    void everythingElseAsOnTheImage_data();
    void everythingElseAsOnTheImage();
    void textWhereQtDrawsIt_data();
    void textWhereQtDrawsIt();
};

void TestTextOutlines::sameDotsWhateverWasDrawnBefore_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<bool>("sharp");

    QTest::newRow("regular") << kParagraph << false;
    QTest::newRow("bold, synthesised") << "<b>" + kParagraph + "</b>" << false;
    QTest::newRow("sharp text") << "<span style='font-size:14pt'>" + kParagraph + "</span>" << true;
}

void TestTextOutlines::sameDotsWhateverWasDrawnBefore()
{
    QFETCH(QString, html);
    QFETCH(bool, sharp);

    // The first page of a session against the same page once the window has drawn its face:
    // Qt's own outlines come out hinted differently then.
    TicketPage page(1, 200);
    page.setSharpText(sharp);
    page.setHtml(html);
    const QImage first = renderPage(page);
    QVERIFY(!first.isNull());
    drawAsTheWindowDoes();
    QCOMPARE(renderPage(page), first);
}

void TestTextOutlines::sameDotsWhateverTheDesktopFont()
{
    // Windows gives its programs an 8.25 pt font, Linux desktops 9 pt or more: text that names
    // no size must not take it from there.
    const QString unsized = QStringLiteral("<p>") + kParagraph + "</p>";
    const auto render = [&unsized] {
        TicketPage page(1, 200);
        page.setHtml(unsized);
        return renderPage(page);
    };
    const QImage before = render();
    const QFont desktop = QGuiApplication::font();
    QFont windows = desktop;
    windows.setPointSizeF(8.25);
    QGuiApplication::setFont(windows);
    const QImage onWindows = render();
    QGuiApplication::setFont(desktop);
    QVERIFY(!before.isNull());
    QCOMPARE(onWindows, before);
}

void TestTextOutlines::pointsAreMeasuredAtNinetySixDotsPerInch()
{
    // Not at the screen's resolution: the screenless platform has 100 dots per inch, desktops
    // anything. A 9 pt page font is 12 dots on every PC.
    QCOMPARE(QFontInfo(pageFont()).pixelSize(), 12);
}

void TestTextOutlines::everythingElseAsOnTheImage_data()
{
    QTest::addColumn<Paint>("paint");

    QTest::newRow("rectangles, lines and an ellipse") << Paint([](QPainter &p) {
        p.fillRect(QRect(10, 10, 50, 20), QColor("#fadbc0"));
        p.setPen(QPen(Qt::black, 3));
        p.drawLine(0, 100, 383, 150);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(Qt::darkGray);
        p.drawEllipse(QRectF(200.5, 20.25, 90, 60));
    });
    QTest::newRow("clipped, moved and turned") << Paint([](QPainter &p) {
        p.setClipRect(QRect(20, 20, 100, 100));
        p.translate(50, 50);
        p.rotate(30);
        p.fillRect(QRect(-40, -40, 200, 30), Qt::black);
        p.save();
        p.setClipRect(QRect(0, 0, 20, 20), Qt::IntersectClip);
        p.fillRect(QRect(-100, -100, 300, 300), Qt::gray);
        p.restore();
        p.fillRect(QRect(-40, 20, 200, 10), Qt::darkGray);
    });
    QTest::newRow("pictures, scaled and half seen") << Paint([](QPainter &p) {
        QImage picture(16, 16, QImage::Format_RGB32);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                picture.setPixel(x, y, (x + y) % 2 ? qRgb(0, 0, 0) : qRgb(250, 195, 195));
        p.drawImage(QRect(5, 5, 64, 64), picture);
        p.setOpacity(0.5);
        p.drawImage(QPointF(100.5, 80), picture);
        p.drawPixmap(QRect(200, 10, 32, 48), QPixmap::fromImage(picture));
    });
}

void TestTextOutlines::everythingElseAsOnTheImage()
{
    QFETCH(Paint, paint);

    QImage direct = whitePage(200, kPaperDots, QImage::Format_RGB32);
    {
        QPainter painter(&direct);
        paint(painter);
    }
    QImage throughDevice = whitePage(200, kPaperDots, QImage::Format_RGB32);
    {
        OutlineTextDevice device(throughDevice);
        QPainter painter(&device);
        paint(painter);
    }
    QCOMPARE(throughDevice, direct);
}

void TestTextOutlines::textWhereQtDrawsIt_data()
{
    QTest::addColumn<QString>("html");

    QTest::newRow("plain") << kParagraph;
    QTest::newRow("justified") << "<p align='justify'>" + kParagraph + "</p>";
    QTest::newRow("right-aligned, larger")
        << "<p align='right' style='font-size:16pt'>" + kParagraph + "</p>";
    QTest::newRow("bold and italic, synthesised")
        << "<b>" + kParagraph + "</b> <i>" + kParagraph + "</i>";
    QTest::newRow("two faces in a line")
        << QStringLiteral("<span style='font-family:\"DejaVu Serif\"'>Serif ") + kParagraph +
               "</span>";
    QTest::newRow("coloured, on a background")
        << "<span style='color:#400000; background-color:#fadbc0'>" + kParagraph + "</span>";
}

void TestTextOutlines::textWhereQtDrawsIt()
{
    QFETCH(QString, html);

    QTextDocument document;
    QFont font(QString::fromLatin1(kShippedChineseFamily));
    font.setPointSize(11);
    font.setHintingPreference(QFont::PreferNoHinting);
    document.setDefaultFont(font);
    document.setTextWidth(384);
    document.setHtml(html);
    const QSize size(384, int(document.size().height()) + 1);

    QImage byQt = whitePage(size.height(), size.width(), QImage::Format_RGB32);
    {
        QPainter painter(&byQt);
        painter.setRenderHint(QPainter::Antialiasing);
        document.drawContents(&painter);
    }
    QImage byOutlines = whitePage(size.height(), size.width(), QImage::Format_RGB32);
    {
        OutlineTextDevice device(byOutlines);
        QPainter painter(&device);
        painter.setRenderHint(QPainter::Antialiasing);
        document.drawContents(&painter);
    }

    // The same glyphs in the same places: only the edges of strokes, which the two rasterisers
    // grey a little differently, may print otherwise.
    const QImage expected = printedDots(byQt);
    const Ink qt = compareDots(expected, expected);
    const Ink outlines = compareDots(printedDots(byOutlines), expected);
    QVERIFY(qt.count > 1000);
    const QMargins shift(
        outlines.bounds.left() - qt.bounds.left(), outlines.bounds.top() - qt.bounds.top(),
        outlines.bounds.right() - qt.bounds.right(), outlines.bounds.bottom() - qt.bounds.bottom());
    QString found;
    QDebug(&found) << "ink" << outlines.bounds << "against" << qt.bounds << "with"
                   << outlines.differing << "of" << qt.count << "dots differing";
    QVERIFY2(qAbs(shift.left()) <= 1 && qAbs(shift.top()) <= 1 && qAbs(shift.right()) <= 1 &&
                 qAbs(shift.bottom()) <= 1 && outlines.differing * 10 < qt.count,
             qPrintable(found));
}

// Pages are laid out as the program lays them out, with its faces and measures.
int main(int argc, char **argv)
{
    measurePagesAlike();
    QGuiApplication app(argc, argv);
    registerShippedFonts(QStringLiteral(TS_SHIPPED_FONT_DIR));
    TestTextOutlines test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_textoutlines.moc"
