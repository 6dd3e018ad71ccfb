#pragma once

#include <QString>

#include <cstdio>

// Writes `text` to `stream` and flushes it. A Windows console gets it as UTF-16, so that a
// Chinese page name reads right on a PC whose code page has no Chinese; files, pipes and
// terminals elsewhere get the local 8-bit encoding.
void writeText(FILE *stream, const QString &text);
