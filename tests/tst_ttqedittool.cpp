#include "blockflag.h"
#include "codedialog.h"
#include "operatordialogs.h"
#include "testmain.h"
#include "ticketpage.h"
#include "ttqedittool.h"
#include "ttqtextedit.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUuid>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

class TestTtQEditTool : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void artwork_data();
    void artwork();
    void applicationIconHasEverySize();
    void formSlotsConnectWithoutWarnings();

    void bindingFillsSizesAndSetsPageFont();
    void bindingShowsEditorState();
    void bindingKeepsChosenLineHeights();
    void bindingMovesToTheNewPage();

    void characterFormatOnSelection_data();
    void characterFormatOnSelection();
    void boldWithoutSelectionIsForWhatIsTyped();
    void sizeFromComboKeyboard();
    void sizeText_data();
    void sizeText();
    void fontFromComboKeyboard();

    void alignment_data();
    void alignment();

    void spinBoxChangesEveryBlock();
    void lineHeightZeroResetsSpacing();
    void lineHeightIsOneUndoStep();

    void placeholderFragments_data();
    void placeholderFragments();
    void secondMarkSelectsTheFirst();

    void pictureAtFullSize();
    void codeReopensOnDoubleClick();
    void codeDialogRefusesWhatWouldNotScan();
    void pictureThroughDialog();
    void pictureDialogCancelled();
    void unreadablePictureChangesNothing();
    void unreadablePictureThroughDialogIsReported();

    void downloadAndTestPrintSignals();
    void unboundToolDoesNothing();

private:
    template <class T> T *child(const char *name) const;
    void selectAll();
    QTextCharFormat formatOfCharAt(int position) const;
    QString writeBmp(const QString &fileName, const QSize &size, const QColor &color) const;
    QList<QTextFragment> fragmentsWithBackground(const QColor &color) const;

    std::unique_ptr<QWidget> window;
    TtQEditTool *tool = nullptr;
    TtQTextEdit *edit = nullptr;
    std::unique_ptr<QTemporaryDir> dir;
};

template <class T> T *TestTtQEditTool::child(const char *name) const
{
    T *widget = tool->findChild<T *>(QLatin1String(name));
    if (!widget)
        qWarning("no child %s", name);
    return widget;
}

void TestTtQEditTool::init()
{
    window.reset(new QWidget);
    auto *layout = new QVBoxLayout(window.get());
    tool = new TtQEditTool(window.get());
    edit = new TtQTextEdit(window.get());
    layout->addWidget(tool);
    layout->addWidget(edit);
    edit->setPlainText(QStringLiteral("first paragraph\nsecond paragraph\nthird paragraph"));
    tool->bindTextEdit(edit);
    dir.reset(new QTemporaryDir);
    QVERIFY(dir->isValid());
}

void TestTtQEditTool::cleanup()
{
    QTest::ignoreMessage(QtDebugMsg, "TtQEditTool::~TtQEditTool()");
    window.reset();
    tool = nullptr;
    edit = nullptr;
    dir.reset();
}

void TestTtQEditTool::selectAll()
{
    QTextCursor cursor = edit->textCursor();
    cursor.select(QTextCursor::Document);
    edit->setTextCursor(cursor);
}

QTextCharFormat TestTtQEditTool::formatOfCharAt(int position) const
{
    QTextCursor cursor(edit->document());
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

QString TestTtQEditTool::writeBmp(const QString &fileName, const QSize &size,
                                  const QColor &color) const
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    const QString path = dir->filePath(fileName);
    if (!image.save(path, "BMP"))
        qWarning("cannot write %s", qPrintable(path));
    return path;
}

QList<QTextFragment> TestTtQEditTool::fragmentsWithBackground(const QColor &color) const
{
    QList<QTextFragment> found;
    for (QTextBlock block = edit->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QBrush background = fragment.charFormat().background();
            if (background.style() != Qt::NoBrush && background.color() == color)
                found.append(fragment);
        }
    }
    return found;
}

