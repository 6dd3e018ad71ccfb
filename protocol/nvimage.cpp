#include "nvimage.h"

#include "datapacket.h"
#include "pagepixels.h"
#include "ticketprintdata.h"

#include <algorithm>
#include <cstring>

QByteArray nvPageData(const QImage &image, QImage *sentDots)
{
    // Rendered pages are RGB888; other formats are brought to it so one scan-line walk serves.
    const QImage page = image.format() == QImage::Format_RGB888 || image.isNull()
                            ? image
                            : image.convertToFormat(QImage::Format_RGB888);

    const int xBytes = page.width() / 8;
    const int bands = page.height() / 8;
    // The header promises 8X columns; a width that is not a multiple of 8 must not send more.
    const int columns = xBytes * 8;

    QByteArray out;
    appendLe16(out, xBytes);
    appendLe16(out, bands);
    const int headerSize = out.size();
    out.resize(headerSize + columns * bands);
    uchar *data = reinterpret_cast<uchar *>(out.data()) + headerSize;
    std::fill(data, data + columns * bands, uchar(0));

    if (sentDots) {
        *sentDots = QImage(page.size(), QImage::Format_RGB888);
        sentDots->fill(Qt::white);
    }

    // Column-major with the top pixel of each eight-row band in bit 7. Walking the image row by
    // row keeps memory access sequential; each row sets one bit in every column's band byte.
    for (int y = 0; y < bands * 8; ++y) {
        const int band = y / 8;
        const uchar bit = uchar(0x80 >> (y % 8));
        const uchar *src = page.constScanLine(y);
        uchar *dots = sentDots ? sentDots->scanLine(y) : nullptr;
        for (int x = 0; x < columns; ++x) {
            const uchar *p = src + 3 * x;
            // Anything but pure white prints.
            if (p[0] != 0xFF || p[1] != 0xFF || p[2] != 0xFF) {
                data[x * bands + band] |= bit;
                if (dots)
                    dots[3 * x] = dots[3 * x + 1] = dots[3 * x + 2] = 0x00;
            }
        }
    }
    return out;
}

QByteArray layoutTable(const QList<QImage> &pages)
{
    QList<LayoutEntry> entries;
    for (const QImage &page : pages.mid(0, kLayoutTableEntries)) {
        LayoutEntry entry;
        entry.present = true;
        for (BLOCK_FLAG flag : {BLOCK_NUMBER, BLOCK_DATETIME, BLOCK_QUEUE})
            entry.blocks[flag - 1] = blockRecord(flag, findBlockRectIn(page, flag));
        entry.height = page.height();
        entries.append(entry);
    }
    return layoutTableBytes(entries);
}

QByteArray nvImageCommand(const QList<QImage> &images, QList<QImage> *sentDots)
{
    QByteArray command("\x1C\x71", 2);
    command.append(char(images.size() & 0xFF));
    if (sentDots)
        sentDots->clear();
    for (const QImage &image : images) {
        QImage dots;
        command.append(nvPageData(image, sentDots ? &dots : nullptr));
        if (sentDots)
            sentDots->append(dots);
    }
    return command;
}
