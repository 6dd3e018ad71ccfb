#pragma once

#include "blockflag.h"
#include "monochrome.h"
#include "ticketcode.h"

#include <QFont>
#include <QList>
#include <QString>
#include <QWidget>

#include <functional>

namespace Ui {
class TtQEditTool;
}
class QAction;
class QActionGroup;
class QTextCharFormat;
class QTextCursor;
class QTextEdit;
class TtQTextEdit;

// The two-row formatting bar above the pages; it acts on the page it is bound to. Everything
// it does is an action, built once, so the menus and the keyboard reach the same work as its
// buttons; the buttons take no focus, so the keyboard stays on the page.
class TtQEditTool : public QWidget
{
    Q_OBJECT
public:
    explicit TtQEditTool(QWidget *parent = nullptr);
    ~TtQEditTool() override;

    void bindTextEdit(QTextEdit *edit);

    // The actions for the window's menus, in menu order (null: a separator).
    QList<QAction *> editActions() const;   // undo, redo
    QList<QAction *> formatActions() const; // bold, italic, underline, the alignments
    QList<QAction *> insertActions() const; // picture, code, the three marks
    QList<QAction *> deviceActions() const; // download, preview, test print
    // Shows the pages as the dots the device prints; toggled(bool) tells the window.
    QAction *showAsPrintedAction() const { return actionShowAsPrinted; }

    // Reads the picture at path and inserts it at the bound page's cursor. A picture that is
    // purely black and white and fits the page goes in unchanged; for any other the picture
    // chooser decides how it is converted. Returns false, leaving the page untouched, when no page
    // is bound, the file is not a readable image (errorString then tells why) or the chooser
    // declines (errorString then empty).
    bool insertPicture(const QString &path, QString *errorString = nullptr);

    // Decides how a picture that is not purely black and white is brought in; false cancels.
    using PictureChooser = std::function<bool(const QImage &picture, PictureImport *choice)>;
    // Replaces the dialog that asks the operator; an empty chooser restores it.
    void setPictureChooser(PictureChooser chooser);

    // Puts the picture of `code` at the bound page's cursor. False, leaving the page untouched,
    // when no page is bound or the settings make no code (errorString then tells why).
    bool insertCode(const TicketCode &code, QString *errorString = nullptr);

    // Lets the operator set up a code, starting from `code`: a new one, or one on the page when
    // `existing`; false cancels.
    using CodeEditor = std::function<bool(TicketCode *code, bool existing)>;
    // Replaces the dialog that asks the operator; an empty editor restores it.
    void setCodeEditor(CodeEditor editor);

    // Shows whether the design draws its text sharp, without reporting it as a change.
    void showSharpText(bool sharp);

signals:
    void sgnDown();
    void sgnTestPrint();
    // The operator asked to see the design as it would print.
    void sgnPreview();
    // The operator turned the design's sharp printed text on or off.
    void sgnSharpText(bool sharp);
    // Something the operator should read, for the window's notice.
    void sgnNotice(const QString &text);

private slots:
    void on_cb_font_activated(QString arg1);
    void on_cb_size_activated(QString arg1);
    void on_lineHeightspinBox_valueChanged(QString arg1);
    void setLineDistanceHeight(int height);
    void fontChanged(QFont f);
    void alignmentChanged(Qt::Alignment a);

private:
    void setupTextActions();
    void setupInsertActions();
    void setupDeviceActions();
    void textBold();
    void textItalic();
    void textUnderline();
    void textAlign(QAction *action);
    void choosePicture();
    void chooseCode();
    void insertMark(BLOCK_FLAG flag);
    // Reopens the code `selection` holds in the code's dialog and puts the result in its place.
    void editCode(const QTextCursor &selection);

    void mergeFormatOnSelection(const QTextCharFormat &format);
    // Shows the alignment and line height of the paragraph at the cursor.
    void showParagraphFormat();
    bool placeCode(TtQTextEdit *edit, QTextCursor cursor, const TicketCode &code,
                   QString *errorString);
    // After an insertion the operator goes on typing where it went.
    void returnFocusToPage();

    Ui::TtQEditTool *ui;
    QTextEdit *currentEdit = nullptr;
    PictureChooser pictureChooser;
    CodeEditor codeEditor;
    // A new code starts from the settings of the last one placed.
    TicketCode lastCode;
    QList<QMetaObject::Connection> editConnections;

    QAction *actionUndo;
    QAction *actionRedo;
    QAction *actionTextBold;
    QAction *actionTextItalic;
    QAction *actionTextUnderline;
    QActionGroup *alignGroup;
    QAction *actionAlignLeft;
    QAction *actionAlignCenter;
    QAction *actionAlignRight;
    QAction *actionAlignJustify;
    QAction *actionPicture;
    QAction *actionCode;
    QAction *actionMarkNumber;
    QAction *actionMarkQueue;
    QAction *actionMarkTime;
    QAction *actionDownload;
    QAction *actionPreview;
    QAction *actionTestPrint;
    QAction *actionShowAsPrinted;
};
