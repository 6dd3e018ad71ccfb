#include "monochrome.h"
#include "operatordialogs.h"
#include "pictureimportdialog.h"
#include "testmain.h"
#include "testpages.h"
#include "ttqedittool.h"
#include "ttqtextedit.h"

#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextImageFormat>
#include <QUrl>
#include <QVBoxLayout>

#include <memory>

namespace {

// A photo-like grey picture: a horizontal ramp with a dark disc, no pure white or black.
QImage greyPhoto(const QSize &size)
{
    QImage image(size, QImage::Format_RGB888);
    const QPoint centre(size.width() / 3, size.height() / 2);
    const int radius = size.height() / 3;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            int level = 60 + 160 * x / qMax(1, size.width() - 1);
            if ((QPoint(x, y) - centre).manhattanLength() < radius)
                level = 40;
            image.setPixel(x, y, qRgb(level, level, level));
        }
    }
    return image;
}

} // namespace

class TestPictureImport : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void dialogShowsWhatPrints_data();
    void dialogShowsWhatPrints();
    void askedPictureGoesInAsChosen_data();
    void askedPictureGoesInAsChosen();
    void blackAndWhitePictureGoesInUnasked_data();
    void blackAndWhitePictureGoesInUnasked();
    void cancellingTheQuestionShowsNoError();

private:
    QString writeBmp(const QString &fileName, const QImage &image) const;
    QImage shownPreview(PictureImportDialog &dialog) const;
    QImage insertedResource() const;

    std::unique_ptr<QWidget> window;
    TtQEditTool *tool = nullptr;
    TtQTextEdit *edit = nullptr;
    std::unique_ptr<QTemporaryDir> dir;
};

