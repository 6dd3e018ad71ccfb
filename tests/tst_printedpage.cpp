// The page editor as the operator checks a ticket in it: the "as printed" view with the device's
// dots, marks found again, and pictures that never make the page scroll sideways.

#include "design.h"
#include "emulatorsession.h"
#include "goldendesigns.h"
#include "monochrome.h"
#include "pagedownload.h"
#include "pagerender.h"
#include "testmain.h"
#include "testpages.h"
#include "ticketpage.h"
#include "ticketpreview.h"
#include "ttqtextedit.h"

#include <QScrollBar>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTextCursor>

#include <memory>
#include <vector>

namespace {

const QDateTime kSampleTime(QDate(2024, 5, 6), QTime(7, 8, 9));

devicemodel::SampleValues samples()
{
    devicemodel::SampleValues values;
    values.time = kSampleTime;
    return values;
}

// A black-framed picture of `width` × 40, white inside.
QImage framed(int width)
{
    QImage image = whitePage(40, width);
    paint(image, image.rect(), 0xFF000000);
    paint(image, image.rect().adjusted(1, 1, -1, -1), 0xFFFFFFFF);
    return image;
}

int blackDots(const QImage &image)
{
    const QImage dots = printedDots(image);
    int count = 0;
    for (int y = 0; y < dots.height(); ++y)
        for (int x = 0; x < dots.width(); ++x)
            count += dots.pixelIndex(x, y);
    return count;
}

} // namespace

class TestPrintedPage : public QObject
{
    Q_OBJECT

private slots:
    void viewIsWhatTheEmulatorPrints_data();
    void viewIsWhatTheEmulatorPrints();
    void viewFollowsTheTextAndKeepsEditing();
    void markButtonFindsTheExistingMark();
    void widePictureNeverScrollsSideways();
    void fittedPaperWidePicturePrintsWhole();
};

void TestPrintedPage::viewIsWhatTheEmulatorPrints_data()
{
    QTest::addColumn<QString>("design");
    for (const QString &name : goldenDesignNames())
        QTest::newRow(qPrintable(name)) << name;
}

void TestPrintedPage::viewIsWhatTheEmulatorPrints()
{
    QFETCH(QString, design);
    const std::unique_ptr<Design> loaded = loadGoldenDesign(design);
    QVERIFY(loaded);
    const Design &model = *loaded;

    std::vector<std::unique_ptr<TtQTextEdit>> editors;
    for (TicketPage *page : model.pages()) {
        editors.push_back(std::make_unique<TtQTextEdit>(*page));
        editors.back()->setSampleValues(samples());
        editors.back()->setShowAsPrinted(true);
    }

    QTemporaryDir out;
    EmulatorSession emulator;
    QVERIFY(emulator.start(
        QStringLiteral(EMULATOR_PATH),
        {"--out", out.path(), "--tcp", "0", "--sample-time", kSampleTime.toString(Qt::ISODate)}));
    // The download's frames in one burst: the device's pacing would only make the tallest page
    // take half a minute.
    QList<QImage> pages;
    QVERIFY(renderDesignPages(model.pages(), &pages));
    QTcpSocket line;
    line.connectToHost(QHostAddress::LocalHost, QUrl(emulator.portPath()).port());
    QVERIFY(line.waitForConnected(5000));
    for (const QByteArray &frame : downloadFrames(prepareDownload(pages)))
        line.write(frame);
    const int last = qMin(model.pageCount(), kLayoutTableEntries) - 1;
    QVERIFY2(emulator.waitForLog(QStringLiteral("preview_%1.png").arg(last), 60000),
             qPrintable(emulator.log()));

    for (int k = 0; k <= last; ++k) {
        const QImage printed(out.filePath(QStringLiteral("preview_%1.png").arg(k)));
        QVERIFY(!printed.isNull());
        QCOMPARE(editors.at(size_t(k))->printedTicket().convertToFormat(QImage::Format_RGB888),
                 printed.convertToFormat(QImage::Format_RGB888));
    }
}

