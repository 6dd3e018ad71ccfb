#include "monochrome.h"
#include "operatordialogs.h"
#include "pictureimportdialog.h"
#include "testmain.h"
#include "testpages.h"
#include "ttqedittool.h"
#include "ttqtextedit.h"

#include <QCheckBox>
#include <QJsonObject>
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

    void dialogOffersDitherAndScaling();
    void dialogPreviewFollowsChoice_data();
    void dialogPreviewFollowsChoice();
    void narrowPictureIsNotOfferedScaling();
    void greyPictureAsksOnce_data();
    void greyPictureAsksOnce();
    void blackAndWhitePictureGoesInUnasked_data();
    void blackAndWhitePictureGoesInUnasked();
    void wideBlackAndWhitePictureIsOfferedTheFit();
    void declinedConversionChangesNothing();
    void convertedPictureIsStoredInTheDesign();
    void theOperatorIsAskedByTheDialog();
    void cancellingTheQuestionShowsNoError();

private:
    QString writeBmp(const QString &fileName, const QImage &image) const;
    QLabel *previewLabel(PictureImportDialog &dialog) const;
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

QLabel *TestPictureImport::previewLabel(PictureImportDialog &dialog) const
{
    return dialog.findChild<QLabel *>(QStringLiteral("labPreview"));
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

void TestPictureImport::dialogOffersDitherAndScaling()
{
    const QImage photo = greyPhoto({500, 100});
    PictureImportDialog dialog(photo);
    QVERIFY(dialog.findChild<QRadioButton *>("rbDither")->isChecked());
    auto *scale = dialog.findChild<QCheckBox *>("cbScale");
    QVERIFY(scale->isVisibleTo(&dialog));
    QVERIFY(scale->isChecked());

    const PictureImport choice = dialog.choice();
    QCOMPARE(choice.mode, PictureConversion::Dither);
    QVERIFY(choice.scaleToPaper);
    const QImage expected = convertForPaper(photo, PictureConversion::Dither, true);
    QCOMPARE(dialog.converted().size(), QSize(366, 73));
    QCOMPARE(dialog.converted(), expected);
    QVERIFY(sameDots(previewLabel(dialog)->pixmap(Qt::ReturnByValue).toImage(), expected));
}

void TestPictureImport::dialogPreviewFollowsChoice_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("scale");
    QTest::addColumn<int>("mode");

    QTest::newRow("threshold") << "rbThreshold" << true << int(PictureConversion::Threshold);
    QTest::newRow("as it is") << "rbAsIs" << true << int(PictureConversion::AsIs);
    QTest::newRow("dither unscaled") << "rbDither" << false << int(PictureConversion::Dither);
    QTest::newRow("as it is unscaled") << "rbAsIs" << false << int(PictureConversion::AsIs);
}

void TestPictureImport::dialogPreviewFollowsChoice()
{
    QFETCH(QString, button);
    QFETCH(bool, scale);
    QFETCH(int, mode);

    const QImage photo = greyPhoto({500, 100});
    PictureImportDialog dialog(photo);
    dialog.show();
    // Start from another choice so the preview has to change.
    dialog.findChild<QRadioButton *>(button == "rbAsIs" ? "rbThreshold" : "rbAsIs")->click();
    dialog.findChild<QRadioButton *>(button)->click();
    if (!scale)
        dialog.findChild<QCheckBox *>("cbScale")->click();

    QCOMPARE(int(dialog.choice().mode), mode);
    QCOMPARE(dialog.choice().scaleToPaper, scale);
    const QImage expected = convertForPaper(photo, PictureConversion(mode), scale);
    QCOMPARE(dialog.converted(), expected);

    // The preview shows the dots the printer makes: anything not white is black, and nothing
    // beyond the paper's 384 dots.
    const QImage shown = previewLabel(dialog)->pixmap(Qt::ReturnByValue).toImage();
    QCOMPARE(shown.size(), QSize(qMin(expected.width(), 384), expected.height()));
    QVERIFY(isPureBlackAndWhite(shown));
    QVERIFY(sameDots(shown, printedDots(expected).copy(0, 0, shown.width(), expected.height())));
}

void TestPictureImport::narrowPictureIsNotOfferedScaling()
{
    PictureImportDialog dialog(greyPhoto({200, 50}));
    QVERIFY(!dialog.findChild<QCheckBox *>("cbScale")->isVisibleTo(&dialog));
    QCOMPARE(dialog.converted().size(), QSize(200, 50));
}

