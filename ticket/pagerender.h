#pragma once

#include "blockflag.h"

#include <QImage>
#include <QRect>

class TicketPage;

// The page as the printer stores it: 384 dots wide, 24-bit RGB on white, cropped below its
// lowest ink. Null when the page's height is not one the device takes.
QImage renderPage(const TicketPage &page);
