#!/usr/bin/env bash
# Makes the pictures of the installation's BILD folder:
#   SPA0001.BMP .. SPA0056.BMP   the numbered scenes shown after a good series
#                                (the program shows a Spanish caption next to each)
#   SPAL0001 .. SPAL0050 (.BMP)  the main window's photographs for screens up to
#   SPAM0001 .. SPAM0050           780 px wide, 781..899 px, and 900 px or more
#   SPAS0001 .. SPAS0050           (the program shows at most 50 of the scenes there)
#   OMBILD.BMP                   the about window's full-screen picture
#   KARTA.BMP, FLAGGA.BMP        the map and the flag of the "Spanien" menu
#
# Usage: make-pictures.sh OUTDIR        writes OUTDIR/BILD/
#
# The scenes are drawn with ImageMagick primitives (gradients, polygons, ellipses)
# on a 320 x 240 plan and rendered at the size the exercise windows show them, so
# that the screen never enlarges them. Colours and placements vary from scene to
# scene with a checksum of the caption, so two runs write identical files.
#
# The map and the flag are public-domain drawings of the Open Clip Art Library as
# Debian's openclipart-svg package installs them (the metadata of each names its
# licence, http://web.resource.org/cc/PublicDomain):
#   geography/spain_states_sherrera_01.svg          "spain states", by sherrera
#   signs_and_symbols/flags/europe/spain/spain.svg  the flag with its coat of arms,
#                                                   by Pedro A. Gracia Fajardo
# They are rasterised here with rsvg-convert; the map's regions get colours of
# their own and the capital is marked. Without the package or rsvg-convert a plain
# map and flag are painted instead, with a warning.
#
# Without ImageMagick's "convert" nothing is written and the script still succeeds.
set -euo pipefail
export LC_ALL=C

# The plan every scene is drawn on, and the size it is rendered at: the exercise
# windows show the picture in a frame 58/64 of the screen wide and 35/48 of it
# high, keeping proportions, which on a 1920 x 1080 screen is 1027 x 770.
W=320 H=240
OUT_W=1024 OUT_H=768
# The main window's three sizes. Three pictures stand in a column on each side of
# the centred 340-px menu panel: 144 px fits beside it on a 640-px screen, 200 px
# on an 800-px screen, 240 px from 900 px on; three heights plus margins stay well
# inside 480, 600 and 768 px.
SIZE_L=144x108 SIZE_M=200x150 SIZE_S=240x180
MAIN_WINDOW_PICTURES=50
# The about window's picture covers the screen: one scene made for a 16:9 screen
# of 1920 x 1080 (smaller screens get it scaled down).
ABOUT_SCENE=22 ABOUT_W=1920 ABOUT_H=1080

OPENCLIPART=${OPENCLIPART:-/usr/share/openclipart/svg}
LABEL_FONT=/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf

