#include "portrun.h"

#include "jobtexts.h"
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
            // A version is printed alone, so scripts can take it as it is.
            if (order.job == Dispenser::Version)
                finish(i, true, dispenser->version());
            else if (order.detail.isEmpty())
                finish(i, true, jobConfirmedText(order.job));
            else
                finish(i, true,
                       QStringLiteral("%1 (%2)").arg(jobConfirmedText(order.job), order.detail));
        });
        QObject::connect(
            dispenser, &Dispenser::jobFailed,
            [&, i](Dispenser::Job failed, Dispenser::Failure failure, int sent, int frames) {
                finish(i, false, jobFailedText(failed, failure, sent, frames));
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
                   jobFailedText(order.job, Dispenser::Cancelled, job.sent, job.frames));
        }
    });
    interruptPoll.start(kInterruptPollMs);
    if (running > 0)
        loop.exec();

    for (const auto &job : jobs)
        results.ports << job->result;
    return results;
}
