#include "pagepixels.h"
#include "testmain.h"
#include "testpages.h"
#include "ticketstation.h"
#include "ttqtextedit.h"

#include <QTabWidget>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QtTest>

#include <memory>

namespace {

QByteArray recordBytes(const _ticketContext &ctx)
{
    return QByteArray(reinterpret_cast<const char *>(&ctx), sizeof ctx);
}

// Replaces the page with one picture whose top-left lands at rect's: an empty first paragraph
// of fixed height moves it down, a left margin moves it right (both past the document margin).
void placeBlock(TtQTextEdit &edit, const QColor &colour, const QRect &rect)
{
    QTextDocument *doc = edit.document();
    doc->clear();
    QTextCursor cursor(doc);
    const qreal margin = doc->documentMargin();
    QTextBlockFormat spacer;
    spacer.setLineHeight(rect.y() - margin, QTextBlockFormat::FixedHeight);
    cursor.setBlockFormat(spacer);
    QTextBlockFormat format;
    format.setLeftMargin(rect.x() - margin);
    cursor.insertBlock(format);
    insertPicture(edit, cursor, "block", rect.size(), colour);
}

} // namespace

class TestGenPrintTextDat : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void blockRecord_data();
    void blockRecord();
    void blockRecordWithoutBlockOrPage_data();
    void blockRecordWithoutBlockOrPage();
    void blockRecordFollowsEdits();
    void textCommandOfCurrentPage();
    void neverShownPageRendersLikeShownPage();

private:
    TtQTextEdit *page(int tab) const { return window->pageEditor(tab); }

    std::unique_ptr<TicketStation> window;
};

void TestGenPrintTextDat::init()
{
    window = std::make_unique<TicketStation>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QVERIFY(page(0) && page(1));
}

void TestGenPrintTextDat::cleanup()
{
    window.reset();
}

// How a rectangle becomes a record is tst_ticketprintdata's; here, that the window finds the
// rectangle on the right page, shown or not.
void TestGenPrintTextDat::blockRecord_data()
{
    QTest::addColumn<int>("tab");
    QTest::newRow("shown page") << 0;
    QTest::newRow("page never shown") << 1;
}

void TestGenPrintTextDat::blockRecord()
{
    QFETCH(int, tab);
    const QRect rect(100, 50, 60, 30);
    placeBlock(*page(tab), blockColorMap().value(BLOCK_NUMBER), rect);
    _ticketContext ctx{};
    window->GenPrintTextDat(tab, BLOCK_NUMBER, ctx);
    QCOMPARE(page(tab)->findBlockRect(BLOCK_NUMBER), rect);
    QCOMPARE(recordBytes(ctx).toHex(), QByteArray("640038001201"));
}

void TestGenPrintTextDat::blockRecordWithoutBlockOrPage_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QByteArray>("record");
    // An absent block keeps its position but no font; a page that does not exist changes nothing.
    QTest::newRow("block not on the page") << 0 << QByteArray("010203040500");
    QTest::newRow("page past the last") << 2 << QByteArray("010203040506");
    QTest::newRow("negative page") << -2 << QByteArray("010203040506");
}

void TestGenPrintTextDat::blockRecordWithoutBlockOrPage()
{
    QFETCH(int, tab);
    QFETCH(QByteArray, record);
    placeBlock(*page(0), blockColorMap().value(BLOCK_NUMBER), QRect(100, 50, 60, 30));
    _ticketContext ctx{{1, 2}, {3, 4}, 5, 6};
    window->GenPrintTextDat(tab, BLOCK_QUEUE, ctx);
    QCOMPARE(recordBytes(ctx).toHex(), record);
}

void TestGenPrintTextDat::blockRecordFollowsEdits()
{
    placeBlock(*page(0), blockColorMap().value(BLOCK_NUMBER), QRect(100, 50, 60, 30));
    _ticketContext ctx{};
    window->GenPrintTextDat(0, BLOCK_NUMBER, ctx);
    QCOMPARE(recordBytes(ctx).toHex(), QByteArray("640038001201"));

    // Moved 100 dots down without asking for a new render: the record follows.
    QTextCursor cursor(page(0)->document());
    QTextBlockFormat format = cursor.blockFormat();
    format.setLineHeight(format.lineHeight() + 100, QTextBlockFormat::FixedHeight);
    cursor.setBlockFormat(format);
    window->GenPrintTextDat(0, BLOCK_NUMBER, ctx);
    QCOMPARE(recordBytes(ctx).toHex(), QByteArray("64009c001201"));
    QCOMPARE(page(0)->pageImage.height(), 50 + 100 + 30 - 1 + kCropMargin);
}

void TestGenPrintTextDat::textCommandOfCurrentPage()
{
    placeBlock(*page(0), blockColorMap().value(BLOCK_NUMBER), QRect(100, 50, 60, 30));
    placeBlock(*page(1), blockColorMap().value(BLOCK_QUEUE), QRect(4, 200, 60, 30));
    QCOMPARE(window->GenPrintTextDat(BLOCK_NUMBER, QStringLiteral("001")).toHex(),
             QByteArray("1a5401600037000060001230303100"));

    // Binding the toolbar to a page sets its line height, so the page is filled afterwards.
    window->findChild<QTabWidget *>("tabWidget")->setCurrentIndex(1);
    placeBlock(*page(1), blockColorMap().value(BLOCK_NUMBER), QRect(4, 200, 60, 30));
    QCOMPARE(window->GenPrintTextDat(BLOCK_NUMBER, QStringLiteral("001")).toHex(),
             QByteArray("1a54010000cd000060001230303100"));
}

void TestGenPrintTextDat::neverShownPageRendersLikeShownPage()
{
    // Pictures between spaces wrap at every dot of text width; enough of them to need the
    // page's scroll bar on screen.
    QString html;
    for (int i = 0; i < 1500; ++i)
        html += QStringLiteral("<img src=\"dot\" width=\"%1\" height=\"12\"> ").arg(9 + i % 5);
    QImage dot(9, 12, QImage::Format_RGB32);
    dot.fill(Qt::black);
    for (int tab : {0, 1}) {
        page(tab)->addImageResource(dot, "dot");
        page(tab)->setHtml(html);
    }
    QTRY_VERIFY(page(0)->viewport()->width() > 0);
    QVERIFY(!page(1)->isVisible());

    page(0)->renderPage();
    page(1)->renderPage();
    QVERIFY(page(0)->pageImage.height() > 100);
    QCOMPARE(page(1)->pageImage, page(0)->pageImage);
}

TS_TEST_MAIN(TestGenPrintTextDat)
#include "tst_genprinttextdat.moc"
