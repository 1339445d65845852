#!/usr/bin/env bash
# Rasterises the pictures of the picture windows into the installation's BILD folder:
#   BILD/KROPP/*.BMP        the body drawings of the naming exercises, 600 x 830
#   BILD/VAXTER/T214dNN.BMP the plant of question NN of exercise 1321d0
#   BILD/DJUR/T215dNN.BMP   the animal of question NN of exercise 1331d0 .. 1335d0
# Which drawing each file shows is listed in content/pictures/sources.txt: drawings
# of Debian's openclipart-svg (public domain), the project's own SVG files, and
# drawings made by exercise_pictures.py. The question pictures are cropped to the
# drawing, centred on white and kept in proportion within 800 x 600.
#
# Usage: make-exercise-pictures.sh OUTDIR        writes OUTDIR/BILD/
#
# The files are 8-bit run-length bitmaps (a few tens of kB each). Without
# rsvg-convert, ImageMagick's "convert" or python3 nothing is written and the
# script still succeeds; a drawing missing from openclipart-svg is reported and
# left out.
set -euo pipefail
export LC_ALL=C

if [[ $# -ne 1 ]]; then
  echo "usage: $0 OUTDIR" >&2
  exit 2
fi
outdir=$1
here=$(cd "$(dirname "$0")" && pwd)
pictures="$here/../pictures"
OPENCLIPART=${OPENCLIPART:-/usr/share/openclipart/svg}
for tool in rsvg-convert convert python3; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "make-exercise-pictures: warning: $tool was not found, no pictures written" >&2
    exit 0
  fi
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One picture: SVG file, BILD-relative name, and whether it is a whole page
# (the body drawings) or a drawing to crop and centre.
rasterise() {
  local svg=$1 target=$2 page=$3 out="$outdir/BILD/$2"
  mkdir -p "$(dirname "$out")"
  if [[ $page == page ]]; then
    rsvg-convert -w 600 -h 830 -b white "$svg" -o "$work/p.png"
    convert "$work/p.png" -colors 256 -compress RLE "BMP3:$out"
  else
    # Drawn at twice the size it is shown, within a square, so that a tall
    # drawing is not rendered at thousands of pixels only to be made small.
    # (256 colours already make a palette bitmap; choosing them is the slow part.)
    rsvg-convert -w 1600 -h 1600 --keep-aspect-ratio -b white "$svg" -o "$work/p.png"
    convert "$work/p.png" -trim +repage -resize 760x560 -gravity center -background white -extent 800x600 \
      -colors 256 -compress RLE "BMP3:$out"
  fi
}

status=0
while read -r target source rest; do
  [[ -z $target || $target == \#* ]] && continue
  case $source in
    own:*)
      rasterise "$pictures/${source#own:}" "$target" page ;;
    openclipart:*)
      svg="$OPENCLIPART/${source#openclipart:}"
      if [[ -f $svg ]]; then
        rasterise "$svg" "$target" crop
      else
        echo "make-exercise-pictures: warning: $svg is missing, $target not written" >&2
        status=0
      fi ;;
    draw:*)
      read -r name _ <<< "$rest"
      python3 "$here/exercise_pictures.py" "${source#draw:}" "$name" > "$work/d.svg"
      rasterise "$work/d.svg" "$target" crop ;;
    *)
      echo "make-exercise-pictures: unknown source $source for $target" >&2
      exit 1 ;;
  esac
done < "$pictures/sources.txt"
exit $status
