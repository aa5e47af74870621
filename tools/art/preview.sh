#!/bin/sh
# Builds an enlarged look-over sheet of both character frames: on the night sky,
# standing on a band the way the game places her (image top 18 px above the band's
# top), and on each band colour. Writes to ${1:-/tmp/lumabels-preview.png}.
set -e
here=$(cd "$(dirname "$0")" && pwd)
img="$here/../../assets/images"
out=${1:-/tmp/lumabels-preview.png}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# A band of six 16 px stripes, 60 px wide, on the sky.
convert -size 60x96 xc:'rgb(255,0,0)' \
    \( -size 60x16 xc:'rgb(255,128,0)' \) -geometry +0+16 -composite \
    \( -size 60x16 xc:'rgb(255,255,0)' \) -geometry +0+32 -composite \
    \( -size 60x16 xc:'rgb(0,255,0)' \) -geometry +0+48 -composite \
    \( -size 60x16 xc:'rgb(0,128,255)' \) -geometry +0+64 -composite \
    \( -size 60x16 xc:'rgb(128,128,255)' \) -geometry +0+80 -composite \
    "$tmp/band.png"

n=0
for frame in open closed; do
    sprite="$img/character-$frame.png"
    # Scene: sky, band top at y = 30, sprite drawn 18 px above it.
    convert -size 60x110 xc:'rgb(0,0,128)' "$tmp/band.png" -geometry +0+30 -composite \
        "$sprite" -geometry +19+12 -composite "$tmp/s$n.png"
    tiles="$tmp/s$n.png"
    for c in '0,0,128' '255,0,0' '255,128,0' '255,255,0' '0,255,0' '0,128,255' '128,128,255'; do
        n=$((n + 1))
        convert -size 26x40 xc:"rgb($c)" "$sprite" -geometry +2+2 -composite \
            -gravity south -background "rgb($c)" -extent 26x110 "$tmp/t$n.png"
        tiles="$tiles $tmp/t$n.png"
    done
    # shellcheck disable=SC2086
    convert $tiles -background 'rgb(40,40,40)' -splice 2x0 +append "$tmp/row-$frame.png"
done
convert "$tmp/row-open.png" "$tmp/row-closed.png" -background 'rgb(40,40,40)' -splice 0x2 -append \
    -scale 400% "$out"
echo "$out"
