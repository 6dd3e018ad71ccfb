#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

class TicketPage;

// Everything a download of the design sends, built from pages rendered once, so the download
// and its print preview cannot derive the dots differently.
struct DesignDownload
{
    QList<QImage> pages;    // as rendered, placeholder colours included
    QList<QImage> images;   // what goes into the NV image: placeholder rectangles white
    QList<QImage> sentDots; // per page, the dots the NV image carries, black on white
    QByteArray layoutTable;
    QByteArray nvCommand;
};

// One message for the serial link, cut into frames there.
struct DownloadMessage
{
    qint32 type = 0;
    QByteArray data;
};

// Renders each page once, in tab order. False, with `fault` telling why, when a page is missing
// or cannot be rendered: half a design must not be sent.
bool renderDesignPages(const QList<TicketPage *> &designPages, QList<QImage> *pages,
                       QString *fault = nullptr);

// The layout table, the NV image command and the dots it carries, for rendered pages.
DesignDownload prepareDownload(const QList<QImage> &pages);

// The download in the order it goes over the line: layout table, printer reset, NV images.
QList<DownloadMessage> downloadMessages(const DesignDownload &download);

// Those messages cut into frames, exactly as they go over the line.
QList<QByteArray> downloadFrames(const DesignDownload &download);
