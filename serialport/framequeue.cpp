#include "framequeue.h"

#include <QtGlobal>

int transferPercentage(int written, int total)
{
    if (total <= 0)
        return 0;
    const qint64 percent = qint64(written) * 100 / total;
    return int(qBound<qint64>(0, percent, 100));
}

void FrameQueue::append(const QByteArray &frame)
{
    m_frames.append(frame);
    m_total = m_frames.size();
}

QByteArray FrameQueue::takeFirst()
{
    return m_frames.isEmpty() ? QByteArray() : m_frames.takeFirst();
}

void FrameQueue::clear()
{
    m_frames.clear();
}

int FrameQueue::progress() const
{
    return transferPercentage(m_total - m_frames.size(), m_total);
}
