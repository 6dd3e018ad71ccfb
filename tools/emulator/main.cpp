// Ticket dispenser emulator: answers the version query, keeps what it is sent, and writes the
// NV pages it stores and the tickets it prints as PNG files.

#include "devicestate.h"
#include "emulatorline.h"
#include "framedecoder.h"
#include "pagemeasures.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QTextStream>
#include <QTimer>

#include <csignal>
#include <utility>

using namespace devicemodel;

namespace {

// A frame cut off mid-way is given up after this much silence; the program writes each frame
// whole, so a real gap inside one means bytes were lost.
constexpr int kPartialFrameTimeoutMs = 1000;

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

void logLine(const QString &line)
{
    out() << line << Qt::endl;
}

} // namespace

int main(int argc, char **argv)
{
    // Drawing tickets needs fonts but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    measurePagesAlike();
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ticketstation-emulator"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Ticket dispenser emulator. Prints \"PORT <path>\" with the line to connect "
                       "to (a pseudo-terminal, or tcp://127.0.0.1:<port> with --tcp), logs every "
                       "frame on standard output and writes nv_page_<k>.png for "
                       "every stored NV page (k from 0), preview_<k>.png for the ticket that page "
                       "gives with sample values, and print_<n>.png for every printed ticket "
                       "(n from 1)."));
    parser.addHelpOption();
    const QCommandLineOption outOption(QStringLiteral("out"),
                                       QStringLiteral("Folder for the PNG files (default: .)."),
                                       QStringLiteral("DIR"), QStringLiteral("."));
    const QCommandLineOption deviceOption(
        QStringLiteral("device"),
        QStringLiteral("Serve this serial device instead of a new pseudo-terminal."),
        QStringLiteral("PATH"));
    const QCommandLineOption versionOption(
        QStringLiteral("version"), QStringLiteral("Version text to answer (default: EMU-1.0)."),
        QStringLiteral("TEXT"), QStringLiteral("EMU-1.0"));
    const QCommandLineOption hangupOption(
        QStringLiteral("hangup-after"),
        QStringLiteral("Close the line after N frames and exit (fault injection)."),
        QStringLiteral("N"));
    const QCommandLineOption stopOption(
        QStringLiteral("stop-after"),
        QStringLiteral("Stop the process (SIGSTOP) after N frames, as a device that froze: the "
                       "line stays open and nothing is read or answered until SIGCONT (fault "
                       "injection)."),
        QStringLiteral("N"));
    const QCommandLineOption tcpOption(
        QStringLiteral("tcp"),
        QStringLiteral("Listen on this TCP port of 127.0.0.1 (0: any free one), as a serial "
                       "device server does, instead of a new pseudo-terminal."),
        QStringLiteral("PORT"));
    const QCommandLineOption sampleTimeOption(
        QStringLiteral("sample-time"),
        QStringLiteral("Date and time the preview tickets show, as yyyy-MM-ddTHH:mm:ss "
                       "(default: the moment the pages are stored)."),
        QStringLiteral("TIME"));
    parser.addOptions({outOption, deviceOption, versionOption, hangupOption, stopOption, tcpOption,
                       sampleTimeOption});
    parser.process(app);

    const QDir outDir(parser.value(outOption));
    if (!QDir().mkpath(outDir.absolutePath())) {
        logLine(QStringLiteral("cannot create output folder %1").arg(outDir.absolutePath()));
        return 2;
    }
    int hangupAfter = -1;
    int stopAfter = -1;
    for (const auto &[option, frames] :
         {std::pair{&hangupOption, &hangupAfter}, std::pair{&stopOption, &stopAfter}}) {
        if (!parser.isSet(*option))
            continue;
        bool ok = false;
        *frames = parser.value(*option).toInt(&ok);
        if (!ok || *frames < 0) {
            logLine(QStringLiteral("--%1 needs a number of frames").arg(option->names().first()));
            return 2;
        }
    }

    int tcpPort = -1;
    if (parser.isSet(tcpOption)) {
        bool ok = false;
        tcpPort = parser.value(tcpOption).toInt(&ok);
        if (!ok || tcpPort < 0 || tcpPort > 65535 || parser.isSet(deviceOption)) {
            logLine(QStringLiteral("--tcp needs a port number from 0 to 65535, and no --device"));
            return 2;
        }
    }

    SampleValues samples;
    if (parser.isSet(sampleTimeOption)) {
        samples.time = QDateTime::fromString(parser.value(sampleTimeOption), Qt::ISODate);
        if (!samples.time.isValid()) {
            logLine(QStringLiteral("--sample-time needs a date and time as yyyy-MM-ddTHH:mm:ss"));
            return 2;
        }
    }

    EmulatorLine line;
    const bool opened = tcpPort >= 0                 ? line.listenTcp(quint16(tcpPort))
                        : parser.isSet(deviceOption) ? line.openDevice(parser.value(deviceOption))
                                                     : line.openPty();
    if (!opened) {
        logLine(QStringLiteral("cannot open the line: %1").arg(line.errorString()));
        return 1;
    }

    DeviceState device(parser.value(versionOption));
    FrameDecoder decoder;
    int frames = 0;
    int prints = 0;
    QTimer partialTimer;
    partialTimer.setSingleShot(true);
    partialTimer.setInterval(kPartialFrameTimeoutMs);

    // What a frame causes is logged under the frame's own line.
    QStringList effects;
    auto savePng = [&](const QImage &image, const QString &name) {
        const QString path = outDir.filePath(name);
        effects << (image.save(path) ? QStringLiteral("  wrote %1")
                                     : QStringLiteral("  could not write %1"))
                       .arg(path);
    };

    QObject::connect(&device, &DeviceState::reply, &line, &EmulatorLine::write);
    QObject::connect(&device, &DeviceState::note,
                     [&](const QString &text) { effects << QStringLiteral("  %1").arg(text); });
    QObject::connect(&device, &DeviceState::nvPagesStored, [&](const QList<QImage> &pages) {
        for (int k = 0; k < pages.size(); ++k) {
            savePng(pages.at(k), QStringLiteral("nv_page_%1.png").arg(k));
            const QImage preview = device.previewTicket(k, samples);
            if (!preview.isNull())
                savePng(preview, QStringLiteral("preview_%1.png").arg(k));
        }
    });
    QObject::connect(&device, &DeviceState::ticketPrinted, [&](const QImage &ticket) {
        savePng(ticket, QStringLiteral("print_%1.png").arg(++prints));
    });
    QObject::connect(&partialTimer, &QTimer::timeout, [&] {
        const int dropped = decoder.discardPartial();
        if (dropped > 0)
            logLine(QStringLiteral("[reject] %1 bytes of an unfinished frame dropped after %2 ms "
                                   "of silence")
                        .arg(dropped)
                        .arg(kPartialFrameTimeoutMs));
    });
    QObject::connect(&line, &EmulatorLine::received, [&](const QByteArray &bytes) {
        for (const FrameDecoder::Event &event : decoder.feed(bytes)) {
            if (event.isFault()) {
                logLine(QStringLiteral("[reject] %1").arg(event.fault));
                continue;
            }
            ++frames;
            const Frame &frame = event.frame;
            const QString what = device.handleFrame(frame);
            logLine(QStringLiteral("[frame %1] %2 len %3: %4")
                        .arg(frames)
                        .arg(frameTypeName(frame.type))
                        .arg(frame.len)
                        .arg(what));
            for (const QString &effect : qAsConst(effects))
                logLine(effect);
            effects.clear();
            if (frames == stopAfter) {
                logLine(QStringLiteral("stopping after %1 frames").arg(frames));
                // Its reply has been written; from here on the device reads and answers nothing.
                std::raise(SIGSTOP);
            }
            if (hangupAfter >= 0 && frames >= hangupAfter) {
                logLine(QStringLiteral("hanging up after %1 frames").arg(frames));
                line.close();
                QCoreApplication::exit(0);
                return;
            }
        }
        if (decoder.pendingBytes() > 0)
            partialTimer.start();
        else
            partialTimer.stop();
    });
    QObject::connect(&line, &EmulatorLine::lost, [](const QString &why) {
        logLine(QStringLiteral("line lost: %1").arg(why));
        QCoreApplication::exit(1);
    });

    logLine(QStringLiteral("PORT %1").arg(line.path()));
    if (hangupAfter == 0) {
        logLine(QStringLiteral("hanging up after 0 frames"));
        line.close();
        return 0;
    }
    return app.exec();
}
