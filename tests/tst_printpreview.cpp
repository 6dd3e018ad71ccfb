#include "monochrome.h"
#include "pagedownload.h"
#include "printpreviewdialog.h"
#include "ptypair.h"
#include "testmain.h"
#include "testpages.h"
#include "ticketdrawing.h"
#include "ticketpreview.h"
#include "ticketstation.h"
#include "ttqedittool.h"
#include "ttqtextedit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include <memory>

namespace {

const QRgb kWhite = 0xFFFFFFFF;
const QRgb kBlack = 0xFF000000;
const QRgb kGrey = 0xFF808080;

int dotsIn(const QImage &image, const QRect &rect)
{
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            count += image.pixel(x, y) != kWhite;
    return count;
}

// A photo-like grey picture with a one-dot black frame, so its place on a rendered page can be
// found whatever it is turned into; inside, a ramp and a dark disc, never white or black.
QImage framedPhoto(const QSize &size)
{
    QImage image(size, QImage::Format_RGB888);
    const QPoint centre(size.width() / 3, size.height() / 2);
    const int radius = size.height() / 3;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            int level = 40 + 200 * x / (size.width() - 1);
            if ((QPoint(x, y) - centre).manhattanLength() < radius)
                level = 50;
            const bool frame = x == 0 || y == 0 || x == size.width() - 1 || y == size.height() - 1;
            image.setPixel(x, y, frame ? kBlack : qRgb(level, level, level));
        }
    }
    return image;
}

// The smallest rectangle holding every pure black pixel.
QRect blackBounds(const QImage &image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == kBlack)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

QString pageJson(TtQTextEdit *page)
{
    QJsonObject design;
    page->saveToJson(design);
    return QString::fromUtf8(QJsonDocument(design).toJson());
}

} // namespace

class TestPrintPreview : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void dialogShowsDotsOneToOneAndZoomed();
    void dialogShowsSizesAndGreyDots();
    void pageTheDeviceCannotKeep();
    void ticketIsTheSentDotsWithSampleValues();
    void onlySixPagesAreDownloaded();
    void previewButtonOpensOneTabPerPage();
    void previewSendsNothingAndChangesNothing();
    void ditheredPhotoPreviewsAsAPicture();
    void photoAsItIsPreviewsBlackAndMarked();
    void previewTellsWhatPrintsOtherwise();

private:
    void createWindow(int pages);
    PrintPreviewDialog *openPreview();
    QImage shownPage(PrintPreviewDialog *dialog, int k) const;
    // Inserts the photo on an emptied first page, converted as chosen.
    QRect insertPhoto(PictureConversion mode);

    QString languageDir;
    std::unique_ptr<TicketStation> window;
};

void TestPrintPreview::init()
{
    languageDir = QCoreApplication::applicationDirPath() + "/language";
    QVERIFY(QDir().mkpath(languageDir + "/temp"));
    QDir(languageDir + "/temp").removeRecursively();
}

void TestPrintPreview::cleanup()
{
    window.reset();
    QFile::remove(languageDir + "/settings.ini");
}

void TestPrintPreview::createWindow(int pages)
{
    QFile file(languageDir + "/settings.ini");
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("maxTabWidget=%1\n").arg(pages).toUtf8());
    file.close();
    window = std::make_unique<TicketStation>();
    window->show();
}

PrintPreviewDialog *TestPrintPreview::openPreview()
{
    window->findChild<QPushButton *>("btnPreview")->click();
    auto *dialog = window->findChild<PrintPreviewDialog *>();
    if (dialog && !dialog->isVisible())
        return nullptr;
    return dialog;
}

QImage TestPrintPreview::shownPage(PrintPreviewDialog *dialog, int k) const
{
    auto *label = dialog->findChild<QLabel *>(QStringLiteral("labPage_%1").arg(k));
    if (!label)
        return {};
    return label->pixmap(Qt::ReturnByValue).toImage().convertToFormat(QImage::Format_RGB888);
}

