#include "portrun.h"

#include "interrupt.h"
#include "progressview.h"

#include <QEventLoop>
#include <QTimer>

#include <memory>
#include <vector>

namespace {

// How often the run looks whether Ctrl-C was pressed: the handler may only set a flag.
constexpr int kInterruptPollMs = 50;

struct PortJob
{
    std::unique_ptr<Dispenser> dispenser;
    int sent = 0;
    int frames = 0;
    bool done = false;
    PortResult result;
};

// What a job that failed says about the device it leaves behind.
QString failureText(Dispenser::Job job, Dispenser::Failure failure, int sent, int frames)
{
    const bool download = job == Dispenser::Download;
    const QString incomplete =
        download ? QStringLiteral(": the device keeps an incomplete design until the next "
                                  "complete download")
                 : QStringLiteral(": not everything was sent");
    const QString leftBehind =
        sent == 0        ? QStringLiteral(" before anything was sent")
        : sent == frames ? QStringLiteral(" before the device answered")
                         : QStringLiteral(" at %1 of %2 frames").arg(sent).arg(frames) + incomplete;
    switch (failure) {
    case Dispenser::LineLost:
        return QStringLiteral("line lost") + leftBehind;
    case Dispenser::Stalled:
        return QStringLiteral("the line stopped taking data") + leftBehind;
    case Dispenser::Cancelled:
        return QStringLiteral("interrupted") + leftBehind;
    case Dispenser::NotConfirmed:
        break;
    }
    if (job == Dispenser::Version)
        return QStringLiteral("no answer to the version query");
    if (download)
        return QStringLiteral("the design was sent, but the device did not answer afterwards; "
                              "it may not have stored it");
    return QStringLiteral("sent, but the device did not answer afterwards");
}

} // namespace

PortResults runOnPorts(const QStringList &ports, const PortOrder &order, ProgressView *view)
{
    QEventLoop loop;
    std::vector<std::unique_ptr<PortJob>> jobs;
    int running = 0;
    PortResults results;

    auto finish = [&](int index, bool ok, const QString &text) {
        PortJob &job = *jobs.at(size_t(index));
        if (job.done)
            return;
        job.done = true;
        job.result.ok = ok;
        job.result.text = text;
        if (view)
            view->setFinished(index, ok, text);
        if (--running == 0)
            loop.quit();
    };

    for (int i = 0; i < ports.size(); ++i) {
        jobs.push_back(std::make_unique<PortJob>());
        PortJob &job = *jobs.back();
        job.result.port = ports.at(i);
        job.dispenser = std::make_unique<Dispenser>(order.timing);
        Dispenser *dispenser = job.dispenser.get();
        ++running;

        QObject::connect(dispenser, &Dispenser::jobProgress,
                         [&, i](Dispenser::Job, int sent, int frames) {
                             PortJob &progressing = *jobs.at(size_t(i));
                             progressing.sent = sent;
                             progressing.frames = frames;
                             if (view)
                                 view->setProgress(i, transferPercentage(sent, frames));
                         });
        QObject::connect(dispenser, &Dispenser::jobConfirmed, [&, i, dispenser](Dispenser::Job) {
            finish(i, true,
                   order.job == Dispenser::Version ? dispenser->version() : order.doneText);
        });
        QObject::connect(
            dispenser, &Dispenser::jobFailed,
            [&, i](Dispenser::Job failed, Dispenser::Failure failure, int sent, int frames) {
                finish(i, false, failureText(failed, failure, sent, frames));
            });
        QObject::connect(dispenser, &Dispenser::openFailed, [&, i](const QString &why) {
            finish(i, false, QStringLiteral("cannot open: %1").arg(why));
        });
        if (!dispenser->open(ports.at(i))) {
            finish(i, false, QStringLiteral("cannot open: %1").arg(dispenser->errorString()));
            continue;
        }
        order.start(*dispenser);
    }

    const InterruptWatch interrupts;
    QTimer interruptPoll;
    QObject::connect(&interruptPoll, &QTimer::timeout, [&] {
        if (!interrupts.interruptRequested())
            return;
        interruptPoll.stop();
        results.interrupted = true;
        for (size_t i = 0; i < jobs.size(); ++i) {
            PortJob &job = *jobs.at(i);
            // Frames still waiting are dropped, which fails the job; one written whole and
            // waiting for the device's answer is given up as well.
            job.dispenser->cancel();
            finish(int(i), false,
                   failureText(order.job, Dispenser::Cancelled, job.sent, job.frames));
        }
    });
    interruptPoll.start(kInterruptPollMs);
    if (running > 0)
        loop.exec();

    for (const auto &job : jobs)
        results.ports << job->result;
    return results;
}
