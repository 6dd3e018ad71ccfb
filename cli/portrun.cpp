#include "portrun.h"

#include "progressview.h"

#include <QEventLoop>
#include <QTimer>

#include <memory>
#include <vector>

namespace {

// A port whose transfer has not moved for this long has stopped taking data: at the device's
// pace a frame goes out every few hundred milliseconds.
constexpr int kMinStallMs = 5000;
constexpr int kStallGaps = 10;

struct PortJob
{
    std::unique_ptr<Dispenser> dispenser;
    QTimer stall;
    int percent = 0;
    bool done = false;
    PortResult result;
};

} // namespace

QList<PortResult> runOnPorts(const QStringList &ports, const PortOrder &order, ProgressView *view)
{
    QEventLoop loop;
    std::vector<std::unique_ptr<PortJob>> jobs;
    int running = 0;

    auto finish = [&](int index, bool ok, const QString &text) {
        PortJob &job = *jobs.at(size_t(index));
        if (job.done)
            return;
        job.done = true;
        job.stall.stop();
        job.result.ok = ok;
        job.result.text = text;
        if (view)
            view->setFinished(index, ok, text);
        if (--running == 0)
            loop.quit();
    };
    const QString incomplete = order.task == PortOrder::Download
                                   ? QStringLiteral(": the device holds an incomplete design")
                                   : QStringLiteral(": not everything was sent");

    for (int i = 0; i < ports.size(); ++i) {
        jobs.push_back(std::make_unique<PortJob>());
        PortJob &job = *jobs.back();
        job.result.port = ports.at(i);
        job.dispenser = std::make_unique<Dispenser>(order.timing);
        Dispenser *dispenser = job.dispenser.get();
        ++running;

        job.stall.setSingleShot(true);
        job.stall.setInterval(qMax(kMinStallMs, kStallGaps * order.timing.link.sendGap));
        QObject::connect(&job.stall, &QTimer::timeout, [&, i, dispenser] {
            dispenser->close();
            finish(i, false,
                   QStringLiteral("the line stopped taking data at %1 %")
                           .arg(jobs.at(size_t(i))->percent) +
                       incomplete);
        });
        QObject::connect(dispenser, &Dispenser::lost, [&, i](bool duringDownload) {
            const PortJob &lostJob = *jobs.at(size_t(i));
            if (order.task == PortOrder::AskVersion)
                finish(i, false, QStringLiteral("line lost before the device answered"));
            else if (order.task == PortOrder::Download && !duringDownload)
                finish(i, false, QStringLiteral("line lost"));
            else
                finish(i, false,
                       QStringLiteral("line lost mid-%1 at %2 %")
                               .arg(order.task == PortOrder::Download ? "download" : "transfer")
                               .arg(lostJob.percent) +
                           incomplete);
        });

        switch (order.task) {
        case PortOrder::Download:
            QObject::connect(dispenser, &Dispenser::progress, [&, i](int percent) {
                PortJob &progressing = *jobs.at(size_t(i));
                progressing.percent = percent;
                progressing.stall.start();
                if (view)
                    view->setProgress(i, percent);
            });
            QObject::connect(dispenser, &Dispenser::finished,
                             [&, i] { finish(i, true, QStringLiteral("done")); });
            break;
        case PortOrder::Send:
            QObject::connect(&dispenser->link(), &SerialPort::sgnTransmissionProgress,
                             [&, i](int percent) {
                                 jobs.at(size_t(i))->percent = percent;
                                 jobs.at(size_t(i))->stall.start();
                             });
            QObject::connect(&dispenser->link(), &SerialPort::sgnQueueEmpty,
                             [&, i] { finish(i, true, order.sentText); });
            break;
        case PortOrder::AskVersion:
            QObject::connect(dispenser, &Dispenser::versionReceived,
                             [&, i](const QString &version) { finish(i, true, version); });
            QObject::connect(dispenser, &Dispenser::noAnswer, [&, i] {
                finish(i, false, QStringLiteral("no answer to the version query"));
            });
            break;
        }

        QObject::connect(dispenser, &Dispenser::openFailed, [&, i](const QString &why) {
            finish(i, false, QStringLiteral("cannot open: %1").arg(why));
        });
        if (!dispenser->open(ports.at(i))) {
            finish(i, false, QStringLiteral("cannot open: %1").arg(dispenser->errorString()));
            continue;
        }
        if (order.task == PortOrder::Download)
            dispenser->download(*order.download);
        else if (order.task == PortOrder::Send)
            order.send(*dispenser);
        if (order.task == PortOrder::AskVersion)
            continue;
        // A network port's frames wait for its connection, which has a timeout of its own.
        if (dispenser->link().isConnecting())
            QObject::connect(&dispenser->link(), &SerialPort::sgnConnected, &job.stall,
                             qOverload<>(&QTimer::start));
        else
            job.stall.start();
    }
    if (running > 0)
        loop.exec();

    QList<PortResult> results;
    for (const auto &job : jobs)
        results << job->result;
    return results;
}
