#pragma once

#include "blockflag.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

class Design;

// One thing the operator should know about a design before it goes to the device.
struct DesignFinding
{
    enum Kind
    {
        PagesBeyondDevice, // the device has fewer ticket types than the design has pages
        BelowPageHeight,   // content below a page's height is cut off
        MarkPrintedBlack,  // a mark's second run prints as a black bar
        PictureCut,        // a picture reaches past the paper's edge
        MissingFont,       // a font the page names is not on this machine
        FontThisPcOnly,    // a font only this PC has, carried in the file when saved
        FontNotEmbeddable, // a font only this PC has whose licence keeps it from the file
    };
    Kind kind;
    QString text;
};

// The findings on the design, in the order the operator reads them: pages the device does not
// get, then, for the pages it gets, content below the height, marks, pictures and fonts.
// `rendered` holds those pages as renderPage gives them, in order; pages beyond it are rendered
// here. Empty when the design prints as designed.
QList<DesignFinding> checkDesign(const Design &design, const QList<QImage> &rendered = {});

QStringList findingTexts(const QList<DesignFinding> &findings);
// Whether the device would get less than the design holds.
bool leavesPagesOut(const QList<DesignFinding> &findings);

// The name of a mark, and what a mark button says when it selects the mark already on the page.
QString markName(BLOCK_FLAG flag);
QString markExistsNotice(BLOCK_FLAG flag);
