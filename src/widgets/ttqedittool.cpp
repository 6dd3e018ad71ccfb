#include "ttqedittool.h"

#include "pagefonts.h"
#include "pagemarks.h"
#include "ticketpage.h"

#include "designchecks.h"
#include "ttqtextedit.h"
#include "ui_ttqedittool.h"

#include <QAction>
#include <QActionGroup>
#include <QDebug>
#include <QFontDatabase>
#include <QLoggingCategory>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace {

// When the window's parts go, for whoever follows the program's shutdown.
Q_LOGGING_CATEGORY(lcLifetime, "ticketstation.widgets.edittool", QtInfoMsg)

const int largestOfferedPointSize = 36;

// The form's button shows `action` and triggers it. It takes no focus: a button with the focus
// would take Enter and Space meant for the page.
void bindButton(QAbstractButton *button, QAction *action)
{
    button->setFocusPolicy(Qt::NoFocus);
    button->setCheckable(action->isCheckable());
    if (button->toolTip().isEmpty()) {
        QString tip = action->text().remove(QLatin1Char('&'));
        if (!action->shortcut().isEmpty())
            tip +=
                QStringLiteral(" (%1)").arg(action->shortcut().toString(QKeySequence::NativeText));
        button->setToolTip(tip);
    }
    const auto show = [button, action] {
        button->setEnabled(action->isEnabled());
        button->setChecked(action->isChecked());
    };
    show();
    QObject::connect(action, &QAction::changed, button, show);
    QObject::connect(button, &QAbstractButton::clicked, action, [action, show] {
        action->trigger();
        // A click toggles the button itself; the action decides what it shows.
        show();
    });
}

QAction *newAction(QObject *parent, const QIcon &icon, const QString &text,
                   const QKeySequence &shortcut = QKeySequence())
{
    auto *action = new QAction(icon, text, parent);
    action->setShortcut(shortcut);
    return action;
}

} // namespace

TtQEditTool::TtQEditTool(QWidget *parent) : QWidget(parent), ui(new Ui::TtQEditTool)
{
    ui->setupUi(this);
    // A family is picked from the list, and shown from its first letter.
    ui->cb_font->setEditable(false);
    ui->cb_font->setMaximumWidth(130);
    ui->cb_font->setMinimumWidth(130);
    // Wide enough for two digits beside the drop-down arrow.
    ui->cb_size->setMinimumWidth(56);
    ui->cb_size->setMaximumWidth(56);
    for (int size : QFontDatabase::standardSizes()) {
        if (size <= largestOfferedPointSize)
            ui->cb_size->addItem(QString::number(size));
    }
    ui->cb_size->setCurrentIndex(ui->cb_size->findText(QString::number(font().pointSize())));

    setupTextActions();
    setupInsertActions();
    setupDeviceActions();
    connect(ui->cbSharpText, &QCheckBox::toggled, this, &TtQEditTool::sgnSharpText);
    setPictureChooser({});
    setCodeEditor({});
}

TtQEditTool::~TtQEditTool()
{
    qCDebug(lcLifetime) << "TtQEditTool destroyed";
    delete ui;
}