void TestTtQEditTool::artwork_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name :
         {"drop-down.png", "textbold.png", "textitalic.png", "textunder.png", "textleft.png",
          "textcenter.png", "textright.png", "textjustify.png", "pic.png", "code.png", "type.png",
          "remaNumber.png", "timer.png", "fileprint_1.png", "fileprint.png", "preview.png"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestTtQEditTool::artwork()
{
    QFETCH(QString, name);
    const QImage image(QStringLiteral(":/Icon/Image/") + name);
    QVERIFY(!image.isNull());
    QVERIFY(image.hasAlphaChannel());
    // Toolbar icons are drawn at twice their on-screen size so they stay sharp on high-DPI.
    if (name != QLatin1String("drop-down.png"))
        QCOMPARE(image.size(), QSize(48, 48));
}

void TestTtQEditTool::applicationIconHasEverySize()
{
    QImageReader reader(QStringLiteral(":/Icon/Image/APP3.ico"));
    QList<int> sizes;
    for (int i = 0; i < reader.imageCount(); ++i) {
        QVERIFY(reader.jumpToImage(i));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        sizes << image.width();
    }
    std::sort(sizes.begin(), sizes.end());
    QCOMPARE(sizes, QList<int>({16, 32, 48, 256}));
}

void TestTtQEditTool::formSlotsConnectWithoutWarnings()
{
    static QStringList messages;
    messages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext &, const QString &text) { messages << text; });
    {
        TtQEditTool fresh;
    }
    qInstallMessageHandler(previous);
    for (const QString &message : qAsConst(messages))
        QVERIFY2(!message.contains(QLatin1String("connectSlotsByName")), qPrintable(message));
}

void TestTtQEditTool::bindingFillsSizesAndSetsPageFont()
{
    auto *size = child<QComboBox>("cb_size");
    QStringList expected;
    for (int standard : QFontDatabase::standardSizes()) {
        if (standard <= 36)
            expected << QString::number(standard);
    }
    // A second binding rebuilds the list instead of appending to it.
    tool->bindTextEdit(edit);
    QStringList items;
    for (int i = 0; i < size->count(); ++i) {
        items << size->itemText(i);
        QVERIFY(!size->itemData(i).isValid());
    }
    QCOMPARE(items, expected);
    QVERIFY(items.contains(QStringLiteral("36")));

    QCOMPARE(edit->font().family(), QStringLiteral("Helvetica"));
    QCOMPARE(edit->font().styleHint(), QFont::SansSerif);
    QVERIFY(child<QPushButton>("btn_bold")->font().bold());
    QVERIFY(child<QPushButton>("btn_italic")->font().italic());
    QVERIFY(child<QPushButton>("btn_underline")->font().underline());
    for (const char *name : {"btn_bold", "btn_italic", "btn_underline", "btn_left", "btn_center",
                             "btn_right", "btn_justify"})
        QVERIFY2(child<QPushButton>(name)->isCheckable(), name);
}

void TestTtQEditTool::bindingShowsEditorState()
{
    child<QPushButton>("btn_bold")->click();
    QTextCursor cursor(edit->document()->findBlockByNumber(1));
    // A family the setup installs, so the box can show it whatever else the machine has.
    cursor.select(QTextCursor::BlockUnderCursor);
    QTextCharFormat format;
    format.setFontFamily(QStringLiteral("WenQuanYi Micro Hei"));
    format.setFontPointSize(14);
    cursor.mergeCharFormat(format);
    cursor.clearSelection();
    cursor.movePosition(QTextCursor::StartOfBlock);
    cursor.movePosition(QTextCursor::Right);
    edit->setTextCursor(cursor);
    edit->setAlignment(Qt::AlignRight | Qt::AlignAbsolute);

    tool->bindTextEdit(edit);

    QVERIFY(!child<QPushButton>("btn_bold")->isChecked());
    QVERIFY(child<QPushButton>("btn_right")->isChecked());
    QVERIFY(!child<QPushButton>("btn_left")->isChecked());
    QVERIFY(!child<QPushButton>("btn_center")->isChecked());
    QVERIFY(!child<QPushButton>("btn_justify")->isChecked());
    QCOMPARE(child<QFontComboBox>("cb_font")->currentText(), QStringLiteral("WenQuanYi Micro Hei"));
    QCOMPARE(child<QComboBox>("cb_size")->currentText(), QStringLiteral("14"));
}

