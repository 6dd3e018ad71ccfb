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
    void blockRecordOfAbsentBlock();
    void blockRecordOfMissingTabIsUntouched();
    void blockRecordFollowsEdits();
    void textCommand();
    void textCommandOfAbsentBlockIsEmpty();
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

void TestGenPrintTextDat::blockRecord_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("flag");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("number on the shown page")
        << 0 << BLOCK_NUMBER << QRect(100, 50, 60, 30) << QByteArray::fromHex("640038001201");
    QTest::newRow("number on a page never shown")
        << 1 << BLOCK_NUMBER << QRect(100, 50, 60, 30) << QByteArray::fromHex("640038001201");
    QTest::newRow("date always 12 dots")
        << 0 << BLOCK_DATETIME << QRect(20, 10, 300, 40) << QByteArray::fromHex("400016001102");
    QTest::newRow("queue count in the widest font")
        << 0 << BLOCK_QUEUE << QRect(100, 50, 108, 20) << QByteArray::fromHex("660026002203");
}

void TestGenPrintTextDat::blockRecord()
{
    QFETCH(int, tab);
    QFETCH(int, flag);
    QFETCH(QRect, rect);
    QFETCH(QByteArray, expected);

    placeBlock(*page(tab), blockColorMap().value(flag), rect);
    _ticketContext ctx{};
    window->GenPrintTextDat(tab, flag, ctx);
    QCOMPARE(page(tab)->findBlockRect(flag), rect);
    QCOMPARE(recordBytes(ctx).toHex(), expected.toHex());
}

void TestGenPrintTextDat::blockRecordOfAbsentBlock()
{
    placeBlock(*page(0), blockColorMap().value(BLOCK_NUMBER), QRect(100, 50, 60, 30));
    _ticketContext ctx{{1, 2}, {3, 4}, 5, 6};
    window->GenPrintTextDat(0, BLOCK_QUEUE, ctx);
    QCOMPARE(recordBytes(ctx).toHex(), QByteArray("010203040500"));
}

void TestGenPrintTextDat::blockRecordOfMissingTabIsUntouched()
{
    _ticketContext ctx{{1, 2}, {3, 4}, 5, 6};
    window->GenPrintTextDat(2, BLOCK_NUMBER, ctx);
    window->GenPrintTextDat(-2, BLOCK_NUMBER, ctx);
    QCOMPARE(recordBytes(ctx).toHex(), QByteArray("010203040506"));
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

void TestGenPrintTextDat::textCommand()
{
    placeBlock(*page(0), blockColorMap().value(BLOCK_NUMBER), QRect(100, 50, 60, 30));
    // The command form works on the current tab only.
    placeBlock(*page(1), blockColorMap().value(BLOCK_QUEUE), QRect(4, 200, 60, 30));
    QCOMPARE(window->GenPrintTextDat(BLOCK_NUMBER, QStringLiteral("001")).toHex(),
             QByteArray("1a5401600037000060001230303100"));

    // Binding the toolbar to a page sets its line height, so the page is filled afterwards.
    window->findChild<QTabWidget *>("tabWidget")->setCurrentIndex(1);
    placeBlock(*page(1), blockColorMap().value(BLOCK_NUMBER), QRect(4, 200, 60, 30));
    QCOMPARE(window->GenPrintTextDat(BLOCK_NUMBER, QStringLiteral("001")).toHex(),
             QByteArray("1a54010000cd000060001230303100"));
}

void TestGenPrintTextDat::textCommandOfAbsentBlockIsEmpty()
{
    placeBlock(*page(0), blockColorMap().value(BLOCK_NUMBER), QRect(100, 50, 60, 30));
    QVERIFY(window->GenPrintTextDat(BLOCK_DATETIME, QStringLiteral("2022")).isEmpty());
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
