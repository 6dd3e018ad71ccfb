#pragma once

#include "layouttable.h"

#include <QByteArray>
#include <QImage>
#include <QList>

// What a download sends the dispenser, built from rendered pages so it can be checked without
// widgets or a port.

// One page of an FS q NV bit image command: xL xH yL yH, then column-major bit data.
// `sentDots`, when given, receives the dots actually sent (black on white).
QByteArray nvPageData(const QImage &image, QImage *sentDots = nullptr);

// The layout table for rendered pages (placeholder colours included) in tab order: per page
// 0x66, the block records of the number, date-and-time and queue blocks, and the page height.
// Entries without a page, and pages past the sixth, are not filled.
QByteArray layoutTable(const QList<QImage> &pages);

// The FS q command defining every image as an NV page: 1C 71 n, then each page's data.
// `sentDots`, when given, receives one image of the sent dots per page.
QByteArray nvImageCommand(const QList<QImage> &images, QList<QImage> *sentDots = nullptr);
