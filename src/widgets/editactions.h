#pragma once

#include <QList>
#include <QMetaObject>
#include <QObject>

class QAction;
class QTextEdit;

// Cut, copy, paste, paste as plain text and select all for the page being edited, with the
// platform's keys, each enabled when the page allows it.
class EditActions : public QObject
{
    Q_OBJECT
public:
    explicit EditActions(QObject *parent = nullptr);

    // In menu order (null: a separator).
    QList<QAction *> actions() const;
    // The page the actions work on; null leaves them all disabled.
    void bind(QTextEdit *edit);

private:
    void updateCopy(bool selection);
    void updatePaste();

    QTextEdit *m_edit = nullptr;
    QList<QMetaObject::Connection> m_connections;
    QAction *m_cut;
    QAction *m_copy;
    QAction *m_paste;
    QAction *m_pastePlain;
    QAction *m_selectAll;
};
