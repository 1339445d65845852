#!/usr/bin/env bash
# The sound step on small listening files: one WAV per question, named by the
# exercise's sound folder and the question number, 16-bit mono PCM at 22050 Hz,
# plus the flag window's tune; a scrambled line is spoken as its plain text, a
# letter by its name, a telephone number in its groups. With a cache, a second
# run speaks nothing, a changed line is spoken again alone, and the sound of a
# question that is gone goes too.
set -euo pipefail
script=$1 tool=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/data"
fail() { echo "$*"; exit 1; }
{
  printf '$Diktamen\r\n'
  printf 'Hola#Hej\r\n'
  printf '; kommentar\r\n'
  printf 'Buenos d\xedas#God morgon\r\n'
  printf 'Adi\xf3s#Hej d\xe5\n' | "$tool" scramble
} > "$work/data/SPA21000.DAT"
printf '$Bokstäver\r\ny#i griega\r\nB\r\n\xf1\r\n' > "$work/data/SPA26000.DAT"
printf '$Nummer\r\n91 234 56 78#&912345678\r\n' > "$work/data/Spa54500.DAT"

bash "$script" "$work/out" "$work/data" "$work/cache" 2> "$work/log1"
for n in 001 002 003; do
  f="$work/out/LJUD/Sp210/Sp210$n.WAV"
  [ -s "$f" ] || fail "missing $f"
  # RIFF, WAVE, PCM (1), one channel, 22050 Hz, 16 bits a sample
  [ "$(head -c 4 "$f")" = RIFF ] || fail "$f is no WAV"
  [ "$(od -An -tu2 -j20 -N4 "$f" | tr -s ' ')" = " 1 1" ] || fail "$f is not mono PCM"
  [ "$(od -An -tu4 -j24 -N4 "$f" | tr -d ' ')" = 22050 ] || fail "$f is not 22050 Hz"
  [ "$(od -An -tu2 -j34 -N2 "$f" | tr -d ' ')" = 16 ] || fail "$f is not 16-bit"
done
[ ! -e "$work/out/LJUD/Sp210/Sp210004.WAV" ] || fail "a fourth sound for three questions"
[ -s "$work/out/LJUD/SPANIEN.WAV" ] || fail "no SPANIEN.WAV"
said() { tail -n +2 "$work/cache/$1.said"; }
[ "$(said Sp210/Sp210003)" = "Adiós" ] || fail "the scrambled line is not spoken as its text: $(said Sp210/Sp210003)"
[ "$(said Sp260/Sp260001)" = "i griega" ] || fail "y is not named: $(said Sp260/Sp260001)"
[ "$(said Sp260/Sp260002)" = "be" ] || fail "B is not named: $(said Sp260/Sp260002)"
[ "$(said Sp260/Sp260003)" = "eñe" ] || fail "ñ is not named: $(said Sp260/Sp260003)"
[ "$(said Sp545/Sp545001)" = "91, 234, 56, 78" ] || fail "the number is not said in groups: $(said Sp545/Sp545001)"
grep -q "7 sounds spoken, 0 unchanged" "$work/log1" || fail "first run: $(cat "$work/log1")"

# Again: nothing is spoken. One line changed, one question gone: that line alone.
bash "$script" "$work/out" "$work/data" "$work/cache" 2> "$work/log2"
grep -q "0 sounds spoken, 7 unchanged" "$work/log2" || fail "second run: $(cat "$work/log2")"
printf '$Diktamen\r\nHola#Hej\r\nBuenas noches#God natt\r\n' > "$work/data/SPA21000.DAT"
before=$(cksum < "$work/out/LJUD/Sp210/Sp210001.WAV")
bash "$script" "$work/out" "$work/data" "$work/cache" 2> "$work/log3"
grep -q "1 sounds spoken, 5 unchanged" "$work/log3" || fail "third run: $(cat "$work/log3")"
[ "$(cksum < "$work/out/LJUD/Sp210/Sp210001.WAV")" = "$before" ] || fail "an unchanged sound was made again"
[ "$(said Sp210/Sp210002)" = "Buenas noches" ] || fail "the changed line was not spoken again"
[ ! -e "$work/out/LJUD/Sp210/Sp210003.WAV" ] || fail "the sound of a question that is gone stayed"

# Without a cache everything is spoken every time, as before.
bash "$script" "$work/plain" "$work/data" 2> "$work/log4"
grep -q "6 sounds spoken, 0 unchanged" "$work/log4" || fail "without a cache: $(cat "$work/log4")"
echo "1 passed, 0 failed"
