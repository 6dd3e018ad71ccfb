#include "ttqedittool.h"

#include "ticketpage.h"

#include "codedialog.h"
#include "operatordialogs.h"
#include "pictureimportdialog.h"
#include "ttqtextedit.h"
#include "ui_ttqedittool.h"

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImageReader>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QUrl>
#include <QUuid>

namespace {

// Placeholder samples: the highlight colour tells the renderer which block it is, and the
// sample text gives the block its size on paper.
const char *const numberBlockHtml =
    R"(<span style=" font-size:14pt; background-color:#e1ddfa;">0001</span><span>&nbsp;</span>)";
const char *const queueBlockHtml =
    R"(<span style=" font-size:14pt; background-color:#fac3c3;">02</span><span>&nbsp;</span>)";
const char *const dateTimeBlockHtml =
    R"(<span style=" font-size:14pt; background-color:#fadbc0;">&nbsp;02-02-2022 22:22:22&nbsp;</span>&nbsp;<span> </span>)";

const int largestOfferedPointSize = 36;

} // namespace

TtQEditTool::TtQEditTool(QWidget *parent) : QWidget(parent), ui(new Ui::TtQEditTool)
{
    ui->setupUi(this);
    // A family is picked from the list, and shown from its first letter.
    ui->cb_font->setEditable(false);
    ui->cb_font->setMaximumWidth(130);
    ui->cb_font->setMinimumWidth(130);
    connect(ui->btn_down, &QPushButton::clicked, this, &TtQEditTool::sgnDown);
    connect(ui->btnTest, &QPushButton::clicked, this, &TtQEditTool::sgnTestPrint);
    connect(ui->btnPreview, &QPushButton::clicked, this, &TtQEditTool::sgnPreview);
    connect(ui->cbSharpText, &QCheckBox::toggled, this, &TtQEditTool::sgnSharpText);
    setPictureChooser({});
    setCodeEditor({});
}

TtQEditTool::~TtQEditTool()
{
    qDebug() << "TtQEditTool::~TtQEditTool()";
    delete ui;
}

void TtQEditTool::bindTextEdit(QTextEdit *edit)
{
    if (!edit) {
        disconnect(cursorConnection);
        disconnect(formatConnection);
        disconnect(codeConnection);
    }
    currentEdit = edit;

    ui->cb_size->clear();
    const QList<int> standardSizes = QFontDatabase::standardSizes();
    for (int size : standardSizes) {
        if (size <= largestOfferedPointSize)
            ui->cb_size->addItem(QString::number(size));
    }
    ui->cb_size->setCurrentIndex(standardSizes.indexOf(QApplication::font().pointSize()));

    QFont boldFont = ui->btn_bold->font();
    boldFont.setBold(true);
    ui->btn_bold->setFont(boldFont);
    QFont italicFont = ui->btn_italic->font();
    italicFont.setItalic(true);
    ui->btn_italic->setFont(italicFont);
    QFont underlineFont = ui->btn_underline->font();
    underlineFont.setUnderline(true);
    ui->btn_underline->setFont(underlineFont);
    ui->btn_bold->setCheckable(true);
    ui->btn_italic->setCheckable(true);
    ui->btn_underline->setCheckable(true);

    ui->btn_left->setShortcut(Qt::CTRL | Qt::Key_L);
    ui->btn_center->setShortcut(Qt::CTRL | Qt::Key_E);
    ui->btn_right->setShortcut(Qt::CTRL | Qt::Key_R);
    ui->btn_justify->setShortcut(Qt::CTRL | Qt::Key_J);
    ui->btn_left->setCheckable(true);
    ui->btn_center->setCheckable(true);
    ui->btn_right->setCheckable(true);
    ui->btn_justify->setCheckable(true);

    if (!currentEdit)
        return;

    QFont pageFont("Helvetica");
    pageFont.setStyleHint(QFont::SansSerif);
    currentEdit->setFont(pageFont);

    // The bar mirrors the text at the cursor, as it moves and as formats change.
    disconnect(cursorConnection);
    disconnect(formatConnection);
    formatConnection =
        connect(currentEdit, &QTextEdit::currentCharFormatChanged, this,
                [this](const QTextCharFormat &format) { fontChanged(format.font()); });
    cursorConnection = connect(currentEdit, &QTextEdit::cursorPositionChanged, this,
                               &TtQEditTool::showParagraphFormat);
    disconnect(codeConnection);
    if (auto *page = qobject_cast<TtQTextEdit *>(currentEdit))
        codeConnection = connect(page, &TtQTextEdit::codeActivated, this, &TtQEditTool::editCode);
    fontChanged(currentEdit->currentCharFormat().font());

    // Paragraphs without a line height get the default; one the operator chose is kept.
    applyDefaultLineHeight(currentEdit->document());
    showParagraphFormat();
}

