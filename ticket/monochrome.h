#pragma once

#include <QColor>
#include <QImage>

// Picture work for a printer that only makes black dots, free of widgets so it can be checked
// on images directly.

// How a picture that is not purely black and white is brought onto a page.
enum class PictureConversion
{
    Dither,    // Floyd–Steinberg error diffusion on luminance: grey levels become dot density
    Threshold, // luminance below 50 % prints, the rest stays paper
    AsIs,      // unchanged: every pixel that is not pure white prints black
};

// The operator's choice for one picture.
struct PictureImport
{
    PictureConversion mode = PictureConversion::Dither;
    bool scaleToPaper = true; // only matters for pictures wider than the page's content
};

// The picture as it sits on white paper: RGB888, partly transparent pixels blended with white.
QImage flattenOnWhite(const QImage &image);

// Whether every pixel, on white paper, is exactly black or exactly white. A null image is not.
bool isPureBlackAndWhite(const QImage &image);

// Luminance 0 … 255 of a colour (ITU-R BT.601 weights).
int luminance(QRgb rgb);

// 1-bit pictures: black where a dot prints, white elsewhere (Format_Mono, index 1 black).
QImage thresholdHalf(const QImage &image);
QImage ditherFloydSteinberg(const QImage &image);

// The picture scaled to the page's content width keeping its aspect ratio (at least one row
// high), so it prints whole between the margins; narrower pictures are returned unchanged.
QImage scaleToContentWidth(const QImage &image);

// The picture as it should enter a page: optionally scaled to the content width, then
// converted. AsIs keeps the pixels (scaling aside) so the operator's own choice is respected.
QImage convertForPaper(const QImage &image, PictureConversion mode, bool scaleToPaper);

// The dots a printer makes of a picture: black for anything but pure white. Format_Mono.
QImage printedDots(const QImage &image);

// Dots of a download image that print black only because their pixel is grey or coloured
// (neither pure white nor pure black), within the columns and eight-row bands an NV page
// carries. The mask has the image's size, Format_Mono, with index 1 marking such a dot.
QImage greyDotMask(const QImage &image, int *count = nullptr);

// `image` as RGB888 with every dot of `mask` painted in `colour`: index 1 of a 1-bit mask from
// this file, any non-white pixel of another picture.
QImage markDots(const QImage &image, const QImage &mask, const QColor &colour);
