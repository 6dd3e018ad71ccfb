// Timing harness for page rendering and block lookup; prints median figures, asserts nothing.

#include "outlinetextdevice.h"
#include "pagepixels.h"
#include "testpages.h"
#include "ticketprintdata.h"
#include "ttqtextedit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QPainter>
#include <QTabWidget>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {

constexpr int kPages = 6;
constexpr int kRuns = 101;

QImage picture()
{
    // A monochrome logo-like picture: bands and a disc, as operators import them.
    QImage image(384, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (int y = 0; y < 200; y += 16)
        painter.drawRect(0, y, 384, 6);
    painter.drawEllipse(QPoint(192, 100), 80, 80);
    return image;
}

void addText(QTextCursor &cursor, const QString &text, int pointSize, Qt::Alignment alignment,
             const QColor &background = QColor())
{
    QTextBlockFormat block;
    block.setAlignment(alignment);
    cursor.insertBlock(block);
    QTextCharFormat format;
    format.setFontPointSize(pointSize);
    if (background.isValid())
        format.setBackground(background);
    cursor.insertText(text, format);
}

// One ticket as operators design them: a title, notes in two sizes, a picture and the three
// placeholder blocks.
void fillPage(TtQTextEdit &edit, int type)
{
    QTextCursor cursor(edit.document());
    addText(cursor, QStringLiteral("小票打印测试 %1").arg(type), 26, Qt::AlignHCenter);
    addText(cursor, QStringLiteral("欢迎光临，请按顺序等候叫号。Please wait for your number."), 10,
            Qt::AlignLeft);
    cursor.insertBlock();
    insertPicture(edit, cursor, QStringLiteral("picture%1").arg(type), picture());
    addText(cursor, QStringLiteral("号码："), 26, Qt::AlignHCenter);
    QTextCharFormat number;
    number.setFontPointSize(18);
    number.setBackground(blockColorMap().value(BLOCK_NUMBER));
    cursor.insertText(QStringLiteral("0001"), number);
    addText(cursor, QStringLiteral("剩余人数："), 14, Qt::AlignHCenter);
    QTextCharFormat queue;
    queue.setFontPointSize(14);
    queue.setBackground(blockColorMap().value(BLOCK_QUEUE));
    cursor.insertText(QStringLiteral("02"), queue);
    addText(cursor, QStringLiteral("02-02-2022 22:22:22"), 14, Qt::AlignHCenter,
            blockColorMap().value(BLOCK_DATETIME));
    // Enough closing notes to run past the bottom of the paper.
    for (int i = 0; i < 4; ++i)
        addText(cursor, QStringLiteral("请保管好您的票据，过号请重新取号。Thank you."), 12,
                Qt::AlignLeft);
}

qint64 threadCpuNs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

struct Median
{
    double wallMs;
    double cpuMs;
};

// Wall time suffers when other programs share the two cores; CPU time of this thread less so.
Median median(const std::function<void()> &work)
{
    std::vector<qint64> wall, cpu;
    work(); // warm caches and fonts
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        const qint64 cpuStart = threadCpuNs();
        timer.start();
        work();
        wall.push_back(timer.nsecsElapsed());
        cpu.push_back(threadCpuNs() - cpuStart);
    }
    std::nth_element(wall.begin(), wall.begin() + kRuns / 2, wall.end());
    std::nth_element(cpu.begin(), cpu.begin() + kRuns / 2, cpu.end());
    return {wall[kRuns / 2] / 1e6, cpu[kRuns / 2] / 1e6};
}

void report(const char *what, const std::function<void()> &work)
{
    const Median m = median(work);
    std::printf("  %-32s %8.3f ms wall %8.3f ms cpu\n", what, m.wallMs, m.cpuMs);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication app(argc, argv);

    QMainWindow window;
    auto *tabs = new QTabWidget;
    window.setCentralWidget(tabs);
    window.resize(500, 847);
    std::vector<TtQTextEdit *> pages;
    for (int type = 1; type <= kPages; ++type) {
        auto *container = new QWidget;
        auto *layout = new QHBoxLayout(container);
        auto *edit = new TtQTextEdit;
        edit->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        edit->setFixedWidth(kPaperDots);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        layout->addWidget(edit);
        fillPage(*edit, type);
        tabs->addTab(container, QStringLiteral("类型%1").arg(type));
        edit->typeIndex = type;
        pages.push_back(edit);
    }
    window.show();
    QApplication::processEvents();

    TtQTextEdit &page = *pages.front();
    page.renderPage();
    std::printf("page: %dx%d dots, blocks:", page.pageImage.width(), page.pageImage.height());
    for (BLOCK_FLAG flag : {BLOCK_NUMBER, BLOCK_DATETIME, BLOCK_QUEUE}) {
        const QRect r = page.findBlockRect(flag);
        std::printf(" %d@(%d,%d %dx%d)", flag, r.x(), r.y(), r.width(), r.height());
    }
    std::printf("\nmedian of %d runs, %d pages:\n", kRuns, kPages);

    report("renderPage", [&] { page.renderPage(); });
    // What filling the text's outlines costs against the glyphs Qt caches, for one page.
    const auto paintDocument = [&](bool outlines) {
        QImage image(kPaperDots, page.pageImage.height(), QImage::Format_RGB32);
        image.fill(Qt::white);
        OutlineTextDevice device(image);
        QPainter painter;
        if (outlines)
            painter.begin(&device);
        else
            painter.begin(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        page.document()->drawContents(&painter, QRectF(image.rect()));
    };
    report("page painted, Qt's cached glyphs", [&] { paintDocument(false); });
    report("page painted, text outlines", [&] { paintDocument(true); });
    report("findBlockRect", [&] { page.findBlockRect(BLOCK_DATETIME); });
    report("downloadImage", [&] { page.downloadImage(); });
    report("block records of all pages", [&] {
        for (TtQTextEdit *edit : pages) {
            for (BLOCK_FLAG flag : {BLOCK_NUMBER, BLOCK_DATETIME, BLOCK_QUEUE}) {
                _ticketContext ctx{};
                fillBlockRecord(ctx, flag, edit->findBlockRect(flag));
            }
        }
    });
    report("findBlockRectIn (pixels only)",
           [&] { findBlockRectIn(page.pageImage, BLOCK_DATETIME); });
    report("downloadImageOf (pixels only)", [&] { downloadImageOf(page.pageImage); });
    return 0;
}