CAPTIONS=(
  ""
  "Calle de un pueblo castellano"
  "Pescadores descansando a la sombra de las barcas."
  "Transporte en los años 60."
  "A casa después del trabajo."
  "Atardecer en la costa."
  "Playa sin muchos turistas."
  "Bar rural."
  "El fotógrafo Fenno respirando aire puro a principios de otoño"
  "Pueblo andaluz"
  "Vista desde la Alhambra."
  "Edificio solitario en las afueras de la ciudad."
  "Niños locales alrededor de los turistas suecos."
  "Patio interior de un convento"
  "Ayuntamiento y plaza mayor con sobreportales."
  "Montañas en Extremadura."
  "Estación de tren en Salamanca."
  "Patio de los leones de la Alhambra en Granada."
  "Salida de agua de la cueva."
  "En el estrecho de Gibraltar."
  "Gibraltar a lo lejos."
  "Viñedos en el sur de España"
  "Vista de la sierra desde Riaza (Segovia)."
  "Rebaño de ovejas."
  "Transporte de arena."
  "Charla en la bodega de casa."
  "Atasco en carretera. Hora de la merienda."
  "Entrada a España por Irún."
  "En el País Vasco, al fondo los Pirineos"
  "De compras en el mercadillo."
  "Puerto de montaña de Piqueras (Soria)."
  "Pueblo en el País Vasco"
  "Iglesia de San Ginés, Guadalajara"
  "Buscando la sombra"
  "La meseta castellana"
  "Bodega en una casa privada"
  "Calle en una pequeña ciudad"
  "Antigua casa de los Mendoza"
  "Nidos de cigüeñas"
  "Casa natal de Cervantes (Alcalá de Henares)"
  "Cardos en zona residencial"
  "Iglesia"
  "Merienda entre amigos"
  "Plaza Cervantes de Alcalá de Henares"
  "Contraste de viviendas"
  "Mujeres de excursión"
  "Hombres de excursión"
  "Vista de un pueblo castellano (Alhondiga)"
  "Universidad de Alcalá de Henares"
  "España taurina"
  "Las tormenteras del río Tajo"
  "Iglesia árabe del siglo XI"
  "Calle con sobreportales"
  "Plaza de toros"
  "Plaza Cervantes en Alcalá de Henares"
  "Iglesia concatedral de Alcalá de Henares"
  "Vista de calle madrileña"
)
SCENES=$(( ${#CAPTIONS[@]} - 1 ))

# ---------------------------------------------------------------------------
# Drawing state: a scene is a sky gradient, primitives drawn on the sky (BACK),
# an optional ground gradient from row GY down, and primitives drawn over the
# ground (FRONT). Helpers append ImageMagick draw primitives to the current layer.

LAYER=back BACK="" FRONT=""
SKY1="#6fa8dc" SKY2="#d6ecf8" GY=$H GR1="#000000" GR2="#000000"
seed=1 R=0 C=""

emit() { if [[ $LAYER == back ]]; then BACK+="$*"$'\n'; else FRONT+="$*"$'\n'; fi; }
front() { LAYER=front; }
sky() { SKY1=$1 SKY2=$2; }
ground() { GY=$1 GR1=$2 GR2=$3; }

# Deterministic pseudo-random numbers: rnd N -> R in 0..N-1, rr A B -> R in A..B.
rnd() { seed=$(( (seed * 1103515245 + 12345) & 0x7fffffff )); R=$(( (seed >> 8) % $1 )); }
rr() { rnd $(( $2 - $1 + 1 )); R=$(( R + $1 )); }
pick() { rnd $#; local a=("$@"); C=${a[$R]}; }

# shade COLOUR DELTA -> C: the colour made lighter (+) or darker (-).
shade() {
  local c=${1#\#} d=$2 r g b
  r=$(( 16#${c:0:2} + d )); g=$(( 16#${c:2:2} + d )); b=$(( 16#${c:4:2} + d ))
  (( r < 0 )) && r=0; (( g < 0 )) && g=0; (( b < 0 )) && b=0
  (( r > 255 )) && r=255; (( g > 255 )) && g=255; (( b > 255 )) && b=255
  printf -v C '#%02x%02x%02x' "$r" "$g" "$b"
}

brush() { emit "stroke none fill '$1' fill-opacity ${2:-1}"; }
rect() { brush "$5" "${6:-1}"; emit "rectangle $1,$2 $3,$4"; }
ell() { brush "$5" "${6:-1}"; emit "ellipse $1,$2 $3,$4 0,360"; }
circ() { brush "$4" "${5:-1}"; emit "circle $1,$2 $(( $1 + $3 )),$2"; }
poly() { local c=$1; shift; brush "$c"; emit "polygon $*"; }
polyo() { local c=$1 o=$2; shift 2; brush "$c" "$o"; emit "polygon $*"; }
line() { emit "fill none stroke '$5' stroke-width ${6:-1} stroke-opacity 1 line $1,$2 $3,$4"; emit "stroke none"; }
shape() { brush "$1" "${3:-1}"; emit "path '$2'"; }

# An opening with a round top: x, bottom, width, height.
archway() {
  local x=$1 yb=$2 w=$3 h=$4 c=$5 r=$(( $3 / 2 ))
  rect "$x" $(( yb - h + r )) $(( x + w )) "$yb" "$c"
  ell $(( x + r )) $(( yb - h + r )) "$r" "$r" "$c"
}

sun() {
  local x=$1 y=$2 r=$3 c=${4:-#fff4c2}
  circ "$x" "$y" $(( r * 2 )) "$c" 0.25
  circ "$x" "$y" "$r" "$c"
}

cloud() {
  local x=$1 y=$2 s=$3 c=${4:-#ffffff}
  ell "$x" "$y" $(( s * 2 )) $(( s * 4 / 5 )) "$c" 0.85
  ell $(( x - s )) $(( y + 2 )) $(( s * 6 / 5 )) $(( s * 3 / 5 )) "$c" 0.85
  ell $(( x + s * 6 / 5 )) $(( y + 1 )) $(( s * 13 / 10 )) $(( s * 2 / 3 )) "$c" 0.85
  ell $(( x + s / 3 )) $(( y - s / 2 )) "$s" $(( s * 7 / 10 )) "$c" 0.9
}

clouds() { local n=$1 i; for (( i = 0; i < n; i++ )); do rr 10 300; local x=$R; rr 12 60; local y=$R; rr 7 14; cloud "$x" "$y" "$R" "${2:-#ffffff}"; done; }

# Rolling hills: a smooth band whose top wanders around row y by +-amp.
hills() {
  local y=$1 amp=$2 c=$3 x p
  p="M -20,$H L -20,$y"
  rr $(( y - amp )) $(( y + amp )); p+=" Q 20,$R 60,$y"
  for x in 140 220 300 380; do rr $(( y - amp )) $(( y + amp )); p+=" T $x,$R"; done
  shape "$c" "$p L 380,$H Z"
}

# A mountain range: peaks between rows base-hmin and base-hmax, snow optional.
mountains() {
  local base=$1 hmin=$2 hmax=$3 c=$4 snow=${5:-} x=-30 pts="-30,$H" px=() py=() i
  while (( x < W + 40 )); do
    rr "$hmin" "$hmax"; px+=("$x"); py+=($(( base - R )))
    rr 25 45; x=$(( x + R ))
    rr 0 $(( hmin / 2 )); px+=("$x"); py+=($(( base - R )))
    rr 25 45; x=$(( x + R ))
  done
  for (( i = 0; i < ${#px[@]}; i++ )); do pts+=" ${px[$i]},${py[$i]}"; done
  poly "$c" "$pts $(( W + 40 )),$H"
  shade "$c" 18; local lit=$C
  for (( i = 0; i + 1 < ${#px[@]}; i += 2 )); do   # a lighter sunny flank on each peak
    poly "$lit" "${px[$i]},${py[$i]} $(( (px[i] + px[i+1]) / 2 )),$(( (py[i] + py[i+1]) / 2 + 8 )) ${px[$((i+1))]},${py[$((i+1))]} $(( px[i] + 6 )),$(( py[i] + 14 ))"
  done
  if [[ -n $snow ]]; then
    for (( i = 2; i + 1 < ${#px[@]}; i += 2 )); do
      local tx=${px[$i]} ty=${py[$i]} lx=${px[$((i-1))]} ly=${py[$((i-1))]} rx=${px[$((i+1))]} ry=${py[$((i+1))]}
      (( base - ty < hmin + (hmax - hmin) / 3 )) && continue
      local ax=$(( tx + (lx - tx) / 4 )) ay=$(( ty + (ly - ty) / 4 )) bx=$(( tx + (rx - tx) / 4 )) by=$(( ty + (ry - ty) / 4 ))
      poly "$snow" "$tx,$ty $bx,$by $(( (tx + bx) / 2 )),$(( by - 3 )) $tx,$(( ay + 2 )) $(( (tx + ax) / 2 )),$(( ay - 2 )) $ax,$ay"
    done
  fi
}

# A house seen from the front: x, bottom, width, height, wall, roof ("flat" for none).
house() {
  local x=$1 yb=$2 w=$3 h=$4 wall=$5 roof=$6 top=$(( $2 - $4 )) win=${7:-#3a3430}
  rect "$x" "$top" $(( x + w )) "$yb" "$wall"
  shade "$wall" -22; rect "$x" $(( yb - 4 )) $(( x + w )) "$yb" "$C"
  if [[ $roof == flat ]]; then
    shade "$wall" -12; rect $(( x - 1 )) $(( top - 3 )) $(( x + w + 1 )) "$top" "$C"
  else
    poly "$roof" "$(( x - 3 )),$(( top + 1 )) $(( x + w / 2 )),$(( top - w / 6 - 2 )) $(( x + w + 3 )),$(( top + 1 ))"
    shade "$roof" -30; line $(( x - 3 )) $(( top + 1 )) $(( x + w + 3 )) $(( top + 1 )) "$C" 2
  fi
  local cols=$(( w / 16 )) rows=$(( (h - 8) / 20 )) r c
  (( cols < 1 )) && cols=1
  for (( r = 0; r < rows; r++ )); do
    local wy=$(( top + 6 + r * 20 ))
    (( wy + 10 > yb - 16 )) && break
    for (( c = 0; c < cols; c++ )); do
      local wx=$(( x + (w * (2 * c + 1)) / (2 * cols) - 3 ))
      rect "$wx" "$wy" $(( wx + 6 )) $(( wy + 10 )) "$win"
    done
  done
  rect $(( x + w / 2 - 4 )) $(( yb - 15 )) $(( x + w / 2 + 4 )) "$yb" "#5a3a24"
}

# A whitewashed cube house with its shaded side: x, bottom, width, height.
cube() {
  local x=$1 yb=$2 w=$3 h=$4 wall=${5:-#f6f4ef} d=$(( $3 / 4 ))
  rect "$x" $(( yb - h )) $(( x + w )) "$yb" "$wall"
  shade "$wall" -40; poly "$C" "$(( x + w )),$(( yb - h )) $(( x + w + d )),$(( yb - h - d / 2 )) $(( x + w + d )),$(( yb - d / 2 )) $(( x + w )),$yb"
  shade "$wall" -15; poly "$C" "$x,$(( yb - h )) $(( x + d )),$(( yb - h - d / 2 )) $(( x + w + d )),$(( yb - h - d / 2 )) $(( x + w )),$(( yb - h ))"
  rnd 3; (( R == 0 )) && poly "#b8603a" "$(( x - 1 )),$(( yb - h )) $(( x + d - 1 )),$(( yb - h - d / 2 - 3 )) $(( x + w + d + 1 )),$(( yb - h - d / 2 - 3 )) $(( x + w + 1 )),$(( yb - h ))"
  rnd 2; (( R == 0 )) && rect $(( x + w / 3 )) $(( yb - h + h / 3 )) $(( x + w / 3 + 3 )) $(( yb - h + h / 3 + 4 )) "#4a4036"
  rect $(( x + w / 2 + 1 )) $(( yb - 6 )) $(( x + w / 2 + 4 )) "$yb" "#6a4a30"
}

# A church tower: x, bottom, width, height, wall, top ("spire", "dome", "pyramid", "flat").
tower() {
  local x=$1 yb=$2 w=$3 h=$4 wall=$5 top=$6 t=$(( $2 - $4 ))
  rect "$x" "$t" $(( x + w )) "$yb" "$wall"
  shade "$wall" -25; rect $(( x + w * 3 / 4 )) "$t" $(( x + w )) "$yb" "$C" 0.6
  shade "$wall" -15; rect $(( x - 2 )) $(( t + h / 3 )) $(( x + w + 2 )) $(( t + h / 3 + 3 )) "$C"
  archway $(( x + w / 4 )) $(( t + w + 4 )) $(( w / 2 )) $(( w * 3 / 4 )) "#2b2622"
  case $top in
    spire) poly "#5b5f66" "$(( x - 2 )),$t $(( x + w / 2 )),$(( t - w * 2 )) $(( x + w + 2 )),$t"
           line $(( x + w / 2 )) $(( t - w * 2 - 9 )) $(( x + w / 2 )) $(( t - w * 2 )) "#3a3a3a" 1
           line $(( x + w / 2 - 3 )) $(( t - w * 2 - 6 )) $(( x + w / 2 + 3 )) $(( t - w * 2 - 6 )) "#3a3a3a" 1 ;;
    dome) ell $(( x + w / 2 )) "$t" $(( w / 2 + 1 )) $(( w / 2 )) "#6d7a80"
          line $(( x + w / 2 )) $(( t - w / 2 - 8 )) $(( x + w / 2 )) $(( t - w / 2 )) "#3a3a3a" 1 ;;
    pyramid) poly "#a65638" "$(( x - 2 )),$t $(( x + w / 2 )),$(( t - w / 2 )) $(( x + w + 2 )),$t" ;;
    flat) local k; for (( k = x; k < x + w; k += 6 )); do rect "$k" $(( t - 4 )) $(( k + 3 )) "$t" "$wall"; done ;;
  esac
}

# A church: nave with a round window and door, a tower on one side.
church() {
  local x=$1 yb=$2 w=$3 h=$4 wall=$5 side=${6:-left} top=${7:-spire} tw=$(( $3 / 3 ))
  rect "$x" $(( yb - h )) $(( x + w )) "$yb" "$wall"
  shade "$wall" -30; poly "$C" "$(( x - 3 )),$(( yb - h + 1 )) $(( x + w / 2 )),$(( yb - h - w / 4 )) $(( x + w + 3 )),$(( yb - h + 1 ))"
  shade "$wall" -8; poly "$C" "$(( x + 1 )),$(( yb - h + 1 )) $(( x + w / 2 )),$(( yb - h - w / 4 + 4 )) $(( x + w - 1 )),$(( yb - h + 1 ))"
  circ $(( x + w / 2 )) $(( yb - h * 2 / 3 )) $(( w / 10 + 1 )) "#3b3340"
  archway $(( x + w / 2 - w / 8 )) "$yb" $(( w / 4 )) $(( h * 2 / 5 )) "#4a3224"
  local tx=$(( x - tw + 2 )); [[ $side == right ]] && tx=$(( x + w - 2 ))
  tower "$tx" "$yb" "$tw" $(( h * 17 / 10 )) "$wall" "$top"
}

# A row of round arches on pillars: x, bottom, width, height, arches, wall colour.
arcade() {
  local x=$1 yb=$2 w=$3 h=$4 n=$5 wall=$6 dark=${7:-#3e342c} i bw=$(( $3 / $5 ))
  rect "$x" $(( yb - h )) $(( x + w )) "$yb" "$wall"
  for (( i = 0; i < n; i++ )); do
    archway $(( x + i * bw + bw / 6 )) "$yb" $(( bw * 2 / 3 )) $(( h * 4 / 5 )) "$dark"
  done
}

tree() {
  local x=$1 yb=$2 r=$3 c=${4:-#4f7a36}
  rect $(( x - 2 )) $(( yb - r * 2 )) $(( x + 2 )) "$yb" "#5a4028"
  ell "$x" $(( yb - r * 2 )) "$r" $(( r * 9 / 10 )) "$c"
  shade "$c" 25; ell $(( x - r / 3 )) $(( yb - r * 2 - r / 3 )) $(( r / 2 )) $(( r * 2 / 5 )) "$C" 0.7
}

olive() {
  local x=$1 yb=$2 s=$3
  poly "#5c4a38" "$(( x - 2 )),$yb $(( x - 1 )),$(( yb - s )) $(( x + 2 )),$(( yb - s )) $(( x + 3 )),$yb"
  ell "$x" $(( yb - s - s / 2 )) "$s" $(( s * 2 / 3 )) "#66784a" 0.95
  ell $(( x - s / 2 )) $(( yb - s - s / 3 )) $(( s * 2 / 3 )) $(( s / 2 )) "#7d8f5c" 0.9
  ell $(( x + s / 2 )) $(( yb - s - s * 2 / 3 )) $(( s * 2 / 3 )) $(( s / 2 )) "#8a9b6a" 0.85
}

cypress() { ell "$1" $(( $2 - $3 / 2 )) $(( $3 / 7 + 1 )) $(( $3 / 2 )) "#2e4a2a"; ell $(( $1 - 1 )) $(( $2 - $3 / 2 - 2 )) $(( $3 / 14 + 1 )) $(( $3 / 3 )) "#3f6038" 0.8; }

# A standing figure: x, feet row, height, clothes colour, hair colour.
person() {
  local x=$1 yb=$2 h=$3 c=$4 hair=${5:-#3a2a1e} r=$(( $3 / 8 + 1 ))
  line $(( x - r / 2 )) $(( yb - h * 2 / 5 )) $(( x - r / 2 - 1 )) "$yb" "#2f2f3a" 2
  line $(( x + r / 2 )) $(( yb - h * 2 / 5 )) $(( x + r / 2 + 1 )) "$yb" "#2f2f3a" 2
  brush "$c"; emit "roundrectangle $(( x - r - 1 )),$(( yb - h + r * 2 )) $(( x + r + 1 )),$(( yb - h * 2 / 5 )) 2,2"
  circ "$x" $(( yb - h + r )) "$r" "#e2b48e"
  ell "$x" $(( yb - h + r - r / 2 )) "$r" $(( r / 2 + 1 )) "$hair"
}

# A figure sitting on the ground or a bench.
sitter() {
  local x=$1 yb=$2 h=$3 c=$4 r=$(( $3 / 6 + 1 ))
  line "$x" $(( yb - 2 )) $(( x + h / 2 )) $(( yb - 1 )) "#2f2f3a" 2
  brush "$c"; emit "roundrectangle $(( x - r )),$(( yb - h + r * 2 )) $(( x + r )),$yb 2,2"
  circ "$x" $(( yb - h + r )) "$r" "#d9a982"
}

crowd() {
  local x0=$1 x1=$2 yb=$3 n=$4 h=$5 i
  for (( i = 0; i < n; i++ )); do
    rr "$x0" "$x1"; local x=$R; rr -4 4; local y=$(( yb + R )); rr $(( h - 4 )) "$h"; local hh=$R
    pick "#b03a2e" "#2e5c9a" "#e0b020" "#3f7f4a" "#7a4a8a" "#d46a2a" "#f0f0f0" "#404a5a"; local cl=$C
    pick "#3a2a1e" "#1e1a16" "#7a5530" "#c9a050" "#9a9a9a"; person "$x" "$y" "$hh" "$cl" "$C"
  done
}

sheep() {
  local x=$1 y=$2
  line $(( x - 4 )) "$y" $(( x - 4 )) $(( y + 6 )) "#3a3a3a" 1; line $(( x + 4 )) "$y" $(( x + 4 )) $(( y + 6 )) "#3a3a3a" 1
  ell "$x" "$y" 8 5 "#f1ede2"; ell $(( x - 2 )) $(( y - 2 )) 5 3 "#fbf9f3"
  ell $(( x + 8 )) $(( y - 2 )) 3 2 "#3c3630"
}

car() {
  local x=$1 yb=$2 w=$3 c=$4 h=$(( $3 * 3 / 10 ))
  brush "$c"; emit "roundrectangle $x,$(( yb - h - 3 )) $(( x + w )),$(( yb - 3 )) 3,3"
  emit "roundrectangle $(( x + w / 5 )),$(( yb - h * 2 + 1 )) $(( x + w * 3 / 4 )),$(( yb - h )) 4,4"
  rect $(( x + w / 5 + 3 )) $(( yb - h * 2 + 4 )) $(( x + w * 3 / 4 - 3 )) $(( yb - h - 2 )) "#bcd3e0"
  circ $(( x + w / 5 )) $(( yb - 4 )) $(( w / 9 + 1 )) "#222222"; circ $(( x + w * 4 / 5 )) $(( yb - 4 )) $(( w / 9 + 1 )) "#222222"
}

truck() {
  local x=$1 yb=$2 w=$3 c=$4 load=${5:-} h=$(( $3 * 3 / 10 ))
  rect "$x" $(( yb - h - 6 )) $(( x + w * 2 / 3 )) $(( yb - 6 )) "#7a5a3a"
  rect "$x" $(( yb - 9 )) $(( x + w )) $(( yb - 5 )) "#3a3a3a"
  [[ -n $load ]] && poly "$load" "$(( x + 2 )),$(( yb - h - 6 )) $(( x + w / 4 )),$(( yb - h - 6 - h / 2 )) $(( x + w / 2 )),$(( yb - h - 6 - h * 2 / 3 )) $(( x + w * 2 / 3 - 2 )),$(( yb - h - 6 ))"
  brush "$c"; emit "roundrectangle $(( x + w * 2 / 3 + 1 )),$(( yb - h - 10 )) $(( x + w )),$(( yb - 6 )) 4,4"
  rect $(( x + w * 2 / 3 + 5 )) $(( yb - h - 6 )) $(( x + w - 3 )) $(( yb - h + 2 )) "#bcd3e0"
  circ $(( x + w / 6 )) $(( yb - 5 )) $(( w / 10 + 1 )) "#222222"; circ $(( x + w * 5 / 6 )) $(( yb - 5 )) $(( w / 10 + 1 )) "#222222"
}

boat() {
  local x=$1 y=$2 w=$3 c=$4
  poly "$c" "$x,$y $(( x + w )),$(( y - 3 )) $(( x + w - 5 )),$(( y + w / 5 )) $(( x + 5 )),$(( y + w / 5 ))"
  shade "$c" 60; line $(( x + 2 )) $(( y + 2 )) $(( x + w - 2 )) $(( y - 1 )) "$C" 2
  line $(( x + w / 2 )) $(( y - 1 )) $(( x + w / 2 )) $(( y - w * 2 / 3 )) "#5a4632" 1
}

barrel() {
  local x=$1 y=$2 r=$3
  circ "$x" "$y" "$r" "#7a4a26"; circ "$x" "$y" $(( r * 3 / 4 )) "#8f5a30"
  emit "fill none stroke '#3a2a1a' stroke-width 2 circle $x,$y $(( x + r )),$y"; emit "stroke none"
  rect $(( x - 1 )) $(( y + r / 2 )) $(( x + 2 )) $(( y + r / 2 + 4 )) "#c8a060"
}

stall() {
  local x=$1 yb=$2 w=$3 c1=$4 c2=$5 i s=$(( $3 / 6 ))
  line $(( x + 2 )) $(( yb - 36 )) $(( x + 2 )) "$yb" "#555555" 2; line $(( x + w - 2 )) $(( yb - 36 )) $(( x + w - 2 )) "$yb" "#555555" 2
  for (( i = 0; i < 6; i++ )); do
    local col=$c1; (( i % 2 )) && col=$c2
    poly "$col" "$(( x + i * s - 2 )),$(( yb - 44 )) $(( x + (i + 1) * s - 2 )),$(( yb - 44 )) $(( x + (i + 1) * s + 2 )),$(( yb - 34 )) $(( x + i * s + 2 )),$(( yb - 34 ))"
  done
  rect "$x" $(( yb - 14 )) $(( x + w )) $(( yb - 10 )) "#8a6a44"
  for (( i = 0; i < w / 7; i++ )); do pick "#e04030" "#f0a020" "#60a040" "#f0d040" "#a03070"; circ $(( x + 4 + i * 7 )) $(( yb - 17 )) 3 "$C"; done
}

lamp() { line "$1" "$2" "$1" $(( $2 - $3 )) "#2a2a2a" 2; rect $(( $1 - 3 )) $(( $2 - $3 - 7 )) $(( $1 + 3 )) $(( $2 - $3 )) "#2a2a2a"; rect $(( $1 - 2 )) $(( $2 - $3 - 6 )) $(( $1 + 2 )) $(( $2 - $3 - 1 )) "#f4e3a0"; }

# A bull seen from the side, facing right: x, feet row, scale in percent.
bull() {
  local x=$1 yb=$2 s=$3 pts="" p
  for p in 10,15 40,14 60,6 72,10 82,12 84,3 88,12 96,21 93,27 84,26 76,30 72,36 71,58 66,58 64,41 30,41 27,58 22,58 20,40 12,34 9,46 6,47 8,33 10,27; do
    pts+=" $(( x + ${p%,*} * s / 100 )),$(( yb - (58 - ${p#*,}) * s / 100 ))"
  done
  poly "#15110f" "$pts"
}

stork_nest() {
  local x=$1 y=$2
  ell "$x" "$y" 9 4 "#5a4630"; ell "$x" $(( y - 2 )) 8 3 "#6e5840"
  ell $(( x + 1 )) $(( y - 7 )) 3 5 "#f4f4f0"; rect $(( x + 1 )) $(( y - 9 )) $(( x + 4 )) $(( y - 3 )) "#1e1e1e"
  circ $(( x + 1 )) $(( y - 13 )) 2 "#f4f4f0"; line $(( x + 3 )) $(( y - 13 )) $(( x + 9 )) $(( y - 11 )) "#d04a20" 1
}

thistle() {
  local x=$1 yb=$2 h=$3 t=$(( $2 - $3 ))
  line "$x" "$yb" "$x" "$t" "#5f7a4a" 2
  poly "#6f8a56" "$x,$(( yb - h / 3 )) $(( x - 9 )),$(( yb - h / 2 )) $(( x - 4 )),$(( yb - h / 3 - 2 )) $(( x - 7 )),$(( yb - h / 4 ))"
  poly "#6f8a56" "$x,$(( yb - h / 2 )) $(( x + 9 )),$(( yb - h * 2 / 3 )) $(( x + 4 )),$(( yb - h / 2 - 2 )) $(( x + 8 )),$(( yb - h * 2 / 5 ))"
  ell "$x" $(( t + 3 )) 4 5 "#7d8f5a"
  local k; for k in -4 -2 0 2 4; do line "$x" "$t" $(( x + k )) $(( t - 6 )) "#9a4aa8" 2; done
}

# Houses along both sides of a street that runs to the vanishing point
# (vx, vy); houses: how many per side; palette: wall colours to choose from.
street() {
  local vx=$1 vy=$2 houses=$3 shutters=$4; shift 4
  local walls=("$@") side
  poly "#9b8f80" "0,$H $W,$H $(( vx + 8 )),$(( vy + 14 )) $(( vx - 8 )),$(( vy + 14 ))"
  shade "#9b8f80" 12; polyo "$C" 0.6 "$(( vx - 40 )),$H $(( vx + 40 )),$H $(( vx + 2 )),$(( vy + 14 )) $(( vx - 2 )),$(( vy + 14 ))"
  for side in left right; do
    local hs=() i
    for (( i = 0; i < houses; i++ )); do rnd 100; hs+=("$R"); pick "${walls[@]}"; hs+=("$C"); done
    local out
    out=$(awk -v side="$side" -v vx="$vx" -v vy="$vy" -v W="$W" -v H="$H" -v n="$houses" -v sh="$shutters" -v list="${hs[*]}" '
      function px(t) { return x0 + (vx - x0) * t }
      function py(t, f,   top, bot) { top = yt + (vy - yt) * t; bot = yb + (vy + 14 - yb) * t; return bot - (bot - top) * f }
      function quad(c, t1, f1, t2, f2) { printf "stroke none fill '\''%s'\'' fill-opacity 1 polygon %.1f,%.1f %.1f,%.1f %.1f,%.1f %.1f,%.1f\n", c, px(t1), py(t1, f1), px(t2), py(t2, f1), px(t2), py(t2, f2), px(t1), py(t1, f2) }
      BEGIN {
        split(list, s, " "); x0 = (side == "left") ? -10 : W + 10; yt = -20; yb = H + 4
        for (i = 0; i < n; i++) {
          ta = 1 - 1 / (1 + 0.55 * i); tb = 1 - 1 / (1 + 0.55 * (i + 1)); c = s[2 * i + 2]
          hf = 0.62 + s[2 * i + 1] / 100 * 0.38
          quad(c, ta, 0, tb, hf)
          quad("#6b4a36", ta, hf, tb, hf + 0.03)                    # eaves
          for (r = 0; r < 3; r++) {
            fy = 0.22 + r * 0.25; if (fy + 0.12 > hf - 0.04) break
            for (k = 0; k < 2; k++) {
              w1 = ta + (tb - ta) * (0.2 + k * 0.4); w2 = w1 + (tb - ta) * 0.2
              if (sh != "") { quad(sh, w1 - (tb - ta) * 0.05, fy, w1, fy + 0.14); quad(sh, w2, fy, w2 + (tb - ta) * 0.05, fy + 0.14) }
              quad("#3b3430", w1, fy, w2, fy + 0.14)
              if (r > 0) quad("#2a2a2a", w1 - (tb - ta) * 0.03, fy - 0.015, w2 + (tb - ta) * 0.03, fy)   # balcony
            }
          }
          quad("#5a3a24", ta + (tb - ta) * 0.42, 0, ta + (tb - ta) * 0.58, 0.15)   # door
          quad("#00000033", tb - (tb - ta) * 0.04, 0, tb, hf)
        }
      }')
    emit "$out"
  done
}

# ---------------------------------------------------------------------------
# The scenes. Each sets the sky and ground and draws its subject.

scene() {
  local n=$1 i x y
  case $n in
    1|36) # street of a small town
      if (( n == 1 )); then sky "#5f9bd3" "#e3eef2"; street 160 118 4 "" "#d9b98a" "#cfa877" "#e2c9a0" "#c99a68" "#e8d8b8"
      else sky "#4f8fd0" "#d8e9f5"; street 150 112 4 "#3f6e5a" "#f2ede2" "#e8d6b0" "#f0d9c0" "#dfe6e2"; fi
      clouds 2; front; crowd 120 200 205 3 26 ;;
    4) # home from work at dusk
      sky "#e8884a" "#f6d49a"; sun 160 112 10 "#ffe6a0"; street 160 116 5 "#6a4a30" "#d4a878" "#c8966a" "#e0bc8c"
      front; person 135 214 34 "#4a5a7a"; person 178 190 22 "#7a3a2a"; person 190 192 22 "#3a5a3a" ;;
    52) # street with arcades
      sky "#5d9ad6" "#e2eef6"; street 160 110 4 "" "#d6c29a" "#e3d2aa" "#caa77a"
      front; arcade 0 240 70 60 2 "#cdb48a"; arcade 250 240 70 60 2 "#d8c19a"; crowd 110 210 215 3 28 ;;
    56) # city street with tall houses
      sky "#6aa0d8" "#e6eef4"; street 160 100 5 "" "#e8d3b0" "#d9b48c" "#f0e4cc" "#c98f6a" "#e2c6a6"
      front; lamp 100 230 60; lamp 222 230 60; car 135 236 50 "#b02a2a"; crowd 60 260 232 4 30 ;;
    2) # fishermen resting in the shade of their boats
      sky "#4b93d8" "#cfe6f6"; clouds 2; rect 0 120 320 150 "#2f7cb8"; rect 0 120 320 124 "#4f9ad0"
      ground 150 "#ead7a4" "#d9bd82"; front
      boat 20 170 90 "#2f6fa8"; boat 190 190 110 "#b8402e"; boat 120 158 70 "#e0e0d8"
      sitter 95 205 22 "#404a6a"; sitter 112 207 22 "#8a3a2a"; sitter 180 216 22 "#3a5a3a" ;;
    5) # sunset on the coast
      sky "#3b2d5e" "#f2a45a"; sun 200 128 18 "#ffd27a"; clouds 2 "#f6b88a"
      rect 0 132 320 240 "#2a4a78"; front
      for (( i = 0; i < 10; i++ )); do rr 140 236; y=$R; line $(( 200 - 40 + i * 3 )) "$y" $(( 200 + 30 - i * 2 )) "$y" "#f2b06a" 1; done
      poly "#1e1a24" "0,96 40,92 70,110 100,118 130,134 0,150"; poly "#1e1a24" "240,240 280,180 320,170 320,240" ;;
    6) # beach without many tourists
      sky "#3f8fe0" "#d4ecfb"; clouds 1; rect 0 112 320 150 "#1f7ab8"; rect 0 144 320 152 "#7cc6e6"
      ground 150 "#f3e2b4" "#e2c88e"; front
      rect 70 160 72 200 "#6a6a6a"; shape "#e04a3a" "M 50,168 Q 71,148 94,168 Z"; shape "#f4f4f4" "M 58,166 Q 71,152 84,166 Z"
      rect 230 170 232 210 "#6a6a6a"; shape "#2a7ac0" "M 208,178 Q 231,156 256,178 Z"
      sitter 92 205 20 "#d04a6a"; person 185 210 28 "#3a7ac0" "#c9a050" ;;
    3|24|26) # road scenes: traffic of the sixties, sand, a jam
      sky "#68a4d8" "#e4eef2"; clouds 2; hills 130 12 "#9aa86a"; ground 135 "#c9b07a" "#a88c58"
      front; poly "#6e6a66" "130,135 190,135 320,210 320,240 0,240 0,210"
      line 160 136 160 240 "#e8e0c0" 1
      case $n in
        3) truck 40 205 90 "#5a7a9a"; car 200 180 60 "#c8b070"; olive 285 160 12 ;;
        24) truck 60 212 120 "#d06030" "#e0c080"; poly "#e0c080" "230,200 270,150 320,200"; olive 30 150 10 ;;
        26) for (( i = 0; i < 5; i++ )); do pick "#b02a2a" "#2a5ab0" "#e0c030" "#e6e6e6" "#2a8a4a"; car $(( 20 + i * 34 )) $(( 200 + i * 6 )) $(( 38 + i * 3 )) "$C"; done
            rect 250 190 300 194 "#f4f4f4"; sitter 250 214 22 "#b03a2e"; sitter 292 214 22 "#2e5c9a" ;;
      esac ;;
    7) # a bar in the country
      sky "#5e9fd8" "#e6f0f2"; hills 120 10 "#a8a868"; ground 130 "#cdb07a" "#b89660"; front
      house 90 200 140 72 "#f2ede0" flat "#4a6a4a"; rect 86 140 234 148 "#b83a2a"
      for (( i = 0; i < 8; i++ )); do   # striped awning
        local stripe="#c84030"; (( i % 2 )) && stripe="#f4f4f4"
        poly "$stripe" "$(( 86 + i * 19 )),148 $(( 86 + (i + 1) * 19 )),148 $(( 86 + (i + 1) * 19 + 3 )),158 $(( 86 + i * 19 + 3 )),158"
      done
      for x in 60 250; do rect $(( x - 12 )) 204 $(( x + 12 )) 207 "#c0c0c0"; line "$x" 207 "$x" 222 "#808080" 2; done
      sitter 40 224 24 "#6a4a2a"; sitter 270 224 24 "#2a4a6a"; olive 30 150 12 ;;
    8) # autumn walk
      sky "#8fb8d8" "#eef0e6"; hills 120 14 "#a7a060"; ground 140 "#b89a5a" "#8a7040"; front
      for x in 30 90 250 300; do rr 14 22; local r=$R; pick "#d07a2a" "#c8a030" "#b0502a" "#e0b040"; tree "$x" 200 "$r" "$C"; done
      person 170 220 46 "#5a6a3a" "#7a5530"; rect 178 190 186 196 "#2a2a2a" ;;
    9) # Andalusian white village on a hill
      sky "#3f8ee0" "#cde8fa"; sun 270 40 12; hills 110 8 "#a89868"; ground 200 "#9a9a5a" "#7a7a40"; front
      for (( i = 0; i < 26; i++ )); do rr 10 290; x=$R; rr 120 200; y=$R; rr 18 30; local w=$R; rr 14 22; cube "$x" "$y" "$w" "$R"; done
      church 150 130 40 30 "#f4f2ea" right dome; olive 40 226 14; olive 280 230 12 ;;
    10) # view from a fortress over the town
      sky "#78acdc" "#eef2ea"; mountains 110 30 70 "#8f8fa6" "#f6f6fa"; hills 140 8 "#b9a77a"
      for (( i = 0; i < 30; i++ )); do rr 0 310; x=$R; rr 140 190; y=$R; cube "$x" "$y" 16 12 "#efe6d6"; done
      ground 195 "#8a4a30" "#6a3420"; front
      for (( x = 0; x < W; x += 20 )); do rect "$x" 185 $(( x + 12 )) 195 "#8a4a30"; done
      rect 0 0 40 240 "#7a4028"; rect 280 0 320 240 "#7a4028"; cypress 60 196 60; cypress 262 196 56 ;;
    11) # a lonely block outside town
      sky "#7aa8d0" "#e8eef0"; rect 0 150 320 156 "#b8b8c0"
      for (( i = 0; i < 12; i++ )); do rr 0 300; x=$R; rr 8 30; rect "$x" $(( 156 - R )) $(( x + 16 )) 156 "#a8acb8"; done
      ground 156 "#c8b48a" "#a89060"; front
      house 130 210 70 120 "#e4d8c4" flat "#4a5a6a"; thistle 40 230 30; thistle 290 228 26 ;;
    12) # village children around visitors
      sky "#5a9ad6" "#e4eef2"; house 0 170 90 80 "#efe4cc" "#b45a34"; house 100 170 120 70 "#f6f0e2" "#a85030"; house 230 170 90 90 "#e6cfa6" "#b8603a"
      ground 170 "#d8c9a4" "#bfa97e"; front
      person 150 230 58 "#e8e8f0" "#f0dc90"; person 172 230 60 "#4a7ab0" "#f0dc90"
      for x in 100 118 200 222 240 86; do rr 30 36; local hh=$R; pick "#b03a2e" "#3f7f4a" "#e0b020" "#7a4a8a"; person "$x" 232 "$hh" "$C" "#1e1a16"; done ;;
    13|17) # cloister / court of the lions
      sky "#5e9ad6" "#dceaf4"
      if (( n == 13 )); then arcade 0 160 320 80 6 "#e0cfae"; rect 0 70 320 80 "#b05a36"; ground 160 "#b8a684" "#9f8d6a"
      else arcade 0 165 320 85 9 "#e8dcc0" "#5a4a3a"; for (( x = 8; x < W; x += 35 )); do rect "$x" 100 $(( x + 4 )) 165 "#f2ead8"; done; ground 165 "#d8ccb0" "#c4b494"; fi
      front
      if (( n == 13 )); then cypress 60 200 70; cypress 260 200 70; ell 160 205 45 12 "#a0a0a0"; ell 160 203 40 9 "#6aa8d0"; rect 157 180 163 203 "#b0b0b0"; ell 160 180 10 3 "#c0c0c0"
      else ell 160 200 60 14 "#a89f8e"; ell 160 196 26 8 "#bdb4a6"; rect 154 176 166 196 "#bdb4a6"; ell 160 176 16 5 "#cfc8bb"
           for x in 108 128 192 212; do ell "$x" 202 6 5 "#a8905a"; circ "$x" 196 4 "#a8905a"; done; line 160 170 160 160 "#a8d4f0" 2; fi ;;
    14|43|54) # square with the town hall, arcades or a statue
      sky "#5c98d6" "#dfecf4"; clouds 1
      arcade 0 180 110 50 3 "#d9c097"; rect 0 110 110 130 "#d9c097"; arcade 210 180 110 50 3 "#e0c8a0"; rect 210 112 320 130 "#e0c8a0"
      if (( n == 14 )); then arcade 100 170 120 40 4 "#c9a478"; rect 100 100 220 130 "#c9a478"; tower 145 100 30 50 "#c9a478" flat; circ 160 70 6 "#f4f0e0"
      else church 130 170 60 50 "#d8c4a0" right pyramid; fi
      ground 175 "#c8b898" "#a89676"; front
      if (( n != 14 )); then rect 150 180 170 215 "#b8b0a0"; person 160 182 30 "#4a5a50" "#4a5a50"; tree 40 220 18; tree 280 220 18; fi
      crowd 20 300 225 5 28 ;;
    15|22|28|30) # mountain views
      case $n in
        15) sky "#6ea4d6" "#e6eee8"; mountains 140 30 70 "#7a8a6a"; ground 150 "#a8a060" "#8a8040"; front
            for x in 30 90 160 230 290; do rr 10 16; tree "$x" $(( 200 + x % 30 )) "$R" "#4a6a30"; done ;;
        22) sky "#5e94d0" "#e4eef6"; mountains 130 40 80 "#6a7a9a" "#f4f6fa"; hills 150 8 "#8aa060"; ground 180 "#b0a268" "#8e8048"; front
            house 20 230 80 40 "#e2d2b2" "#a85a34"; house 230 235 90 45 "#ecdcbc" "#b8603a" ;;
        28) sky "#7aa4c8" "#e2eaee"; mountains 120 40 80 "#8a94ac" "#f4f6fa"; hills 150 16 "#5a9a4a"; ground 170 "#4a8a3a" "#3a7030"; front
            house 130 215 80 50 "#f2efe8" "#8a4a2a"; for x in 145 160 175 190; do line "$x" 170 "$x" 212 "#6a3a20" 2; done; tree 40 220 16 "#2f6a2a" ;;
        30) sky "#6a9ccc" "#e4eaee"; mountains 120 30 70 "#7a7a70"; ground 150 "#8a8a50" "#6a6a3a"; front
            shape "#5a5a5a" "M 40,240 Q 140,200 120,180 T 200,150 T 240,130 L 250,132 Q 215,150 210,160 T 140,186 T 80,240 Z"
            rect 250 118 254 150 "#8a8a8a"; rect 244 112 264 120 "#2a5aa0" ;;
      esac ;;
    16) # railway station
      sky "#6aa0d6" "#e4eef4"; clouds 2; house 40 170 240 70 "#d8c09a" "#9a4a30" "#3a4a5a"; tower 145 110 30 30 "#d8c09a" flat; circ 160 88 6 "#f4f0e0"
      ground 170 "#9a9a92" "#7a7a72"; front
      rect 0 196 320 200 "#5a5a5a"; rect 0 214 320 218 "#5a5a5a"
      brush "#2a6a4a"; emit "roundrectangle 20,170 220,208 6,6"; for x in 34 70 106 142 178; do rect "$x" 178 $(( x + 24 )) 190 "#bcd3e0"; done
      crowd 240 310 200 3 30 ;;
    18) # water coming out of a cave
      sky "#7a7060" "#a89a80"; poly "#8a7a62" "0,0 320,0 320,240 0,240"
      shape "#6e6050" "M 0,40 Q 80,10 160,30 T 320,40 L 320,240 L 0,240 Z"
      ell 160 120 70 55 "#1a1612"; ell 160 130 60 45 "#0e0c0a"
      front; poly "#4a8ab8" "120,170 200,170 240,240 80,240"; polyo "#bfe2f4" 0.7 "140,172 180,172 200,240 120,240"
      for x in 20 60 260 300; do rr 10 16; tree "$x" 236 "$R" "#4a7a36"; done ;;
    19|20) # the strait; the rock in the distance
      sky "#5e9ad8" "#dcecf6"; clouds 2
      if (( n == 19 )); then mountains 135 10 30 "#a0a6b8"; rect 0 135 320 240 "#1f6aa8"; front; poly "#f0f0f0" "110,170 200,170 192,182 118,182"; rect 140 150 170 170 "#e6e6e6"; rect 150 140 156 150 "#b03a2e"
      else rect 0 140 320 240 "#2a78b6"; poly "#9a9aa0" "180,140 210,100 236,88 250,100 262,140"; front; poly "#c8b07a" "0,240 0,200 120,190 200,240"; boat 230 200 50 "#f0f0f0"; fi
      for (( i = 0; i < 14; i++ )); do rr 0 300; x=$R; rr 150 236; line "$x" "$R" $(( x + 14 )) "$R" "#8fc4e6" 1; done ;;
    21) # vineyards in the south
      sky "#4a90e0" "#e4eef6"; sun 60 40 14; hills 115 8 "#c8a870"; ground 120 "#c8a06a" "#b08a58"; front
      local out; out=$(awk 'BEGIN {
        for (i = -9; i <= 9; i++) {
          printf "fill none stroke '\''#a87a48'\'' stroke-width 2 line 160,121 %.0f,240\n", 160 + i * 106
          for (k = 1; k <= 16; k++) {
            y = 121 + 119 * (k / 16) ^ 2; d = y - 120; x = 160 + i * d * 0.9
            if (x < -10 || x > 330) continue
            printf "stroke none fill '\''#4a7a2a'\'' fill-opacity 1 ellipse %.1f,%.1f %.1f,%.1f 0,360\n", x, y - d / 30, 1 + d / 14, 0.6 + d / 24
          }
        } }'); emit "$out" ;;
    23) # a flock of sheep
      sky "#6aa2d8" "#e8f0ee"; hills 120 10 "#b0a870"; ground 130 "#c0b07a" "#a0905a"; front
      for (( i = 0; i < 24; i++ )); do rr 20 300; x=$R; rr 150 225; sheep "$x" "$R"; done
      person 280 200 40 "#6a5a40" "#3a2a1e"; line 288 166 292 200 "#5a4028" 2 ;;
    25|35) # wine cellar
      sky "#3a2a1e" "#6a4a30"; ell 160 60 170 120 "#8a6a48"; ell 160 70 150 100 "#7a5a3c"
      ground 170 "#5a4030" "#3a2a1e"; front
      for (( i = 0; i < 5; i++ )); do barrel $(( 30 + i * 32 )) 160 14; barrel $(( 46 + i * 32 )) 136 14; done
      line 240 0 240 40 "#2a2a2a" 1; circ 240 46 5 "#ffe8a0"; circ 240 46 14 "#ffe8a0" 0.2
      if (( n == 25 )); then sitter 220 220 40 "#7a2a2a"; sitter 270 222 40 "#2a4a6a"; rect 236 196 262 200 "#6a4a2a"; rect 244 186 248 196 "#2a5a2a"; fi ;;
    27) # the border crossing
      sky "#7aa4cc" "#e4ecee"; hills 110 16 "#4a8a40"; hills 135 10 "#5a9a4a"; ground 150 "#6aa04a" "#4a8a3a"; front
      poly "#5a5a5a" "140,150 180,150 320,240 0,240"; line 160 152 160 240 "#f0f0f0" 1
      rect 250 120 254 200 "#8a8a8a"; rect 230 96 290 126 "#1f3f9f"
      for i in "260,101" "266,103" "270,107" "271,111" "270,115" "266,119" "260,121" "254,119" "250,115" "249,111" "250,107" "254,103"; do circ "${i%,*}" "${i#*,}" 1 "#f4d020"; done ;;
    29) # market stalls
      sky "#6aa4d8" "#e8eef2"; house 0 150 110 70 "#e8d8bc" "#a85a34"; house 110 150 100 60 "#f0e6d2" "#b45a30"; house 210 150 110 80 "#dcc49a" "#9a4a30"
      ground 150 "#bcb09a" "#9a8e78"; front
      stall 10 190 90 "#d84030" "#f4f4f4"; stall 120 196 90 "#2a6ab0" "#f4f4f4"; stall 230 190 80 "#e0a020" "#f4f4f4"
      crowd 10 310 236 7 32 ;;
    31) # Basque village
      sky "#7aa0c4" "#dfe6ea"; clouds 3 "#f2f4f6"; hills 100 14 "#4a8a40"; ground 160 "#5a9a4a" "#3a7a30"; front
      for x in 20 100 200; do house "$x" 200 70 50 "#f4f2ee" "#8a4028"; for i in 1 2 3; do line $(( x + i * 17 )) 152 $(( x + i * 17 )) 198 "#6a3018" 2; done; done
      church 270 200 40 50 "#c8c4b8" left spire ;;
    32|41|55) # churches
      sky "#5a98d8" "#e0ecf6"; clouds 2
      case $n in
        32) ground 190 "#c4b494" "#a49474"; front; church 110 200 110 80 "#d8c4a0" left spire; house 250 205 70 50 "#e8dcc4" "#a85a34" ;;
        41) hills 130 10 "#a6a86a"; ground 170 "#b0a46a" "#8e844a"; front; church 120 200 90 60 "#e8e0d0" right pyramid; cypress 60 210 50; cypress 80 215 40 ;;
        55) ground 200 "#c4b494" "#a49474"; front; church 90 210 140 90 "#c8a078" right spire; house 0 215 60 70 "#e0ccaa" "#a85a34"; crowd 20 300 232 4 26 ;;
      esac ;;
    33) # looking for shade
      sky "#3f90e6" "#cfe8fa"; sun 250 40 18 "#fff8d0"; ground 130 "#e2c88a" "#caa868"; front
      ell 120 210 70 14 "#7a6a40" 0.8; tree 120 205 38 "#3f6a2a"
      sitter 100 215 26 "#c8402a"; sitter 130 217 26 "#2a5a9a"; ell 160 216 10 4 "#8a6a4a" ;;
    34) # the plateau
      sky "#5c94d8" "#eef2ea"; clouds 3; ground 150 "#d8be7a" "#b89a58"; front
      for (( i = 0; i < 8; i++ )); do line 0 $(( 160 + i * 10 )) 320 $(( 156 + i * 11 )) "#c4a868" 1; done
      tree 240 160 8 "#5a6a36"; cube 60 152 14 10 ;;
    37|39|48) # old facades
      sky "#5e9ad6" "#e2ecf4"
      case $n in
        37) house 30 210 260 120 "#c9a57a" flat "#2e2a26"; archway 140 210 40 60 "#4a3020"; poly "#a8844e" "150,100 170,100 174,120 160,128 146,120" ;;
        39) house 40 210 240 100 "#e6dcc4" "#9a4a2a" "#4a3a2a"; for x in 70 220; do rect $(( x - 4 )) 140 $(( x + 34 )) 142 "#5a3a22"; for (( i = 0; i < 8; i++ )); do line $(( x - 2 + i * 5 )) 130 $(( x - 2 + i * 5 )) 141 "#5a3a22" 1; done; done ;;
        48) house 20 210 280 110 "#d8b886" flat "#3a342c"; for (( x = 40; x < 290; x += 40 )); do rect "$x" 110 $(( x + 5 )) 210 "#c8a470"; done
            rect 120 92 200 110 "#c8a470"; poly "#c8a470" "120,92 160,72 200,92"; archway 145 210 30 45 "#3a2a1e" ;;
      esac
      ground 210 "#b8ac94" "#988c74"; front; crowd 20 300 234 3 26 ;;
    38) # storks' nests on a tower
      sky "#6aa6dc" "#e8f2f6"; clouds 2; ground 200 "#b8a880" "#988860"; front
      tower 120 220 50 150 "#c9a070" flat; stork_nest 145 64; stork_nest 125 66
      house 0 225 100 50 "#e2d0b0" "#a85a34"; house 200 225 120 60 "#ead8b8" "#b8603a" ;;
    40) # thistles among apartment blocks
      sky "#78aadc" "#e8eef2"; for x in 10 90 170 250; do house "$x" 160 70 90 "#e6dccc" flat "#4a5a6a"; done
      ground 160 "#c8b080" "#a89060"; front; for x in 30 70 120 170 220 270 300; do rr 40 70; thistle "$x" 236 "$R"; done ;;
    42) # picnic among friends
      sky "#6aa6dc" "#e8f0ea"; hills 120 10 "#90a860"; ground 140 "#8ab058" "#6a9040"; front
      tree 60 180 30 "#3a6a2a"; rect 110 188 250 196 "#f2f2f2"; rect 110 196 250 200 "#c84030"
      for x in 130 170 210 240; do rect "$x" 176 $(( x + 4 )) 188 "#2a6a3a"; done
      sitter 100 226 34 "#2e5c9a"; sitter 150 232 34 "#d46a2a"; sitter 205 232 34 "#7a4a8a"; sitter 262 226 34 "#3f7f4a" ;;
    44) # old and new houses side by side
      sky "#6aa0d8" "#e4ecf2"; house 150 200 80 150 "#d0ccc4" flat "#3a4a5a"; house 235 200 80 170 "#c8c0b4" flat "#3a4a5a"
      ground 200 "#b8aa90" "#988a70"; front; house 10 215 60 40 "#e8d8b8" "#a85a34"; house 75 215 60 35 "#f0e4cc" "#b8603a" ;;
    45|46) # friends on an outing
      sky "#5a98da" "#e6f0ec"; clouds 2; hills 115 14 "#8ea45a"; ground 145 "#a8a660" "#8a8a48"; front
      if (( n == 45 )); then crowd 60 260 215 6 46; else for x in 70 110 150 190 230; do rr 42 50; person "$x" 215 "$R" "#4a4a5a" "#2a2a2a"; rect $(( x - 8 )) $(( 215 - R - 2 )) $(( x + 8 )) $(( 215 - R )) "#2a2a2a"; done; fi
      olive 30 180 14; olive 290 186 12 ;;
    47) # a Castilian village on the plain
      sky "#5e96d6" "#e8eef0"; clouds 2; ground 150 "#d4b878" "#b49858"
      for (( i = 0; i < 16; i++ )); do rr 60 250; x=$R; rr 140 160; house "$x" "$R" 28 18 "#d8b888" "#a85a34"; done
      church 150 150 40 28 "#d0b080" right pyramid; front
      for (( i = 0; i < 6; i++ )); do line 0 $(( 180 + i * 10 )) 320 $(( 176 + i * 12 )) "#c4a464" 1; done ;;
    49) # bull on the hill
      sky "#f0b060" "#f8e8b8"; sun 70 60 20 "#fff0c0"; hills 150 10 "#b8904a"; ground 200 "#a87a3a" "#8a6028"
      front; bull 150 160 140 ;;
    50) # storm over the river
      sky "#3e4a5a" "#9aa6b0"; clouds 4 "#5a6674"; poly "#f4f0a0" "200,40 190,80 200,80 186,120 214,70 202,70 212,40"
      rect 0 150 320 240 "#6e5038"; poly "#9a7a5a" "0,80 80,100 120,160 0,240"; poly "#8a6a4a" "320,90 240,110 200,160 320,240"
      front; shape "#3f6a88" "M 120,160 Q 160,150 200,160 Q 230,200 260,240 L 60,240 Q 100,200 120,160 Z" ;;
    51) # a church from the eleventh century in the Arab style
      sky "#4e90dc" "#dcecf8"; ground 200 "#c8b08a" "#a8906a"; front
      rect 70 120 250 205 "#c8a070"; ell 160 120 40 34 "#b89060"; rect 120 120 200 124 "#a07850"
      for x in 88 132 176 220; do archway "$x" 200 24 40 "#3a2a1e"; ell $(( x + 12 )) 176 14 12 "#3a2a1e"; done
      tower 252 205 30 120 "#c8a070" pyramid ;;
    53) # bull ring
      sky "#5a98d8" "#e4eef4"; ground 130 "#c0a878" "#a08858"; front
      ell 160 175 140 50 "#b0302a"; rect 20 140 300 175 "#b0302a"; ell 160 140 140 50 "#e8dcc4"
      ell 160 140 118 40 "#a88a68"; ell 160 142 96 31 "#d9a75b"
      emit "fill none stroke '#8a1a1a' stroke-width 2 ellipse 160,142 96,31 0,360"; emit "stroke none"
      local out; out=$(awk 'BEGIN { for (i = 1; i < 14; i++) { a = 3.14159 * i / 14; x = 160 - 136 * cos(a); y = 178 + 47 * sin(a) - 24; printf "stroke none fill '\''#f2e8d4'\'' fill-opacity 1 ellipse %.0f,%.0f 5,8 0,360\n", x, y } }'); emit "$out" ;;
    *) sky "#6aa8dc" "#e6f0f4"; hills 140 10 "#8aa860"; ground 160 "#a0a050" "#808040" ;;
  esac
}