void TestTtQEditTool::bindingKeepsChosenLineHeights()
{
    // Margins equal to the line height, a proportional line height, a chosen line distance and
    // a plain paragraph: only the paragraphs without a line height get the default.
    edit->setHtml(QStringLiteral(
        "<p style=\"margin-top:10px; margin-bottom:10px;\">a</p>"
        "<p style=\"line-height:150%;\">b</p>"
        "<p style=\"line-height:24; -qt-line-height-type:line-distance;\">c</p><p>d</p>"));
    auto *spin = child<QSpinBox>("lineHeightspinBox");
    tool->bindTextEdit(edit);
    const QList<QPair<int, qreal>> expected = {{QTextBlockFormat::LineDistanceHeight, 10},
                                               {QTextBlockFormat::ProportionalHeight, 150},
                                               {QTextBlockFormat::LineDistanceHeight, 24},
                                               {QTextBlockFormat::LineDistanceHeight, 10}};
    QTextBlock block = edit->document()->begin();
    for (const auto &lineHeight : expected) {
        QCOMPARE(block.blockFormat().lineHeightType(), lineHeight.first);
        QCOMPARE(block.blockFormat().lineHeight(), lineHeight.second);
        block = block.next();
    }

    // The spin box shows the paragraph at the cursor, and showing it changes nothing.
    QTextCursor cursor(edit->document()->findBlockByNumber(2));
    edit->setTextCursor(cursor);
    QCOMPARE(spin->value(), 24);
    QCOMPARE(edit->document()->findBlockByNumber(0).blockFormat().lineHeight(), 10.0);
    // Rebinding, as switching tabs and back does, keeps them all.
    tool->bindTextEdit(edit);
    QCOMPARE(edit->document()->findBlockByNumber(2).blockFormat().lineHeight(), 24.0);
}

void TestTtQEditTool::bindingMovesToTheNewPage()
{
    TtQTextEdit second;
    second.setPlainText(QStringLiteral("other page"));
    tool->bindTextEdit(&second);

    selectAll();
    QTextCursor cursor = second.textCursor();
    cursor.select(QTextCursor::Document);
    second.setTextCursor(cursor);
    child<QPushButton>("btn_bold")->click();

    cursor.setPosition(2);
    QCOMPARE(cursor.charFormat().fontWeight(), int(QFont::Bold));
    QCOMPARE(formatOfCharAt(1).fontWeight(), int(QFont::Normal));
    tool->bindTextEdit(edit);
}

void TestTtQEditTool::characterFormatOnSelection_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("property");
    QTest::addColumn<QVariant>("on");
    QTest::addColumn<QVariant>("off");

    QTest::newRow("bold") << "btn_bold" << int(QTextFormat::FontWeight) << QVariant(75)
                          << QVariant(50);
    QTest::newRow("italic") << "btn_italic" << int(QTextFormat::FontItalic) << QVariant(true)
                            << QVariant(false);
    QTest::newRow("underline") << "btn_underline" << int(QTextFormat::TextUnderlineStyle)
                               << QVariant(int(QTextCharFormat::SingleUnderline))
                               << QVariant(int(QTextCharFormat::NoUnderline));
}

