#pragma once

#include "blockflag.h"

#include <QList>
#include <QString>

class QTextDocument;

// A placeholder mark in a page's text: characters on the background of a block colour.
struct PageMark
{
    BLOCK_FLAG flag = 0;
    int position = 0; // of its first character in the document
    int length = 0;
};

// Every mark in the text, in text order; characters of one colour that follow each other are
// one mark, whatever their other formats.
QList<PageMark> pageMarks(const QTextDocument *document);

// What the toolbar puts in for a mark: a sample of what the device prints there (its size on
// paper) on the mark's colour, then a space outside the mark so typing goes on unmarked.
QString markSampleHtml(BLOCK_FLAG flag);
