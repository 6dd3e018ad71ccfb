#include "fasttiming.h"
#include "monochrome.h"
#include "printpreviewdialog.h"
#include "ptypair.h"
#include "testmain.h"
#include "testpages.h"
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

    void dialogShowsEachPage();
    void previewButtonOpensOneTabPerPage();
    void previewSendsNothingAndChangesNothing();
    void ditheredPhotoPreviewsAsAPicture();
    void previewTellsWhatPrintsOtherwise();

private:
    void createWindow(int pages);
    PrintPreviewDialog *openPreview();
    QImage shownPage(PrintPreviewDialog *dialog, int k) const;
    // Inserts the photo, dithered, on an emptied first page; gives where its frame lies.
    QRect insertDitheredPhoto();

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
    window = std::make_unique<TicketStation>(nullptr, fastTiming());
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

QRect TestPrintPreview::insertDitheredPhoto()
{
    auto *tool = window->findChild<TtQEditTool *>("TtQEditToolClass");
    tool->setPictureChooser([](const QImage &, PictureImport *choice) {
        choice->mode = PictureConversion::Dither;
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

void TestPrintPreview::dialogShowsEachPage()
{
    // A whole page with a dot printed only because it was grey, one whose last rendered rows
    // are not sent, and one the device cannot keep.
    TicketPreview whole;
    whole.ticket = whitePage(136);
    paint(whole.ticket, {10, 3, 5, 2}, kBlack);
    whole.marked = whole.ticket;
    whole.marked.setPixel(11, 4, greyDotColour().rgb());
    whole.greyDots = 4321;
    whole.renderedHeight = whole.sentHeight = 136;
    TicketPreview cut = whole;
    cut.greyDots = 0;
    cut.renderedHeight = 138;
    TicketPreview lost;
    lost.renderedHeight = 70000;

    PrintPreviewDialog dialog;
    dialog.setPages({whole, cut, lost}, {"1", "2", "3"});
    const auto text = [&](const char *name) {
        return dialog.findChild<QLabel *>(name)->text();
    };
    QCOMPARE(shownPage(&dialog, 0), whole.marked);
    QVERIFY(text("labPageHeight").contains("136"));
    QVERIFY(text("labPageHeight").contains(QLocale().toString(17))); // millimetres
    QVERIFY(text("labGreyDots").contains("4321"));
    const QString wholeHeight = text("labPageHeight");
    auto *tabs = dialog.findChild<QTabWidget *>("tabPages");
    tabs->setCurrentIndex(1);
    // Two rendered rows are not printed, and the operator is told.
    QVERIFY(text("labPageHeight").size() > wholeHeight.size());
    QVERIFY(!text("labGreyDots").contains("4321"));
    tabs->setCurrentIndex(2);
    auto *lostPage = dialog.findChild<QLabel *>("labPage_2");
    QVERIFY(lostPage->pixmap(Qt::ReturnByValue).isNull());
    QVERIFY(!lostPage->text().isEmpty());
    QVERIFY(text("labPageHeight").isEmpty());

    // Zoomed, every dot is two by two pixels, nothing smoothed.
    dialog.findChild<QCheckBox *>("cbZoom")->click();
    QCOMPARE(shownPage(&dialog, 1), cut.marked.scaled(cut.marked.size() * 2));
    dialog.findChild<QCheckBox *>("cbZoom")->click();
    QCOMPARE(shownPage(&dialog, 1), cut.marked);
    // A second set of pages replaces the first.
    dialog.setPages({whole}, {"C"});
    QCOMPARE(tabs->count(), 1);
}

// That the pages shown are the device's dots is tst_preview_endtoend's.
void TestPrintPreview::previewButtonOpensOneTabPerPage()
{
    createWindow(3);
    auto *pages = window->findChild<QTabWidget *>("tabWidget");
    PrintPreviewDialog *dialog = openPreview();
    QVERIFY(dialog);
    QVERIFY(dialog->isModal());
    auto *tabs = dialog->findChild<QTabWidget *>("tabPages");
    QCOMPARE(tabs->count(), 3);
    for (int k = 0; k < 3; ++k)
        QCOMPARE(tabs->tabText(k), pages->tabText(k));
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
    QCOMPARE(pty.read(8, 3000), kVersionQuery);

    auto *pages = window->findChild<QTabWidget *>("tabWidget");
    pages->setCurrentIndex(1);
    QStringList before;
    for (int k = 0; k < 2; ++k) {
        before << pageJson(window->pageEditor(k));
        window->pageEditor(k)->document()->setModified(false);
    }

    QVERIFY(openPreview());
    // The next thing on the line is what the operator sends next: nothing came before it.
    window->findChild<QPushButton *>("btnSetTime")->click();
    QCOMPARE(pty.read(8, 3000), QByteArray::fromHex("14000000ffffffff"));
    QCOMPARE(pages->currentIndex(), 1);
    for (int k = 0; k < 2; ++k) {
        TtQTextEdit *page = window->pageEditor(k);
        QCOMPARE(pageJson(page), before.at(k));
        QVERIFY(!page->document()->isModified());
    }
    // No download happened, so no download previews were written.
    QVERIFY(QDir(languageDir + "/temp").entryList(QDir::Files).isEmpty());
}

// How dithering keeps a photo's shades is tst_monochrome's; here, that the dithered picture
// reaches the preview dot for dot, none of them printed only because it was grey.
void TestPrintPreview::ditheredPhotoPreviewsAsAPicture()
{
    createWindow(1);
    const QRect place = insertDitheredPhoto();
    QVERIFY(place.isValid());
    // The photo sits on the page whole, with its frame, as wide as the page's content.
    QCOMPARE(place.size(), QSize(kPageContentWidth, 200));

    PrintPreviewDialog *dialog = openPreview();
    QVERIFY(dialog);
    const QImage shown = shownPage(dialog, 0);
    QVERIFY(dialog->findChild<QLabel *>("labGreyDots")->text().endsWith(QStringLiteral("0")));
    const QImage dithered =
        convertForPaper(framedPhoto(place.size()), PictureConversion::Dither, false);
    QVERIFY(sameDots(shown.copy(place), dithered.convertToFormat(QImage::Format_RGB888)));
    QVERIFY(isPureBlackAndWhite(shown));
}

void TestPrintPreview::previewTellsWhatPrintsOtherwise()
{
    createWindow(1);
    TtQTextEdit *page = window->pageEditor(0);
    page->addImageResource(solidImage({420, 20}, Qt::black), QStringLiteral("wide"));
    // What the notices say for each fault is tst_printnotices'; one is enough to show them here.
    page->setHtml(QStringLiteral("<p><img src=\"wide\" width=\"420\" height=\"20\"/></p>"));
    PrintPreviewDialog *dialog = openPreview();
    QVERIFY(dialog);
    auto *notices = dialog->findChild<QLabel *>("labNotices");
    QVERIFY(notices->isVisibleTo(dialog));
    const QString title = window->findChild<QTabWidget *>("tabWidget")->tabText(0);
    QCOMPARE(notices->text().split('\n').filter(title).size(), 1);

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
