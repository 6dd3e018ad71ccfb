#include "ticketpreview.h"

#include "datapacket.h"
#include "devicestate.h"
#include "monochrome.h"
#include "pagedownload.h"

QList<TicketPreview> previewTickets(const DesignDownload &download, const QDateTime &now)
{
    devicemodel::SampleValues values;
    values.time = now;
    return previewTickets(download, values);
}

QList<TicketPreview> previewTickets(const DesignDownload &download,
                                    const devicemodel::SampleValues &values)
{
    devicemodel::DeviceState device(QString{});
    devicemodel::FrameDecoder decoder;
    for (const QByteArray &frame : downloadFrames(download)) {
        for (const devicemodel::FrameDecoder::Event &event : decoder.feed(frame)) {
            if (!event.isFault())
                device.handleFrame(event.frame);
        }
    }

    QList<TicketPreview> previews;
    for (int k = 0; k < download.images.size(); ++k) {
        TicketPreview preview;
        preview.renderedHeight = download.pages.at(k).height();
        preview.sentHeight = preview.renderedHeight / 8 * 8;
        preview.ticket = device.previewTicket(k, values);
        if (!preview.ticket.isNull()) {
            const QImage mask = greyDotMask(download.images.at(k), &preview.greyDots);
            preview.marked = markDots(preview.ticket, mask, greyDotColour());
        }
        previews.append(preview);
    }
    return previews;
}

TicketPreview previewPage(const QImage &renderedPage, const devicemodel::SampleValues &values)
{
    if (renderedPage.isNull())
        return {};
    return previewTickets(prepareDownload({renderedPage}), values).value(0);
}
