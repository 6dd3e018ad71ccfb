#pragma once

#include <QByteArray>
#include <QImage>

// One page of an FS q NV bit image command: xL xH yL yH, then column-major bit data.
// `sentDots`, when given, receives the dots actually sent (black on white).
QByteArray nvPageData(const QImage &image, QImage *sentDots = nullptr);
