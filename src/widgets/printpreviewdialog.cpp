#include "printpreviewdialog.h"

#include "pagepixels.h"
#include "ui_printpreviewdialog.h"

#include <QLabel>
#include <QLocale>
#include <QPixmap>
#include <QScrollArea>

namespace {

constexpr int kZoom = 2;
// Columns at the paper's right edge that show where a picture is cut.
constexpr int kCutMarkDots = 3;

QColor cutMarkColour()
{
    return QColor(220, 0, 0);
}

// Dots as millimetres without trailing zeros: 384 → "48", 130 → "16.25".
QString millimetres(int dots)
{
    return QLocale().toString(double(dots) / kDotsPerMm, 'g', 6);
}

} // namespace

PrintPreviewDialog::PrintPreviewDialog(QWidget *parent)
    : QDialog(parent), ui(new Ui::PrintPreviewDialog)
{
    ui->setupUi(this);
    ui->labGreySwatch->setStyleSheet(
        QStringLiteral("background-color: %1;").arg(greyDotColour().name()));
    ui->labNotices->setStyleSheet(QStringLiteral("color: %1;").arg(cutMarkColour().name()));
    ui->labNotices->hide();
    connect(ui->tabPages, &QTabWidget::currentChanged, this, &PrintPreviewDialog::showFacts);
    showFacts(-1);
}

PrintPreviewDialog::~PrintPreviewDialog()
{
    delete ui;
}

void PrintPreviewDialog::setNotices(const QStringList &notices)
{
    ui->labNotices->setText(notices.join(QLatin1Char('\n')));
    ui->labNotices->setVisible(!notices.isEmpty());
}

void PrintPreviewDialog::setPages(const QList<TicketPreview> &pages, const QStringList &titles,
                                  const QList<QList<QRect>> &cutPictures)
{
    m_pages = pages;
    m_cutPictures = cutPictures;
    while (ui->tabPages->count() > 0) {
        QWidget *page = ui->tabPages->widget(0);
        ui->tabPages->removeTab(0);
        delete page;
    }
    for (int k = 0; k < m_pages.size(); ++k) {
        auto *area = new QScrollArea;
        area->setObjectName(QStringLiteral("scrollPage_%1").arg(k));
        // Paper is white; a darker surround shows where the ticket ends.
        area->setBackgroundRole(QPalette::Dark);
        area->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        auto *label = new QLabel;
        label->setObjectName(QStringLiteral("labPage_%1").arg(k));
        label->setAlignment(Qt::AlignCenter);
        if (m_pages.at(k).ticket.isNull()) {
            label->setText(tr("管理机无法存储此页"));
            label->setBackgroundRole(QPalette::Window);
            label->setAutoFillBackground(true);
            label->setMargin(12);
        }
        area->setWidget(label);
        ui->tabPages->addTab(area, titles.value(k, QString::number(k + 1)));
    }
    showImages();
    showFacts(ui->tabPages->currentIndex());
}

void PrintPreviewDialog::on_cbZoom_toggled(bool)
{
    showImages();
}

void PrintPreviewDialog::showImages()
{
    const int zoom = ui->cbZoom->isChecked() ? kZoom : 1;
    for (int k = 0; k < m_pages.size(); ++k) {
        QImage marked = m_pages.at(k).marked;
        auto *label = ui->tabPages->findChild<QLabel *>(QStringLiteral("labPage_%1").arg(k));
        if (marked.isNull() || !label)
            continue;
        // The printed dots stop at the paper's edge; a bar there shows a picture went on.
        for (const QRect &cut : m_cutPictures.value(k)) {
            const QRect bar =
                QRect(marked.width() - kCutMarkDots, cut.top(), kCutMarkDots, cut.height())
                    .intersected(marked.rect());
            for (int y = bar.top(); y <= bar.bottom(); ++y)
                for (int x = bar.left(); x <= bar.right(); ++x)
                    marked.setPixelColor(x, y, cutMarkColour());
        }
        // Whole dots only: smoothing would invent greys the printer cannot make.
        QPixmap pixmap = QPixmap::fromImage(
            marked.scaled(marked.size() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation));
        // One dot per device pixel, also on scaled screens.
        pixmap.setDevicePixelRatio(devicePixelRatioF());
        label->setPixmap(pixmap);
        label->adjustSize();
    }
}

void PrintPreviewDialog::showFacts(int index)
{
    ui->labPaperWidth->setText(
        tr("纸宽：%1 点（%2 毫米）").arg(kPaperDots).arg(millimetres(kPaperDots)));
    if (index < 0 || index >= m_pages.size() || m_pages.at(index).ticket.isNull()) {
        ui->labPageHeight->clear();
        ui->labGreyDots->clear();
        return;
    }
    const TicketPreview &page = m_pages.at(index);
    const int height = page.ticket.height();
    const int cutRows = page.renderedHeight - page.sentHeight;
    QString heightText = tr("页高：%1 点（%2 毫米）").arg(height).arg(millimetres(height));
    if (cutRows > 0)
        heightText = tr("页高：%1 点（%2 毫米），页面底部 %3 行不打印")
                         .arg(height)
                         .arg(millimetres(height))
                         .arg(cutRows);
    ui->labPageHeight->setText(heightText);
    ui->labGreyDots->setText(tr("因灰色或彩色像素而印成黑色的点：%1").arg(page.greyDots));
}