void TestTtQEditTool::characterFormatOnSelection()
{
    QFETCH(QString, button);
    QFETCH(int, property);
    QFETCH(QVariant, on);
    QFETCH(QVariant, off);

    QTextCursor cursor = edit->textCursor();
    cursor.setPosition(6);
    cursor.setPosition(15, QTextCursor::KeepAnchor);
    edit->setTextCursor(cursor);
    auto *pushButton = child<QPushButton>(button.toLatin1().constData());

    QTest::mouseClick(pushButton, Qt::LeftButton);
    QVERIFY(pushButton->isChecked());
    QCOMPARE(formatOfCharAt(6).property(property).toInt(), on.toInt());
    QCOMPARE(formatOfCharAt(14).property(property).toInt(), on.toInt());
    QVERIFY(!formatOfCharAt(5).hasProperty(property));
    QVERIFY(!formatOfCharAt(15).hasProperty(property));
    QCOMPARE(edit->currentCharFormat().property(property).toInt(), on.toInt());

    QTest::mouseClick(pushButton, Qt::LeftButton);
    QVERIFY(!pushButton->isChecked());
    QCOMPARE(formatOfCharAt(6).property(property).toInt(), off.toInt());
}

void TestTtQEditTool::boldWithoutSelectionIsForWhatIsTyped()
{
    QTextCursor cursor = edit->textCursor();
    cursor.movePosition(QTextCursor::End);
    edit->setTextCursor(cursor);
    const QString before = edit->toHtml();

    child<QPushButton>("btn_bold")->click();
    QVERIFY(child<QPushButton>("btn_bold")->isChecked());
    QCOMPARE(edit->toHtml(), before);

    QTest::keyClicks(edit, QStringLiteral("xyz"));
    const int end = edit->document()->characterCount() - 2;
    QCOMPARE(edit->document()->characterAt(end), QChar('z'));
    QCOMPARE(formatOfCharAt(end).fontWeight(), int(QFont::Bold));
    QCOMPARE(formatOfCharAt(end - 3).fontWeight(), int(QFont::Normal));
}

void TestTtQEditTool::sizeFromComboKeyboard()
{
    selectAll();
    auto *size = child<QComboBox>("cb_size");
    size->setCurrentIndex(size->findText(QStringLiteral("20")));
    // Keyboard selection is a user choice, so the combo reports it through activated(QString).
    QTest::keyClick(size, Qt::Key_Down);
    QCOMPARE(size->currentText(), QStringLiteral("22"));
    QCOMPARE(formatOfCharAt(3).fontPointSize(), 22.0);
    QCOMPARE(formatOfCharAt(30).fontPointSize(), 22.0);
}

void TestTtQEditTool::sizeText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qreal>("expected");

    QTest::newRow("whole") << "18" << 18.0;
    QTest::newRow("fraction") << "10.5" << 10.5;
    QTest::newRow("zero") << "0" << 0.0;
    QTest::newRow("negative") << "-4" << 0.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
}

void TestTtQEditTool::sizeText()
{
    QFETCH(QString, text);
    QFETCH(qreal, expected);

    selectAll();
    auto *size = child<QComboBox>("cb_size");
    QVERIFY(QMetaObject::invokeMethod(size, "activated", Q_ARG(QString, text)));
    // fontPointSize() is 0 when no size has been set on the text.
    QCOMPARE(formatOfCharAt(3).fontPointSize(), expected);
}

void TestTtQEditTool::fontFromComboKeyboard()
{
    selectAll();
    auto *font = child<QFontComboBox>("cb_font");
    QVERIFY(font->count() >= 2);
    font->setCurrentIndex(0);
    QTest::keyClick(font, Qt::Key_Down);
    QCOMPARE(font->currentIndex(), 1);
    QCOMPARE(formatOfCharAt(3).fontFamily(), font->itemText(1));
    QCOMPARE(formatOfCharAt(30).fontFamily(), font->itemText(1));
}

