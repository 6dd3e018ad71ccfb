#include "pagetabs.h"

#include "defaultpage.h"
#include "design.h"
#include "operatordialogs.h"
#include "ticketpage.h"
#include "ttqedittool.h"
#include "ttqtextedit.h"
#include "ui_ticketstation.h"

#include <QAction>
#include <QHBoxLayout>
#include <QJsonObject>
#include <QLabel>
#include <QMenu>
#include <QShortcut>
#include <QTextDocument>
#include <QUndoCommand>

namespace {

bool hasContent(const TicketPage &page)
{
    return !page.document()->isEmpty() || !page.imageNames.isEmpty();
}

class PageChange : public QUndoCommand
{
public:
    PageChange(const QString &text, std::function<void()> redo, std::function<void()> undo)
        : QUndoCommand(text), m_redo(std::move(redo)), m_undo(std::move(undo))
    {}
    void redo() override { m_redo(); }
    void undo() override { m_undo(); }

private:
    std::function<void()> m_redo;
    std::function<void()> m_undo;
};

} // namespace

PageTabs::PageTabs(Design &design, Ui::TicketStationClass &ui, QWidget *window)
    : QObject(window), m_design(design), m_ui(ui), m_window(window)
{
    // The form's page only shows how a page editor sits in its tab.
    m_ui.tabWidget->removeTab(0);
    // Stays while the design has pages the device cannot take: no notice that fades.
    m_beyondDevice = new QLabel(window);
    m_beyondDevice->setObjectName(QStringLiteral("beyondDeviceBanner"));
    m_beyondDevice->setWordWrap(true);
    m_beyondDevice->setStyleSheet(QStringLiteral(
        "background:#fff3cd; color:#5c4400; border:1px solid #e0c36a; padding:4px;"));
    m_beyondDevice->hide();
    m_ui.verticalLayout_3->insertWidget(m_ui.verticalLayout_3->indexOf(m_ui.tabWidget),
                                        m_beyondDevice);

    m_undoAction = m_undo.createUndoAction(this, QObject::tr("撤销类型更改(&U)"));
    m_undoAction->setObjectName(QStringLiteral("actUndoPageChange"));
    m_undoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Z));
    m_rename = new QAction(QObject::tr("重命名类型(&N)…"), this);
    m_rename->setObjectName(QStringLiteral("actRenamePage"));
    m_rename->setShortcut(QKeySequence(Qt::Key_F2));
    m_duplicate = new QAction(QObject::tr("复制类型(&D)"), this);
    m_duplicate->setObjectName(QStringLiteral("actDuplicatePage"));
    m_moveLeft = new QAction(QObject::tr("左移类型(&L)"), this);
    m_moveLeft->setObjectName(QStringLiteral("actMovePageLeft"));
    m_moveRight = new QAction(QObject::tr("右移类型(&I)"), this);
    m_moveRight->setObjectName(QStringLiteral("actMovePageRight"));
    QMenu *menu = m_ui.menuPage;
    menu->insertAction(m_ui.actRemovePage, m_duplicate);
    menu->addAction(m_rename);
    menu->addSeparator();
    menu->addAction(m_moveLeft);
    menu->addAction(m_moveRight);
    menu->addSeparator();
    menu->addAction(m_undoAction);

    connect(m_ui.actAddPage, &QAction::triggered, this, &PageTabs::addPage);
    connect(m_ui.actRemovePage, &QAction::triggered, this, &PageTabs::removePage);
    connect(m_rename, &QAction::triggered, this, &PageTabs::renamePage);
    connect(m_duplicate, &QAction::triggered, this, &PageTabs::duplicatePage);
    connect(m_moveLeft, &QAction::triggered, this, [this] { movePage(-1); });
    connect(m_moveRight, &QAction::triggered, this, [this] { movePage(1); });
    connect(m_ui.tabWidget, &QTabWidget::tabBarDoubleClicked, this, [this](int index) {
        if (index >= 0)
            renamePage();
    });

    // Ctrl+Tab goes through the pages wherever the focus is.
    auto *nextPage = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), window);
    auto *previousPage =
        new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), window);
    const auto step = [this](int by) {
        const int count = m_ui.tabWidget->count();
        if (count > 0)
            showPage((m_ui.tabWidget->currentIndex() + by + count) % count);
    };
    connect(nextPage, &QShortcut::activated, this, [step] { step(1); });
    connect(previousPage, &QShortcut::activated, this, [step] { step(-1); });

    connect(&design, &Design::pagesChanged, this, &PageTabs::showDesignPages);
    connect(m_ui.tabWidget, &QTabWidget::currentChanged, this, [this](int) {
        updateActions();
        emit currentPageChanged();
    });
}

PageTabs::~PageTabs()
{
    // The editors show the design's pages, so they go before the design does, and nothing may
    // act on them on the way.
    m_ui.TtQEditToolClass->bindTextEdit(nullptr);
    const QSignalBlocker quiet(m_ui.tabWidget);
    for (TtQTextEdit *editor : qAsConst(m_editors))
        delete editor->parentWidget();
}

TtQTextEdit *PageTabs::editor(int index) const
{
    if (index == -1)
        index = m_ui.tabWidget->currentIndex();
    return index >= 0 && index < m_editors.size() ? m_editors.at(index) : nullptr;
}