void TtQEditTool::showParagraphFormat()
{
    if (!currentEdit)
        return;
    alignmentChanged(currentEdit->alignment());
    const QTextBlockFormat block = currentEdit->textCursor().blockFormat();
    // Showing the paragraph's line height must not apply it to the whole page.
    const QSignalBlocker quiet(ui->lineHeightspinBox);
    ui->lineHeightspinBox->setValue(block.lineHeightType() == QTextBlockFormat::LineDistanceHeight
                                        ? int(block.lineHeight())
                                        : kDefaultLineHeight);
}

bool TtQEditTool::insertPicture(const QString &path, QString *errorString)
{
    if (!currentEdit) {
        if (errorString)
            *errorString = tr("没有可编辑的页面");
        return false;
    }
    QImageReader reader(path);
    const QSize size = reader.size();
    if (!isAcceptablePictureSize(size)) {
        if (errorString)
            *errorString = tr("图片尺寸 %1×%2 过大").arg(size.width()).arg(size.height());
        return false;
    }
    QImage image = reader.read();
    if (image.isNull()) {
        if (errorString)
            *errorString = reader.errorString();
        return false;
    }
    // The printer makes black dots only; greys and colours would all print as solid black.
    if (!isPureBlackAndWhite(image)) {
        PictureImport choice;
        if (!pictureChooser(image, &choice)) {
            if (errorString)
                errorString->clear();
            return false;
        }
        image = convertForPaper(image, choice.mode, choice.scaleToPaper);
    }

    QTextCursor cursor = currentEdit->textCursor();
    if (auto *edit = qobject_cast<TtQTextEdit *>(currentEdit)) {
        edit->page()->insertPicture(cursor, image);
        return true;
    }
    // An editor without a page keeps the picture in its document alone.
    const QString name = QUuid::createUuid().toString();
    currentEdit->document()->addResource(QTextDocument::ImageResource,
                                         QUrl(name, QUrl::TolerantMode), image);
    insertPictureAt(cursor, name, image.size());
    return true;
}

void TtQEditTool::setPictureChooser(PictureChooser chooser)
{
    if (!chooser) {
        chooser = [this](const QImage &picture, PictureImport *choice) {
            return PictureImportDialog::choose(picture, window(), choice);
        };
    }
    pictureChooser = std::move(chooser);
}

bool TtQEditTool::insertCode(const TicketCode &code, QString *errorString)
{
    auto *edit = qobject_cast<TtQTextEdit *>(currentEdit);
    if (!edit) {
        if (errorString)
            *errorString = tr("没有可编辑的页面");
        return false;
    }
    return placeCode(edit, edit->textCursor(), code, errorString);
}

bool TtQEditTool::placeCode(TtQTextEdit *edit, QTextCursor cursor, const TicketCode &code,
                            QString *errorString)
{
    const CodePicture picture = makeCodePicture(code);
    if (picture.image.isNull()) {
        if (errorString)
            *errorString = picture.error;
        return false;
    }
    edit->page()->insertCode(cursor, code, picture.image);
    lastCode = code;
    return true;
}

void TtQEditTool::setCodeEditor(CodeEditor editor)
{
    if (!editor)
        editor = [this](TicketCode *code) {
            return CodeDialog::edit(window(), code);
        };
    codeEditor = std::move(editor);
}

void TtQEditTool::on_btn_code_clicked()
{
    TicketCode code = lastCode;
    if (!codeEditor(&code))
        return;
    QString error;
    if (!insertCode(code, &error))
        Asker::warning(window(), tr("插入二维码或条码"), error);
}

void TtQEditTool::editCode(const QTextCursor &selection)
{
    auto *edit = qobject_cast<TtQTextEdit *>(currentEdit);
    const TicketCode *stored =
        edit ? edit->page()->code(selection.charFormat().toImageFormat().name()) : nullptr;
    if (!stored)
        return;
    TicketCode code = *stored;
    // An unchanged code is left alone, so the page is not marked as edited.
    if (codeEditor(&code) && !(code == *stored))
        placeCode(edit, selection, code, nullptr);
}

void TtQEditTool::showSharpText(bool sharp)
{
    const QSignalBlocker quiet(ui->cbSharpText);
    ui->cbSharpText->setChecked(sharp);
}

void TtQEditTool::on_btn_bold_clicked()
{
    QTextCharFormat format;
    format.setFontWeight(ui->btn_bold->isChecked() ? QFont::Bold : QFont::Normal);
    mergeFormatOnSelection(format);
}

void TtQEditTool::on_cb_font_activated(QString arg1)
{
    QTextCharFormat format;
    format.setFontFamily(arg1);
    mergeFormatOnSelection(format);
}