void TestTtQEditTool::alignment_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("expected");

    QTest::newRow("left") << "btn_left" << int(Qt::AlignLeft | Qt::AlignAbsolute);
    QTest::newRow("center") << "btn_center" << int(Qt::AlignHCenter);
    QTest::newRow("right") << "btn_right" << int(Qt::AlignRight | Qt::AlignAbsolute);
    QTest::newRow("justify") << "btn_justify" << int(Qt::AlignJustify);
}

void TestTtQEditTool::alignment()
{
    QFETCH(QString, button);
    QFETCH(int, expected);

    // Start from a different alignment so every row sees a change.
    edit->setTextCursor(QTextCursor(edit->document()->findBlockByNumber(1)));
    child<QPushButton>(button == QLatin1String("btn_right") ? "btn_left" : "btn_right")->click();

    auto *pushButton = child<QPushButton>(button.toLatin1().constData());
    QTest::mouseClick(pushButton, Qt::LeftButton);
    QCOMPARE(int(edit->alignment()), expected);
    QCOMPARE(int(edit->document()->findBlockByNumber(1).blockFormat().alignment()), expected);
    QVERIFY(int(edit->document()->findBlockByNumber(0).blockFormat().alignment()) != expected);

    const QStringList all{"btn_left", "btn_center", "btn_right", "btn_justify"};
    for (const QString &name : all)
        QCOMPARE(child<QPushButton>(name.toLatin1().constData())->isChecked(), name == button);

    // A second click on the checked button keeps it the checked one.
    QTest::mouseClick(pushButton, Qt::LeftButton);
    QVERIFY(pushButton->isChecked());
    QCOMPARE(int(edit->alignment()), expected);
}

void TestTtQEditTool::spinBoxChangesEveryBlock()
{
    // Only the first paragraph is selected; the change still reaches every paragraph.
    QTextCursor cursor(edit->document());
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    edit->setTextCursor(cursor);
    auto *spin = child<QSpinBox>("lineHeightspinBox");
    QTest::keyClick(spin, Qt::Key_Up);
    QCOMPARE(spin->value(), 11);
    for (QTextBlock block = edit->document()->begin(); block.isValid(); block = block.next()) {
        QCOMPARE(block.blockFormat().lineHeightType(), int(QTextBlockFormat::LineDistanceHeight));
        QCOMPARE(block.blockFormat().lineHeight(), 11.0);
    }
}

void TestTtQEditTool::lineHeightZeroResetsSpacing()
{
    // Paragraph margins are 0 here, as on the default page; they must not stop the change.
    auto *spin = child<QSpinBox>("lineHeightspinBox");
    spin->setValue(0);
    for (QTextBlock block = edit->document()->begin(); block.isValid(); block = block.next())
        QCOMPARE(block.blockFormat().lineHeight(), 0.0);
}

void TestTtQEditTool::lineHeightIsOneUndoStep()
{
    QTextDocument *document = edit->document();
    child<QSpinBox>("lineHeightspinBox")->setValue(30);
    document->undo();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        QCOMPARE(block.blockFormat().lineHeight(), 10.0);
    document->redo();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        QCOMPARE(block.blockFormat().lineHeight(), 30.0);
}

void TestTtQEditTool::placeholderFragments_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("flag");
    QTest::addColumn<QString>("sample");

    const QChar nbsp(0x00a0);
    QTest::newRow("ticket number") << "btnType" << BLOCK_NUMBER << "0001";
    QTest::newRow("date and time")
        << "btnTime" << BLOCK_DATETIME << QString(nbsp) + "02-02-2022 22:22:22" + nbsp;
    QTest::newRow("queue count") << "btnReNum" << BLOCK_QUEUE << "02";
}

