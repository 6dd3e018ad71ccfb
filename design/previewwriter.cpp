#include "previewwriter.h"

#include <QDir>

PreviewWriter::PreviewWriter()
{
    // One writer at a time, so files of two downloads never interleave.
    m_pool.setMaxThreadCount(1);
}

PreviewWriter::~PreviewWriter()
{
    wait();
}

void PreviewWriter::wait()
{
    m_pool.waitForDone();
}

void PreviewWriter::write(const QString &folder, const QList<QImage> &sentDots,
                          const QList<QImage> &pages)
{
    const int generation = ++m_generation;
    m_pool.start([this, generation, folder, sentDots, pages] {
        // An operator expects the previews after a download, so a missing folder is made.
        QDir().mkpath(folder);
        for (int k = 0; k < pages.size() && generation == m_generation; ++k) {
            sentDots.value(k).save(folder + QStringLiteral("newImage_%1.bmp").arg(k));
            pages.at(k).save(folder + QStringLiteral("originImage_%1.bmp").arg(k));
        }
    });
}