QRect TestPrintPreview::insertPhoto(PictureConversion mode)
{
    auto *tool = window->findChild<TtQEditTool *>("TtQEditToolClass");
    tool->setPictureChooser([mode](const QImage &, PictureImport *choice) {
        choice->mode = mode;
        choice->scaleToPaper = false;
        return true;
    });
    TtQTextEdit *page = window->pageEditor(0);
    page->clear();
    QTemporaryDir dir;
    const QString path = dir.filePath("photo.bmp");
    framedPhoto({kPageContentWidth, 200}).save(path);
    if (!tool->insertPicture(path))
        return {};
    page->renderPage();
    return blackBounds(page->pageImage);
}

void TestPrintPreview::dialogShowsDotsOneToOneAndZoomed()
{
    TicketPreview preview;
    preview.ticket = whitePage(24);
    paint(preview.ticket, {10, 3, 5, 2}, kBlack);
    preview.marked = preview.ticket;
    preview.marked.setPixel(11, 4, greyDotColour().rgb());
    preview.greyDots = 1;
    preview.renderedHeight = preview.sentHeight = 24;

    PrintPreviewDialog dialog;
    dialog.setPages({preview, preview}, {"A", "B"});
    auto *tabs = dialog.findChild<QTabWidget *>("tabPages");
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->tabText(0), QStringLiteral("A"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("B"));
    QCOMPARE(shownPage(&dialog, 0), preview.marked);

    dialog.findChild<QCheckBox *>("cbZoom")->click();
    for (int k = 0; k < 2; ++k) {
        const QImage zoomed = shownPage(&dialog, k);
        QCOMPARE(zoomed.size(), QSize(768, 48));
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 768; ++x)
                QCOMPARE(zoomed.pixel(x, y), preview.marked.pixel(x / 2, y / 2));
    }
    dialog.findChild<QCheckBox *>("cbZoom")->click();
    QCOMPARE(shownPage(&dialog, 1), preview.marked);

    // A second set of pages replaces the first.
    dialog.setPages({preview}, {"C"});
    QCOMPARE(tabs->count(), 1);
    QCOMPARE(tabs->tabText(0), QStringLiteral("C"));
}

void TestPrintPreview::dialogShowsSizesAndGreyDots()
{
    TicketPreview whole;
    whole.ticket = whole.marked = whitePage(136);
    whole.greyDots = 4321;
    whole.renderedHeight = whole.sentHeight = 136;
    TicketPreview cut = whole;
    cut.ticket = cut.marked = whitePage(128);
    cut.greyDots = 0;
    cut.renderedHeight = 130;
    cut.sentHeight = 128;

    PrintPreviewDialog dialog;
    dialog.setPages({whole, cut}, {"1", "2"});
    const auto text = [&](const char *name) {
        return dialog.findChild<QLabel *>(name)->text();
    };
    QVERIFY(text("labPaperWidth").contains("384"));
    QVERIFY(text("labPaperWidth").contains("48"));
    QVERIFY(text("labPageHeight").contains("136"));
    QVERIFY(text("labPageHeight").contains(QLocale().toString(17)));
    QVERIFY(text("labGreyDots").contains("4321"));
    const QString wholeHeight = text("labPageHeight");

    dialog.findChild<QTabWidget *>("tabPages")->setCurrentIndex(1);
    QVERIFY(text("labPageHeight").contains("128"));
    QVERIFY(text("labPageHeight").contains(QLocale().toString(16)));
    // Two rendered rows are not printed, and the operator is told.
    QVERIFY(text("labPageHeight").size() > wholeHeight.size());
    QVERIFY(text("labGreyDots").contains("0"));
    QVERIFY(!text("labGreyDots").contains("4321"));
}

