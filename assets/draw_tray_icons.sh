#!/usr/bin/env bash
# Draws the tray icons: the four built into the program (assets/tray/, round badges) and the default
# icon set shipped as files (assets/icons/default/, square badges). Each .ico holds the sizes the
# notification area asks for at 100, 125, 150 and 200 % scaling: 16, 20, 24 and 32 px. Needs ImageMagick's convert. Run from anywhere; the results are committed.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# badge SHAPE FILL MARK MARKCOLOUR SIZE OUT
#   SHAPE: round | square; MARK: cross | arrows | bolt
badge() {
    local shape=$1 fill=$2 mark=$3 ink=$4 n=$5 out=$6
    local s; s=$(awk "BEGIN{print $n/32}")   # drawing is done on a 32 grid and scaled
    local body
    if [ "$shape" = round ]; then
        body="circle $(awk "BEGIN{print 15.5*$s}"),$(awk "BEGIN{print 15.5*$s}") $(awk "BEGIN{print 15.5*$s}"),$(awk "BEGIN{print 0.6*$s}")"
    else
        body="roundrectangle $(awk "BEGIN{print 0.5*$s}"),$(awk "BEGIN{print 0.5*$s}") $(awk "BEGIN{print 31*$s}"),$(awk "BEGIN{print 31*$s}") $(awk "BEGIN{print 6*$s}"),$(awk "BEGIN{print 6*$s}")"
    fi
    local p=()  # polygons of the mark on the 32 grid
    case $mark in
        cross)  p=("9,7 16,14 23,7 25,9 18,16 25,23 23,25 16,18 9,25 7,23 14,16 7,9") ;;
        arrows) p=("9,8 13,8 13,18 16,18 11,25 6,18 9,18" "19,24 23,24 23,14 26,14 21,7 16,14 19,14") ;;
        bolt)   p=("18,6 9,18 15,18 12,26 23,13 17,13 21,6") ;;
    esac
    local draw=(-fill "$fill" -stroke '#202020' -strokewidth "$(awk "BEGIN{print 1.2*$s}")" -draw "$body")
    for poly in "${p[@]}"; do
        local scaled=""
        for pt in $poly; do
            scaled+="$(awk -v s="$s" -v p="$pt" 'BEGIN{split(p,a,","); printf "%.2f,%.2f ", a[1]*s, a[2]*s}')"
        done
        draw+=(-fill "$ink" -stroke none -draw "polygon $scaled")
    done
    convert -size "${n}x${n}" xc:none "${draw[@]}" "PNG32:$out"
}

icon() {  # icon OUT.ico SHAPE FILL MARK INK
    local out=$1; shift
    local n files=()
    for n in 16 20 24 32; do
        badge "$@" "$n" "$work/a$n.png"
        files+=("$work/a$n.png")
    done
    convert "${files[@]}" "$out"
}

icon "$here/tray/offline.ico" round '#8c8c8c' cross '#d02020'
icon "$here/tray/idle.ico"    round '#203c78' arrows '#f0f0f0'
icon "$here/tray/online.ico"  round '#2f6fd6' arrows '#ffe040'
icon "$here/tray/maximum.ico" round '#f08c1e' bolt '#ffffff'

icon "$here/icons/default/offline.ico" square '#505050' cross '#f0f0f0'
icon "$here/icons/default/idle.ico"    square '#1e7864' arrows '#c8c8c8'
icon "$here/icons/default/online.ico"  square '#28b428' arrows '#ffffff'
icon "$here/icons/default/lime.ico"    square '#b4ff32' bolt '#206020'
