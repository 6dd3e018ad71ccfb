// Timing harness for the ticket download: the whole onDownPic on a six-page design, and for
// comparison the step-by-step method that renders every page seven times. Prints medians,
// asserts nothing.

#include "pagedownload.h"
#include "testpages.h"
#include "ticketstation.h"
#include "ttqtextedit.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QPainter>
#include <QTabWidget>
#include <QTextCursor>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {

constexpr int kPages = 6;
constexpr int kPageHeight = 480;
constexpr int kRuns = 21;
constexpr int kLiteralRuns = 7;

QImage picture(int seed)
{
    // A monochrome logo-like picture: bands and a disc, as operators import them.
    QImage image(384, 260, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (int y = seed % 7; y < image.height(); y += 16)
        painter.drawRect(0, y, 384, 6);
    painter.drawEllipse(QPoint(192, 130), 90, 90);
    return image;
}

// The default page (text and the three placeholder blocks) with a tall picture below it, so
// every page fills the 480-dot canvas.
void addPicture(TtQTextEdit *page, int seed)
{
    QTextCursor cursor(page->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertBlock();
    insertPicture(*page, cursor, QStringLiteral("bench-picture-%1").arg(seed), picture(seed));
}

struct Figures
{
    double wallMs;
    double cpuMs; // this thread's processor time: what the work costs on a busy machine
};

double threadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

Figures median(int runs, const std::function<void()> &work)
{
    std::vector<double> wall;
    std::vector<double> cpu;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        const double cpuStart = threadCpuMs();
        timer.start();
        work();
        wall.push_back(timer.nsecsElapsed() / 1e6);
        cpu.push_back(threadCpuMs() - cpuStart);
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    return {wall[wall.size() / 2], cpu[cpu.size() / 2]};
}

// The download done step by step: three lookups per page for the block records, then the
// download image (four renders) encoded pixel by pixel, and the previews.
void literalDownload(TicketStation &window, int pages)
{
    QByteArray table(126, '\0');
    for (int i = 0; i < pages; ++i) {
        char *entry = table.data() + 21 * i;
        entry[0] = 0x66;
        for (BLOCK_FLAG flag : {1, 2, 3}) {
            _ticketContext ctx{};
            window.GenPrintTextDat(i, flag, ctx);
            memcpy(entry + 1 + 6 * (flag - 1), &ctx, 6);
        }
        const int height = window.pageEditor(i)->pageImage.height();
        entry[19] = char(height & 0xFF);
        entry[20] = char(height >> 8);
    }
    const QString folder = QCoreApplication::applicationDirPath() + "/language/temp/";
    QByteArray command("\x1C\x71", 2);
    command.append(char(pages));
    for (int k = 0; k < pages; ++k) {
        TtQTextEdit *page = window.pageEditor(k);
        const QImage image = page->downloadImage();
        const int X = image.width() / 8;
        const int Y = image.height() / 8;
        command.append(char(X & 0xFF))
            .append(char(X >> 8))
            .append(char(Y & 0xFF))
            .append(char(Y >> 8));
        QImage newImage(image.size(), QImage::Format_RGB888);
        newImage.fill(Qt::white);
        for (int c = 0; c < image.width(); ++c) {
            for (int b = 0; b < Y; ++b) {
                uchar byte = 0;
                for (int t = 0; t < 8; ++t) {
                    if (image.pixel(c, 8 * b + t) != 0xFFFFFFFF) {
                        byte |= uchar(0x80 >> t);
                        newImage.setPixel(c, 8 * b + t, 0xFF000000);
                    }
                }
                command.append(char(byte));
            }
        }
        newImage.save(folder + QString("newImage_%1.bmp").arg(k));
        page->pageImage.save(folder + QString("originImage_%1.bmp").arg(k));
    }
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules("*.debug=false");

    // The window reads its page count and height from beside the program; keep what was there.
    const QString languageDir = QCoreApplication::applicationDirPath() + "/language";
    QDir().mkpath(languageDir + "/temp");
    const QString settingsPath = languageDir + "/settings.ini";
    QByteArray previousSettings;
    const bool hadSettings = QFile::exists(settingsPath);
    if (hadSettings) {
        QFile file(settingsPath);
        if (file.open(QIODevice::ReadOnly))
            previousSettings = file.readAll();
    }
    {
        QFile file(settingsPath);
        if (!file.open(QIODevice::WriteOnly)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(settingsPath));
            return 1;
        }
        file.write(QStringLiteral("maxTabWidget=%1\neditTextMaxHeight=%2\n")
                       .arg(kPages)
                       .arg(kPageHeight)
                       .toUtf8());
    }

    TicketStation window;
    window.show();
    // The start-up design loads its pages on timers; let them settle before measuring.
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 1000)
        app.processEvents(QEventLoop::AllEvents, 50);

    const int pages = window.findChild<QTabWidget *>("tabWidget")->count();
    for (int i = 0; i < pages; ++i)
        addPicture(window.pageEditor(i), i);
    window.pageEditor(0)->renderPage();
    std::printf("design: %d pages, page 1 is %d x %d dots\n", pages,
                window.pageEditor(0)->pageImage.width(), window.pageEditor(0)->pageImage.height());

    window.onDownPic(); // warm-up: fonts, layouts
    // Where the time of one download goes.
    QList<TicketPage *> editors;
    for (int i = 0; i < pages; ++i)
        editors << window.pageEditor(i)->page();
    QList<QImage> rendered;
    DesignDownload prepared;
    const QString previewFolder = languageDir + "/temp/";
    const Figures render = median(kRuns, [&] { renderDesignPages(editors, &rendered); });
    const Figures encode = median(kRuns, [&] { prepared = prepareDownload(rendered); });
    const Figures previews = median(kRuns, [&] {
        for (int k = 0; k < prepared.pages.size(); ++k) {
            prepared.sentDots.at(k).save(previewFolder + QString("newImage_%1.bmp").arg(k));
            prepared.pages.at(k).save(previewFolder + QString("originImage_%1.bmp").arg(k));
        }
    });
    std::printf("stages (median processor ms): render %.1f, records + download images + NV "
                "encoding %.1f, previews %.1f\n",
                render.cpuMs, encode.cpuMs, previews.cpuMs);

    const Figures download = median(kRuns, [&] { window.onDownPic(); });
    const Figures literal = median(kLiteralRuns, [&] { literalDownload(window, pages); });
    std::printf("onDownPic, one render per page, previews written (%d runs, target 20 ms):\n"
                "  median %.1f ms wall, %.1f ms processor\n",
                kRuns, download.wallMs, download.cpuMs);
    std::printf("step by step, seven renders per page, pixel() encoding (%d runs):\n"
                "  median %.1f ms wall, %.1f ms processor\n",
                kLiteralRuns, literal.wallMs, literal.cpuMs);

    if (hadSettings) {
        QFile file(settingsPath);
        if (file.open(QIODevice::WriteOnly))
            file.write(previousSettings);
    } else {
        QFile::remove(settingsPath);
    }
    return 0;
}
