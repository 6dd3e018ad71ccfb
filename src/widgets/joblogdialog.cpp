#include "joblogdialog.h"

#include "joblog.h"
#include "jobtexts.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

JobLogDialog::JobLogDialog(const JobLog &log, QWidget *parent)
    : QDialog(parent), m_log(log), m_table(new QTreeWidget)
{
    setWindowTitle(tr("任务记录"));
    m_table->setObjectName(QStringLiteral("jobLogTable"));
    m_table->setRootIsDecorated(false);
    m_table->setHeaderLabels({tr("时间"), tr("端口"), tr("任务"), tr("结果"), tr("帧")});
    m_table->header()->setStretchLastSection(false);
    m_table->header()->setSectionResizeMode(3, QHeaderView::Stretch);
    m_table->setWordWrap(true);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(buttons);
    for (int i = 0; i < log.records().size(); ++i)
        showRecord(i);
    connect(&log, &JobLog::changed, this, &JobLogDialog::showRecord);
    resize(760, 320);
}

void JobLogDialog::showRecord(int index)
{
    const JobRecord &record = m_log.records().at(index);
    QTreeWidgetItem *item = m_table->topLevelItem(index);
    if (!item)
        item = new QTreeWidgetItem(m_table);
    item->setText(0, record.time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    item->setText(1, record.port);
    item->setText(2, jobName(record.job));
    item->setText(3, record.text);
    item->setToolTip(3, record.text);
    item->setText(4, record.frames > 0 ? QStringLiteral("%1/%2").arg(record.sent).arg(record.frames)
                                       : QStringLiteral("–"));
    if (record.outcome == JobRecord::Failed)
        item->setForeground(3, QColor(0x8a, 0x1c, 0x0e));
    for (int column = 0; column < m_table->columnCount(); ++column) {
        if (column != 3)
            m_table->resizeColumnToContents(column);
    }
}