# The ImageMagick arguments (in ARGS) that draw the current scene on a canvas of
# w x h pixels; the 320 x 240 plan is stretched to fill it.
scene_args() {
  local w=$1 h=$2 sx sy gy
  sx=$(awk -v a="$w" -v b="$W" 'BEGIN { printf "%.6f", a / b }')
  sy=$(awk -v a="$h" -v b="$H" 'BEGIN { printf "%.6f", a / b }')
  ARGS=(-size "${w}x${h}" "gradient:${SKY1}-${SKY2}")
  [[ -n $BACK ]] && ARGS+=(-draw "scale $sx,$sy"$'\n'"$BACK")
  if (( GY < H )); then
    gy=$(( GY * h / H ))
    ARGS+=("(" -size "${w}x$(( h - gy ))" "gradient:${GR1}-${GR2}" ")" -geometry "+0+$gy" -composite)
  fi
  [[ -n $FRONT ]] && ARGS+=(-draw "scale $sx,$sy"$'\n'"$FRONT")
  return 0
}

prepare_scene() {
  seed=$(printf '%s' "${CAPTIONS[$1]}" | cksum | cut -d' ' -f1)
  LAYER=back BACK="" FRONT="" GY=$H
  scene "$1"
}

render_scene() {
  local n=$1 dir=$2 name
  printf -v name 'SPA%04d' "$n"
  prepare_scene "$n"
  scene_args "$OUT_W" "$OUT_H"
  local args=("${ARGS[@]}" -alpha off -type TrueColor)
  if (( n <= MAIN_WINDOW_PICTURES )); then
    local tail=${name#SPA} p s
    for p in L:$SIZE_L M:$SIZE_M S:$SIZE_S; do
      s=${p#*:}
      args+=("(" +clone -filter Lanczos -resize "${s}!" -write "BMP3:$dir/SPA${p%%:*}$tail.BMP" +delete ")")
    done
  fi
  convert "${args[@]}" "BMP3:$dir/$name.BMP"
}

# The about window's picture: the scene drawn 4:3 as wide as the screen, cut to
# 16:9 around its middle.
render_about() {
  prepare_scene "$ABOUT_SCENE"
  scene_args "$ABOUT_W" $(( ABOUT_W * H / W ))
  convert "${ARGS[@]}" -gravity center -crop "${ABOUT_W}x${ABOUT_H}+0+0" +repage \
    -alpha off -type TrueColor "BMP3:$1/OMBILD.BMP"
}

have_clipart() {
  [[ -f $1 ]] && command -v rsvg-convert >/dev/null 2>&1
}

# The flag of Spain with its coat of arms, 3:2.
render_flag() {
  local svg=$OPENCLIPART/signs_and_symbols/flags/europe/spain/spain.svg
  if have_clipart "$svg"; then
    rsvg-convert -w 960 -h 640 "$svg" | convert - -background white -flatten \
      -alpha off -type TrueColor "BMP3:$1/FLAGGA.BMP"
    return
  fi
  echo "make-pictures: warning: $svg or rsvg-convert missing, painting a plain flag" >&2
  convert -size 960x640 xc:"#c60b1e" -fill "#ffc400" -draw "rectangle 0,160 959,479" \
    -alpha off -type TrueColor "BMP3:$1/FLAGGA.BMP"
}

# The map: the autonomous communities, each in a colour of its own (no two
# neighbours alike), the Canary Islands in their box, and the capital marked.
MAP_COLOURS=(
  "Galicia:#bcd98c" "Asturias:#f4d77c" "Cantabria:#f4ab93" "Pais Vasco:#b5c9ec"
  "Navarra:#e7b5d8" "La Rioja:#f4d77c" "Aragon:#bcd98c" "Cataluna:#f4ab93"
  "Castilla-Leon:#dcc9a0" "Madrid:#f4ab93" "Castilla-La Mancha:#f4d77c"
  "Extremadura:#bcd98c" "Valencia:#e7b5d8" "Murcia:#b5c9ec" "Andalucia:#f4ab93"
  "Baleares:#f4d77c" "Canarias:#f4d77c" "Ceuta y Melilla:#f4ab93"
)
MAP_W=1200 MAP_PAPER="#f7f4ec"

render_map() {
  local svg=$OPENCLIPART/geography/spain_states_sherrera_01.svg
  if ! have_clipart "$svg"; then
    echo "make-pictures: warning: $svg or rsvg-convert missing, painting a plain map" >&2
    render_map_painted "$1"
    return
  fi
  local tmp entry script="" region colour
  tmp=$(mktemp -d)
  for entry in "${MAP_COLOURS[@]}"; do
    region=${entry%%:*} colour=${entry#*:}
    script+="s/id=\"$region\" style=\"opacity:[0-9.]*;fill:#ffffff/id=\"$region\" style=\"opacity:1;fill:$colour/;"
  done
  # Outlines a little finer and softer than the drawing's black.
  script+='s/stroke:#000000;stroke-width:1.4164073/stroke:#4a4a4a;stroke-width:1.1/g;'
  sed -e "$script" "$svg" > "$tmp/map.svg"
  # The drawing is 841.89 pt (1052.36 px) wide; the capital lies in the middle of
  # its community.
  local madrid mx my marks
  madrid=$(grep -o '<path d="[^"]*" id="Madrid"' "$svg" | awk -v k="$MAP_W" '
    { gsub(/<path d="|" id="Madrid"/, ""); n = split($0, t, /[ ,]+/)
      for (i = 1; i < n; i++) if (t[i] ~ /^[0-9.]+$/ && t[i + 1] ~ /^[0-9.]+$/) {
        x = t[i] + 0; y = t[i + 1] + 0; i++
        if (!seen++) { x0 = x1 = x; y0 = y1 = y }
        if (x < x0) x0 = x; if (x > x1) x1 = x; if (y < y0) y0 = y; if (y > y1) y1 = y
      }
      s = k / 1052.3622
      printf "%d %d", (x0 + x1) / 2 * s, (y0 + y1) / 2 * s }')
  mx=${madrid% *} my=${madrid#* }
  marks="stroke '#1a1a1a' stroke-width 2 fill '#c8102e' circle $mx,$my $(( mx + 9 )),$my"
  [[ -f $LABEL_FONT ]] && marks+=$'\n'"stroke none fill '#1a1a1a' font '$LABEL_FONT' font-size 30 text $(( mx + 14 )),$(( my - 8 )) 'Madrid'"
  rsvg-convert -w "$MAP_W" -b "$MAP_PAPER" "$tmp/map.svg" | convert - -draw "$marks" \
    -bordercolor "$MAP_PAPER" -trim +repage -border 24 -alpha off -type TrueColor "BMP3:$1/KARTA.BMP"
  rm -rf "$tmp"
}

# Without the clip art: a simplified outline of the peninsula, the Balearic
# Islands and the neighbouring coasts, with a few cities. Longitude and latitude
# are projected with the cosine of 40 degrees so that the country keeps its shape.
render_map_painted() {
  local font=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
  local mvg
  mvg=$(awk -v font="$font" -v havefont="$( [[ -f $font ]] && echo 1 || echo 0 )" '
    function X(lon) { return (lon + 10.0) * 32.4 }
    function Y(lat) { return (44.2 - lat) * 42.3 }
    function shape(colour, pts,   n, p, i, out) {
      n = split(pts, p, " "); out = ""
      for (i = 1; i <= n; i += 2) out = out sprintf(" %.1f,%.1f", X(p[i]), Y(p[i + 1]))
      printf "stroke '\''#4a5a6a'\'' stroke-width 1 fill '\''%s'\'' polygon%s\n", colour, out
    }
    function city(name, lon, lat, capital, dx, dy) {
      r = capital ? 5 : 3
      printf "stroke '\''#2a2a2a'\'' stroke-width 1 fill '\''%s'\'' circle %.1f,%.1f %.1f,%.1f\n", capital ? "#c8102e" : "#2a2a2a", X(lon), Y(lat), X(lon) + r, Y(lat)
      if (havefont) printf "stroke none fill '\''#1a1a1a'\'' font '\''%s'\'' font-size %d text %.1f,%.1f '\''%s'\''\n", font, capital ? 13 : 11, X(lon) + dx, Y(lat) + dy, name
    }
    BEGIN {
      # France and Andorra
      shape("#e6e2d6", "-1.79 43.36 -1.5 44.3 4.8 44.3 4.8 43.3 3.3 42.5 3.17 42.43 2.2 42.43 1.45 42.45 0.7 42.85 0.0 42.7 -0.7 42.85 -1.4 43.05")
      # Morocco and Algeria
      shape("#e6e2d6", "-10 35.0 -6.2 35.0 -5.9 35.78 -5.35 35.9 -4.4 35.15 -2.9 35.2 -2.2 35.1 -1.2 35.3 0.0 35.85 1.5 36.45 4.8 36.85 4.8 35.0")
      # Portugal
      shape("#e6e2d6", "-8.87 41.87 -8.65 41.15 -8.9 40.2 -9.5 38.8 -9.15 38.7 -8.8 38.0 -8.99 37.02 -7.9 37.0 -7.4 37.18 -7.5 37.5 -7.25 38.2 -7.0 38.9 -7.35 39.45 -6.95 39.65 -6.85 40.25 -6.9 41.0 -6.35 41.6 -6.6 41.95 -7.4 41.85 -8.1 41.8")
      # Spain
      shape("#f2d58a", "-7.87 43.77 -7.68 43.79 -7.04 43.54 -5.66 43.56 -3.8 43.46 -2.93 43.38 -1.98 43.32 -1.79 43.36 -1.4 43.05 -0.7 42.85 0.0 42.7 0.7 42.85 1.45 42.45 2.2 42.43 3.17 42.43 3.32 42.32 3.13 41.85 2.17 41.38 1.25 41.11 0.87 40.7 0.0 39.98 -0.33 39.47 0.23 38.73 -0.48 38.35 -0.69 37.63 -1.6 37.3 -2.19 36.72 -2.46 36.83 -4.42 36.72 -5.15 36.42 -5.6 36.01 -6.29 36.53 -6.37 36.8 -6.95 37.2 -7.4 37.18 -7.5 37.5 -7.25 38.2 -7.0 38.9 -7.35 39.45 -6.95 39.65 -6.85 40.25 -6.9 41.0 -6.35 41.6 -6.6 41.95 -7.4 41.85 -8.1 41.8 -8.87 41.87 -8.75 42.23 -9.05 42.55 -9.3 42.88 -9.2 43.18 -8.4 43.37")
      # Balearic Islands
      shape("#f2d58a", "2.35 39.6 2.95 39.95 3.45 39.75 3.25 39.35 2.75 39.45")
      shape("#f2d58a", "3.8 40.0 4.3 39.95 4.2 39.82 3.85 39.92")
      shape("#f2d58a", "1.2 38.95 1.6 39.1 1.55 38.85 1.3 38.85")
      city("Madrid", -3.70, 40.42, 1, 8, -4)
      city("Barcelona", 2.17, 41.39, 0, -58, 14)
      city("Valencia", -0.38, 39.47, 0, -50, 4)
      city("Sevilla", -5.98, 37.39, 0, 6, 12)
      city("Granada", -3.60, 37.18, 0, 6, -4)
      city("Bilbao", -2.93, 43.26, 0, 6, 13)
      city("Zaragoza", -0.88, 41.65, 0, 6, -4)
      city("Salamanca", -5.66, 40.97, 0, 6, -4)
      city("Santiago", -8.54, 42.88, 0, 6, -4)
    }')
  convert -size 480x380 "gradient:#9cc8e8-#6aa6d6" -draw "$mvg" \
    -alpha off -type TrueColor "BMP3:$1/KARTA.BMP"
}

# ---------------------------------------------------------------------------

if [[ ${1:-} == --scene ]]; then   # one scene, run by the parallel loop below
  render_scene "$2" "$3"
  exit 0
fi

if [[ $# -ne 1 ]]; then
  echo "usage: $0 OUTDIR" >&2
  exit 2
fi
if ! command -v convert >/dev/null 2>&1; then
  echo "make-pictures: warning: ImageMagick's convert was not found, no pictures written" >&2
  exit 0
fi

bild="$1/BILD"
mkdir -p "$bild"
seq 1 "$SCENES" | xargs -P 2 -I{} bash "${BASH_SOURCE[0]}" --scene {} "$bild"
render_about "$bild"
render_map "$bild"
render_flag "$bild"
