#pragma once

#include "pagepixels.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

// Pictures whose every pixel the tests know, whatever fonts the machine has, and ways to
// compare what prints.

// The placeholder backgrounds as they stand on a rendered page.
constexpr QRgb kNumber = 0xFFE1DDFA;
constexpr QRgb kDateTime = 0xFFFADBC0;
constexpr QRgb kQueue = 0xFFFAC3C3;

struct Picture
{
    QSize size;
    QRgb colour;
};

// A solid RGB32 picture.
QImage solidImage(QSize size, const QColor &colour);

QImage whitePage(int height, int width = kPaperDots, QImage::Format format = QImage::Format_RGB888);

void paint(QImage &image, const QRect &rect, QRgb colour);
// Whether every pixel of `rect` is pure white.
bool allWhite(const QImage &image, const QRect &rect);

// Whether the first `rows` rows of two pictures of one width show the same dots (white paper,
// anything else ink), leaving out the pixels inside `except`.
bool sameDotsInRows(const QImage &a, const QImage &b, int rows, const QList<QRect> &except = {});

// Whether two pictures of one size show the same dots, leaving out the pixels inside `except`.
bool sameDots(const QImage &a, const QImage &b, const QList<QRect> &except = {});
