#pragma once

#include "blockflag.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

class QObject;
class QTabWidget;
class TicketPage;

// What the operator should know about a design before it prints, one text per finding: content
// below a page's height, marks whose second run prints as a black bar, pictures reaching past
// the paper's edge, fonts this machine lacks with the shipped ones drawn instead, fonts only
// this PC has and fonts whose licence keeps them from travelling with the design. `rendered` holds
// the pages as renderPage gives them, in order; pages beyond it are rendered here. Empty when
// the design prints as designed.
QStringList printNotices(const QList<TicketPage *> &pages, const QStringList &titles,
                         const QList<QImage> &rendered = {});

// The pages' titles, as the window's tabs show them.
QStringList pageTitles(const QTabWidget &tabs);

// What a mark button says when it selects the mark of its kind already on the page.
QString markExistsNotice(BLOCK_FLAG flag);
