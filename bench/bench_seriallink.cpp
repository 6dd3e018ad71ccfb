// Sends a 97-chunk transfer through the serial link to a pseudo-terminal and prints the
// progress reports, the gaps between frames and the payload rate the fixed pacing gives.
#include "datapacket.h"
#include "ptypair.h"
#include "serialport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    constexpr int kFrames = 97;

    PtyPair pty;
    SerialPort link({PACKET_PRINT_DAT, chunkFrames});
    if (!pty.isValid() || !link.openSerialPort(pty.slavePath())) {
        out << "cannot open a pseudo-terminal\n";
        return 1;
    }

    QByteArray payload(kFrames * kPacketMaxData, Qt::Uninitialized);
    for (int i = 0; i < payload.size(); ++i)
        payload[i] = char((i * 13 + i / 1024) & 0xFF);
    QByteArray expected;
    for (const QByteArray &frame : chunkFrames(PACKET_PRINT_DAT, payload))
        expected += frame;

    QList<int> reports;
    QList<qint64> times;
    QElapsedTimer clock;
    QObject::connect(&link, &SerialPort::sgnTransmissionProgress, [&](int percentage) {
        reports.append(percentage);
        times.append(clock.elapsed());
    });

    clock.start();
    link.sendDat(payload);
    const QByteArray received = pty.read(expected.size(), kFrames * 400 + 2000);
    const qint64 total = clock.elapsed();

    QList<qint64> gaps;
    for (int i = 1; i < times.size(); ++i)
        gaps.append(times.at(i) - times.at(i - 1));
    std::sort(gaps.begin(), gaps.end());
    qint64 sum = 0;
    for (qint64 gap : gaps)
        sum += gap;

    out << "frames written:      " << reports.size() << " of " << kFrames << "\n";
    out << "bytes intact:        " << (received == expected ? "yes" : "NO") << " ("
        << received.size() << " of " << expected.size() << ")\n";
    out << "first/last report:   " << (reports.isEmpty() ? -1 : reports.first()) << " / "
        << (reports.isEmpty() ? -1 : reports.last()) << " %\n";
    if (!gaps.isEmpty()) {
        out << "gap min/mean/max:    " << gaps.first() << " / " << sum / gaps.size() << " / "
            << gaps.last() << " ms\n";
    }
    out << "first frame after:   " << (times.isEmpty() ? -1 : times.first()) << " ms\n";
    out << "total time:          " << total << " ms\n";
    out << "payload rate:        " << (total > 0 ? payload.size() * 1000 / total : 0)
        << " bytes/s\n";
    return received == expected && !reports.isEmpty() && reports.last() == 100 ? 0 : 1;
}
