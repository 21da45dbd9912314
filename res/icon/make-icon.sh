#!/bin/sh
# Builds res/soundcheck.ico (16, 24, 32, 48 and 256 pixels) with ImageMagick.
#
# The motif is a loudspeaker sending out sound waves (three; two in the 16 pixel frame). The
# 256 and 48 pixel frames are drawn from the vector outline below; 16, 24 and 32 pixels are
# hand-placed pixel maps so that the small frames stay sharp instead of being a blurred copy
# of the large one.
#
# Usage: res/icon/make-icon.sh [output.ico] [preview-dir]
#   With a preview directory, each frame is also written there as a PNG (and enlarged copies
#   on white and on a dark background, for looking at).
set -eu

here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$(dirname "$here")/soundcheck.ico}
preview=${2:-}
command -v convert >/dev/null || { echo "make-icon.sh: ImageMagick 'convert' is needed" >&2; exit 1; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Colours: dark outline, speaker box (light to dark), cone (light to dark), waves.
# A lower-case letter is the same colour at half opacity (anti-aliasing in the pixel maps).
palette='
K 1C272C
B 78909C
M 546E7A
D 37474F
C B0BEC5
N 90A4AE
E 607D8B
W 34A853
'

# pixmap SIZE NAME < map: turns a map of palette letters ('.' is transparent) into a PNG.
pixmap() {
  awk -v size="$1" -v pal="$palette" '
    BEGIN {
      n = split(pal, line, "\n")
      for (i = 1; i <= n; i++) if (split(line[i], f, " ") == 2) col[f[1]] = f[2]
      printf "# ImageMagick pixel enumeration: %d,%d,255,srgba\n", size, size
    }
    {
      if (length($0) != size) { printf "row %d is %d wide, not %d\n", NR, length($0), size > "/dev/stderr"; exit 1 }
      for (x = 1; x <= size; x++) {
        c = substr($0, x, 1); a = 255
        if (c == ".") { rgb = "000000"; a = 0 }
        else if (c in col) rgb = col[c]
        else if (toupper(c) in col) { rgb = col[toupper(c)]; a = 128 }
        else { printf "unknown colour %s in row %d\n", c, NR > "/dev/stderr"; exit 1 }
        printf "%d,%d: (%d,%d,%d,%d)\n", x - 1, NR - 1, \
          hex(substr(rgb, 1, 2)), hex(substr(rgb, 3, 2)), hex(substr(rgb, 5, 2)), a
      }
    }
    END { if (NR != size) { printf "%d rows, not %d\n", NR, size > "/dev/stderr"; exit 1 } }
    function hex(s,   i, v) {
      v = 0
      for (i = 1; i <= 2; i++) v = v * 16 + index("0123456789ABCDEF", substr(s, i, 1)) - 1
      return v
    }' >"$tmp/$2.txt"
  convert "txt:$tmp/$2.txt" "PNG32:$tmp/$2.png"
}

# The vector outline, in a 256 x 256 box. Waves are filled ring segments with round ends,
# centred on the mouth of the cone.
speaker=$(cat <<'MVG'
push defs
push gradient 'box' linear 0,92 0,164
stop-color '#78909C' 0
stop-color '#37474F' 1
pop gradient
push gradient 'cone' linear 0,40 0,216
stop-color '#B0BEC5' 0
stop-color '#546E7A' 1
pop gradient
pop defs
stroke-linejoin round
stroke '#1C272C'
stroke-width 8
fill url(#box)
roundrectangle 14,92 66,164 8,8
fill url(#cone)
polygon 66,92 122,40 122,216 66,164
MVG
)
# centre x, centre y, then radius, half angle (degrees), thickness per wave
waves=$(awk 'BEGIN {
  cx = 112; cy = 128
  band(48, 40, 18); band(88, 44, 18); band(128, 46, 18)
}
function band(r, a, w,   t, c, s, ro, ri) {
  t = a * 3.14159265358979 / 180; c = cos(t); s = sin(t); ro = r + w / 2; ri = r - w / 2
  printf "path \"M %.2f,%.2f A %g,%g 0 0,1 %.2f,%.2f L %.2f,%.2f A %g,%g 0 0,0 %.2f,%.2f Z\"\n", \
    cx + ro * c, cy - ro * s, ro, ro, cx + ro * c, cy + ro * s, \
    cx + ri * c, cy + ri * s, ri, ri, cx + ri * c, cy - ri * s
  printf "circle %.2f,%.2f %.2f,%.2f\n", cx + r * c, cy - r * s, cx + r * c + w / 2, cy - r * s
  printf "circle %.2f,%.2f %.2f,%.2f\n", cx + r * c, cy + r * s, cx + r * c + w / 2, cy + r * s
}')

vector() { # SIZE NAME: the outline drawn at 4 x SIZE and reduced, for smooth edges
  big=$(($1 * 4))
  scale="affine $(awk -v b="$big" 'BEGIN { k = b / 256; printf "%g,0,0,%g,0,0", k, k }')"
  convert -size "${big}x${big}" xc:none -draw "$scale $speaker" \
    -fill "#34A853" -stroke none -draw "$scale $waves" \
    -filter box -resize "$1x$1" "PNG32:$tmp/$2.png"
}

pixmap 16 f16 <<'MAP'
................
................
........K..W....
.......KK...W...
......KCK....W..
.KKKKKCNK.W..wW.
.KBBKCNNK..W..W.
.KBEKNNEK..W..W.
.KEMKNNEK..W..W.
.KMDKNEEK..W..W.
.KKKKKEMK.W..wW.
......KMK....W..
.......KK...W...
........K..W....
................
................
MAP

pixmap 24 f24 <<'MAP'
........................
........................
........................
.........kK......WW.....
........kKK.......WW....
.......kKCK....w...WW...
......kKCCK....WW..WW...
.....kKCCCK.....WW..WW..
.KKKKKNNNNK.....WW..WW..
.KBBBKNNNNK.W...WW..WW..
.KBBBKNNNNK.WW..WW..WW..
.KEEEKNNNNK.WW..WW..WW..
.KEEEKBBBBK.WW..WW..WW..
.KMMMKBBBBK.WW..WW..WW..
.KDDDKBBBBK.W...WW..WW..
.KKKKKBBBBK.....WW..WW..
.....kKEEEK.....WW..WW..
......kKEEK....WW..WW...
.......kKMK....w...WW...
........kKK.......WW....
.........kK......WW.....
........................
........................
........................
MAP

pixmap 32 f32 <<'MAP'
................................
................................
................................
........................ww......
..............kK........WWw.....
.............kKK........wWWw....
............kKCK.........wWWw...
...........kKCCK.....ww...WWW...
..........kKCCCK.....WWw...WWw..
.........kKCCCCK.....wWWw..wWW..
........kKNNNNNK......WWW...WWw.
.KKKKKKKKNNNNNNK..Ww...WWw..WWw.
.KBBBBBBKNNNNNNK.wWWw..WWw..wWW.
.KBBBBBBKNNNNNNK..WWw..wWW..wWW.
.KEEEEEEKNNNNNNK..wWW...WW...WW.
.KEEEEEEKNNNNNNK...WW...WW...WW.
.KEEEEEEKBBBBBBK...WW...WW...WW.
.KMMMMMMKBBBBBBK..wWW...WW...WW.
.KMMMMMMKBBBBBBK..WWw..wWW..wWW.
.KDDDDDDKBBBBBBK.wWWw..WWw..wWW.
.KKKKKKKKBBBBBBK..Ww...WWw..WWw.
........kKEEEEEK......WWW...WWw.
.........kKEEEEK.....wWWw..wWW..
..........kKEEEK.....WWw...WWw..
...........kKEEK.....ww...WWW...
............kKMK.........wWWw...
.............kKK........wWWw....
..............kK........WWw.....
........................ww......
................................
................................
................................
MAP

vector 256 f256
vector 48 f48

# The icon file: every frame is a 32-bit RGBA PNG (Windows Vista and later read PNG frames of
# any size), which keeps the file, and so the program, a third the size of bitmap frames.
# No text chunks or time stamps, so that the same maps give the same bytes.
sizes='16 24 32 48 256'
for s in $sizes; do
  convert "$tmp/f$s.png" -strip -define png:compression-level=9 -define png:compression-filter=5 \
    -define png:exclude-chunks=date,time "PNG32:$tmp/p$s.png"
done

byte() { printf "\\$(printf %03o "$(($1 & 255))")"; }
le16() { byte "$1"; byte "$(($1 >> 8))"; }
le32() { le16 "$(($1 & 65535))"; le16 "$(($1 >> 16))"; }
{
  count=0
  for s in $sizes; do count=$((count + 1)); done
  le16 0; le16 1; le16 "$count"          # ICONDIR: reserved, type 1 = icon, frame count
  offset=$((6 + 16 * count))
  for s in $sizes; do                    # ICONDIRENTRY per frame; 256 is written as 0
    len=$(wc -c <"$tmp/p$s.png")
    byte "$s"; byte "$s"; byte 0; byte 0; le16 1; le16 32; le32 "$len"; le32 "$offset"
    offset=$((offset + len))
  done
  for s in $sizes; do cat "$tmp/p$s.png"; done
} >"$tmp/icon.ico"
mv "$tmp/icon.ico" "$out"

if [ -n "$preview" ]; then
  mkdir -p "$preview"
  for s in 16 24 32 48 256; do
    cp "$tmp/f$s.png" "$preview/icon-$s.png"
    zoom=$((512 / s * 100))
    [ "$s" = 256 ] && zoom=100
    convert "$tmp/f$s.png" -background white -flatten -scale "$zoom%" "$preview/icon-$s-white.png"
    convert "$tmp/f$s.png" -background "#202020" -flatten -scale "$zoom%" "$preview/icon-$s-dark.png"
  done
fi
echo "wrote $out"
