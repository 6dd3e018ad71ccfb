#pragma once

#include <QList>
#include <QObject>
#include <QUndoStack>

#include <functional>

class Design;
class QAction;
class QLabel;
class QWidget;
class TtQTextEdit;
namespace Ui {
class TicketStationClass;
}

// The design's pages as the window's tabs, one editor each, and the Page menu's work on them:
// add, remove, rename, duplicate and move ticket types, each undoable as one step.
class PageTabs : public QObject
{
    Q_OBJECT
public:
    PageTabs(Design &design, Ui::TicketStationClass &ui, QWidget *window);
    ~PageTabs() override;

    // Editor of page `index` (-1: the current page), or null.
    TtQTextEdit *editor(int index) const;
    const QList<TtQTextEdit *> &editors() const { return m_editors; }
    // Makes page `index` current, with the keyboard in it.
    void showPage(int index);
    // A design was opened or started: what was done to the pages before cannot be undone.
    void forgetUndo() { m_undo.clear(); }
    QAction *undoAction() const { return m_undoAction; }

signals:
    void currentPageChanged();

private:
    // One tab and editor per page of the design, built afresh when its pages change.
    void showDesignPages();
    void updateActions();
    // Does `change` as one undoable step named `text`; `undo` reverses it.
    void change(const QString &text, std::function<void()> redo, std::function<void()> undo);
    void addPage();
    void removePage();
    void renamePage();
    void duplicatePage();
    void movePage(int by);

    Design &m_design;
    Ui::TicketStationClass &m_ui;
    QWidget *m_window;
    QList<TtQTextEdit *> m_editors;
    QLabel *m_beyondDevice = nullptr;
    QUndoStack m_undo;
    QAction *m_undoAction = nullptr;
    QAction *m_rename = nullptr;
    QAction *m_duplicate = nullptr;
    QAction *m_moveLeft = nullptr;
    QAction *m_moveRight = nullptr;
};
