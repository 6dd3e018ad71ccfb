#include "clicommands.h"

#include "clirequest.h"
#include "consoletext.h"
#include "designjobs.h"
#include "devicecommands.h"
#include "portrun.h"
#include "progressview.h"
#include "stationsettings.h"
#include "ticketpreview.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

namespace {

void printLine(FILE *stream, const QString &text)
{
    writeText(stream, text + QLatin1Char('\n'));
}

int unusable(const QString &why)
{
    printLine(stderr, QStringLiteral("ticketstation-cli: %1").arg(why));
    return kExitUnusable;
}

bool sameFile(const QString &a, const QString &b)
{
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

int render(const CliRequest &request, const DesignDownload &download)
{
    if (!QDir().mkpath(request.out))
        return unusable(QStringLiteral("cannot create the folder %1").arg(request.out));
    const QDir out(request.out);
    const QList<TicketPreview> previews = previewTickets(download, request.samples);
    QStringList problems;
    for (int k = 0; k < download.sentDots.size(); ++k) {
        // The NV image carries whole eight-row bands; the rows below them never reach the
        // device, so the page is the bands alone, one bit a dot.
        const QImage &sent = download.sentDots.at(k);
        const int storedRows = sent.height() / 8 * 8;
        const QImage ticket = previews.value(k).ticket;
        if (storedRows == 0 || ticket.isNull()) {
            problems << QStringLiteral("page %1 (%2 dots tall) is too short for the device to "
                                       "keep; it has no images")
                            .arg(k + 1)
                            .arg(sent.height());
            continue;
        }
        const QList<QPair<QString, QImage>> files{
            {QStringLiteral("page-%1.png").arg(k + 1),
             sent.copy(0, 0, sent.width(), storedRows)
                 .convertToFormat(QImage::Format_Mono, Qt::ThresholdDither)},
            {QStringLiteral("ticket-%1.png").arg(k + 1), ticket}};
        for (const auto &file : files) {
            const QString path = out.filePath(file.first);
            if (sameFile(path, request.designPath))
                return unusable(QStringLiteral("%1 would overwrite the design").arg(path));
            if (!file.second.save(path, "PNG"))
                return unusable(QStringLiteral("cannot write %1").arg(path));
            printLine(stdout, path);
        }
    }
    for (const QString &problem : qAsConst(problems))
        printLine(stderr, QStringLiteral("ticketstation-cli: %1").arg(problem));
    return problems.isEmpty() ? 0 : kExitUnusable;
}

int bytes(const CliRequest &request, const DesignDownload &download)
{
    QByteArray bytes;
    for (const QByteArray &frame : downloadFrames(download))
        bytes += frame;
    if (request.out.isEmpty()) {
        if (standardOutputIsTerminal())
            return unusable("the bytes are binary: give --out FILE or redirect standard output");
        if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) !=
                size_t(bytes.size()) ||
            std::fflush(stdout) != 0)
            return unusable("cannot write to standard output");
        return 0;
    }
    if (sameFile(request.out, request.designPath))
        return unusable(QStringLiteral("%1 would overwrite the design").arg(request.out));
    // Written whole or not at all, so a failed run leaves no half download behind.
    QSaveFile file(request.out);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return unusable(QStringLiteral("cannot write %1: %2").arg(request.out, file.errorString()));
    return 0;
}

int devices(const CliRequest &request, PortOrder order)
{
    order.timing.link.sendGap = request.sendGap;
    order.timing.answerTimeout = request.answerWait;
    order.timing.stallTimeout = request.stallTime;
    // The command line sends only what it was asked to, and the version query that confirms it.
    order.timing.versionQueryDelay = -1;
    order.timing.livenessInterval = -1;
    std::unique_ptr<ProgressView> view;
    if (order.job == Dispenser::Download)
        view =
            std::make_unique<ProgressView>(request.ports, ProgressView::terminalOutput(), stdout);

    const PortResults results = runOnPorts(request.ports, order, view.get());
    int failed = 0;
    for (const PortResult &result : results.ports) {
        if (!result.ok) {
            ++failed;
            continue;
        }
        if (view)
            continue;
        // A single port's version is printed alone, so scripts can take it as it is.
        printLine(stdout, results.ports.size() == 1 && order.job == Dispenser::Version
                              ? result.text
                              : QStringLiteral("%1: %2").arg(result.port, result.text));
    }
    for (const PortResult &result : results.ports) {
        if (!result.ok)
            printLine(stderr,
                      QStringLiteral("ticketstation-cli: %1: %2").arg(result.port, result.text));
    }
    if (results.interrupted)
        return kExitInterrupted;
    return failed == 0 ? 0 : kExitDeviceFailed;
}

