#pragma once

#include <QColor>
#include <QDateTime>
#include <QImage>
#include <QList>

struct DesignDownload;

namespace devicemodel {
struct SampleValues;
}

// Colour that shows a dot printed black only because its pixel was grey or coloured.
inline QColor greyDotColour()
{
    return QColor(230, 60, 20);
}

// One page as the dispenser would print it after the download.
struct TicketPreview
{
    QImage ticket;          // the printed ticket from the device model, black on white
    QImage marked;          // the ticket with grey-only dots in greyDotColour()
    int greyDots = 0;       // number of those dots
    int renderedHeight = 0; // height of the page as rendered
    int sentHeight = 0;     // rows the NV image carries (whole eight-row bands)
};

// Hands the download's bytes, framed as on the line, to the same device model the emulator
// runs, and asks it for each stored page's ticket with sample values at `now`. A page the
// device would not keep gives a null ticket.
QList<TicketPreview> previewTickets(const DesignDownload &download, const QDateTime &now);
// The same with other sample values in the blocks.
QList<TicketPreview> previewTickets(const DesignDownload &download,
                                    const devicemodel::SampleValues &values);

// One rendered page alone as the dispenser prints it, through the same download and device
// model; the ticket is null when the device would not keep the page.
TicketPreview previewPage(const QImage &renderedPage, const devicemodel::SampleValues &values);
