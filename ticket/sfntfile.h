#pragma once

#include <QByteArray>

#include <functional>

// Qt hands out a face's tables, not its file; these are the tables a face may have (outlines in
// TrueType or CFF form, layout, metrics, names, colour and bitmaps).
constexpr const char *kFaceTables[] = {
    "cmap", "head", "hhea", "hmtx", "maxp", "name", "OS/2", "post", "glyf", "loca", "CFF ",
    "CFF2", "VORG", "cvt ", "fpgm", "prep", "gasp", "hdmx", "kern", "vhea", "vmtx", "GDEF",
    "GSUB", "GPOS", "BASE", "JSTF", "MATH", "fvar", "gvar", "avar", "HVAR", "VVAR", "MVAR",
    "STAT", "COLR", "CPAL", "EBDT", "EBLC", "CBDT", "CBLC", "sbix", "SVG "};

// A font file of the face whose tables `table` gives by tag (empty for a table the face lacks),
// every glyph kept; empty when the face has none of kFaceTables.
QByteArray sfntFromTables(const std::function<QByteArray(const char *tag)> &table);