void TestTtQEditTool::placeholderFragments()
{
    QFETCH(QString, button);
    QFETCH(int, flag);
    QFETCH(QString, sample);

    edit->clear();
    QTest::mouseClick(child<QPushButton>(button.toLatin1().constData()), Qt::LeftButton);

    const QList<QTextFragment> blocks = fragmentsWithBackground(blockColorMap().value(flag));
    QCOMPARE(blocks.size(), 1);
    QCOMPARE(blocks.first().text(), sample);
    QCOMPARE(blocks.first().charFormat().fontPointSize(), 14.0);
    for (int other : blockColorMap().keys()) {
        if (other != flag)
            QVERIFY(fragmentsWithBackground(blockColorMap().value(other)).isEmpty());
    }
    // The highlight stops at the sample: the text after it is plain.
    const QString plain = edit->document()->toRawText();
    QVERIFY(plain.startsWith(sample));
    QVERIFY(plain.length() > sample.length());
}

void TestTtQEditTool::secondMarkSelectsTheFirst()
{
    edit->clear();
    QSignalSpy told(tool, &TtQEditTool::sgnNotice);
    child<QPushButton>("btnTime")->click();
    QCOMPARE(told.count(), 0);
    // A second would print as a black bar: the first is selected instead, and the operator told.
    child<QPushButton>("btnTime")->click();
    QCOMPARE(edit->toPlainText().count(QStringLiteral("02-02-2022 22:22:22")), 1);
    QCOMPARE(fragmentsWithBackground(blockColorMap().value(BLOCK_DATETIME)).size(), 1);
    QVERIFY(edit->textCursor().selectedText().contains(QStringLiteral("02-02-2022")));
    QCOMPARE(told.count(), 1);
}

void TestTtQEditTool::codeReopensOnDoubleClick()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    edit->clear();
    TicketCode code;
    code.content = QStringLiteral("A042");
    QVERIFY(tool->insertCode(code));
    const QString first = formatOfCharAt(0).toImageFormat().name();
    QCOMPARE(*edit->page()->code(first), code);

    TicketCode asked;
    bool accept = false;
    tool->setCodeEditor([&](TicketCode *edited) {
        asked = *edited;
        edited->content = QStringLiteral("B7");
        return accept;
    });
    const QPoint onPicture(kPageMargin + 20, kPageMargin + 20);
    edit->document()->setModified(false);
    QTest::mouseDClick(edit->viewport(), Qt::LeftButton, {}, onPicture);
    QCOMPARE(asked, code);
    QVERIFY(!edit->document()->isModified());
    QCOMPARE(formatOfCharAt(0).toImageFormat().name(), first);

    accept = true;
    QTest::mouseDClick(edit->viewport(), Qt::LeftButton, {}, onPicture);
    const TicketCode *replaced = edit->page()->code(formatOfCharAt(0).toImageFormat().name());
    QVERIFY(replaced);
    QCOMPARE(replaced->content, QStringLiteral("B7"));
    QCOMPARE(edit->document()->characterCount(), 2); // the picture and the closing paragraph
    edit->document()->undo();
    QCOMPARE(formatOfCharAt(0).toImageFormat().name(), first);
}

void TestTtQEditTool::codeDialogRefusesWhatWouldNotScan()
{
    CodeDialog dialog(TicketCode{});
    auto *ok = dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
    auto *symbology = dialog.findChild<QComboBox *>("cmbSymbology");
    auto *content = dialog.findChild<QLineEdit *>("editContent");
    auto *module = dialog.findChild<QSpinBox *>("spbModule");
    auto *result = dialog.findChild<QLabel *>("labResult");
    QVERIFY(!ok->isEnabled());
    content->setText("5901234123457");
    for (int i = 0; i < kCodeSymbologyCount; ++i) {
        symbology->setCurrentIndex(i);
        const int smallest = minimumModuleDots(CodeSymbology(i));
        module->setValue(smallest - 1);
        QCOMPARE(module->value(), smallest);
        QVERIFY(ok->isEnabled());
        QCOMPARE(dialog.code().moduleDots, smallest);
        QCOMPARE(dialog.picture(), makeCodePicture(dialog.code()).image);
    }
    symbology->setCurrentIndex(int(CodeSymbology::Ean13));
    content->setText("A042");
    QVERIFY(!ok->isEnabled());
    QVERIFY(dialog.picture().isNull());
    QCOMPARE(result->text(), makeCodePicture(dialog.code()).error);
}

