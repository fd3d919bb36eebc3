#!/usr/bin/env bash
# Draws the program's own icon, assets/app/quonmain.ico: a slate panel with the meter's activity bars
# rising from green to red under a white baseline. One image per size Windows asks for (16 to 256 px);
# small sizes get fewer, wider bars so that they stay sharp. Needs ImageMagick's convert; the result is
# committed.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# No time stamps in the files, so that drawing again gives the same bytes.
png() { convert "$@" -define png:exclude-chunks=date,time,tIME +set date:create +set date:modify "$last"; }

colours=('#3fcf3f' '#9ad33a' '#e0d030' '#f09a2a' '#f0402a')

# picture SIZE OUT
picture() {
    local n=$1 out=$2
    local r; r=$(( n / 6 > 1 ? n / 6 : 2 ))           # corner radius
    local inset=$(( n >= 48 ? n / 16 : 1 ))           # width of the rim
    local bars=$(( n >= 32 ? 5 : 3 ))
    # The bars stand on a baseline a fifth above the bottom and fill the panel's inner width.
    local left=$(( inset + (n >= 32 ? n / 8 : 2) ))
    local right=$(( n - left ))
    local base=$(( n - inset - (n >= 32 ? n / 6 : 3) ))
    local top=$(( inset + (n >= 32 ? n / 7 : 2) ))
    local pitch=$(( (right - left) / bars ))
    local gap=$(( pitch / 4 > 0 ? pitch / 4 : 1 ))
    local draw=(-fill '#1c2834' -draw "roundrectangle 0,0 $((n - 1)),$((n - 1)) $r,$r"
                -fill '#3a5470' -draw "roundrectangle $inset,$inset $((n - 1 - inset)),$((n - 1 - inset)) $((r - 1 > 1 ? r - 1 : 1)),$((r - 1 > 1 ? r - 1 : 1))")
    local i
    for (( i = 0; i < bars; i++ )); do
        local colour=${colours[$(( i * 4 / (bars - 1) ))]}
        local x0=$(( left + i * pitch + gap / 2 ))
        local x1=$(( x0 + pitch - gap - 1 ))
        local h=$(( (base - top) * (i + 1) / bars ))
        draw+=(-fill "$colour" -draw "rectangle $x0,$((base - h)) $x1,$((base - 1))")
    done
    local line=$(( n >= 64 ? n / 32 : 1 ))
    draw+=(-fill '#f4f8fc' -draw "rectangle $left,$base $((right - 1)),$((base + line - 1))")
    last="PNG32:$out"
    png -size "${n}x${n}" xc:none "${draw[@]}"
}

sizes=(16 20 24 32 40 48 64 128 256)
files=()
for n in "${sizes[@]}"; do
    picture "$n" "$work/$n.png"
    files+=("$work/$n.png")
done
mkdir -p "$here/app"
convert "${files[@]}" "$here/app/quonmain.ico"