QString settingsText(const SystemConfigValues &values)
{
    QStringList limits;
    for (int limit : values.numberLimits)
        limits << QString::number(limit);
    return QStringLiteral("network %1, numbers start again at %2:00, interval %3, limits %4 "
                          "(%5), number format %6")
        .arg(values.netWork)
        .arg(values.clearNumberTime, 0, 16)
        .arg(values.ticketingInterval)
        .arg(values.enableLimit ? "on" : "off")
        .arg(limits.join(QLatin1Char(' ')))
        .arg(values.numberFormatIndex == 0 ? "0001" : "   1");
}

// The design at `path` with `pages` pages (0: as many as it holds) of `maxHeight` dots; null,
// with `error` naming the file, when the file cannot be used. The file is never written.
std::unique_ptr<Design> readDesign(const QString &path, int pages, int maxHeight, QString *error)
{
    auto design = std::make_unique<Design>(StationSettings().pageCount, maxHeight);
    const OpenedDesign opened = openDesign(*design, path, false);
    if (!opened.error.isEmpty()) {
        *error = QStringLiteral("%1: %2").arg(path, opened.error);
        return nullptr;
    }
    // Pages the file does not hold are blank; those beyond the count are left out.
    while (pages > 0 && design->pageCount() > pages)
        design->removePage(design->pageCount() - 1);
    while (design->pageCount() < pages)
        design->addPage(QString());
    return design;
}

// The download of the design, its findings told on standard error; false, having said why,
// when the design cannot be sent as it is and the request does not ask to go on.
bool prepareDesign(const CliRequest &request, const Design &design, DesignDownload *download)
{
    const PreparedDownload prepared = prepareDownload(design);
    if (!prepared.ok()) {
        unusable(QStringLiteral("%1: %2").arg(request.designPath, prepared.error));
        return false;
    }
    for (const QString &finding : findingTexts(prepared.findings))
        printLine(stderr,
                  QStringLiteral("ticketstation-cli: %1: %2").arg(request.designPath, finding));
    if (leavesPagesOut(prepared.findings) && !request.force) {
        unusable(QStringLiteral("%1 has pages the device does not take; give --force to go on "
                                "without them")
                     .arg(request.designPath));
        return false;
    }
    *download = prepared.download;
    return true;
}

} // namespace

int runCommand(const CliRequest &request)
{
    std::unique_ptr<Design> design;
    if (!request.designPath.isEmpty()) {
        QString error;
        design = readDesign(request.designPath, request.pages, request.maxHeight, &error);
        if (!design)
            return unusable(error);
    }

    DesignDownload download;
    if ((request.command == Command::Render || request.command == Command::Bytes ||
         request.command == Command::Download) &&
        !prepareDesign(request, *design, &download))
        return kExitUnusable;

    PortOrder order;
    switch (request.command) {
    case Command::Render:
        return render(request, download);
    case Command::Bytes:
        return bytes(request, download);
    case Command::Download:
        order.job = Dispenser::Download;
        order.start = [&download](Dispenser &dispenser) {
            return dispenser.download(download);
        };
        return devices(request, order);
    case Command::TestPrint: {
        const PreparedTestPrint print = prepareTestPrint(*design, request.testPage - 1);
        if (!print.ok())
            return unusable(QStringLiteral("%1: %2").arg(request.designPath, print.error));
        order.job = Dispenser::TestPrint;
        const QByteArray data = print.data;
        order.start = [data](Dispenser &dispenser) {
            return dispenser.testPrint(data);
        };
        order.detail = QStringLiteral("page %1").arg(request.testPage);
        return devices(request, order);
    }
    case Command::SetClock: {
        const QDateTime time =
            request.clock.isValid() ? request.clock : QDateTime::currentDateTime();
        order.job = Dispenser::Clock;
        order.start = [time](Dispenser &dispenser) {
            return dispenser.setClock(time);
        };
        order.detail = time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        return devices(request, order);
    }
    case Command::Settings: {
        DesignSettings settings = design ? design->settings() : DesignSettings();
        request.settings.applyTo(settings);
        const SystemConfigValues values = systemConfigValues(settings);
        order.job = Dispenser::Settings;
        order.start = [values](Dispenser &dispenser) {
            return dispenser.sendSettings(values);
        };
        order.detail = settingsText(values);
        return devices(request, order);
    }
    case Command::Version:
        order.job = Dispenser::Version;
        order.start = [](Dispenser &dispenser) {
            return dispenser.queryVersion();
        };
        return devices(request, order);
    }
    return kExitUnusable;
}