void TestPrintPreview::pageTheDeviceCannotKeep()
{
    TicketPreview lost;
    lost.renderedHeight = 70000;
    PrintPreviewDialog dialog;
    dialog.setPages({lost}, {"1"});
    auto *label = dialog.findChild<QLabel *>("labPage_0");
    QVERIFY(label->pixmap(Qt::ReturnByValue).isNull());
    QVERIFY(!label->text().isEmpty());
    QVERIFY(dialog.findChild<QLabel *>("labPageHeight")->text().isEmpty());
}

void TestPrintPreview::ticketIsTheSentDotsWithSampleValues()
{
    // 131 rows: the NV image carries 128 of them.
    QImage page = whitePage(131);
    const QRect ink(8, 4, 100, 10);
    const QRect grey(200, 4, 50, 20);
    const QRect number(20, 40, 96, 30);
    const QRect date(100, 80, 240, 24);
    paint(page, ink, kBlack);
    paint(page, grey, kGrey);
    paint(page, number, kNumber);
    paint(page, date, kDateTime);
    paint(page, {0, 128, 384, 3}, kBlack); // rows that are not sent
    page.setPixel(383, 127, kNumber);      // a second run of the number colour prints

    const DesignDownload download = prepareDownload({page});
    const QDateTime now(QDate(2023, 11, 5), QTime(9, 7, 3));
    const QList<TicketPreview> previews = previewTickets(download, now);
    QCOMPARE(previews.size(), 1);
    const TicketPreview &preview = previews.first();
    QCOMPARE(preview.renderedHeight, 131);
    QCOMPARE(preview.sentHeight, 128);
    QCOMPARE(preview.ticket.width(), 384);
    QCOMPARE(preview.ticket.height(), 128);
    QCOMPARE(preview.greyDots, 50 * 20 + 1);

    // Outside the placeholder rectangles the ticket is the sent dots.
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 384; ++x)
            if (!number.contains(x, y) && !date.contains(x, y))
                QCOMPARE(preview.ticket.pixel(x, y), download.sentDots.first().pixel(x, y));
    // The sample values are printed in the placeholders and nowhere else.
    QVERIFY(dotsIn(preview.ticket, number) > 0);
    QVERIFY(dotsIn(preview.ticket, date) > 0);
    QCOMPARE(dotsIn(download.sentDots.first(), number), 0);
    // The date follows the time asked for, and only the date does.
    const QImage later = previewTickets(download, now.addSecs(1)).first().ticket;
    QVERIFY(later != preview.ticket);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 384; ++x)
            if (!date.contains(x, y))
                QCOMPARE(later.pixel(x, y), preview.ticket.pixel(x, y));

    // Marked: the grey dots and the stray placeholder pixel in the second colour, the rest as
    // printed.
    const QRgb mark = greyDotColour().rgb();
    for (int y = 0; y < 128; ++y) {
        for (int x = 0; x < 384; ++x) {
            const bool greyDot = grey.contains(x, y) || QPoint(x, y) == QPoint(383, 127);
            QCOMPARE(preview.marked.pixel(x, y), greyDot ? mark : preview.ticket.pixel(x, y));
        }
    }
}

void TestPrintPreview::onlySixPagesAreDownloaded()
{
    QList<QImage> pages;
    for (int i = 0; i < 7; ++i) {
        QImage page = whitePage(40);
        paint(page, {i * 10, 0, 5, 5}, kBlack);
        pages << page;
    }
    const QList<TicketPreview> previews =
        previewTickets(prepareDownload(pages), QDateTime::currentDateTime());
    QCOMPARE(previews.size(), 6);
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(previews.at(i).ticket.size(), QSize(384, 40));
        QCOMPARE(previews.at(i).ticket.pixel(i * 10 + 2, 2), kBlack);
        QCOMPARE(dotsIn(previews.at(i).ticket, {0, 0, 384, 40}), 25);
    }
}

