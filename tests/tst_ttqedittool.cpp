#include "blockflag.h"
#include "fontbox.h"
#include "codedialog.h"
#include "operatordialogs.h"
#include "pagemarks.h"
#include "testmain.h"
#include "ticketpage.h"
#include "ttqedittool.h"
#include "ttqtextedit.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

class TestTtQEditTool : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void bindingShowsEditorState();
    void bindingKeepsChosenLineHeights();
    void bindingMovesToTheNewPage();

    void characterFormatOnSelection_data();
    void characterFormatOnSelection();
    void sizeText_data();
    void sizeText();
    void fontFromComboKeyboard();
    void fontBoxListsHowFarFacesTravel();

    void alignment_data();
    void alignment();

    void lineHeightReachesEveryParagraph_data();
    void lineHeightReachesEveryParagraph();

    void markButtons_data();
    void markButtons();

    void codeReopensOnDoubleClick();
    void codeDialogRefusesWhatWouldNotScan();
    void pictureThroughTheButton_data();
    void pictureThroughTheButton();

    void deviceButtonsSignalTheirWork();
    void unboundToolDoesNothing();

private:
    template <class T> T *child(const char *name) const;
    void selectAll();
    QTextCharFormat formatOfCharAt(int position) const;
    QString writeBmp(const QString &fileName, const QSize &size, const QColor &color) const;

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

    // Without a selection the format is for what is typed next, and the text stays as it is.
    cursor.movePosition(QTextCursor::End);
    edit->setTextCursor(cursor);
    const QString before = edit->toHtml();
    QTest::mouseClick(pushButton, Qt::LeftButton);
    QCOMPARE(edit->toHtml(), before);
    QTest::keyClicks(edit, QStringLiteral("xyz"));
    const int end = edit->document()->characterCount() - 2;
    QCOMPARE(edit->document()->characterAt(end), QChar('z'));
    QCOMPARE(formatOfCharAt(end).property(property).toInt(), on.toInt());
    QVERIFY(!formatOfCharAt(end - 3).hasProperty(property));
}

void TestTtQEditTool::sizeText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qreal>("expected");

    QTest::newRow("fraction") << "10.5" << 10.5;
    QTest::newRow("letters") << "abc" << 0.0;
}

void TestTtQEditTool::sizeText()
{
    QFETCH(QString, text);
    QFETCH(qreal, expected);

    selectAll();
    auto *size = child<QComboBox>("cb_size");
    size->setFocus();
    QVERIFY(QMetaObject::invokeMethod(size, "activated", Q_ARG(QString, text)));
    // fontPointSize() is 0 when no size has been set on the text.
    QCOMPARE(formatOfCharAt(3).fontPointSize(), expected);
    // The next keys go to the page, not into the size list.
    QCOMPARE(window->focusWidget(), edit);
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

void TestTtQEditTool::fontBoxListsHowFarFacesTravel()
{
    edit->page()->setHtml(QStringLiteral(
        "<p><span style=\"font-family:'Microsoft YaHei'\">号码</span> "
        "<span style=\"font-family:'%1'\">Łódź</span></p>")
                              .arg(QLatin1String(kShippedSansFamily)));
    tool->bindTextEdit(edit);
    auto *box = child<FontBox>("cb_font");
    QStringList families;
    QList<FontBox::Group> groups;
    for (int row = 0; row < box->count(); ++row) {
        families << box->itemText(row);
        groups << box->groupOf(families.last());
    }
    // Shipped faces first, the page's missing family last; the groups never interleave.
    QVERIFY(std::is_sorted(groups.begin(), groups.end()));
    QCOMPARE(groups.first(), FontBox::Shipped);
    QCOMPARE(families.last(), QStringLiteral("Microsoft YaHei"));
    QCOMPARE(groups.last(), FontBox::Missing);
    QVERIFY(box->note(families.last()).contains(QLatin1String(kShippedChineseFamily)));

    // The cursor in the missing family shows that family, not the face drawn instead.
    QTextCursor cursor(edit->document());
    cursor.setPosition(1);
    edit->setTextCursor(cursor);
    QCOMPARE(box->currentText(), QStringLiteral("Microsoft YaHei"));
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
    QCOMPARE(int(edit->document()->findBlockByNumber(1).blockFormat().alignment()), expected);
    QVERIFY(int(edit->document()->findBlockByNumber(0).blockFormat().alignment()) != expected);

    QVERIFY(pushButton->isChecked());
    // A second click on the checked button keeps it the checked one.
    QTest::mouseClick(pushButton, Qt::LeftButton);
    QVERIFY(pushButton->isChecked());
}

void TestTtQEditTool::lineHeightReachesEveryParagraph_data()
{
    QTest::addColumn<int>("height");
    QTest::newRow("one up from the default") << 11;
    // Paragraph margins are 0 here, as on the default page; they must not stop the change.
    QTest::newRow("zero") << 0;
}

void TestTtQEditTool::lineHeightReachesEveryParagraph()
{
    QFETCH(int, height);
    // Only the first paragraph is selected; the change still reaches every paragraph.
    QTextCursor cursor(edit->document());
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    edit->setTextCursor(cursor);
    child<QSpinBox>("lineHeightspinBox")->setValue(height);
    const auto everyParagraphHas = [this](qreal lineHeight) {
        for (QTextBlock block = edit->document()->begin(); block.isValid(); block = block.next()) {
            if (block.blockFormat().lineHeightType() != QTextBlockFormat::LineDistanceHeight ||
                block.blockFormat().lineHeight() != lineHeight)
                return false;
        }
        return true;
    };
    QVERIFY(everyParagraphHas(height));
    // One undo step for the whole page.
    edit->document()->undo();
    QVERIFY(everyParagraphHas(kDefaultLineHeight));
    edit->document()->redo();
    QVERIFY(everyParagraphHas(height));
}

void TestTtQEditTool::markButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("flag");
    QTest::newRow("ticket number") << "btnType" << BLOCK_NUMBER;
    QTest::newRow("date and time") << "btnTime" << BLOCK_DATETIME;
    QTest::newRow("queue count") << "btnReNum" << BLOCK_QUEUE;
}

