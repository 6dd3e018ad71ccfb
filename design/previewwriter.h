#pragma once

#include <QFuture>
#include <QImage>
#include <QList>
#include <QString>

#include <atomic>

// Writes the preview bitmaps of a download (newImage_<k>.bmp with the dots sent and
// originImage_<k>.bmp with the page as rendered) on a worker thread, so the download need not
// wait for the disk. A newer download supersedes a write still running, and the writer is
// finished before it is destroyed.
class PreviewWriter
{
public:
    PreviewWriter() = default;
    ~PreviewWriter();
    PreviewWriter(const PreviewWriter &) = delete;
    PreviewWriter &operator=(const PreviewWriter &) = delete;

    void write(const QString &folder, const QList<QImage> &sentDots, const QList<QImage> &pages);
    // Returns once nothing is being written.
    void wait();

private:
    QFuture<void> m_future;
    std::atomic<bool> m_superseded{false};
};
