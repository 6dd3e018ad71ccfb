// Timing harness for the print preview and the picture conversion: the work behind one press of
// the preview button on a six-page design, and the conversions the import dialog redoes at
// every change of choice. Prints medians, asserts nothing.

#include "monochrome.h"
#include "pagedownload.h"
#include "ticketpreview.h"

#include <QElapsedTimer>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kRuns = 21;

// A grey photo-like picture: ramps and rings, every level present.
QImage photo(const QSize &size)
{
    QImage image(size, QImage::Format_RGB888);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const int level = (x * 255 / size.width() + ((x - y) * (x + y) / 97) % 64) % 256;
            image.setPixel(x, y, qRgb(level, (level + y) % 256, 255 - level));
        }
    return image;
}

// A rendered page: black text-like bars with grey edges, the three placeholder blocks and a
// picture, 480 rows.
QImage page(int seed)
{
    QImage image(384, 480, QImage::Format_RGB888);
    image.fill(Qt::white);
    for (int y = 10 + seed; y < 200; y += 14)
        for (int x = 8; x < 376; ++x)
            image.setPixel(x, y, (x + y) % 5 == 0 ? qRgb(128, 128, 128) : qRgb(0, 0, 0));
    const QRgb blocks[] = {qRgb(0xE1, 0xDD, 0xFA), qRgb(0xFA, 0xDB, 0xC0), qRgb(0xFA, 0xC3, 0xC3)};
    for (int b = 0; b < 3; ++b)
        for (int y = 210 + 30 * b; y < 234 + 30 * b; ++y)
            for (int x = 60; x < 60 + 80 * (b + 1); ++x)
                image.setPixel(x, y, blocks[b]);
    const QImage picture = ditherFloydSteinberg(photo({384, 180}));
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < 384; ++x)
            image.setPixel(x, 300 + y, picture.pixel(x, y));
    return image;
}

double medianMs(const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QList<QImage> pages;
    for (int k = 0; k < 6; ++k)
        pages << page(k);
    const QDateTime now = QDateTime::currentDateTime();
    std::printf("print preview, 6 pages of 384 x 480, median of %d runs\n", kRuns);
    std::printf("  prepare download (tables, NV command): %8.2f ms\n",
                medianMs([&] { prepareDownload(pages); }));
    const DesignDownload download = prepareDownload(pages);
    std::printf("  device model tickets and marks:        %8.2f ms\n",
                medianMs([&] { previewTickets(download, now); }));
    int grey = 0;
    std::printf("  grey-dot mask of one page:             %8.2f ms\n",
                medianMs([&] { greyDotMask(download.images.first(), &grey); }));
    std::printf("  (grey-only dots on page 0: %d)\n", grey);

    std::printf("picture conversion, median of %d runs\n", kRuns);
    const QImage paperPhoto = photo({384, 480});
    const QImage bigPhoto = photo({2000, 1500});
    // A black and white picture is the whole scan; any other stops at its first grey.
    const QImage blackAndWhite = ditherFloydSteinberg(paperPhoto);
    std::printf("  is pure black and white, 384 x 480:    %8.2f ms\n",
                medianMs([&] { isPureBlackAndWhite(blackAndWhite); }));
    std::printf("  dither 384 x 480:                      %8.2f ms\n",
                medianMs([&] { ditherFloydSteinberg(paperPhoto); }));
    std::printf("  threshold 384 x 480:                   %8.2f ms\n",
                medianMs([&] { thresholdHalf(paperPhoto); }));
    std::printf("  scale 2000 x 1500 to 384 and dither:   %8.2f ms\n",
                medianMs([&] { convertForPaper(bigPhoto, PictureConversion::Dither, true); }));
    std::printf("  dither 2000 x 1500 unscaled:           %8.2f ms\n",
                medianMs([&] { convertForPaper(bigPhoto, PictureConversion::Dither, false); }));
    return 0;
}
