#!/bin/sh
# Redraws the toolbar and application artwork from the SVG sources in src/, and the
# application icon for the installed package under packaging/icons/.
# The PNGs and the .ico are committed, so building the program never needs these tools.
# Needs rsvg-convert (librsvg2-bin) and ImageMagick's convert.
# Usage: render.sh [contact-sheet.png]   (the optional sheet shows every icon at 24 px)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
src=$here/src
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Toolbar icons: drawn on a 48 grid and stored at 48 px so they stay crisp on high-DPI screens.
for svg in "$src"/*.svg; do
    name=$(basename "$svg" .svg)
    case $name in
    APP3) ;;
    drop-down)
        # The combo-box arrow is drawn at its own size by the style sheet, so it is kept small,
        # with a double-size variant that Qt picks on high-DPI screens.
        rsvg-convert -w 12 -h 12 "$svg" -o "$here/drop-down.png"
        rsvg-convert -w 24 -h 24 "$svg" -o "$here/drop-down@2x.png"
        ;;
    *) rsvg-convert -w 48 -h 48 "$svg" -o "$here/$name.png" ;;
    esac
done

for size in 16 32 48 256; do
    rsvg-convert -w $size -h $size "$src/APP3.svg" -o "$tmp/app_$size.png"
done
convert "$tmp/app_16.png" "$tmp/app_32.png" "$tmp/app_48.png" "$tmp/app_256.png" "$here/APP3.ico"

# The installed program's icon in the desktop's icon theme, one PNG per usual size.
for size in 16 24 32 48 64 128 256; do
    rsvg-convert -w $size -h $size "$src/APP3.svg" -o "$here/../../packaging/icons/$size.png"
done

if [ $# -ge 1 ]; then
    set --  "$1"
    for svg in "$src"/*.svg; do
        name=$(basename "$svg" .svg)
        rsvg-convert -w 24 -h 24 "$svg" -o "$tmp/sheet_$name.png"
        convert "$tmp/sheet_$name.png" -background "rgb(230,230,230)" -gravity center \
            -extent 40x40 -font DejaVu-Sans -pointsize 9 -fill black \
            label:"$name" -append "$tmp/cell_$name.png"
    done
    montage "$tmp"/cell_*.png -tile 8x -geometry 84x56+4+4 -background white "$1"
fi