void TestPictureImport::greyPictureAsksOnce_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("scale");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("pure");

    QTest::newRow("dithered, scaled")
        << int(PictureConversion::Dither) << true << QSize(366, 73) << true;
    QTest::newRow("dithered, full width")
        << int(PictureConversion::Dither) << false << QSize(500, 100) << true;
    QTest::newRow("threshold") << int(PictureConversion::Threshold) << true << QSize(366, 73)
                               << true;
    QTest::newRow("as it is") << int(PictureConversion::AsIs) << false << QSize(500, 100) << false;
}

void TestPictureImport::greyPictureAsksOnce()
{
    QFETCH(int, mode);
    QFETCH(bool, scale);
    QFETCH(QSize, size);
    QFETCH(bool, pure);

    const QImage photo = greyPhoto({500, 100});
    int asked = 0;
    QSize askedAbout;
    tool->setPictureChooser([&](const QImage &picture, PictureImport *choice) {
        ++asked;
        askedAbout = picture.size();
        choice->mode = PictureConversion(mode);
        choice->scaleToPaper = scale;
        return true;
    });
    const QString path = writeBmp("photo.bmp", photo);
    QString error;
    QVERIFY(tool->insertPicture(path, &error));
    QCOMPARE(asked, 1);
    QCOMPARE(askedAbout, QSize(500, 100));

    const QImage inserted = insertedResource();
    QCOMPARE(inserted.size(), size);
    QCOMPARE(isPureBlackAndWhite(inserted), pure);
    QCOMPARE(inserted, convertForPaper(QImage(path), PictureConversion(mode), scale));
    const QTextImageFormat format = edit->textCursor().charFormat().toImageFormat();
    QCOMPARE(format.width(), qreal(size.width()));
    QCOMPARE(format.height(), qreal(size.height()));
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

void TestPictureImport::wideBlackAndWhitePictureIsOfferedTheFit()
{
    // A paper-wide logo is wider than the page's content and would lose its right edge.
    QImage logo(384, 40, QImage::Format_Mono);
    logo.fill(1);
    tool->setPictureChooser([](const QImage &, PictureImport *choice) {
        PictureImportDialog dialog(QImage(384, 40, QImage::Format_Mono));
        *choice = dialog.choice();
        choice->scaleToPaper = true;
        return true;
    });
    QVERIFY(tool->insertPicture(writeBmp("logo.bmp", logo)));
    QCOMPARE(insertedResource().width(), kPageContentWidth);
    QVERIFY(isPureBlackAndWhite(insertedResource()));
}

void TestPictureImport::declinedConversionChangesNothing()
{
    tool->setPictureChooser([](const QImage &, PictureImport *) { return false; });
    const QString before = edit->toHtml();
    QString error = QStringLiteral("untouched?");
    QVERIFY(!tool->insertPicture(writeBmp("photo.bmp", greyPhoto({100, 40})), &error));
    QVERIFY(error.isEmpty());
    QCOMPARE(edit->toHtml(), before);
    QVERIFY(edit->imageNames.isEmpty());
}

void TestPictureImport::convertedPictureIsStoredInTheDesign()
{
    tool->setPictureChooser([](const QImage &, PictureImport *choice) {
        choice->mode = PictureConversion::Dither;
        choice->scaleToPaper = true;
        return true;
    });
    QVERIFY(tool->insertPicture(writeBmp("photo.bmp", greyPhoto({768, 200}))));
    const QImage inserted = insertedResource();
    QCOMPARE(inserted.size(), QSize(366, 95));

    QJsonObject design;
    edit->saveToJson(design);
    TtQTextEdit loaded;
    loaded.typeIndex = edit->typeIndex;
    loaded.loadFromJson(design);
    QCOMPARE(loaded.imageNames, edit->imageNames);
    const QImage back =
        loaded.document()
            ->resource(QTextDocument::ImageResource, QUrl(loaded.imageNames.first()))
            .value<QImage>();
    QVERIFY(isPureBlackAndWhite(back));
    QVERIFY(sameDots(back, inserted));
}

void TestPictureImport::theOperatorIsAskedByTheDialog()
{
    const QImage photo = greyPhoto({500, 100});
    bool answered = false;
    // The dialog itself, answered as the operator would, without running it modally.
    tool->setPictureChooser([&](const QImage &picture, PictureImport *choice) {
        PictureImportDialog dialog(picture, window.get());
        dialog.findChild<QRadioButton *>("rbThreshold")->click();
        dialog.findChild<QCheckBox *>("cbScale")->setChecked(false);
        *choice = dialog.choice();
        answered = true;
        return true;
    });
    QVERIFY(tool->insertPicture(writeBmp("photo.bmp", photo)));
    QVERIFY(answered);
    QCOMPARE(insertedResource(), thresholdHalf(photo));
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
    // A warning would take this answer.
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
