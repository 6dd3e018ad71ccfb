#pragma once

#include <QColor>
#include <QMap>

// The kind of a placeholder block; 0 in a block record means the block is absent.
using BLOCK_FLAG = int;
constexpr BLOCK_FLAG BLOCK_NUMBER = 1;
constexpr BLOCK_FLAG BLOCK_DATETIME = 2;
constexpr BLOCK_FLAG BLOCK_QUEUE = 3;

// A placeholder is ordinary text on a background of its own colour; the rasteriser finds
// blocks by exact match against this map.
inline const QMap<BLOCK_FLAG, QColor> &blockColorMap()
{
    static const QMap<BLOCK_FLAG, QColor> map{{BLOCK_NUMBER, QColor("#e1ddfa")},
                                              {BLOCK_DATETIME, QColor("#fadbc0")},
                                              {BLOCK_QUEUE, QColor("#fac3c3")}};
    return map;
}
