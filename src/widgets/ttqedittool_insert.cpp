#include "ttqedittool.h"

#include "ticketpage.h"

#include "codedialog.h"
#include "operatordialogs.h"
#include "pictureimportdialog.h"
#include "ttqtextedit.h"

#include <QDir>
#include <QImageReader>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QUrl>
#include <QUuid>

// The bar's insertions: pictures and codes, from the bar's buttons and from other callers.

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
    // The printer makes black dots only; greys and colours would all print as solid black. A
    // picture wider than the page's content would lose its right edge.
    if (!isPureBlackAndWhite(image) || image.width() > kPageContentWidth) {
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
        editor = [this](TicketCode *code, bool existing) {
            return CodeDialog::edit(window(), code, existing);
        };
    codeEditor = std::move(editor);
}

void TtQEditTool::chooseCode()
{
    TicketCode code = lastCode;
    if (!codeEditor(&code, false))
        return;
    QString error;
    if (!insertCode(code, &error))
        Asker::warning(window(), tr("插入二维码或条码"), error);
    returnFocusToPage();
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
    if (codeEditor(&code, true) && !(code == *stored))
        placeCode(edit, selection, code, nullptr);
}

void TtQEditTool::choosePicture()
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
    returnFocusToPage();
}
