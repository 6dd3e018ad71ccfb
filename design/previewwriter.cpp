#include "previewwriter.h"

#include <QDir>
#include <QtConcurrent/QtConcurrentRun>

PreviewWriter::~PreviewWriter()
{
    wait();
}

void PreviewWriter::wait()
{
    m_future.waitForFinished();
}

void PreviewWriter::write(const QString &folder, const QList<QImage> &sentDots,
                          const QList<QImage> &pages)
{
    // Files of an older download still being written would mix with the new ones.
    m_superseded = true;
    wait();
    m_superseded = false;
    m_future = QtConcurrent::run([this, folder, sentDots, pages] {
        // An operator expects the previews after a download, so a missing folder is made.
        QDir().mkpath(folder);
        for (int k = 0; k < pages.size() && !m_superseded; ++k) {
            sentDots.value(k).save(folder + QStringLiteral("newImage_%1.bmp").arg(k));
            pages.at(k).save(folder + QStringLiteral("originImage_%1.bmp").arg(k));
        }
    });
}
