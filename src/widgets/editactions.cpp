#include "editactions.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTextEdit>

EditActions::EditActions(QObject *parent) : QObject(parent)
{
    const auto make = [this](const QString &text, const QKeySequence &keys) {
        auto *action = new QAction(text, this);
        action->setShortcut(keys);
        return action;
    };
    m_cut = make(tr("剪切(&T)"), QKeySequence::Cut);
    m_copy = make(tr("复制(&C)"), QKeySequence::Copy);
    m_paste = make(tr("粘贴(&P)"), QKeySequence::Paste);
    m_pastePlain = make(tr("粘贴为纯文本(&L)"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    m_selectAll = make(tr("全选(&A)"), QKeySequence::SelectAll);
    connect(m_cut, &QAction::triggered, this, [this] {
        if (m_edit)
            m_edit->cut();
    });
    connect(m_copy, &QAction::triggered, this, [this] {
        if (m_edit)
            m_edit->copy();
    });
    connect(m_paste, &QAction::triggered, this, [this] {
        if (m_edit)
            m_edit->paste();
    });
    // Only the text: a mark pasted so is plain text in the page's format at the cursor.
    connect(m_pastePlain, &QAction::triggered, this, [this] {
        if (m_edit)
            m_edit->insertPlainText(QGuiApplication::clipboard()->text());
    });
    connect(m_selectAll, &QAction::triggered, this, [this] {
        if (m_edit)
            m_edit->selectAll();
    });
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &EditActions::updatePaste);
    bind(nullptr);
}

QList<QAction *> EditActions::actions() const
{
    return {m_cut, m_copy, m_paste, m_pastePlain, nullptr, m_selectAll};
}

void EditActions::bind(QTextEdit *edit)
{
    for (const QMetaObject::Connection &connection : qAsConst(m_connections))
        disconnect(connection);
    m_connections.clear();
    m_edit = edit;
    m_selectAll->setEnabled(edit);
    updateCopy(edit && edit->textCursor().hasSelection());
    updatePaste();
    if (edit)
        m_connections << connect(edit, &QTextEdit::copyAvailable, this, &EditActions::updateCopy)
                      // A page that goes away takes the actions' target with it.
                      << connect(edit, &QObject::destroyed, this, [this] { bind(nullptr); });
}

void EditActions::updateCopy(bool selection)
{
    m_copy->setEnabled(selection);
    m_cut->setEnabled(selection && m_edit && !m_edit->isReadOnly());
}

void EditActions::updatePaste()
{
    const bool canPaste = m_edit && m_edit->canPaste();
    m_paste->setEnabled(canPaste);
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    m_pastePlain->setEnabled(m_edit && !m_edit->isReadOnly() && data && data->hasText());
}
