#!/usr/bin/env bash
# Makes the pictures under resources/ that are derived from another one:
#   icons/orvanta.svg  -> icons/orvanta-{16,24,32,48,64,128,256}.png, logo.png (the 32 px one)
#   those PNGs         -> icons/orvanta.ico (16 px in 16 colours; 16, 24, 32 px in 256)
#   cursors/hand.png   -> cursors/hand.cur (hot spot on the fingertip at 5,0)
# minimize.png and cursors/hand.png are pixel art drawn by hand: they are sources, edit them
# in any image editor. The results are committed, so a build needs none of these tools.
# Needs: rsvg-convert (librsvg2-bin), convert (imagemagick), icotool (icoutils).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
res=$root/resources
for tool in rsvg-convert convert icotool; do
    command -v "$tool" >/dev/null || {
        echo "make-icons: $tool is missing (apt-get install librsvg2-bin imagemagick icoutils)" >&2
        exit 1
    }
done

for size in 16 24 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" "$res/icons/orvanta.svg" -o "$res/icons/orvanta-$size.png"
done
cp "$res/icons/orvanta-32.png" "$res/logo.png"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Paletted Windows icons keep transparency in a one-bit mask. Half-covered edge pixels get
# the outline colour beneath them before the colours are cut down, so the rim stays dark
# rather than fading towards black; icotool then picks 4 or 8 bits from the colour count.
palette() { # in.png colours out.png
    convert "$1" \
        \( +clone -background '#1b2a3c' -alpha remove -alpha off +dither -colors "$2" \) \
        \( -clone 0 -alpha extract -threshold 50% \) \
        -delete 0 -alpha off -compose CopyOpacity -composite "PNG32:$3"
}
palette "$res/icons/orvanta-16.png" 15 "$tmp/16-c16.png"
palette "$res/icons/orvanta-16.png" 255 "$tmp/16.png"
palette "$res/icons/orvanta-24.png" 255 "$tmp/24.png"
palette "$res/icons/orvanta-32.png" 255 "$tmp/32.png"
icotool -c -o "$res/icons/orvanta.ico" "$tmp/16-c16.png" "$tmp/16.png" "$tmp/24.png" "$tmp/32.png"

icotool -c --cursor -X 5 -Y 0 -o "$res/cursors/hand.cur" "$res/cursors/hand.png"

echo "make-icons: wrote the icons, logo.png and the hand cursor under $res"
icotool -l "$res/icons/orvanta.ico" "$res/cursors/hand.cur"
