#!/usr/bin/env bash
# Makes the bird calls of the birds exercise (SPA13310) in LJUD/BIRDS/:
#   BERGUV BLAMES BOFINK SV_FLUGS GOK KATTUGGL KOLTRAST KORP KRAKA RODHAKE
#   SKATA SPILLKRA SANGLARK TALGOXE TOFSVIPA (.WAV)
#
# Usage: make-bird-calls.sh OUTDIR        writes OUTDIR/LJUD/BIRDS/
#
# These are no recordings: each call is synthesised with sox after the rhythm and
# pitch a bird book describes for the species (the cuckoo's falling "ku-ko", the
# great tit's "ti-tu ti-tu", the owls' low hoots, the crows' harsh caws), so that
# a pupil can tell them apart. A school may put recordings under the same names
# in their place; the program plays whatever it finds there. 16-bit PCM mono at
# 22050 Hz, the same bytes on every run. Without sox nothing is written and the
# script still succeeds.
set -euo pipefail
export LC_ALL=C

if [[ $# -ne 1 ]]; then
  echo "usage: $0 OUTDIR" >&2
  exit 2
fi
if ! command -v sox >/dev/null 2>&1; then
  echo "make-bird-calls: warning: sox was not found, no bird calls written" >&2
  exit 0
fi
birds="$1/LJUD/BIRDS"
mkdir -p "$birds"

# A call: file name, then notes "length:kind:pitch[:volume]" where kind is a
# sox synth type (sine, square, sawtooth, pinknoise) or "rest", and pitch a
# frequency or a sweep ("2000-3000").
call() {
  local out=$1; shift
  local chain=() note len kind pitch vol
  for note in "$@"; do
    IFS=: read -r len kind pitch vol <<< "$note"
    (( ${#chain[@]} )) && chain+=(:)
    if [[ $kind == rest ]]; then
      chain+=(synth "$len" sine 100 vol 0)
    else
      chain+=(synth "$len" "$kind" "$pitch" fade q 0.01 "$len" 0.02 vol "${vol:-0.6}")
    fi
  done
  sox -R -n -r 22050 -c 1 -b 16 -e signed-integer "$birds/$out" "${chain[@]}"
}

repeat() { local n=$1; shift; for (( i = 0; i < n; i++ )); do printf '%s\n' "$@"; done; }

# Eagle owl: a deep "oo-hu", twice.
call BERGUV.WAV $(repeat 2 0.30:sine:180-165:0.8 0.18:rest:0 0.55:sine:170-140:0.8 1.2:rest:0)
# Blue tit: "tsi-tsi" and a quick trill.
call BLAMES.WAV $(repeat 2 0.06:sine:7200:0.5 0.05:rest:0 0.06:sine:7000:0.5 0.05:rest:0 \
  $(repeat 10 0.03:sine:5200:0.5 0.02:rest:0) 0.6:rest:0)
# Chaffinch: a falling, quickening series that ends in a flourish.
call BOFINK.WAV $(for f in 6200 5900 5600 5300 5000 4700 4400 4100 3800 3600 3400; do echo 0.07:sine:$f:0.5 0.04:rest:0; done) \
  0.25:sine:4200-2400:0.6 0.8:rest:0
# Pied flycatcher: "si-tju si-tju si-tju".
call SV_FLUGS.WAV $(repeat 4 0.08:sine:6500:0.5 0.03:rest:0 0.12:sine:4200-3600:0.5 0.15:rest:0) 0.6:rest:0
# Cuckoo: "ku-ko", three times.
call GOK.WAV $(repeat 3 0.22:sine:700:0.8 0.08:rest:0 0.35:sine:580:0.8 0.55:rest:0)
# Tawny owl: a long hoot, then a quavering "hu-hu-hu-huuu".
call KATTUGGL.WAV 0.7:sine:420-400:0.8 0.9:rest:0 $(repeat 4 0.09:sine:410:0.7 0.06:rest:0) 1.0:sine:420-380:0.8 0.5:rest:0
# Blackbird: a slow fluting phrase.
call KOLTRAST.WAV 0.25:sine:2100:0.6 0.2:sine:2600-2400:0.6 0.15:sine:1900:0.6 0.3:sine:2300-2800:0.6 \
  0.15:sine:3100:0.5 0.25:rest:0 0.2:sine:2000-2500:0.6 0.35:sine:2700-1900:0.6 0.8:rest:0
# Raven: deep hollow croaks.
call KORP.WAV $(repeat 3 0.26:sawtooth:260-220:0.5 0.30:rest:0) 0.5:rest:0
# Hooded crow: harsh "kraa kraa kraa".
call KRAKA.WAV $(repeat 3 0.40:sawtooth:720-560:0.4 0.25:rest:0) 0.5:rest:0
# Robin: a high trickling cascade.
call RODHAKE.WAV $(for f in 6800 6100 7000 5600 6400 5200 5900 4800 5500 4500 6200 4300; do echo 0.06:sine:$f:0.45 0.03:rest:0; done) \
  0.4:sine:5000-3800:0.45 0.7:rest:0
# Magpie: a dry rattle.
call SKATA.WAV $(repeat 10 0.05:pinknoise:0:0.7 0.04:rest:0) 0.6:rest:0
# Black woodpecker: a ringing "kli-kli-kli".
call SPILLKRA.WAV $(repeat 12 0.07:square:2300:0.25 0.05:rest:0) 0.6:rest:0
# Skylark: a long, unbroken warbling.
call SANGLARK.WAV $(for f in 3200 4100 3600 4800 3900 5200 4400 3500 4700 5600 4200 3800 5000 4500 3300 4900 5400 4000 3700 4600 5100 4300 3600 4800; do
  echo 0.07:sine:$f:0.45 0.02:rest:0; done) 0.5:rest:0
# Great tit: "ti-tu ti-tu ti-tu".
call TALGOXE.WAV $(repeat 4 0.10:sine:5200:0.6 0.04:rest:0 0.16:sine:3700:0.6 0.12:rest:0) 0.6:rest:0
# Lapwing: "pee-wit", rising and falling.
call TOFSVIPA.WAV $(repeat 2 0.22:sine:1400-2900:0.6 0.28:sine:2900-1700:0.6 0.5:rest:0)

# A band-pass on the magpie's and the crows' calls makes them sound less like static.
for f in SKATA KRAKA KORP; do
  sox "$birds/$f.WAV" "$birds/$f.tmp.wav" sinc 400-5000
  mv "$birds/$f.tmp.wav" "$birds/$f.WAV"
done
