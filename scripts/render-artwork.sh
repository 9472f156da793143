#!/usr/bin/env bash
# Regenerates Velloran's raster artwork (pictures, calendar wheel, icons,
# cursors) from the SVG sources under assets/art.
#
# Needs rsvg-convert (librsvg2-bin) and ImageMagick's convert.
# The rendered files are committed; the build does not run this script.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
art="$root/assets/art"
out="$root/assets"
bg="#004040"

for tool in rsvg-convert convert; do
    command -v "$tool" >/dev/null 2>&1 || { echo "render-artwork: $tool not found" >&2; exit 1; }
done

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

# render_png SVG WIDTH HEIGHT OUT.png  (keeps transparency, no metadata chunks)
render_png() {
    local svg=$1 w=$2 h=$3 dest=$4
    mkdir -p "$(dirname "$dest")"
    rsvg-convert -w "$w" -h "$h" -f png -o "$tmp/raw.png" "$svg"
    convert "$tmp/raw.png" -strip -define png:exclude-chunks=date,time,tIME "PNG32:$dest"
    check_size "$dest" "$w" "$h"
}

# render_jpeg SVG WIDTH HEIGHT OUT.jpg  (flattened on the window colour, baseline, no metadata)
render_jpeg() {
    local svg=$1 w=$2 h=$3 dest=$4
    mkdir -p "$(dirname "$dest")"
    rsvg-convert -w "$w" -h "$h" -f png -o "$tmp/raw.png" "$svg"
    convert "$tmp/raw.png" -background "$bg" -alpha remove -alpha off -colorspace sRGB \
        -strip -quality 90 -sampling-factor 4:2:0 -interlace none "$dest"
    check_size "$dest" "$w" "$h"
}

check_size() {
    local got
    got="$(identify -format '%wx%h' "$1")"
    if [ "$got" != "$2x$3" ]; then
        echo "render-artwork: $1 is $got, expected $2x$3" >&2
        exit 1
    fi
}

# Reference pictures: group position width height
while read -r group pos w h; do
    render_jpeg "$art/$group/$pos.svg" "$w" "$h" "$out/reference/pictures/$group/$pos.jpg"
done <<'LIST'
elements 0 78 88
elements 1 78 88
elements 2 78 88
elements 3 78 88
elements 4 78 88
gods 0 92 122
gods 1 116 116
gods 2 94 150
gods 3 105 110
gods 4 65 119
gods 5 94 132
gods 6 62 124
gods 7 107 124
gods 8 78 105
gods 9 78 117
gods 10 79 126
gods 11 83 150
goddesses 0 96 133
goddesses 1 97 133
goddesses 2 93 124
goddesses 3 76 129
goddesses 4 87 111
goddesses 5 84 124
LIST

# Calendar page wheel
render_png "$art/calendar/wheel.svg" 90 90 "$out/calendar/picture.png"

# Program icon (16 px has its own pixel-snapped drawing)
render_png "$art/icon/velloran-16.svg" 16 16 "$out/icons/hicolor/16x16/velloran.png"
for n in 32 48 64 128 256; do
    render_png "$art/icon/velloran.svg" "$n" "$n" "$out/icons/hicolor/${n}x${n}/velloran.png"
done
mkdir -p "$out/icons/hicolor/scalable"
cp "$art/icon/velloran.svg" "$out/icons/hicolor/scalable/velloran.svg"

# Link cursors
render_png "$art/cursors/hand.svg" 32 32 "$out/cursors/hand.png"
# The two-colour cursor: every pixel is opaque black, opaque white or fully transparent.
rsvg-convert -w 32 -h 32 -f png -o "$tmp/raw.png" "$art/cursors/cobrand.svg"
convert "$tmp/raw.png" \
    \( +clone -alpha extract -threshold 50% \) \
    \( -clone 0 -alpha off -colorspace gray -threshold 50% \) \
    -delete 0 +swap -alpha off -compose copy-opacity -composite \
    -strip -define png:exclude-chunks=date,time,tIME "PNG32:$out/cursors/cobrand.png"
check_size "$out/cursors/cobrand.png" 32 32

echo "render-artwork: done"
