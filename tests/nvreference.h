#pragma once

#include <QByteArray>
#include <QImage>

// One page of the NV image command built the long way, pixel by pixel with pixel(), as a
// reference for the encoder: X = width / 8, Y = height / 8 little-endian, then for every column
// its Y band bytes top to bottom, bit 7 the band's top pixel, 1 for anything but pure white.
inline QByteArray referenceNvPage(const QImage &image)
{
    const int X = image.width() / 8;
    const int Y = image.height() / 8;
    QByteArray out;
    for (int value : {X, Y}) {
        out.append(char(value & 0xFF));
        out.append(char((value >> 8) & 0xFF));
    }
    for (int c = 0; c < 8 * X; ++c) {
        for (int b = 0; b < Y; ++b) {
            uchar byte = 0;
            for (int t = 0; t < 8; ++t)
                if (image.pixel(c, 8 * b + t) != 0xFFFFFFFF)
                    byte |= uchar(0x80 >> t);
            out.append(char(byte));
        }
    }
    return out;
}
