#!/usr/bin/env bash
# The sound step on a small listening file: one WAV per question, named by the
# exercise's sound folder and the question number, plus the flag window's tune;
# a scrambled line is spoken as its plain text.
set -euo pipefail
script=$1 tool=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/data"
{
  printf '$Diktamen\r\n'
  printf 'Hola#Hej\r\n'
  printf '; kommentar\r\n'
  printf 'Buenos d\xedas#God morgon\r\n'
  printf 'Adi\xf3s#Hej d\xe5\n' | "$tool" scramble
} > "$work/data/SPA21000.DAT"
bash "$script" "$work/out" "$work/data"
for n in 001 002 003; do
  f="$work/out/LJUD/Sp210/Sp210$n.WAV"
  [ -s "$f" ] || { echo "missing $f"; exit 1; }
  head -c 4 "$f" | grep -q RIFF || { echo "$f is no WAV"; exit 1; }
done
[ ! -e "$work/out/LJUD/Sp210/Sp210004.WAV" ] || { echo "a fourth sound for three questions"; exit 1; }
[ -s "$work/out/LJUD/SPANIEN.WAV" ] || { echo "no SPANIEN.WAV"; exit 1; }
echo "1 passed, 0 failed"
