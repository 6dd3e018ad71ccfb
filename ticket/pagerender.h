#pragma once

#include "blockflag.h"

#include <QImage>
#include <QRect>

class TicketPage;

// The page as the printer stores it: 384 dots wide, 24-bit RGB on white, cropped below its
// lowest ink. Null when the page's height is not one the device takes.
QImage renderPage(const TicketPage &page);

// The block's rectangle on the rendered page; empty when the page has no such block.
QRect findBlockRect(const TicketPage &page, BLOCK_FLAG flag);

// The rendered page with its placeholder rectangles painted white, as it goes into the NV image.
QImage downloadImage(const TicketPage &page);