void TtQEditTool::setupTextActions()
{
    actionUndo = newAction(this, QIcon(), tr("撤销(&U)"), QKeySequence::Undo);
    actionRedo = newAction(this, QIcon(), tr("重做(&R)"));
    // Ctrl+Y as well, as on the platform most operators know.
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    if (!redoKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Y)))
        redoKeys.append(QKeySequence(Qt::CTRL | Qt::Key_Y));
    actionRedo->setShortcuts(redoKeys);
    actionUndo->setEnabled(false);
    actionRedo->setEnabled(false);
    connect(actionUndo, &QAction::triggered, this, [this] {
        if (currentEdit)
            currentEdit->undo();
    });
    connect(actionRedo, &QAction::triggered, this, [this] {
        if (currentEdit)
            currentEdit->redo();
    });

    actionTextBold = newAction(this, ui->btn_bold->icon(), tr("粗体(&B)"), QKeySequence::Bold);
    actionTextItalic =
        newAction(this, ui->btn_italic->icon(), tr("斜体(&I)"), QKeySequence::Italic);
    actionTextUnderline =
        newAction(this, ui->btn_underline->icon(), tr("下划线(&U)"), QKeySequence::Underline);
    QFont bold = actionTextBold->font();
    bold.setBold(true);
    actionTextBold->setFont(bold);
    QFont italic = actionTextItalic->font();
    italic.setItalic(true);
    actionTextItalic->setFont(italic);
    QFont underline = actionTextUnderline->font();
    underline.setUnderline(true);
    actionTextUnderline->setFont(underline);
    ui->btn_bold->setFont(bold);
    ui->btn_italic->setFont(italic);
    ui->btn_underline->setFont(underline);
    for (QAction *action : {actionTextBold, actionTextItalic, actionTextUnderline})
        action->setCheckable(true);
    connect(actionTextBold, &QAction::triggered, this, &TtQEditTool::textBold);
    connect(actionTextItalic, &QAction::triggered, this, &TtQEditTool::textItalic);
    connect(actionTextUnderline, &QAction::triggered, this, &TtQEditTool::textUnderline);

    alignGroup = new QActionGroup(this);
    connect(alignGroup, &QActionGroup::triggered, this, &TtQEditTool::textAlign);
    actionAlignLeft = newAction(alignGroup, ui->btn_left->icon(), tr("左对齐(&L)"),
                                QKeySequence(Qt::CTRL | Qt::Key_L));
    actionAlignCenter = newAction(alignGroup, ui->btn_center->icon(), tr("居中(&E)"),
                                  QKeySequence(Qt::CTRL | Qt::Key_E));
    actionAlignRight = newAction(alignGroup, ui->btn_right->icon(), tr("右对齐(&R)"),
                                 QKeySequence(Qt::CTRL | Qt::Key_R));
    actionAlignJustify = newAction(alignGroup, ui->btn_justify->icon(), tr("两端对齐(&J)"),
                                   QKeySequence(Qt::CTRL | Qt::Key_J));
    for (QAction *action : alignGroup->actions())
        action->setCheckable(true);
    actionAlignLeft->setChecked(true);

    bindButton(ui->btn_bold, actionTextBold);
    bindButton(ui->btn_italic, actionTextItalic);
    bindButton(ui->btn_underline, actionTextUnderline);
    bindButton(ui->btn_left, actionAlignLeft);
    bindButton(ui->btn_center, actionAlignCenter);
    bindButton(ui->btn_right, actionAlignRight);
    bindButton(ui->btn_justify, actionAlignJustify);
    // Live wherever the bar is, with or without a menu holding them.
    for (QAction *action : editActions() + formatActions()) {
        if (action)
            addAction(action);
    }
}

void TtQEditTool::setupInsertActions()
{
    actionPicture = newAction(this, ui->btn_picture->icon(), tr("图片(&P)…"));
    actionCode = newAction(this, ui->btn_code->icon(), tr("二维码或条码(&C)…"));
    actionMarkNumber = newAction(this, ui->btnType->icon(), tr("票号(&N)"));
    actionMarkQueue = newAction(this, ui->btnReNum->icon(), tr("排队人数(&Q)"));
    actionMarkTime = newAction(this, ui->btnTime->icon(), tr("日期时间(&T)"));
    connect(actionPicture, &QAction::triggered, this, &TtQEditTool::choosePicture);
    connect(actionCode, &QAction::triggered, this, &TtQEditTool::chooseCode);
    connect(actionMarkNumber, &QAction::triggered, this, [this] { insertMark(BLOCK_NUMBER); });
    connect(actionMarkQueue, &QAction::triggered, this, [this] { insertMark(BLOCK_QUEUE); });
    connect(actionMarkTime, &QAction::triggered, this, [this] { insertMark(BLOCK_DATETIME); });
    bindButton(ui->btn_picture, actionPicture);
    bindButton(ui->btn_code, actionCode);
    bindButton(ui->btnType, actionMarkNumber);
    bindButton(ui->btnReNum, actionMarkQueue);
    bindButton(ui->btnTime, actionMarkTime);
    ui->cbSharpText->setFocusPolicy(Qt::NoFocus);
}

