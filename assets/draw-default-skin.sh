#!/bin/sh
# Draws the built-in theme's pictures into assets/skins/default/ (ImageMagick 6 `convert`).
# Sizes follow the theme's default boxes: the buttons 10x10 (hang-up 22x10), the state and unit
# pictures 22x10, the graph bars 3x9 for levels 0..5, the background 141x40.
set -eu
out="$(cd "$(dirname "$0")" && pwd)/skins/default"
mkdir -p "$out"
font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
[ -f "$font" ] || { echo "needs $font (fonts-dejavu-core)" >&2; exit 1; }
# No time stamps in the files, so that drawing again gives the same bytes.
png() { convert "$@" -define png:exclude-chunks=date,time,tIME +set date:create +set date:modify "PNG32:$last"; }
pic() { last="$out/$1"; shift; png "$@"; }

# Background: a rounded light panel with a darker rim, a groove behind the graph.
pic face.png -size 141x40 xc:none \
    -fill '#3a4a5c' -draw 'roundrectangle 0,0 140,39 6,6' \
    -fill '#dfe7ef' -draw 'roundrectangle 1,1 139,38 5,5' \
    -fill '#c9d4df' -draw 'rectangle 2,20 138,26' \
    -fill '#2b3744' -draw 'roundrectangle 9,27 131,38 2,2' \
    -fill '#405266' -draw 'rectangle 10,28 130,37'

# Buttons in three states: normal (a), under the cursor (b), pressed (c).
button() { # name rim fill glyph-colour glyph-draw...
    name=$1 rim=$2 fill=$3 ink=$4; shift 4
    pic "$name" -size 10x10 xc:none -fill "$rim" -draw 'roundrectangle 0,0 9,9 2,2' \
        -fill "$fill" -draw 'roundrectangle 1,1 8,8 1,1' -stroke "$ink" -strokewidth 1 "$@"
}
for state in a b c; do
    case $state in
        a) rim='#3a4a5c' fill='#b8c6d4' ink='#1e2a36' ;;
        b) rim='#2d6fb0' fill='#e6f0fa' ink='#12436f' ;;
        c) rim='#1e2a36' fill='#7d90a4' ink='#ffffff' ;;
    esac
    button "hide_$state.png" "$rim" "$fill" "$ink" -draw 'line 3,6 6,6'
    button "config_$state.png" "$rim" "$fill" "$ink" -draw 'line 3,3 6,3' -draw 'line 3,5 6,5' -draw 'line 3,7 6,7'
    case $state in
        a) hrim='#6b1010' hfill='#c83a3a' ;;
        b) hrim='#8f1616' hfill='#ee6060' ;;
        c) hrim='#3f0808' hfill='#8e2020' ;;
    esac
    pic "hangup_$state.png" -size 22x10 xc:none -fill "$hrim" -draw 'roundrectangle 0,0 21,9 3,3' \
        -fill "$hfill" -draw 'roundrectangle 1,1 20,8 2,2' -stroke '#ffffff' -draw 'line 7,5 14,5'
done

# Connection state: a lit green lamp and a dark grey one.
pic online.png -size 22x10 xc:none -fill '#1d5a1d' -draw 'roundrectangle 0,0 21,9 3,3' \
    -fill '#3fcf3f' -draw 'roundrectangle 1,1 20,8 2,2' -fill '#b8f5b8' -draw 'rectangle 4,2 17,3'
pic offline.png -size 22x10 xc:none -fill '#2a2f35' -draw 'roundrectangle 0,0 21,9 3,3' \
    -fill '#69737d' -draw 'roundrectangle 1,1 20,8 2,2' -fill '#8d969f' -draw 'rectangle 4,2 17,3'

# Graph bars: level n fills the lower part of a 3x9 column, from green to red.
colours='#5f7387 #3fcf3f #9ad33a #e0d030 #f09a2a #f0402a'
n=0
for colour in $colours; do
    top=$((8 - (n == 0 ? 0 : n * 9 / 5 - 1)))
    [ "$top" -lt 0 ] && top=0
    pic "v$n.png" -size 3x9 xc:none -fill "$colour" -draw "rectangle 0,$top 2,8"
    n=$((n + 1))
done

# Unit labels.
for unit in b kb mb; do
    text=$(echo "$unit" | tr a-z A-Z)
    pic "$unit.png" -size 22x10 xc:none -font "$font" -pointsize 8 -fill '#1e2a36' -gravity center \
        -annotate +0+0 "$text"
done
