// Provisioning harness: ticketstation-cli downloads the six-page design to one emulated
// dispenser, then to eight at once, at the device's own 300 ms pacing. Prints the wall time of
// each run, the ratio eight to one, whether every stored page is the design's, and the CLI's
// peak memory in every round. Asserts nothing; a round takes about as long as the design's
// frames times the pacing (some 40 s).
//
// `bench_provision ROUNDS --mixed` provisions four instead of eight: two emulators behind
// loopback TCP ports (as behind serial device servers) and two on pseudo-terminals, against
// one on a pseudo-terminal.

#include "devicestate.h"
#include "emulatorsession.h"

#include "monochrome.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QLoggingCategory>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

const QString kDesign = QStringLiteral(TS_GOLDEN_DIR "/six-full/design.json");
constexpr int kPages = 6;
constexpr int kPorts = 8;
constexpr int kMixedPorts = 4;
constexpr int kDefaultRounds = 10;

struct CliRun
{
    bool ok = false;
    double wallS = 0;
    double peakMb = 0;
};

// Runs the CLI as a child of its own, so its peak memory alone is reported when it is reaped;
// the event loop keeps running meanwhile, so the emulators' logs are read.
CliRun runCli(const QStringList &arguments)
{
    std::vector<QByteArray> texts{QByteArray(CLI_PATH)};
    for (const QString &argument : arguments)
        texts.push_back(argument.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &text : texts)
        argv.push_back(text.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    QElapsedTimer clock;
    clock.start();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, CLI_PATH, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    CliRun run;
    if (spawned != 0)
        return run;
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, WNOHANG, &usage) == 0)
        QTest::qWait(5);
    run.wallS = clock.nsecsElapsed() / 1e9;
    run.peakMb = usage.ru_maxrss / 1024.0;
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

// The pages a device keeps from the design's download, as the CLI writes its bytes.
QList<QImage> expectedPages()
{
    QProcess cli;
    cli.start(QStringLiteral(CLI_PATH), {"bytes", kDesign, "--pages", QString::number(kPages)});
    if (!cli.waitForFinished(60000) || cli.exitCode() != 0)
        return {};
    devicemodel::DeviceState device{QString()};
    devicemodel::FrameDecoder decoder;
    for (const devicemodel::FrameDecoder::Event &event : decoder.feed(cli.readAllStandardOutput()))
        if (!event.isFault())
            device.handleFrame(event.frame);
    QList<QImage> pages;
    for (const QImage &page : device.nvPages())
        pages << printedDots(page);
    return pages;
}

struct Round
{
    CliRun cli;
    int identicalPages = 0;
};

// `tcpPorts` of the `ports` emulators listen on TCP, the rest serve pseudo-terminals.
Round provision(int ports, const QList<QImage> &expected, int tcpPorts = 0)
{
    std::vector<std::unique_ptr<QTemporaryDir>> dirs;
    std::vector<std::unique_ptr<EmulatorSession>> emulators;
    QStringList arguments{"download", kDesign, "--pages", QString::number(kPages)};
    for (int i = 0; i < ports; ++i) {
        dirs.push_back(std::make_unique<QTemporaryDir>());
        emulators.push_back(std::make_unique<EmulatorSession>());
        QStringList options{"--out", dirs.back()->path()};
        if (i < tcpPorts)
            options << "--tcp"
                    << "0";
        if (!emulators.back()->start(EMULATOR_PATH, options))
            return {};
        arguments << "--port" << emulators.back()->portPath();
    }
    Round round;
    round.cli = runCli(arguments);
    const QString lastPage = QStringLiteral("nv_page_%1.png").arg(expected.size() - 1);
    for (int i = 0; i < ports; ++i) {
        if (!emulators.at(size_t(i))->waitForLog(lastPage, 10000))
            continue;
        for (int k = 0; k < expected.size(); ++k) {
            const QImage stored(
                QDir(dirs.at(size_t(i))->path()).filePath(QStringLiteral("nv_page_%1.png").arg(k)));
            round.identicalPages += printedDots(stored) == expected.at(k);
        }
    }
    return round;
}

void print(const char *label, const Round &round, int pages)
{
    std::printf("%-16s %6.1f s  CLI peak %5.1f MB  stored pages identical %d/%d%s\n", label,
                round.cli.wallS, round.cli.peakMb, round.identicalPages, pages,
                round.cli.ok ? "" : "  (CLI FAILED)");
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules("*.debug=false");
    const int rounds = argc > 1 ? qMax(1, QByteArray(argv[1]).toInt()) : kDefaultRounds;
    const bool mixed = argc > 2 && QByteArray(argv[2]) == "--mixed";
    const int ports = mixed ? kMixedPorts : kPorts;
    const int tcpPorts = mixed ? kMixedPorts / 2 : 0;

    const QList<QImage> expected = expectedPages();
    if (expected.size() != kPages) {
        std::fprintf(stderr, "the CLI gave no download of %s\n", qPrintable(kDesign));
        return 1;
    }
    std::printf("six-page design to emulated dispensers at the device's 300 ms pacing\n");
    const Round one = provision(1, expected);
    print("one port", one, kPages);

    std::vector<double> times;
    std::vector<double> peaks;
    int identical = 0;
    const char *name = mixed ? "four ports (two over TCP, two over terminals)" : "eight ports";
    for (int r = 1; r <= rounds; ++r) {
        const Round many = provision(ports, expected, tcpPorts);
        const QByteArray label =
            QStringLiteral("%1, round %2").arg(mixed ? "four" : "eight").arg(r).toLatin1();
        print(label.constData(), many, ports * kPages);
        times.push_back(many.cli.wallS);
        peaks.push_back(many.cli.peakMb);
        identical += many.identicalPages;
    }
    std::vector<double> sorted = times;
    std::sort(sorted.begin(), sorted.end());
    const double median = sorted[sorted.size() / 2];
    std::printf("%s (median of %d) / one port: %.1f s / %.1f s = %.3f\n", name, rounds, median,
                one.cli.wallS, median / one.cli.wallS);
    std::printf("stored pages identical to the design: %d of %d\n", identical + one.identicalPages,
                (rounds * ports + 1) * kPages);
    const auto [low, high] = std::minmax_element(peaks.begin(), peaks.end());
    std::printf("CLI peak memory, %s, over %d rounds: %.1f .. %.1f MB (one port %.1f MB)\n", name,
                rounds, *low, *high, one.cli.peakMb);
    return 0;
}