void TtQEditTool::on_cb_size_activated(QString arg1)
{
    const qreal pointSize = arg1.toDouble();
    if (pointSize > 0) {
        QTextCharFormat format;
        format.setFontPointSize(pointSize);
        mergeFormatOnSelection(format);
    }
}

void TtQEditTool::on_btn_italic_clicked()
{
    QTextCharFormat format;
    format.setFontItalic(ui->btn_italic->isChecked());
    mergeFormatOnSelection(format);
}

void TtQEditTool::on_btn_underline_clicked()
{
    QTextCharFormat format;
    format.setFontUnderline(ui->btn_underline->isChecked());
    mergeFormatOnSelection(format);
}

void TtQEditTool::on_btn_left_clicked()
{
    setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
}

void TtQEditTool::on_btn_center_clicked()
{
    setAlignment(Qt::AlignHCenter);
}

void TtQEditTool::on_btn_right_clicked()
{
    setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
}

void TtQEditTool::on_btn_justify_clicked()
{
    setAlignment(Qt::AlignJustify);
}

void TtQEditTool::on_lineHeightspinBox_valueChanged(QString arg1)
{
    setLineDistanceHeight(arg1.toInt());
}

void TtQEditTool::setLineDistanceHeight(int height)
{
    if (!currentEdit)
        return;
    QTextDocument *document = currentEdit->document();
    QTextCursor cursor(document);
    // One undo step for the whole page, however many paragraphs change.
    cursor.beginEditBlock();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        if (format.lineHeightType() == QTextBlockFormat::LineDistanceHeight &&
            format.lineHeight() == qreal(height))
            continue;
        format.setLineHeight(height, QTextBlockFormat::LineDistanceHeight);
        cursor.setPosition(block.position());
        cursor.setBlockFormat(format);
    }
    cursor.endEditBlock();
}

void TtQEditTool::fontChanged(QFont f)
{
    const Qt::MatchFlags exact = Qt::MatchExactly | Qt::MatchCaseSensitive;
    ui->cb_font->setCurrentIndex(ui->cb_font->findText(QFontInfo(f).family(), exact));
    ui->cb_size->setCurrentIndex(ui->cb_size->findText(QString::number(f.pointSizeF()), exact));
    ui->btn_bold->setChecked(f.bold());
    ui->btn_italic->setChecked(f.italic());
    ui->btn_underline->setChecked(f.underline());
}

void TtQEditTool::alignmentChanged(Qt::Alignment a)
{
    QPushButton *checked = nullptr;
    if (a & Qt::AlignLeft)
        checked = ui->btn_left;
    else if (a & Qt::AlignHCenter)
        checked = ui->btn_center;
    else if (a & Qt::AlignRight)
        checked = ui->btn_right;
    else if (a & Qt::AlignJustify)
        checked = ui->btn_justify;
    if (!checked)
        return;
    for (QPushButton *button : {ui->btn_left, ui->btn_center, ui->btn_right, ui->btn_justify})
        button->setChecked(button == checked);
}

void TtQEditTool::on_btn_picture_clicked()
{
    if (!currentEdit)
        return;
    // Every picture format Qt reads converts well for the printer, not only bitmaps.
    QStringList patterns;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    // Dialogs belong to the window, so they keep the platform look, not the bar's buttons.
    const QString path =
        FileChooser::openFileName(window(), tr("Open File..."), QString(),
                                  tr("图片 (%1)").arg(patterns.join(QLatin1Char(' '))));
    if (path.isEmpty())
        return;
    QString error;
    // An empty reason means the operator cancelled the conversion: nothing to report.
    if (!insertPicture(path, &error) && !error.isEmpty()) {
        Asker::warning(window(), tr("插入图片"),
                       tr("无法读取图片文件 %1：\n%2").arg(QDir::toNativeSeparators(path), error));
    }
}

void TtQEditTool::on_btnTime_clicked()
{
    insertBlockHtml(QString::fromUtf8(dateTimeBlockHtml));
}

void TtQEditTool::on_btnType_clicked()
{
    insertBlockHtml(QString::fromUtf8(numberBlockHtml));
}

void TtQEditTool::on_btnReNum_clicked()
{
    insertBlockHtml(QString::fromUtf8(queueBlockHtml));
}

void TtQEditTool::mergeFormatOnSelection(const QTextCharFormat &format)
{
    if (!currentEdit)
        return;
    QTextCursor cursor = currentEdit->textCursor();
    if (!cursor.hasSelection())
        return;
    cursor.mergeCharFormat(format);
    currentEdit->mergeCurrentCharFormat(format);
}

void TtQEditTool::setAlignment(Qt::Alignment alignment)
{
    if (!currentEdit)
        return;
    currentEdit->setAlignment(alignment);
    alignmentChanged(alignment);
}

void TtQEditTool::insertBlockHtml(const QString &html)
{
    if (currentEdit)
        currentEdit->insertHtml(html);
}
