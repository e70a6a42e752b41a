#!/usr/bin/env bash
# Makes the pictures under resources/ that are derived from another one:
#   icons/orvanta.svg  -> icons/orvanta-{16,24,32,48,64,128,256}.png, logo.png (the 32 px one)
#   icons/orvanta.svg  -> icons/orvanta.ico (16, 20, 24, 32, 40, 48, 64 px in 32 bits with
#                         alpha, 256 px as PNG: the sizes Windows asks for at 100 to 250 %)
#   cursors/hand.png   -> cursors/hand.cur (hot spot on the fingertip at 5,0)
# minimize.png and cursors/hand.png are pixel art drawn by hand: they are sources, edit them
# in any image editor. The results are committed, so a build needs none of these tools.
# Needs: rsvg-convert (librsvg2-bin) and icotool (icoutils).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
res=$root/resources
for tool in rsvg-convert icotool; do
    command -v "$tool" >/dev/null || {
        echo "make-icons: $tool is missing (apt-get install librsvg2-bin icoutils)" >&2
        exit 1
    }
done

for size in 16 24 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" "$res/icons/orvanta.svg" -o "$res/icons/orvanta-$size.png"
done
cp "$res/icons/orvanta-32.png" "$res/logo.png"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Every size drawn from the SVG itself rather than scaled from a neighbour, so each is sharp.
# Thirty-two bits keep the anti-aliased rim; the 256 px image goes in as PNG (-r), as
# Windows Vista and later read it, which keeps the file small.
ico=()
for size in 16 20 24 32 40 48 64; do
    rsvg-convert --width "$size" --height "$size" "$res/icons/orvanta.svg" -o "$tmp/$size.png"
    ico+=("$tmp/$size.png")
done
icotool -c -b 32 -o "$res/icons/orvanta.ico" "${ico[@]}" -r "$res/icons/orvanta-256.png"

icotool -c --cursor -X 5 -Y 0 -o "$res/cursors/hand.cur" "$res/cursors/hand.png"

echo "make-icons: wrote the icons, logo.png and the hand cursor under $res"
icotool -l "$res/icons/orvanta.ico" "$res/cursors/hand.cur"
