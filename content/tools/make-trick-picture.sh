#!/usr/bin/env bash
# Paints the closing picture of the name trick, BILD/TOP9.BMP: a magician's top
# hat with a rabbit peeping out, a wand throwing sparks, three playing cards and
# a starry night, drawn with ImageMagick primitives (this project's own drawing).
# The bottom right (x > 560, y > 420) is left dark and plain, sparks and stars
# included: the window writes the pupil's name and the guessed name there, and
# on a wide screen, where the picture is cut at top and bottom, that corner
# reaches up to about y = 430.
#
# Usage: make-trick-picture.sh OUTDIR        writes OUTDIR/BILD/TOP9.BMP
#
# Without ImageMagick's "convert" nothing is written and the script still succeeds.
set -euo pipefail
export LC_ALL=C

if [[ $# -ne 1 ]]; then
  echo "usage: $0 OUTDIR" >&2
  exit 2
fi
if ! command -v convert >/dev/null 2>&1; then
  echo "make-trick-picture: warning: ImageMagick's convert was not found, TOP9.BMP not written" >&2
  exit 0
fi
dir=$1/BILD
mkdir -p "$dir"

W=1024 H=768

# Stars at fixed places (a small linear congruential walk), so two runs write
# identical files; none in the corner the names go to.
stars=""
seed=20261
for ((i = 0; i < 90; i++)); do
  seed=$(((seed * 1103515245 + 12345) % 2147483648))
  x=$((seed % W))
  seed=$(((seed * 1103515245 + 12345) % 2147483648))
  y=$((seed % (H * 2 / 3)))
  r=$((1 + seed % 3))
  if ((x > 560 && y > 420)); then continue; fi
  stars+="circle $x,$y $((x + r)),$y "
done

# A five-pointed spark centred on (cx, cy) with outer radius r.
spark() {
  local cx=$1 cy=$2 r=$3 pts="" a x y rr
  for ((k = 0; k < 10; k++)); do
    rr=$r
    ((k % 2 == 1)) && rr=$((r * 2 / 5))
    a=$(awk -v k="$k" 'BEGIN { printf "%.5f", -1.5707963 + k * 0.6283185 }')
    x=$(awk -v c="$cx" -v r="$rr" -v a="$a" 'BEGIN { printf "%d", c + r * cos(a) }')
    y=$(awk -v c="$cy" -v r="$rr" -v a="$a" 'BEGIN { printf "%d", c + r * sin(a) }')
    pts+="$x,$y "
  done
  echo "polygon $pts"
}

card() { # x y angle suit-colour
  echo "push graphic-context translate $1,$2 rotate $3
        fill white stroke '#404040' stroke-width 3 roundrectangle -55,-80 55,80 10,10
        fill '$4' stroke none circle 0,0 0,26
        fill '$4' font-size 30 text -46,-48 'A'
        pop graphic-context"
}

mvg="
fill '#fff7c0' stroke none $stars
$(card 95 610 -18 '#c0102a')
$(card 160 600 -4 '#202020')
$(card 225 612 12 '#c0102a')
push graphic-context
  fill '#f4f0ea' stroke '#c8bfb4' stroke-width 3
  ellipse 360,300 26,80 0,360
  ellipse 430,300 26,80 0,360
  fill '#f2b8c6' stroke none
  ellipse 360,305 11,55 0,360
  ellipse 430,305 11,55 0,360
  fill '#f4f0ea' stroke '#c8bfb4' stroke-width 3
  ellipse 395,385 62,48 0,360
  fill '#202020' stroke none circle 375,375 375,382 circle 415,375 415,382
  fill '#f2a0b4' circle 395,395 395,401
pop graphic-context
fill '#111111' stroke '#333333' stroke-width 2
polygon 285,400 505,400 490,610 300,610
fill '#b3122e' stroke none
rectangle 295,560 495,600
fill '#111111' stroke '#333333' stroke-width 2
ellipse 395,612 185,34 0,360
fill '#2a2a2a' stroke none
ellipse 395,402 110,18 0,360
stroke '#101010' stroke-width 16 stroke-linecap round
line 530,640 710,450
stroke '#ffffff' stroke-width 16
line 690,471 710,450
stroke none fill '#ffd23c'
$(spark 742 396 30)
$(spark 805 345 18)
$(spark 685 365 14)
$(spark 780 290 12)
fill '#fff7c0'
$(spark 850 400 10)
"

convert -size ${W}x${H} "gradient:#120836-#3d0f5c" -draw "$mvg" \
  -alpha off -type TrueColor "BMP3:$dir/TOP9.BMP"