void TestTtQEditTool::pictureAtFullSize()
{
    const QString path = writeBmp(QStringLiteral("wide.bmp"), QSize(500, 40), Qt::red);
    edit->clear();
    // A red picture is not black and white; the operator keeps it as it is, unscaled.
    tool->setPictureChooser([](const QImage &, PictureImport *choice) {
        choice->mode = PictureConversion::AsIs;
        choice->scaleToPaper = false;
        return true;
    });
    QVERIFY(tool->insertPicture(path));

    QCOMPARE(edit->imageNames.size(), 1);
    const QString name = edit->imageNames.first();
    QCOMPARE(name.size(), 38);
    QVERIFY(name.startsWith('{') && name.endsWith('}'));
    QVERIFY(!QUuid(name).isNull());

    const QTextCharFormat format = formatOfCharAt(0);
    QVERIFY(format.isImageFormat());
    const QTextImageFormat image = format.toImageFormat();
    QCOMPARE(image.name(), name);
    QCOMPARE(image.width(), 500.0);
    QCOMPARE(image.height(), 40.0);
    const QImage resource =
        edit->document()->resource(QTextDocument::ImageResource, QUrl(name)).value<QImage>();
    QCOMPARE(resource.size(), QSize(500, 40));

    // Laid out and drawn, the picture still covers 500 pixels of a row.
    QTextDocument *document = edit->document();
    document->setTextWidth(600);
    QImage canvas(640, 120, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        document->drawContents(&painter);
    }
    int red = 0;
    for (int x = 0; x < canvas.width(); ++x)
        red += canvas.pixel(x, 20 + int(document->documentMargin())) == qRgb(255, 0, 0);
    QCOMPARE(red, 500);
}

void TestTtQEditTool::pictureThroughDialog()
{
    const QString path = writeBmp(QStringLiteral("small.bmp"), QSize(64, 32), Qt::black);
    FileChooser::setNextFileName(path);
    child<QPushButton>("btn_picture")->click();

    QCOMPARE(edit->imageNames.size(), 1);
    const QTextCursor cursor = edit->textCursor();
    QVERIFY(cursor.charFormat().isImageFormat());
    QCOMPARE(cursor.charFormat().toImageFormat().width(), 64.0);
    QCOMPARE(cursor.charFormat().toImageFormat().name(), edit->imageNames.first());
}

void TestTtQEditTool::pictureDialogCancelled()
{
    const QString before = edit->toHtml();
    FileChooser::setNextFileName(QString());
    child<QPushButton>("btn_picture")->click();
    QCOMPARE(edit->toHtml(), before);
    QVERIFY(edit->imageNames.isEmpty());
}

