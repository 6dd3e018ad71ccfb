#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QThreadPool>

#include <atomic>

// Writes the preview bitmaps of a download (newImage_<k>.bmp with the dots sent and
// originImage_<k>.bmp with the page as rendered) on a worker thread, so the download need not
// wait for the disk. Writes run one after the other; a newer download supersedes one still
// running, which stops before its next file. The writer finishes before it is destroyed.
class PreviewWriter
{
public:
    PreviewWriter();
    ~PreviewWriter();
    PreviewWriter(const PreviewWriter &) = delete;
    PreviewWriter &operator=(const PreviewWriter &) = delete;

    void write(const QString &folder, const QList<QImage> &sentDots, const QList<QImage> &pages);
    // Returns once nothing is being written.
    void wait();

private:
    QThreadPool m_pool;
    std::atomic<int> m_generation{0};
};