void TestTtQEditTool::markButtons()
{
    QFETCH(QString, button);
    QFETCH(int, flag);
    edit->clear();
    QSignalSpy told(tool, &TtQEditTool::sgnNotice);
    auto *markButton = child<QPushButton>(button.toLatin1().constData());
    QTest::mouseClick(markButton, Qt::LeftButton);
    // The page's mark is the block the download measures.
    const QRect mark = edit->findBlockRect(BLOCK_FLAG(flag));
    QVERIFY(mark.isValid());
    for (int other : {BLOCK_NUMBER, BLOCK_DATETIME, BLOCK_QUEUE})
        QCOMPARE(edit->findBlockRect(BLOCK_FLAG(other)).isValid(), other == flag);
    // What is typed next is text, not more of the mark.
    QTest::keyClicks(edit, QStringLiteral("xx"));
    QCOMPARE(edit->findBlockRect(BLOCK_FLAG(flag)), mark);
    QCOMPARE(told.count(), 0);

    // A second would print as a black bar: the first is selected instead, and the operator told.
    QTest::mouseClick(markButton, Qt::LeftButton);
    const QList<PageMark> marks = pageMarks(edit->document());
    QCOMPARE(marks.size(), 1);
    QCOMPARE(edit->textCursor().selectionStart(), marks.first().position);
    QCOMPARE(edit->textCursor().selectionEnd(), marks.first().position + marks.first().length);
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
    bool askedExisting = false;
    tool->setCodeEditor([&](TicketCode *edited, bool existing) {
        asked = *edited;
        askedExisting = existing;
        edited->content = QStringLiteral("B7");
        return accept;
    });
    const QPoint onPicture(kPageMargin + 20, kPageMargin + 20);
    edit->document()->setModified(false);
    QTest::mouseDClick(edit->viewport(), Qt::LeftButton, {}, onPicture);
    QCOMPARE(asked, code);
    QVERIFY(askedExisting); // the dialog is titled for editing, not inserting
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

void TestTtQEditTool::pictureThroughTheButton_data()
{
    QTest::addColumn<QString>("file"); // empty: the operator cancels the file dialog
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("inserted");
    QTest::newRow("bitmap") << "small.bmp" << QByteArray() << true;
    QTest::newRow("cancelled") << QString() << QByteArray() << false;
    QTest::newRow("not a picture")
        << "broken.bmp" << QByteArray("BM this is not a bitmap") << false;
}

void TestTtQEditTool::pictureThroughTheButton()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(bool, inserted);
    QString path;
    if (file == QLatin1String("small.bmp")) {
        path = writeBmp(file, QSize(64, 32), Qt::black);
    } else if (!file.isEmpty()) {
        path = dir->filePath(file);
        QFile written(path);
        if (!content.isEmpty())
            QVERIFY(written.open(QIODevice::WriteOnly) && written.write(content) > 0);
        written.close();
    }
    const QString before = edit->toHtml();
    FileChooser::setNextFileName(path);
    // A warning, for a file that could not be read, takes this answer.
    Asker::setNextAnswer(QMessageBox::Ok);
    child<QPushButton>("btn_picture")->click();

    const bool warned = Asker::pendingAnswers() == 0;
    Asker::clearAnswers();
    if (inserted) {
        QVERIFY(!warned);
        QCOMPARE(edit->imageNames.size(), 1);
        const QTextImageFormat image = edit->textCursor().charFormat().toImageFormat();
        QCOMPARE(image.name(), edit->imageNames.first());
        QCOMPARE(image.width(), 64.0);
        return;
    }
    // Cancelling is no failure; a file that cannot be read is named with the reason.
    QCOMPARE(warned, !file.isEmpty());
    if (warned)
        QVERIFY(Asker::lastText().contains(file));
    QCOMPARE(edit->toHtml(), before);
    QVERIFY(edit->imageNames.isEmpty());
}

void TestTtQEditTool::deviceButtonsSignalTheirWork()
{
    QSignalSpy down(tool, &TtQEditTool::sgnDown);
    QSignalSpy testPrint(tool, &TtQEditTool::sgnTestPrint);
    QSignalSpy preview(tool, &TtQEditTool::sgnPreview);
    const QList<QPair<const char *, QSignalSpy *>> buttons = {
        {"btn_down", &down}, {"btnTest", &testPrint}, {"btnPreview", &preview}};
    for (const auto &button : buttons) {
        QTest::mouseClick(child<QPushButton>(button.first), Qt::LeftButton);
        for (const auto &other : buttons)
            QCOMPARE(other.second->count(), other.second == button.second ? 1 : 0);
        button.second->clear();
    }
    // The formatting and mark buttons send nothing to the device.
    for (const char *name : {"btn_bold", "btn_italic", "btn_underline", "btn_left", "btn_center",
                             "btn_right", "btn_justify", "btnType", "btnReNum", "btnTime"})
        child<QPushButton>(name)->click();
    QCOMPARE(down.count() + testPrint.count() + preview.count(), 0);
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

    // As the window leaves it while it replaces the pages.
    fresh.bindTextEdit(nullptr);
    fresh.findChild<QSpinBox *>(QStringLiteral("lineHeightspinBox"))->setValue(5);
}

TS_TEST_MAIN(TestTtQEditTool)
#include "tst_ttqedittool.moc"
