// Timing harness for the program's fonts; prints median figures, asserts nothing.
//   bench_fonts            start-up with the shipped faces registered (each run a fresh
//                          process), and Save of the default design carrying a face to embed
//   bench_fonts --startup  one start: what the parent times

#include "design.h"
#include "designfile.h"
#include "fontembedding.h"
#include "ticketpage.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QProcess>
#include <QTextDocument>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 11;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// A start as the programs make it: the application, the faces registered, the first page laid
// out in them. Prints the milliseconds inside the process and those of the registration alone.
int startOnce(int argc, char **argv)
{
    QElapsedTimer total;
    total.start();
    QGuiApplication app(argc, argv);
    QElapsedTimer registering;
    registering.start();
    const QStringList failed = registerProgramFonts();
    const double registered = registering.nsecsElapsed() / 1e6;
    TicketPage page;
    page.setHtml(QStringLiteral("<p style=\"font-family:'WenQuanYi Micro Hei'; "
                                "font-size:26pt\">小票8打印测试 Łódź</p>"));
    page.isCut();
    std::printf("%f %f %d\n", total.nsecsElapsed() / 1e6, registered, int(failed.size()));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && QByteArray(argv[1]) == "--startup")
        return startOnce(argc, argv);

    QGuiApplication app(argc, argv);
    std::vector<double> wall, inside, registering;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--startup")});
        child.waitForFinished(60000);
        wall.push_back(timer.nsecsElapsed() / 1e6);
        const QList<QByteArray> figures = child.readAllStandardOutput().simplified().split(' ');
        inside.push_back(figures.value(0).toDouble());
        registering.push_back(figures.value(1).toDouble());
    }
    std::printf("start-up (median of %d processes): %.1f ms wall, %.1f ms from QGuiApplication "
                "to the first page laid out, of which %.1f ms registering the shipped faces "
                "(target: start-up within 150 ms)\n",
                kRuns, median(wall), median(inside), median(registering));

    // Save of the default design with one paragraph in a face the program does not ship.
    registerProgramFonts();
    if (QFontDatabase::addApplicationFont(QStringLiteral(TS_THIS_PC_FONT)) < 0) {
        std::printf("cannot register %s\n", TS_THIS_PC_FONT);
        return 1;
    }
    const DesignReadResult read =
        readDesignFile(QStringLiteral(TS_GOLDEN_DIR "/default/design.json"));
    Design design;
    design.loadJson(read.root);
    for (TicketPage *page : design.pages())
        page->setHtml(page->document()->toHtml() +
                      QStringLiteral("<p style=\"font-family:'DejaVu Sans Mono'\">Kolejka 0042 "
                                     "zażółć gęślą jaźń</p>"));
    QTemporaryDir dir;
    std::vector<double> saves;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        design.saveAs(dir.filePath(QStringLiteral("design.json")));
        saves.push_back(timer.nsecsElapsed() / 1e6);
    }
    const qint64 carrying = QFileInfo(dir.filePath(QStringLiteral("design.json"))).size();
    writeDesignFile(dir.filePath(QStringLiteral("bare.json")), design.toJson());
    const qint64 bare = QFileInfo(dir.filePath(QStringLiteral("bare.json"))).size();
    std::printf("Save of the default design with a face to embed (median of %d): %.1f ms "
                "(target: within 500 ms); file %lld bytes, %lld without the face (its file: "
                "%lld bytes)\n",
                kRuns, median(saves), carrying, bare,
                QFileInfo(QStringLiteral(TS_THIS_PC_FONT)).size());
    return 0;
}