void TestPictureImport::init()
{
    window = std::make_unique<QWidget>();
    auto *layout = new QVBoxLayout(window.get());
    tool = new TtQEditTool(window.get());
    edit = new TtQTextEdit(window.get());
    layout->addWidget(tool);
    layout->addWidget(edit);
    tool->bindTextEdit(edit);
    edit->clear();
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

void TestPictureImport::cleanup()
{
    window.reset();
    dir.reset();
}

QString TestPictureImport::writeBmp(const QString &fileName, const QImage &image) const
{
    const QString path = dir->filePath(fileName);
    if (!image.save(path, "BMP"))
        qWarning("could not write %s", qPrintable(path));
    return path;
}

QImage TestPictureImport::shownPreview(PictureImportDialog &dialog) const
{
    return dialog.findChild<QLabel *>(QStringLiteral("labPreview"))
        ->pixmap(Qt::ReturnByValue)
        .toImage();
}

// The picture behind the single image reference on the page.
QImage TestPictureImport::insertedResource() const
{
    if (edit->imageNames.size() != 1)
        return {};
    return edit->document()
        ->resource(QTextDocument::ImageResource, QUrl(edit->imageNames.first()))
        .value<QImage>();
}

// How pictures convert is tst_monochrome's; here, what the dialog starts from, follows and shows.
void TestPictureImport::dialogShowsWhatPrints_data()
{
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<QString>("button"); // the mode the operator picks; empty: none
    QTest::addColumn<bool>("unscale");   // whether the operator turns the fitting off
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("offersScaling");

    const QImage photo = greyPhoto({500, 100});
    QImage logo(kPaperDots, 40, QImage::Format_Mono);
    logo.fill(1);
    const int dither = int(PictureConversion::Dither);
    QTest::newRow("grey, wider than the page") << photo << "" << false << dither << true;
    // Its dots stay sharp when cut at half grey.
    QTest::newRow("black and white, wider than the page")
        << logo << "" << false << int(PictureConversion::Threshold) << true;
    QTest::newRow("grey, narrow") << greyPhoto({200, 50}) << "" << false << dither << false;
    QTest::newRow("threshold picked")
        << photo << "rbThreshold" << false << int(PictureConversion::Threshold) << true;
    QTest::newRow("dither, unscaled") << photo << "rbDither" << true << dither << true;
    QTest::newRow("as it is, unscaled")
        << photo << "rbAsIs" << true << int(PictureConversion::AsIs) << true;
}

void TestPictureImport::dialogShowsWhatPrints()
{
    QFETCH(QImage, picture);
    QFETCH(QString, button);
    QFETCH(bool, unscale);
    QFETCH(int, mode);
    QFETCH(bool, offersScaling);
    PictureImportDialog dialog(picture);
    dialog.show();
    auto *scale = dialog.findChild<QCheckBox *>("cbScale");
    QCOMPARE(scale->isVisible(), offersScaling);
    if (!button.isEmpty()) {
        // From another choice first, so the preview has to change.
        dialog.findChild<QRadioButton *>(button == "rbAsIs" ? "rbThreshold" : "rbAsIs")->click();
        dialog.findChild<QRadioButton *>(button)->click();
    }
    if (unscale)
        scale->click();

    QCOMPARE(int(dialog.choice().mode), mode);
    // Fitted to the page unless the operator says otherwise; a narrow picture keeps its size.
    QCOMPARE(dialog.choice().scaleToPaper, !unscale);
    const QImage expected = convertForPaper(picture, PictureConversion(mode), !unscale);
    QCOMPARE(expected.width(),
             unscale ? picture.width() : qMin(picture.width(), kPageContentWidth));
    QCOMPARE(dialog.converted(), expected);
    // The preview shows the dots the printer makes: anything not white is black, and nothing
    // beyond the paper's 384 dots.
    const QImage shown = shownPreview(dialog);
    QCOMPARE(shown.size(), QSize(qMin(expected.width(), kPaperDots), expected.height()));
    QVERIFY(isPureBlackAndWhite(shown));
    QVERIFY(sameDots(shown, printedDots(expected).copy(0, 0, shown.width(), expected.height())));
}

void TestPictureImport::askedPictureGoesInAsChosen_data()
{
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("scale");

    QImage logo(kPaperDots, 40, QImage::Format_Mono);
    logo.fill(1);
    QTest::newRow("grey, as it is")
        << greyPhoto({500, 100}) << int(PictureConversion::AsIs) << false;
    // A paper-wide logo is wider than the page's content and would lose its right edge.
    QTest::newRow("black and white, wider than the page")
        << logo << int(PictureConversion::Threshold) << true;
}

void TestPictureImport::askedPictureGoesInAsChosen()
{
    QFETCH(QImage, picture);
    QFETCH(int, mode);
    QFETCH(bool, scale);

    int asked = 0;
    QSize askedAbout;
    tool->setPictureChooser([&](const QImage &shown, PictureImport *choice) {
        ++asked;
        askedAbout = shown.size();
        choice->mode = PictureConversion(mode);
        choice->scaleToPaper = scale;
        return true;
    });
    const QString path = writeBmp("picture.bmp", picture);
    QString error;
    QVERIFY(tool->insertPicture(path, &error));
    QCOMPARE(asked, 1);
    QCOMPARE(askedAbout, picture.size());

    const QImage inserted = insertedResource();
    QCOMPARE(inserted, convertForPaper(QImage(path), PictureConversion(mode), scale));
    QVERIFY(inserted.width() <= (scale ? kPageContentWidth : picture.width()));
    const QTextImageFormat format = edit->textCursor().charFormat().toImageFormat();
    QCOMPARE(format.width(), qreal(inserted.width()));
    QCOMPARE(format.height(), qreal(inserted.height()));
}

void TestPictureImport::blackAndWhitePictureGoesInUnasked_data()
{
    QTest::addColumn<QImage>("picture");

    QImage rgb(360, 40, QImage::Format_RGB888);
    rgb.fill(Qt::white);
    for (int x = 0; x < 360; x += 3)
        rgb.setPixel(x, x % 40, qRgb(0, 0, 0));
    QTest::newRow("24-bit") << rgb;
    QTest::newRow("1-bit") << rgb.convertToFormat(QImage::Format_Mono);
}

void TestPictureImport::blackAndWhitePictureGoesInUnasked()
{
    QFETCH(QImage, picture);
    int asked = 0;
    tool->setPictureChooser([&](const QImage &, PictureImport *) {
        ++asked;
        return true;
    });
    const QString path = writeBmp("bw.bmp", picture);
    QVERIFY(tool->insertPicture(path));
    QCOMPARE(asked, 0);
    // Exactly the picture as read, unscaled.
    QCOMPARE(insertedResource(), QImage(path));
    QCOMPARE(insertedResource().size(), picture.size());
}

void TestPictureImport::cancellingTheQuestionShowsNoError()
{
    const QString path = writeBmp("photo.bmp", greyPhoto({300, 60}));
    bool asked = false;
    tool->setPictureChooser([&](const QImage &, PictureImport *) {
        asked = true;
        return false;
    });
    FileChooser::setNextFileName(path);
    // A warning would take this answer; declining is no failure.
    Asker::setNextAnswer(QMessageBox::Ok);
    const QString before = edit->toHtml();
    tool->findChild<QPushButton *>("btn_picture")->click();
    QVERIFY(asked);
    QCOMPARE(Asker::pendingAnswers(), 1);
    Asker::clearAnswers();
    QCOMPARE(edit->toHtml(), before);
    QVERIFY(edit->imageNames.isEmpty());
}

TS_TEST_MAIN(TestPictureImport)
#include "tst_pictureimport.moc"
