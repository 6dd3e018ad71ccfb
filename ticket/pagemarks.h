#pragma once

#include "blockflag.h"

#include <QList>

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