void TestPrintPreview::previewButtonOpensOneTabPerPage()
{
    createWindow(3);
    auto *pages = window->findChild<QTabWidget *>("tabWidget");
    PrintPreviewDialog *dialog = openPreview();
    QVERIFY(dialog);
    QVERIFY(dialog->isModal());
    auto *tabs = dialog->findChild<QTabWidget *>("tabPages");
    QCOMPARE(tabs->count(), 3);
    for (int k = 0; k < 3; ++k) {
        QCOMPARE(tabs->tabText(k), pages->tabText(k));
        const QImage shown = shownPage(dialog, k);
        QCOMPARE(shown.width(), 384);
        // The default page prints: text and placeholders leave dots.
        QVERIFY(dotsIn(shown, shown.rect()) > 0);
    }
    // Closing deletes the dialog; a second preview is a fresh one.
    dialog->findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Close)->click();
    QTRY_VERIFY(!window->findChild<PrintPreviewDialog *>());
    QVERIFY(openPreview());
}

void TestPrintPreview::previewSendsNothingAndChangesNothing()
{
    createWindow(2);
    PtyPair pty;
    QVERIFY(pty.isValid());
    auto *ports = window->findChild<QComboBox *>("cmbSerialPort");
    ports->addItem(pty.slavePath());
    ports->setCurrentIndex(ports->count() - 1);
    window->findChild<QPushButton *>("btnConnect")->click();
    // The version query goes out on connecting; after it the line must stay quiet.
    QCOMPARE(pty.read(8, 3000), QByteArray::fromHex("15000000ffffffff"));

    auto *pages = window->findChild<QTabWidget *>("tabWidget");
    pages->setCurrentIndex(1);
    QStringList before;
    QList<int> undoSteps;
    for (int k = 0; k < 2; ++k) {
        before << pageJson(window->pageEditor(k));
        undoSteps << window->pageEditor(k)->document()->availableUndoSteps();
        window->pageEditor(k)->document()->setModified(false);
    }

    QVERIFY(openPreview());
    QCOMPARE(pty.readFor(1000), QByteArray());
    QCOMPARE(pages->currentIndex(), 1);
    for (int k = 0; k < 2; ++k) {
        TtQTextEdit *page = window->pageEditor(k);
        QCOMPARE(pageJson(page), before.at(k));
        QCOMPARE(page->document()->availableUndoSteps(), undoSteps.at(k));
        QVERIFY(!page->document()->isModified());
    }
    // No download happened, so no download previews were written.
    QVERIFY(QDir(languageDir + "/temp").entryList(QDir::Files).isEmpty());
}

void TestPrintPreview::ditheredPhotoPreviewsAsAPicture()
{
    createWindow(1);
    const QRect place = insertPhoto(PictureConversion::Dither);
    QVERIFY(place.isValid());
    // The photo sits on the page whole, with its frame, as wide as the page's content.
    QCOMPARE(place.height(), 200);
    QCOMPARE(place.width(), kPageContentWidth);

    PrintPreviewDialog *dialog = openPreview();
    QVERIFY(dialog);
    const QImage shown = shownPage(dialog, 0);
    QVERIFY(shown.height() >= place.bottom() + 1);
    // A dithered picture is all whole dots: nothing is black only because it was grey.
    QVERIFY(dialog->findChild<QLabel *>("labGreyDots")->text().endsWith(QStringLiteral("0")));
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            QVERIFY(shown.pixel(x, y) == kWhite || shown.pixel(x, y) == kBlack);

    // Recognisable: in every 20 x 20 cell inside the frame the share of printed dots follows
    // the photo's darkness there; a black block would be dark everywhere.
    const QImage photo = framedPhoto({kPageContentWidth, 200});
    const QRect inside = place.adjusted(1, 1, -1, -1);
    double printed = 0;
    int cells = 0;
    for (int cy = 0; cy + 20 <= inside.height(); cy += 20) {
        for (int cx = 0; cx + 20 <= inside.width(); cx += 20) {
            double darkness = 0;
            int dots = 0;
            for (int y = cy; y < cy + 20; ++y) {
                for (int x = cx; x < cx + 20; ++x) {
                    darkness += (255 - qGray(photo.pixel(x + 1, y + 1))) / 255.0;
                    dots += shown.pixel(inside.x() + x, inside.y() + y) == kBlack;
                }
            }
            darkness /= 400;
            const double density = dots / 400.0;
            QVERIFY2(qAbs(density - darkness) < 0.12,
                     qPrintable(QStringLiteral("cell %1,%2: %3 dots for darkness %4")
                                    .arg(cx)
                                    .arg(cy)
                                    .arg(density)
                                    .arg(darkness)));
            printed += density;
            ++cells;
        }
    }
    QVERIFY(cells >= 150);
    QVERIFY(printed / cells < 0.7);
}