void TtQEditTool::setupDeviceActions()
{
    actionDownload = newAction(this, ui->btn_down->icon(), tr("下载至管理机(&D)"));
    actionPreview = newAction(this, ui->btnPreview->icon(), tr("打印预览(&V)"));
    actionTestPrint = newAction(this, ui->btnTest->icon(), tr("打印测试(&P)"));
    connect(actionDownload, &QAction::triggered, this, &TtQEditTool::sgnDown);
    connect(actionPreview, &QAction::triggered, this, &TtQEditTool::sgnPreview);
    connect(actionTestPrint, &QAction::triggered, this, &TtQEditTool::sgnTestPrint);
    bindButton(ui->btn_down, actionDownload);
    bindButton(ui->btnPreview, actionPreview);
    bindButton(ui->btnTest, actionTestPrint);

    actionShowAsPrinted =
        newAction(this, QIcon(QStringLiteral(":/Icon/Image/asprinted.png")),
                  tr("按打印效果显示(&P)"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    actionShowAsPrinted->setCheckable(true);
    auto *asPrinted = new QPushButton(ui->widget_2);
    asPrinted->setObjectName(QStringLiteral("btnAsPrinted"));
    asPrinted->setMaximumSize(ui->btn_down->maximumSize());
    asPrinted->setIcon(actionShowAsPrinted->icon());
    asPrinted->setToolTip(
        tr("以管理机打印的点显示页面，标记中填入示例值 (%1)")
            .arg(actionShowAsPrinted->shortcut().toString(QKeySequence::NativeText)));
    bindButton(asPrinted, actionShowAsPrinted);
    ui->horizontalLayout_2->insertWidget(ui->horizontalLayout_2->indexOf(ui->btn_down), asPrinted);
}

QList<QAction *> TtQEditTool::editActions() const
{
    return {actionUndo, actionRedo};
}

QList<QAction *> TtQEditTool::formatActions() const
{
    return {actionTextBold,  actionTextItalic,  actionTextUnderline, nullptr,
            actionAlignLeft, actionAlignCenter, actionAlignRight,    actionAlignJustify};
}

QList<QAction *> TtQEditTool::insertActions() const
{
    return {actionPicture, actionCode, nullptr, actionMarkNumber, actionMarkQueue, actionMarkTime};
}

QList<QAction *> TtQEditTool::deviceActions() const
{
    return {actionDownload, actionPreview, actionTestPrint};
}

void TtQEditTool::bindTextEdit(QTextEdit *edit)
{
    for (const QMetaObject::Connection &connection : editConnections)
        disconnect(connection);
    editConnections.clear();
    currentEdit = edit;
    actionUndo->setEnabled(edit && edit->document()->isUndoAvailable());
    actionRedo->setEnabled(edit && edit->document()->isRedoAvailable());
    if (!currentEdit)
        return;

    QFont pageFont("Helvetica");
    pageFont.setStyleHint(QFont::SansSerif);
    currentEdit->setFont(pageFont);

    // The bar mirrors the text at the cursor, as it moves and as formats change.
    editConnections << connect(
                           currentEdit, &QTextEdit::currentCharFormatChanged, this,
                           [this](const QTextCharFormat &format) { fontChanged(format.font()); })
                    << connect(currentEdit, &QTextEdit::cursorPositionChanged, this,
                               &TtQEditTool::showParagraphFormat)
                    // Selecting everything keeps the cursor's format but changes what bold
                    // acts on, and Qt reports no format change for it.
                    << connect(currentEdit, &QTextEdit::selectionChanged, this,
                               [this] { fontChanged(currentEdit->currentCharFormat().font()); })
                    << connect(currentEdit->document(), &QTextDocument::undoAvailable, actionUndo,
                               &QAction::setEnabled)
                    << connect(currentEdit->document(), &QTextDocument::redoAvailable, actionRedo,
                               &QAction::setEnabled);
    if (auto *page = qobject_cast<TtQTextEdit *>(currentEdit))
        editConnections << connect(page, &TtQTextEdit::codeActivated, this, &TtQEditTool::editCode);
    ui->cb_font->setPageFamilies(usedFamilies(currentEdit->document()));
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

void TtQEditTool::showSharpText(bool sharp)
{
    const QSignalBlocker quiet(ui->cbSharpText);
    ui->cbSharpText->setChecked(sharp);
}

void TtQEditTool::textBold()
{
    QTextCharFormat format;
    format.setFontWeight(actionTextBold->isChecked() ? QFont::Bold : QFont::Normal);
    mergeFormatOnSelection(format);
}

void TtQEditTool::textItalic()
{
    QTextCharFormat format;
    format.setFontItalic(actionTextItalic->isChecked());
    mergeFormatOnSelection(format);
}

void TtQEditTool::textUnderline()
{
    QTextCharFormat format;
    format.setFontUnderline(actionTextUnderline->isChecked());
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
    // The next keys are for the page, not the size list.
    returnFocusToPage();
}

void TtQEditTool::textAlign(QAction *action)
{
    if (!currentEdit)
        return;
    if (action == actionAlignLeft)
        currentEdit->setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
    else if (action == actionAlignCenter)
        currentEdit->setAlignment(Qt::AlignHCenter);
    else if (action == actionAlignRight)
        currentEdit->setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
    else if (action == actionAlignJustify)
        currentEdit->setAlignment(Qt::AlignJustify);
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
    ui->cb_font->showFont(f);
    ui->cb_size->setCurrentIndex(ui->cb_size->findText(QString::number(f.pointSizeF()), exact));
    actionTextBold->setChecked(f.bold());
    actionTextItalic->setChecked(f.italic());
    actionTextUnderline->setChecked(f.underline());
}

void TtQEditTool::alignmentChanged(Qt::Alignment a)
{
    if (a & Qt::AlignLeft)
        actionAlignLeft->setChecked(true);
    else if (a & Qt::AlignHCenter)
        actionAlignCenter->setChecked(true);
    else if (a & Qt::AlignRight)
        actionAlignRight->setChecked(true);
    else if (a & Qt::AlignJustify)
        actionAlignJustify->setChecked(true);
}

void TtQEditTool::insertMark(BLOCK_FLAG flag)
{
    if (!currentEdit)
        return;
    // Only the first run of a mark's colour is measured: a second would print as a black bar.
    if (auto *page = qobject_cast<TtQTextEdit *>(currentEdit); page && page->selectMark(flag)) {
        emit sgnNotice(markExistsNotice(flag));
        returnFocusToPage();
        return;
    }
    currentEdit->insertHtml(markSampleHtml(flag));
    returnFocusToPage();
}

void TtQEditTool::returnFocusToPage()
{
    if (currentEdit)
        currentEdit->setFocus(Qt::OtherFocusReason);
}

void TtQEditTool::mergeFormatOnSelection(const QTextCharFormat &format)
{
    if (!currentEdit)
        return;
    // Without a selection the format is for what is typed next, as in any editor.
    QTextCursor cursor = currentEdit->textCursor();
    if (cursor.hasSelection())
        cursor.mergeCharFormat(format);
    currentEdit->mergeCurrentCharFormat(format);
}
