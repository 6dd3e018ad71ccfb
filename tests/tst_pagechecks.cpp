// What a page's text says about its print, read without rendering: its marks, the fonts it
// names and where its pictures lie.

#include "fontregistry.h"
#include "pagefonts.h"
#include "pagemarks.h"
#include "pagemeasures.h"
#include "pagepictures.h"
#include "pagerender.h"
#include "pixeltools.h"
#include "ticketpage.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

namespace {

// Named so that no machine has it.
const QString kAbsentFamily = QStringLiteral("No Such Family 7f3e9c");

// The smallest rectangle holding every pixel that is not white.
QRect inkBounds(const QImage &image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != 0xFFFFFFFF)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace

class TestPageChecks : public QObject
{
    Q_OBJECT

private slots:
    void marks_data();
    void marks();
    void missingFontIsNamedWithItsReplacement();
    void pictureRectIsWhereItPrints_data();
    void pictureRectIsWhereItPrints();
};

void TestPageChecks::marks_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QList<int>>("flags");
    QTest::addColumn<QStringList>("texts");

    QTest::newRow("none") << "plain text" << QList<int>{} << QStringList{};
    QTest::newRow("one mark in two formats")
        << R"(No. <span style="background-color:#e1ddfa;">00<b>01</b></span> now)"
        << QList<int>{BLOCK_NUMBER} << QStringList{"0001"};
    QTest::newRow("a second number")
        << R"(<span style="background-color:#e1ddfa;">0001</span> and <span style="background-color:#e1ddfa;">0002</span>)"
        << QList<int>{BLOCK_NUMBER, BLOCK_NUMBER} << QStringList{"0001", "0002"};
    QTest::newRow("different marks side by side")
        << R"(<span style="background-color:#fac3c3;">02</span><span style="background-color:#fadbc0;">12:00</span>)"
        << QList<int>{BLOCK_QUEUE, BLOCK_DATETIME} << QStringList{"02", "12:00"};
    QTest::newRow("other backgrounds are no marks")
        << R"(<span style="background-color:#e1ddfb;">near</span> <span style="background-color:#000000;">black</span>)"
        << QList<int>{} << QStringList{};
}

void TestPageChecks::marks()
{
    QFETCH(QString, html);
    QFETCH(QList<int>, flags);
    QFETCH(QStringList, texts);
    QTextDocument document;
    document.setHtml(html);
    const QList<PageMark> found = pageMarks(&document);
    QCOMPARE(found.size(), flags.size());
    for (int i = 0; i < found.size(); ++i) {
        QCOMPARE(found.at(i).flag, flags.at(i));
        QTextCursor cursor(&document);
        cursor.setPosition(found.at(i).position);
        cursor.setPosition(found.at(i).position + found.at(i).length, QTextCursor::KeepAnchor);
        QCOMPARE(cursor.selectedText(), texts.at(i));
    }
}

void TestPageChecks::missingFontIsNamedWithItsReplacement()
{
    // Whatever this machine draws by default is installed.
    const QString installed = QFontInfo(QGuiApplication::font()).family();
    TicketPage page;
    page.document()->setDefaultFont(QFont(installed));
    page.setHtml(QStringLiteral("<span style=\"font-family:'%1';\">missing</span> and "
                                "<span style=\"font-family:'%2';\">present</span> "
                                "<span style=\"font-family:'%1';\">again</span>")
                     .arg(kAbsentFamily, installed));
    const QList<FontReplacement> missing = missingFonts(page.document());
    QCOMPARE(missing.size(), 1);
    QCOMPARE(missing.first().family, kAbsentFamily);
    QCOMPARE(missing.first().replacement, QFontInfo(QFont(kAbsentFamily)).family());
    QVERIFY(missing.first().replacement != kAbsentFamily);
}

void TestPageChecks::pictureRectIsWhereItPrints_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("alignment");
    QTest::addColumn<int>("cutDots");

    QTest::newRow("narrow, centred") << 100 << "center" << 0;
    QTest::newRow("content width") << kPageContentWidth << "left" << 0;
    QTest::newRow("paper width") << kPaperDots << "left" << kPageMargin;
    QTest::newRow("wider than paper") << 420 << "left" << 420 + kPageMargin - kPaperDots;
}

void TestPageChecks::pictureRectIsWhereItPrints()
{
    QFETCH(int, width);
    QFETCH(QString, alignment);
    QFETCH(int, cutDots);
    TicketPage page;
    page.addImageResource(solidImage({width, 30}, Qt::black), QStringLiteral("logo"));
    // Text above moves the picture down by however tall this machine's font is.
    page.setHtml(QStringLiteral("<p style=\"font-size:20pt\">&nbsp;</p><p align=\"%1\">"
                                "<img src=\"logo\" width=\"%2\" height=\"30\"/></p>")
                     .arg(alignment)
                     .arg(width));
    const QList<QRect> rects = pictureRects(page.document());
    QCOMPARE(rects.size(), 1);
    const QRect printed = inkBounds(renderPage(page));
    QCOMPARE(rects.first().intersected(QRect(0, 0, kPaperDots, page.maxHeight)), printed);
    const QList<QRect> cut = cutPictureParts(page.document());
    QCOMPARE(cut.size(), cutDots > 0 ? 1 : 0);
    if (cutDots > 0)
        QCOMPARE(cut.first(), QRect(kPaperDots, printed.top(), cutDots, 30));
}

int main(int argc, char **argv)
{
    // Fonts and layout, no widget.
    measurePagesAlike();
    QGuiApplication app(argc, argv);
    registerShippedFonts(QStringLiteral(TS_SHIPPED_FONT_DIR));
    TestPageChecks test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_pagechecks.moc"
