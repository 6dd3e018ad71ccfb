// The byte stream the emulated dispenser reads from the line: frame headers and lengths, the
// printer commands inside print data (NV bit images, text commands) and what the device does
// with them. The stream is fed once whole and once in pieces; the frames must not depend on
// how the line happened to cut it. Printed tickets are not drawn (nothing receives them): a
// ticket may be tens of thousands of rows tall and cost as much as hundreds of other inputs;
// the device model's tests draw hostile tickets instead.

#include "devicestate.h"
#include "framedecoder.h"
#include "fuzzsupport.h"

#include <cstdlib>

using namespace devicemodel;

namespace {

QList<Frame> framesOf(const QList<FrameDecoder::Event> &events)
{
    QList<Frame> frames;
    for (const FrameDecoder::Event &event : events) {
        if (!event.isFault())
            frames.append(event.frame);
    }
    return frames;
}

bool sameFrames(const QList<Frame> &a, const QList<Frame> &b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i) {
        if (a[i].type != b[i].type || a[i].len != b[i].len || a[i].payload != b[i].payload)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Printed tickets are drawn with fonts.
    startFuzzApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    // The first byte chooses the piece sizes; the rest is the line.
    const unsigned cut = data[0];
    const QByteArray stream(reinterpret_cast<const char *>(data + 1), int(size - 1));

    FrameDecoder whole;
    const QList<Frame> frames = framesOf(whole.feed(stream));

    FrameDecoder pieces;
    QList<FrameDecoder::Event> events;
    unsigned step = cut;
    for (int pos = 0; pos < stream.size();) {
        step = step * 1103515245u + 12345u;
        const int length = 1 + int((step >> 16) % (cut % 64 + 1));
        // Pieces point into the stream: a copy of each would cost more than decoding it.
        events += pieces.feed(
            QByteArray::fromRawData(stream.constData() + pos, qMin(length, stream.size() - pos)));
        pos += length;
    }
    if (!sameFrames(frames, framesOf(events)))
        abort();

    DeviceState device(QStringLiteral("FUZZ-1.0"));
    for (const Frame &frame : frames)
        device.handleFrame(frame);
    return 0;
}
