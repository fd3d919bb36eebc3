#!/bin/sh
# Draws the pictures of the edit controls into controls/res/ (ImageMagick 6 `convert`):
# the browse button's open folder (14x12) and the date button's calendar sheet with its greyed twin
# (28x12), on magenta, which the buttons treat as transparent; the calendar's four navigation arrows
# (8x6, black on white); and the hand and drag cursors (32x32, hot spot written into the file).
set -eu
out="$(cd "$(dirname "$0")/.." && pwd)/controls/res"
mkdir -p "$out"
bmp() { name=$1; shift; convert "$@" +set date:create +set date:modify "BMP3:$out/$name"; }

# Drawn without smoothing: a blended edge pixel would be neither the picture's colour nor the magenta.
bmp feditbmp.bmp -size 14x12 xc:'#ff00ff' +antialias \
    -fill '#8a6a10' -draw 'rectangle 1,2 5,3' -draw 'rectangle 1,3 12,10' \
    -fill '#f0c840' -draw 'rectangle 2,4 11,9' \
    -fill '#ffe890' -draw 'polygon 3,6 12,6 11,9 2,9' -type truecolor

sheet() { # file, colour of the rings, of the header, of the days
    bmp "$1" -size 14x12 xc:'#ff00ff' -fill "$4" -draw 'rectangle 1,1 12,11' -fill '#ffffff' -draw 'rectangle 2,4 11,10' \
        -fill "$3" -draw 'rectangle 2,1 11,3' -fill "$2" -draw 'point 4,0' -draw 'point 9,0' \
        -fill "$4" -draw 'point 4,6' -draw 'point 7,6' -draw 'point 10,6' -draw 'point 4,8' -draw 'point 7,8'
}
sheet normal.bmp '#202020' '#c02020' '#404040'
sheet grey.bmp '#808080' '#a0a0a0' '#808080'
bmp deditbmp.bmp "$out/normal.bmp" "$out/grey.bmp" +append -type truecolor
rm -f "$out/normal.bmp" "$out/grey.bmp"

arrow() { name=$1; shift; bmp "$name" -size 8x6 xc:white -fill black "$@" -type bilevel; }
arrow prev1.bmp -draw 'polygon 5,0 5,5 2,2.5'
arrow next1.bmp -draw 'polygon 2,0 2,5 5,2.5'
arrow prev2.bmp -draw 'polygon 3,0 3,5 0,2.5' -draw 'polygon 7,0 7,5 4,2.5'
# The bottom-left pixel stays white: the buttons take its colour as the transparent one.
arrow next2.bmp -draw 'polygon 1,0 1,5 4,2.5' -draw 'polygon 5,0 5,5 8,2.5'

# Cursors: an icon file whose type field says cursor and whose entry carries the hot spot.
cursor() { name=$1 hx=$2 hy=$3; shift 3
    convert -size 32x32 xc:none "$@" "ICO:$out/$name.ico"
    python3 - "$out/$name.ico" "$out/$name" "$hx" "$hy" <<'PY'
import struct, sys
data = bytearray(open(sys.argv[1], 'rb').read())
data[2:4] = struct.pack('<H', 2)
data[6 + 4:6 + 8] = struct.pack('<HH', int(sys.argv[3]), int(sys.argv[4]))
open(sys.argv[2], 'wb').write(data)
PY
    rm -f "$out/$name.ico"
}
cursor handcur.cur 9 1 -fill white -stroke black -draw 'roundrectangle 7,0 12,16 2,2' \
    -draw 'roundrectangle 4,12 22,28 4,4' -draw 'rectangle 12,8 16,16' -draw 'rectangle 16,9 20,16'
cursor dragcur.cur 1 1 -fill white -stroke black -draw 'polygon 1,1 1,17 5,13 8,20 10,19 7,12 12,12' \
    -fill '#e0e0e0' -draw 'rectangle 12,16 26,26'
