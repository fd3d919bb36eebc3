#!/bin/sh
# Draws the built-in theme into assets/skins/default/: its pictures and skin.qsf, which places them.
# The window reads from top to bottom: the connection lamp, the hang-up button, the download speed and
# the settings and hide buttons; then the figures of today, of the month and of the allowance left, each
# behind its printed label, with the unit picture beside them; then the activity graph, whose bars grow
# one step per level. Needs ImageMagick 6 `convert`, `iconv` and the DejaVu fonts (fonts-dejavu-core).
set -eu
out="$(cd "$(dirname "$0")" && pwd)/skins/default"
mkdir -p "$out"
fonts=/usr/share/fonts/truetype/dejavu
bold=$fonts/DejaVuSans-Bold.ttf
label=$fonts/DejaVuSansCondensed.ttf
for f in "$bold" "$label"; do [ -f "$f" ] || { echo "needs $f (fonts-dejavu-core)" >&2; exit 1; }; done
# No time stamps in the files, so that drawing again gives the same bytes.
png() { convert "$@" -define png:exclude-chunks=date,time,tIME +set date:create +set date:modify "PNG32:$last"; }
pic() { last="$out/$1"; shift; png "$@"; }

# --- Layout (pixels). The face is W x H; every box below lies inside its 1-pixel rim. -----------------
W=160 H=74
lamp_x=6 lamp_y=4            # state picture 22x10
hangup_x=31 hangup_y=4       # hang-up button 22x10 (drawn while connected)
speed_x=128 speed_y=3        # download speed, right-aligned to x
config_x=132 config_y=4      # settings button 10x10
hide_x=145 hide_y=4          # hide button 10x10
label_x=8                    # labels, printed on the face
figure_x=126                 # figures, right-aligned to x
row1=18 row2=31 row3=44      # tops of the three figure rows
unit_x=130 unit_y=21         # unit picture 22x10, beside the first row
graph_x=10 graph_y=61        # graph: 35 bars of 3 px with 1 px gaps, 10 px high
bar=3 space=1 bars=35 graph_h=10
graph_w=$(( bars * (bar + space) - space ))

ink='#1e2a36' soft='#56687a' face='#dfe7ef' rim='#3a4a5c'

# Background: a rounded light panel with a darker rim, a line under the top strip, the three labels
# and a groove behind the graph.
pic face.png -size ${W}x${H} xc:none \
    -fill "$rim" -draw "roundrectangle 0,0 $((W - 1)),$((H - 1)) 6,6" \
    -fill "$face" -draw "roundrectangle 1,1 $((W - 2)),$((H - 2)) 5,5" \
    -fill '#cfd9e3' -draw "rectangle 2,16 $((W - 3)),16" \
    -font "$label" -pointsize 9 -fill "$soft" -gravity NorthWest \
    -annotate +$label_x+$((row1 + 4)) 'сегодня' \
    -annotate +$label_x+$((row2 + 4)) 'за месяц' \
    -annotate +$label_x+$((row3 + 4)) 'осталось' \
    -fill '#2b3744' -draw "roundrectangle $((graph_x - 2)),$((graph_y - 2)) $((graph_x + graph_w + 1)),$((graph_y + graph_h + 1)) 2,2" \
    -fill '#405266' -draw "rectangle $((graph_x - 1)),$((graph_y - 1)) $((graph_x + graph_w)),$((graph_y + graph_h))"

# Buttons in three states: normal (a), under the cursor (b), pressed (c).
button() { # name rim fill glyph-colour glyph-draw...
    name=$1 brim=$2 fill=$3 glyph=$4; shift 4
    pic "$name" -size 10x10 xc:none -fill "$brim" -draw 'roundrectangle 0,0 9,9 2,2' \
        -fill "$fill" -draw 'roundrectangle 1,1 8,8 1,1' -stroke "$glyph" -strokewidth 1 "$@"
}
for state in a b c; do
    case $state in
        a) brim='#3a4a5c' fill='#b8c6d4' glyph='#1e2a36' ;;
        b) brim='#2d6fb0' fill='#e6f0fa' glyph='#12436f' ;;
        c) brim='#1e2a36' fill='#7d90a4' glyph='#ffffff' ;;
    esac
    button "hide_$state.png" "$brim" "$fill" "$glyph" -draw 'line 3,6 6,6'
    button "config_$state.png" "$brim" "$fill" "$glyph" -draw 'line 3,3 6,3' -draw 'line 3,5 6,5' -draw 'line 3,7 6,7'
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

# Graph bars: level n fills the lower part of a 3 x 10 column, one step higher per level (1, 2, 4, 6,
# 8 and 10 pixels), from the dim idle line to red.
n=0
for colour in '#7a8ea3' '#3fcf3f' '#9ad33a' '#e0d030' '#f09a2a' '#f0402a'; do
    height=$(( n == 0 ? 1 : 2 * n ))
    pic "v$n.png" -size ${bar}x${graph_h} xc:none -fill "$colour" \
        -draw "rectangle 0,$((graph_h - height)) $((bar - 1)),$((graph_h - 1))"
    n=$((n + 1))
done

# Unit pictures, for figures in bytes, kilobytes and megabytes.
unit() { pic "$1.png" -size 22x10 xc:none -font "$bold" -pointsize 8 -fill "$soft" -gravity center -annotate +0+0 "$2"; }
unit b 'байт'
unit kb 'КБ'
unit mb 'МБ'

# The description: code page 1251, CRLF line ends, as the program reads it.
box() { # element width height top left
    printf '[data.%s]\nwidth=%s\nheight=%s\ntop=%s\nleft=%s\n' "$1" "$2" "$3" "$4" "$5"
}
text() { # element top left size bold colour(r g b)
    box "$1" 0 0 "$2" "$3"
    printf 'size=%s\nalign=2\nshadow=1\nbold=%s\nfont=Arial\n' "$4" "$5"
    printf 'color_a=255\ncolor_r=%s\ncolor_g=%s\ncolor_b=%s\n' "$6" "$7" "$8"
    printf 'shadow_a=160\nshadow_r=255\nshadow_g=255\nshadow_b=255\n'
}
{
    printf '[plugin]\ntype=skin\nhost=Quon Tollen\ngeneration=2\nversion=2\n'
    printf '[info]\nname=Quon Tollen II\nversion=2.1\nauthor=Quon Tollen II\nps=тема, входящая в программу\n'
    printf 'variants=0\nvariant_0=ПО  УМОЛЧАНИЮ\nsmooth=1\n'
    printf '[visibility]\nhide=1\nconfig=1\nhangup=1\nstate=1\nvalue=1\ngraph=1\n'
    printf 'd_day=1\nd_month=1\nd_free=1\nspeed=1\nd_now=0\nu_now=0\nu_month=0\nu_free=0\nupload=0\n'
    box state 22 10 $lamp_y $lamp_x
    box hangup 22 10 $hangup_y $hangup_x
    box config 10 10 $config_y $config_x
    box hide 10 10 $hide_y $hide_x
    box value 22 10 $unit_y $unit_x
    box graph $graph_w $graph_h $graph_y $graph_x
    printf 'bar=%s\nbars=%s\nspace=%s\n' $bar $bars $space
    text speed $speed_y $speed_x 7 0 30 42 54
    text d_day $row1 $figure_x 9 1 30 42 54
    text d_month $row2 $figure_x 9 1 30 42 54
    text d_free $row3 $figure_x 9 1 24 92 56
} | sed 's/$/\r/' | iconv -f UTF-8 -t CP1251 >"$out/skin.qsf"
