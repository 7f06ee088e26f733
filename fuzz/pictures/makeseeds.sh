#!/usr/bin/env bash
# Makes the fuzzers' seed pictures with ImageMagick: a few tiny files of each kind that the
# decoders know, so that fuzzing starts from valid structure. Run from anywhere; rewrites
# fuzz/pictures/seeds/.
set -euo pipefail
convert=/usr/bin/convert
here="$(cd "$(dirname "$0")" && pwd)"
seeds="$here/seeds"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Two small pictures: a gradient of many colours with alpha, and one of few colours with runs.
$convert -size 7x5 gradient:red-blue -alpha set -channel A -fx 'i/w' +channel "$work/many.png"
$convert -size 12x6 xc:white -fill red -draw 'rectangle 0,0 5,2' -fill blue \
    -draw 'rectangle 6,3 11,5' "$work/few.png"

rm -rf "$seeds"
mkdir -p "$seeds"/{decodepicture,bmp,icon,pcx}

# bmp NAME FORMAT OPTIONS...
bmp() { $convert "$work/$1" "${@:4}" "$3:$seeds/bmp/$2"; }
bmp many.png 24bit.bmp BMP3 -alpha off
bmp few.png 8bit.bmp BMP3 -type palette -colors 20 -compress None
bmp few.png 4bit.bmp BMP3 -type palette -compress None
bmp few.png 1bit.bmp BMP3 -monochrome
bmp few.png rle8.bmp BMP3 -type palette -colors 20 -compress RLE
bmp many.png rgb565.bmp BMP -alpha off -define bmp:subtype=RGB565
bmp many.png argb8888.bmp BMP -define bmp:subtype=ARGB8888

icon() { $convert "$work/$1" "${@:3}" "ICO:$seeds/icon/$2"; }
icon many.png alpha.ico
icon few.png palette.ico -type palette
$convert "$work/many.png" -resize 256x256! "ICO:$seeds/icon/png-inside.ico"

$convert "$work/few.png" -type palette "PCX:$seeds/pcx/palette.pcx"
$convert "$work/many.png" -alpha off "PCX:$seeds/pcx/planes.pcx"

d="$seeds/decodepicture"
cp "$seeds/bmp/24bit.bmp" "$seeds/bmp/rle8.bmp" "$seeds/icon/alpha.ico" "$seeds/pcx/palette.pcx" "$d/"
$convert "$work/many.png" -alpha off -quality 80 "JPEG:$d/baseline.jpg"
$convert "$work/many.png" -alpha off -interlace JPEG "JPEG:$d/progressive.jpg"
$convert "$work/many.png" -alpha off -colorspace CMYK "JPEG:$d/cmyk.jpg"
$convert "$work/few.png" -colorspace Gray "JPEG:$d/grey.jpg"
$convert "$work/many.png" "PNG32:$d/rgba.png"
$convert "$work/few.png" "PNG8:$d/palette.png"
$convert "$work/many.png" -interlace PNG "PNG48:$d/interlaced16.png"
$convert -delay 10 "$work/few.png" -delay 20 "$work/many.png" -loop 0 "GIF:$d/animation.gif"
$convert "$work/few.png" -interlace GIF "GIF:$d/interlaced.gif"

# ImageMagick writes no 1-bit PCX: an 8 × 2 one, version 3, built byte by byte.
{
    printf '\x0a\x03\x01\x01\x00\x00\x00\x00\x07\x00\x01\x00'
    head -c 53 /dev/zero
    printf '\x01\x02\x00'
    head -c 60 /dev/zero
    printf '\xc2\xaa\xc2\x55'
} > "$seeds/pcx/onebit.pcx"
cp "$seeds/pcx/onebit.pcx" "$d/"