void TestPrintedPage::viewFollowsTheTextAndKeepsEditing()
{
    TtQTextEdit edit;
    edit.resize(kPaperDots, 300);
    edit.setSampleValues(samples());
    QTextCursor cursor(edit.document());
    cursor.insertHtml(QStringLiteral("<span style=\"font-size:14pt; background-color:#e1ddfa;\">"
                                     "0001</span> "));
    QVERIFY(edit.printedTicket().isNull());
    edit.setShowAsPrinted(true);
    const QImage before = edit.printedTicket();
    QCOMPARE(before, previewPage(renderPage(*edit.page()), samples()).ticket);

    // The viewport shows the ticket dot for dot, from the top of the page.
    const QImage shown = edit.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB888);
    const QRect visible = QRect(QPoint(), shown.size()).intersected(before.rect());
    QCOMPARE(shown.copy(visible), before.convertToFormat(QImage::Format_RGB888).copy(visible));

    // Typing goes on in this view, and the view follows it.
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringLiteral("Window 3"));
    QVERIFY(edit.document()->toPlainText().endsWith(QStringLiteral("Window 3")));
    QTRY_VERIFY(edit.printedTicket() != before);
    QCOMPARE(edit.printedTicket(), previewPage(renderPage(*edit.page()), samples()).ticket);

    edit.setShowAsPrinted(false);
    QVERIFY(edit.printedTicket().isNull());
}

void TestPrintedPage::markButtonFindsTheExistingMark()
{
    TtQTextEdit edit;
    QVERIFY(!edit.selectMark(BLOCK_NUMBER));
    edit.setHtml(QStringLiteral("Number <span style=\"background-color:#e1ddfa;\">00<b>01</b>"
                                "</span> waiting <span style=\"background-color:#fac3c3;\">02"
                                "</span>"));
    QVERIFY(edit.selectMark(BLOCK_NUMBER));
    // The whole mark, though its characters differ in weight.
    QCOMPARE(edit.textCursor().selectedText(), QStringLiteral("0001"));
    QVERIFY(edit.selectMark(BLOCK_QUEUE));
    QCOMPARE(edit.textCursor().selectedText(), QStringLiteral("02"));
    QVERIFY(!edit.selectMark(BLOCK_DATETIME));
}

void TestPrintedPage::widePictureNeverScrollsSideways()
{
    TtQTextEdit edit;
    edit.resize(kPaperDots, 300);
    edit.show();
    QTextCursor cursor(edit.document());
    insertPicture(edit, cursor, QStringLiteral("wide"), framed(500));
    cursor.insertText(QStringLiteral("after"));
    edit.setTextCursor(cursor);
    edit.ensureCursorVisible();
    QCOMPARE(edit.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(edit.horizontalScrollBar()->maximum(), 0);
    QCOMPARE(edit.horizontalScrollBar()->value(), 0);
}

void TestPrintedPage::fittedPaperWidePicturePrintsWhole()
{
    // A logo as wide as the paper, fitted as the picture dialog offers: it lies inside the
    // page's content and every one of its dots prints.
    const QImage logo = framed(kPaperDots);
    const QImage fitted = convertForPaper(logo, PictureConversion::Threshold, true);
    QCOMPARE(fitted.width(), kPageContentWidth);
    TtQTextEdit edit;
    QTextCursor cursor(edit.document());
    insertPicture(edit, cursor, QStringLiteral("logo"), fitted);
    const TicketPreview preview = previewPage(renderPage(*edit.page()), samples());
    QCOMPARE(blackDots(preview.ticket), blackDots(fitted));
    // Unfitted, its right edge would be lost.
    edit.clear();
    cursor = QTextCursor(edit.document());
    insertPicture(edit, cursor, QStringLiteral("logo"), logo);
    QVERIFY(blackDots(previewPage(renderPage(*edit.page()), samples()).ticket) < blackDots(logo));
}

TS_TEST_MAIN(TestPrintedPage)
#include "tst_printedpage.moc"
