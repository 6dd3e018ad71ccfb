#pragma once

#include <QByteArray>
#include <QList>

// Progress of a transfer in percent after `written` of `total` frames, in integer arithmetic
// so that the last frame of any transfer reports 100.
int transferPercentage(int written, int total);

// Frames waiting for the line, first in first out. The transfer they make up is counted from
// the last time frames were added, so its progress reaches 100 with its last frame.
class FrameQueue
{
public:
    void append(const QByteArray &frame);
    QByteArray takeFirst();
    void clear();

    bool isEmpty() const { return m_frames.isEmpty(); }
    int size() const { return m_frames.size(); }
    // Percent of the transfer written once the frames taken so far are on the line.
    int progress() const;

private:
    QList<QByteArray> m_frames;
    int m_total = 0;
};
