#pragma once

// The paper of the dispenser's thermal printer: every width, height and resolution the program
// uses comes from here.

// Dots across the printed line, and the bytes one dot row takes in a bit image.
constexpr int kPaperDots = 384;
constexpr int kPaperBytes = kPaperDots / 8;
constexpr int kDotsPerMm = 8;

// Width a page's text is laid out at: the editor's 384 dots less its one-dot frame on either
// side and its 8-dot scroll bar, as a page taller than its editor has always been laid out.
constexpr int kPageTextWidth = 374;
// The page's margin inside that width, and what is left for its content.
constexpr int kPageMargin = 4;
constexpr int kPageContentWidth = kPageTextWidth - 2 * kPageMargin;

// Page heights the device takes (it carries them in 16 bits; a page shorter than one eight-row
// band carries nothing it keeps), and the default.
constexpr int kMinPageHeight = 8;
constexpr int kMaxPageHeight = 0xFFFF;
constexpr int kDefaultPageHeight = 480;

// Rows kept below the lowest ink of a page.
constexpr int kCropMargin = 30;