void PageTabs::showPage(int index)
{
    m_ui.tabWidget->setCurrentIndex(index);
    if (TtQTextEdit *edit = editor(-1))
        edit->setFocus(Qt::OtherFocusReason);
}

void PageTabs::showDesignPages()
{
    const int current = qMax(0, m_ui.tabWidget->currentIndex());
    // The old editors show pages the design is about to drop: nothing may act on them.
    m_ui.TtQEditToolClass->bindTextEdit(nullptr);
    {
        const QSignalBlocker quiet(m_ui.tabWidget);
        for (TtQTextEdit *old : qAsConst(m_editors))
            delete old->parentWidget();
        m_editors.clear();
        const bool asPrinted = m_ui.TtQEditToolClass->showAsPrintedAction()->isChecked();
        QWidget *previous = m_ui.TtQEditToolClass;
        for (TicketPage *page : m_design.pages()) {
            auto *container = new QWidget;
            auto *layout = new QHBoxLayout(container);
            auto *edit = new TtQTextEdit(*page);
            edit->setShowAsPrinted(asPrinted);
            layout->addWidget(edit);
            edit->setSizePolicy(m_ui.textEdit->sizePolicy());
            edit->setMaximumSize(m_ui.textEdit->maximumSize());
            edit->setMinimumSize(m_ui.textEdit->minimumSize());
            m_ui.tabWidget->addTab(container, m_design.pageName(page->typeIndex - 1));
            m_editors.append(edit);
            // Toolbar, then the page, then the settings: hidden pages are passed over.
            QWidget::setTabOrder(previous, edit);
            previous = edit;
        }
        QWidget::setTabOrder(previous, m_ui.tabSet);
        m_ui.tabWidget->setCurrentIndex(qMin(current, m_editors.size() - 1));
    }
    QStringList beyond;
    for (int number : m_design.pagesBeyondDevice())
        beyond.append(m_design.pageName(number - 1));
    m_beyondDevice->setText(
        QObject::tr("%1 超出了设备的 %2 种票类型：不会下载，但仍保存在设计文件中。")
            .arg(beyond.join(QStringLiteral(", ")))
            .arg(kMaxDesignPages));
    m_beyondDevice->setVisible(!beyond.isEmpty());
    // Binds the toolbar to the page now shown.
    emit m_ui.tabWidget->currentChanged(m_ui.tabWidget->currentIndex());
}

void PageTabs::updateActions()
{
    const int index = m_ui.tabWidget->currentIndex();
    const int count = m_design.pageCount();
    m_ui.actRemovePage->setEnabled(count > 1);
    m_ui.actAddPage->setEnabled(count < kMaxDesignPages);
    m_duplicate->setEnabled(count < kMaxDesignPages);
    m_moveLeft->setEnabled(index > 0);
    m_moveRight->setEnabled(index >= 0 && index < count - 1);
}

void PageTabs::change(const QString &text, std::function<void()> redo, std::function<void()> undo)
{
    m_undo.push(new PageChange(text, std::move(redo), std::move(undo)));
}

void PageTabs::addPage()
{
    if (m_design.pageCount() >= kMaxDesignPages)
        return;
    const int added = m_design.pageCount();
    change(
        QObject::tr("添加类型"),
        [this, added] {
            m_design.addPage(defaultPageHtml());
            showPage(added);
        },
        [this, added] { m_design.removePage(added); });
}

void PageTabs::removePage()
{
    const int index = m_ui.tabWidget->currentIndex();
    const TicketPage *page = m_design.page(index);
    if (!page || m_design.pageCount() <= 1)
        return;
    if (hasContent(*page) &&
        Asker::question(
            m_window, QObject::tr("删除类型"),
            QObject::tr("删除%1及其内容？后面的类型将依次前移。").arg(m_design.pageName(index)),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    const QJsonObject entry = m_design.pageEntry(index);
    change(
        QObject::tr("删除类型"), [this, index] { m_design.removePage(index); },
        [this, index, entry] {
            m_design.insertPage(index, entry);
            showPage(index);
        });
}

void PageTabs::renamePage()
{
    const int index = m_ui.tabWidget->currentIndex();
    const TicketPage *page = m_design.page(index);
    if (!page)
        return;
    const QString name = Asker::text(m_window, QObject::tr("重命名类型"),
                                     QObject::tr("类型名称（留空则显示编号）："), page->name);
    if (name.isNull() || name.trimmed() == page->name)
        return;
    const QString before = page->name;
    change(
        QObject::tr("重命名类型"), [this, index, name] { m_design.renamePage(index, name); },
        [this, index, before] { m_design.renamePage(index, before); });
}

void PageTabs::duplicatePage()
{
    const int index = m_ui.tabWidget->currentIndex();
    if (!m_design.page(index) || m_design.pageCount() >= kMaxDesignPages)
        return;
    change(
        QObject::tr("复制类型"),
        [this, index] {
            m_design.duplicatePage(index);
            showPage(index + 1);
        },
        [this, index] {
            m_design.removePage(index + 1);
            showPage(index);
        });
}

void PageTabs::movePage(int by)
{
    const int from = m_ui.tabWidget->currentIndex();
    const int to = from + by;
    if (!m_design.page(from) || !m_design.page(to))
        return;
    const auto move = [this](int a, int b) {
        m_design.movePage(a, b);
        showPage(b);
    };
    change(
        QObject::tr("移动类型"), [move, from, to] { move(from, to); },
        [move, from, to] { move(to, from); });
}