void TestPrintPreview::photoAsItIsPreviewsBlackAndMarked()
{
    createWindow(1);
    const QRect place = insertPhoto(PictureConversion::AsIs);
    QVERIFY(place.isValid());
    QCOMPARE(place.height(), 200);

    PrintPreviewDialog *dialog = openPreview();
    QVERIFY(dialog);
    const QImage shown = shownPage(dialog, 0);
    // Every dot of the photo prints: the frame in black, everything inside it only because it
    // was grey, so in the second colour.
    const QRgb mark = greyDotColour().rgb();
    const QRect inside = place.adjusted(1, 1, -1, -1);
    const bool rightEdgeCut = place.right() == 383;
    int marked = 0;
    for (int y = place.top(); y <= place.bottom(); ++y) {
        for (int x = place.left(); x <= place.right(); ++x) {
            const bool frame = !inside.contains(x, y) &&
                               !(rightEdgeCut && x == 383 && y > place.top() && y < place.bottom());
            QCOMPARE(shown.pixel(x, y), frame ? kBlack : mark);
            marked += !frame;
        }
    }
    const int expected = (place.width() - (rightEdgeCut ? 1 : 2)) * 198;
    QCOMPARE(marked, expected);
    QVERIFY(dialog->findChild<QLabel *>("labGreyDots")->text().contains(QString::number(expected)));
}

void TestPrintPreview::previewTellsWhatPrintsOtherwise()
{
    createWindow(1);
    TtQTextEdit *page = window->pageEditor(0);
    page->addImageResource(solidImage({420, 20}, Qt::black), QStringLiteral("wide"));
    page->setHtml(QStringLiteral(
        "<p style=\"font-family:'No Such Family 7f3e9c'\"><img src=\"wide\" width=\"420\" "
        "height=\"20\"/></p><p><span style=\"background-color:#e1ddfa;\">0001</span> and "
        "<span style=\"background-color:#e1ddfa;\">0002</span></p>"));
    PrintPreviewDialog *dialog = openPreview();
    QVERIFY(dialog);
    auto *notices = dialog->findChild<QLabel *>("labNotices");
    QVERIFY(notices->isVisibleTo(dialog));
    const QString title = window->findChild<QTabWidget *>("tabWidget")->tabText(0);
    QCOMPARE(notices->text().split('\n').filter(title).size(), 2); // black bar, cut picture
    QVERIFY(notices->text().contains("No Such Family 7f3e9c"));

    // The picture's rows, and only those, end in a bar at the paper's edge.
    const QImage shown = shownPage(dialog, 0);
    const QRgb bar = shown.pixel(383, blackBounds(shown).top());
    QVERIFY(bar != kBlack && bar != kWhite);
    int barRows = 0;
    for (int y = 0; y < shown.height(); ++y)
        barRows += shown.pixel(383, y) == bar;
    QCOMPARE(barRows, 20);
}

TS_TEST_MAIN(TestPrintPreview)
#include "tst_printpreview.moc"
