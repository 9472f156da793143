#!/usr/bin/env bash
# Regenerates Velloran's raster artwork (pictures, calendar wheel, icons,
# cursors) from the SVG sources under assets/art.
#
# Needs rsvg-convert (librsvg2-bin) and ImageMagick's convert: scripts/setup.sh --art.
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

# The pictures are drawn for each scale a screen is commonly set to, so that each is
# shown at the screen's device pixels as drawn, not resampled: NAME.EXT at 100 % and
# NAME@1.25x.EXT to NAME@3x.EXT beside it (175 % too, which Windows offers on many laptops),
# each in the shape of the frame that shows it.
scales="1 1.25 1.5 1.75 2 3"
# scaled LENGTH SCALE: the length in device pixels, rounded as Qt rounds it
scaled() { awk -v n="$1" -v s="$2" 'BEGIN { printf "%d", int(n * s + 0.5) }'; }
# at SCALE: the file name's mark for the scale
at() { [ "$1" = 1 ] || echo "@${1}x"; }

# Reference pictures: group, and the inside of its picture frame in logical pixels.
while read -r group w h; do
    for svg in "$art/$group"/*.svg; do
        pos="$(basename "$svg" .svg)"
        for s in $scales; do
            render_jpeg "$svg" "$(scaled "$w" "$s")" "$(scaled "$h" "$s")" \
                "$out/reference/pictures/$group/$pos$(at "$s").jpg"
        done
    done
done <<'LIST'
elements 78 88
gods 95 131
goddesses 95 131
LIST

# Calendar page wheel, 90 x 90
for s in $scales; do
    n="$(scaled 90 "$s")"
    render_png "$art/calendar/wheel.svg" "$n" "$n" "$out/calendar/picture$(at "$s").png"
done

# Program icon: the sizes of the icon theme, and those that the windows' 32-pixel picture
# and 16-pixel title-bar icon take at 125, 150, 175 and 300 %. Below 32 pixels it has a
# simpler drawing of its own, snapped to the pixels at 16.
for n in 16 20 24 28; do
    render_png "$art/icon/velloran-16.svg" "$n" "$n" "$out/icons/hicolor/${n}x${n}/velloran.png"
done
for n in 32 40 48 56 64 96 128 256; do
    render_png "$art/icon/velloran.svg" "$n" "$n" "$out/icons/hicolor/${n}x${n}/velloran.png"
done
mkdir -p "$out/icons/hicolor/scalable"
cp "$art/icon/velloran.svg" "$out/icons/hicolor/scalable/velloran.svg"

# Link cursors, 32 logical pixels
for s in $scales; do
    n="$(scaled 32 "$s")"
    render_png "$art/cursors/hand.svg" "$n" "$n" "$out/cursors/hand$(at "$s").png"
    # The two-colour cursor: every pixel is opaque black, opaque white or fully transparent.
    rsvg-convert -w "$n" -h "$n" -f png -o "$tmp/raw.png" "$art/cursors/cobrand.svg"
    convert "$tmp/raw.png" \
        \( +clone -alpha extract -threshold 50% \) \
        \( -clone 0 -alpha off -colorspace gray -threshold 50% \) \
        -delete 0 +swap -alpha off -compose copy-opacity -composite \
        -strip -define png:exclude-chunks=date,time,tIME "PNG32:$out/cursors/cobrand$(at "$s").png"
    check_size "$out/cursors/cobrand$(at "$s").png" "$n" "$n"
done

echo "render-artwork: done"
