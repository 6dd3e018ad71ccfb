#include "zoomcontrol.h"

#include "ttqtextedit.h"

#include <QAction>
#include <QComboBox>
#include <QLocale>

namespace {

const QList<int> kLevels = {50, 67, 75, 100, 125, 150, 200, 300, 400};

QString percentText(int percent)
{
    return QLocale().toString(percent) + QLatin1Char('%');
}

} // namespace

ZoomControl::ZoomControl(QObject *parent) : QObject(parent)
{
    m_in = new QAction(tr("放大(&I)"), this);
    // Ctrl+= as well: on most keyboards + needs Shift.
    m_in->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence::ZoomIn});
    m_out = new QAction(tr("缩小(&O)"), this);
    m_out->setShortcut(QKeySequence::ZoomOut);
    m_reset = new QAction(tr("实际大小(&A)"), this);
    m_reset->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    connect(m_in, &QAction::triggered, this, [this] { step(1); });
    connect(m_out, &QAction::triggered, this, [this] { step(-1); });
    connect(m_reset, &QAction::triggered, this, [this] { setZoom(100); });
    showZoom();
}

QComboBox *ZoomControl::createBox(QWidget *parent)
{
    m_box = new QComboBox(parent);
    m_box->setObjectName(QStringLiteral("cmbZoom"));
    m_box->setToolTip(tr("页面显示比例（不影响打印）"));
    for (int level : kLevels)
        m_box->addItem(percentText(level), level);
    connect(m_box, QOverload<int>::of(&QComboBox::activated), this,
            [this](int index) { setZoom(m_box->itemData(index).toInt()); });
    showZoom();
    return m_box;
}

void ZoomControl::setZoom(int percent)
{
    percent = qBound(kMinZoom, percent, kMaxZoom);
    if (percent == m_zoom)
        return;
    m_zoom = percent;
    showZoom();
    emit zoomChanged(m_zoom);
}

void ZoomControl::step(int steps)
{
    int level = m_zoom;
    for (; steps > 0; --steps) {
        const auto above = std::upper_bound(kLevels.begin(), kLevels.end(), level);
        level = above == kLevels.end() ? kLevels.last() : *above;
    }
    for (; steps < 0; ++steps) {
        const auto below = std::lower_bound(kLevels.begin(), kLevels.end(), level);
        level = below == kLevels.begin() ? kLevels.first() : *(below - 1);
    }
    setZoom(level);
}

void ZoomControl::showZoom()
{
    m_in->setEnabled(m_zoom < kMaxZoom);
    m_out->setEnabled(m_zoom > kMinZoom);
    if (m_box)
        m_box->setCurrentIndex(m_box->findData(m_zoom));
}