void TestTtQEditTool::unreadablePictureChangesNothing()
{
    QFile broken(dir->filePath(QStringLiteral("broken.bmp")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("BM this is not a bitmap");
    broken.close();
    // A header that claims an absurd size must be refused before any pixel is allocated.
    const QString hugePath = writeBmp(QStringLiteral("huge.bmp"), QSize(1, 1), Qt::black);
    QFile huge(hugePath);
    QVERIFY(huge.open(QIODevice::ReadWrite));
    QVERIFY(huge.seek(18));
    const qint32 side = 100000;
    huge.write(reinterpret_cast<const char *>(&side), 4);
    huge.write(reinterpret_cast<const char *>(&side), 4);
    huge.close();

    const QString before = edit->toHtml();
    for (const QString &path : {broken.fileName(), hugePath, dir->filePath("missing.bmp")}) {
        QString error;
        QVERIFY2(!tool->insertPicture(path, &error), qPrintable(path));
        QVERIFY(!error.isEmpty());
        QCOMPARE(edit->toHtml(), before);
        QVERIFY(edit->imageNames.isEmpty());
    }
}

void TestTtQEditTool::unreadablePictureThroughDialogIsReported()
{
    QFile broken(dir->filePath(QStringLiteral("broken.bmp")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();

    const QString before = edit->toHtml();
    FileChooser::setNextFileName(broken.fileName());
    Asker::setNextAnswer(QMessageBox::Ok);
    child<QPushButton>("btn_picture")->click();

    QCOMPARE(Asker::pendingAnswers(), 0);
    QVERIFY(Asker::lastText().contains(QStringLiteral("broken.bmp")));
    QCOMPARE(edit->toHtml(), before);
    QVERIFY(edit->imageNames.isEmpty());
}

void TestTtQEditTool::downloadAndTestPrintSignals()
{
    QSignalSpy down(tool, &TtQEditTool::sgnDown);
    QSignalSpy testPrint(tool, &TtQEditTool::sgnTestPrint);
    QSignalSpy setTime(tool, &TtQEditTool::sgnSetTime);
    QSignalSpy preview(tool, &TtQEditTool::sgnPreview);

    QTest::mouseClick(child<QPushButton>("btn_down"), Qt::LeftButton);
    QCOMPARE(down.count(), 1);
    QCOMPARE(testPrint.count(), 0);
    QTest::mouseClick(child<QPushButton>("btnTest"), Qt::LeftButton);
    QCOMPARE(down.count(), 1);
    QCOMPARE(testPrint.count(), 1);
    QCOMPARE(preview.count(), 0);
    QTest::mouseClick(child<QPushButton>("btnPreview"), Qt::LeftButton);
    QCOMPARE(preview.count(), 1);
    QCOMPARE(down.count(), 1);
    QCOMPARE(testPrint.count(), 1);

    for (const char *name : {"btn_bold", "btn_italic", "btn_underline", "btn_left", "btn_center",
                             "btn_right", "btn_justify", "btnType", "btnReNum", "btnTime"})
        child<QPushButton>(name)->click();
    QCOMPARE(down.count(), 1);
    QCOMPARE(testPrint.count(), 1);
    QCOMPARE(preview.count(), 1);
    QCOMPARE(setTime.count(), 0);
}

void TestTtQEditTool::unboundToolDoesNothing()
{
    TtQEditTool fresh;
    for (QPushButton *button : fresh.findChildren<QPushButton *>()) {
        // These two open their dialogs.
        if (button->objectName() != QLatin1String("btn_picture") &&
            button->objectName() != QLatin1String("btn_code"))
            button->click();
    }
    auto *size = fresh.findChild<QComboBox *>(QStringLiteral("cb_size"));
    QVERIFY(QMetaObject::invokeMethod(size, "activated", Q_ARG(QString, QStringLiteral("12"))));
    fresh.findChild<QSpinBox *>(QStringLiteral("lineHeightspinBox"))->setValue(20);
    QString error;
    QVERIFY(!fresh.insertPicture(writeBmp("x.bmp", QSize(4, 4), Qt::black), &error));
    QVERIFY(!error.isEmpty());
    error.clear();
    QVERIFY(!fresh.insertCode(TicketCode{CodeSymbology::Qr, "A042"}, &error));
    QVERIFY(!error.isEmpty());

    fresh.bindTextEdit(nullptr);
    QVERIFY(fresh.findChild<QComboBox *>(QStringLiteral("cb_size"))->count() > 0);
    fresh.findChild<QSpinBox *>(QStringLiteral("lineHeightspinBox"))->setValue(5);
    QTest::ignoreMessage(QtDebugMsg, "TtQEditTool::~TtQEditTool()");
}

TS_TEST_MAIN(TestTtQEditTool)
#include "tst_ttqedittool.moc"
