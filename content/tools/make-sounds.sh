#!/usr/bin/env bash
# Makes the sounds of the installation's LJUD folder:
#   LJUD/<subdir>/<subdir>NNN.WAV  the spoken Spanish text of question NNN of each
#                                  listening exercise's data file (Sp210/Sp210007.WAV
#                                  speaks question 7 of SPA21000.DAT)
#   LJUD/SPANIEN.WAV               the festive tune of the flag window
#
# Usage: make-sounds.sh OUTDIR DATADIR [CACHEDIR]   writes OUTDIR/LJUD/
#
# Speech comes from espeak-ng's Spanish voice at a rate slower than its own, for
# pupils, the tune from sox; both are 16-bit PCM mono at 22050 Hz, the same
# bytes on every run. A letter said alone is said by its name ("be", "hache",
# "i griega"), and a telephone number in its groups with a pause between them.
# With a CACHEDIR, what each sound says is kept there, and a sound whose text
# has not changed is not spoken again: a changed data file costs only its
# changed lines. Without espeak-ng or sox nothing is written and the script
# still succeeds.
set -euo pipefail
export LC_ALL=C

if [[ $# -lt 2 || $# -gt 3 ]]; then
  echo "usage: $0 OUTDIR DATADIR [CACHEDIR]" >&2
  exit 2
fi
outdir=$1 datadir=$2 cachedir=${3:-}
for tool in espeak-ng sox; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "make-sounds: warning: $tool was not found, no sounds written" >&2
    exit 0
  fi
done

# The voice: Spanish (Spain), 140 words a minute instead of 175. Part of what
# the cache compares, so a change here speaks everything again.
voice=(-v es -s 140)

# The sound folder of an exercise number (the trailing digits of its data file
# name). The diagnosis items 37 and 38 are left out: their files play the
# recordings of the dictations (Sp210, Sp220, Sp230) by the dictation's own
# numbering, so they have no recordings of their own.
sound_subdir() {
  case $1 in
    11000|25000) echo Sp250 ;;
    11100) echo Sp111 ;;
    11200) echo Sp112 ;;
    11300) echo Sp113 ;;
    11400) echo Sp114 ;;
    11500) echo Sp115 ;;
    11600) echo Sp116 ;;
    21000) echo Sp210 ;;
    22000) echo Sp220 ;;
    23000) echo Sp230 ;;
    24000) echo Sp240 ;;
    26000) echo Sp260 ;;
    27000) echo Sp270 ;;
    54500) echo Sp545 ;;
    *) return 1 ;;
  esac
}

# Plans the speech of one data file. For question n = 1..999 it writes the text
# to be spoken (the first field of the line, as UTF-8) into WORK/<prefix>NNN.txt
# and, unless CACHE holds the same text for a sound that is there, a job
# (text, WAV, cache entry) to JOBS; sounds of questions the file no longer has
# are removed. Question lines are the lines that are not blank and do not begin
# with ";" or "$"; lines that begin with ")" are unscrambled first; the first
# field is the text before the first "#", without leading spaces and without
# the "&" that marks alternatives. Prints "spoken kept".
#   plan_file FILE WORK PREFIX WAVDIR CACHE VOICE JOBS
plan_file() {
  perl -e '
    my ($file, $dir, $prefix, $wavdir, $cache, $voice, $jobs) = @ARGV;
    # Code page 1252 to UTF-8: 0x80..0x9F differ from Latin-1.
    my @hi = (0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
              0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178);
    sub utf8_of { my $s = ""; for my $b (unpack("C*", $_[0])) {
        my $u = ($b >= 0x80 && $b < 0xA0) ? $hi[$b - 0x80] : $b; $s .= chr($u) if $u; }
      utf8::encode($s); return $s; }
    # Scrambled lines: each character XOR a key of its position p (from 1):
    # p div 2 + 10 for odd p, p div 2 + 8 for even p; a result below 32 leaves
    # the character as it was. The added leading "#" is dropped afterwards.
    sub unscramble { my @c = unpack("C*", $_[0]);
      for my $i (0 .. $#c) { my $p = $i + 1; my $k = (int($p / 2) + ($p % 2 ? 10 : 8)) % 256;
        my $x = $c[$i] ^ $k; $c[$i] = $x if $x >= 32; }
      return substr(pack("C*", @c), 1); }
    my %names = (a => "a", b => "be", c => "ce", d => "de", e => "e", f => "efe", g => "ge", h => "hache",
                 i => "i", j => "jota", k => "ka", l => "ele", m => "eme", n => "ene", "\xf1" => "e\xf1e",
                 o => "o", p => "pe", q => "cu", r => "erre", s => "ese", t => "te", u => "u", v => "uve",
                 w => "uve doble", x => "equis", y => "i griega", z => "zeta");
    open(my $in, "<:raw", $file) or die "cannot read $file\n";
    open(my $j, ">>:raw", $jobs) or die "cannot write $jobs\n";
    my (%wanted, $spoken, $kept); $spoken = 0; $kept = 0;
    local $/ = "\n"; my $n = 0;
    while (my $line = <$in>) {
      $line =~ s/\r?\n\z//;
      next if $line eq "" || $line =~ /^[;\$]/;
      $n++;
      last if $n > 999;
      $line = unscramble($line) if $line =~ /^\)/;
      if (length($line) > 1) {
        $line =~ s/(?<=.)#+\z//s;
        $line = "" if $line eq "#";
        $line =~ s/##/#/;
      }
      my ($first) = split(/#/, $line, 2);
      $first = "" unless defined $first;
      $first =~ s/^ +//; $first =~ s/^&//; $first =~ s/ +\z//;
      if ($first !~ /\S/) { print STDERR "make-sounds: $file question $n has no text to speak\n"; next; }
      # A letter alone is said by its name: read as a word, "y" would be the
      # word "i" ("and") and "b" a bare sound. A telephone number is said in
      # its groups, with a pause between them.
      my $letter = $first; $letter =~ tr/A-Z\xd1/a-z\xf1/;
      if (length($letter) == 1 && exists $names{$letter}) { $first = $names{$letter}; }
      elsif ($first =~ /\A[0-9]+(?: [0-9]+)+\z/) { $first =~ s/ /, /g; }
      my $text = utf8_of($first);
      my $base = sprintf("%s%03d", $prefix, $n);
      $wanted{$base} = 1;
      open(my $o, ">:raw", "$dir/$base.txt") or die "cannot write $dir/$base.txt\n";
      print $o $text; close($o);
      # What the sound says, with the voice it is said in.
      my $said = "$voice\n$text";
      my $entry = $cache eq "" ? "" : "$cache/$base.said";
      if ($entry ne "" && -s "$wavdir/$base.WAV" && open(my $c, "<:raw", $entry)) {
        local $/; my $old = <$c>; close($c);
        if (defined $old && $old eq $said) { $kept++; next; }
      }
      open(my $s, ">:raw", "$dir/$base.txt.said") or die; print $s $said; close($s);
      unlink $entry if $entry ne "";
      print $j "$dir/$base.txt\0$wavdir/$base.WAV\0$entry\0";
      $spoken++;
    }
    close($j);
    # Sounds of questions the file no longer has go, with what they said.
    opendir(my $d, $wavdir) or die "cannot read $wavdir\n";
    for my $wav (readdir($d)) {
      next unless $wav =~ /\A(\Q$prefix\E\d\d\d)\.WAV\z/ && !$wanted{$1};
      unlink "$wavdir/$wav";
      unlink "$cache/$1.said" if $cache ne "";
    }
    closedir($d);
    print "$spoken $kept\n";
  ' "$@"
}

speak() {   # text file, WAV, cache entry ("" for none); the voice in $SPEAK_VOICE
  local text=$1 wav=$2 said=$3
  # espeak-ng writes 16-bit mono PCM at 22050 Hz itself.
  # shellcheck disable=SC2086
  espeak-ng $SPEAK_VOICE -f "$text" -w "$wav.part"
  mv "$wav.part" "$wav"
  if [[ -n $said ]]; then cp "$text.said" "$said"; fi
}
export -f speak

ljud="$outdir/LJUD"
mkdir -p "$ljud"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [[ -n $cachedir ]]; then
  mkdir -p "$cachedir"
  cachedir=$(cd "$cachedir" && pwd)
fi

# --- speech ------------------------------------------------------------------

declare -A made_by=()
jobs="$work/jobs"
: > "$jobs"
spoken=0 kept=0
if [[ -d $datadir ]]; then
  while IFS= read -r -d '' file; do
    name=${file##*/}
    stem=${name%%.*}
    [[ $stem =~ ([0-9]+)$ ]] || continue
    (( ${#BASH_REMATCH[1]} <= 5 )) || continue
    number=$(( 10#${BASH_REMATCH[1]} ))
    sub=$(sound_subdir "$number") || continue
    if [[ -n ${made_by[$sub]:-} ]]; then
      echo "make-sounds: warning: $name left out, $sub is already spoken from ${made_by[$sub]}" >&2
      continue
    fi
    made_by[$sub]=$name
    mkdir -p "$work/$sub" "$ljud/$sub"
    [[ -z $cachedir ]] || mkdir -p "$cachedir/$sub"
    read -r s k < <(plan_file "$file" "$work/$sub" "$sub" "$ljud/$sub" "${cachedir:+$cachedir/$sub}" "${voice[*]}" "$jobs")
    spoken=$(( spoken + s )) kept=$(( kept + k ))
  done < <(find "$datadir" -maxdepth 1 -type f -iname '*.dat' -print0 | sort -z)
else
  echo "make-sounds: warning: no data folder $datadir, only the flag tune is made" >&2
fi
if [[ -s $jobs ]]; then
  # espeak-ng spends much of its time starting up and waiting on the disk, so
  # more of them run than there are processors.
  parallel=$(( $(nproc 2>/dev/null || echo 2) * 2 ))
  SPEAK_VOICE="${voice[*]}" xargs -0 -n 3 -P "$parallel" bash -c 'speak "$1" "$2" "$3"' _ < "$jobs"
fi
echo "make-sounds: $spoken sounds spoken, $kept unchanged" >&2

# --- the flag window's tune ------------------------------------------------
# Made again only when this script has changed.
tune_key=$(sha1sum "${BASH_SOURCE[0]}" | cut -d' ' -f1)
if [[ -n $cachedir && -s $ljud/SPANIEN.WAV && $(cat "$cachedir/tune.key" 2>/dev/null || true) == "$tune_key" ]]; then
  exit 0
fi
# An original little march in G major, 132 beats a minute: a square-wave
# melody, an oom-pah bass and a light drum. Notes are semitones from A4 and
# lengths in eighths; "r" is a rest.

eighth=0.227
melody=(
  -2:2 2:1 5:1 10:3 5:1      7:1 5:1 3:1 7:1 5:2 2:2
   3:2 7:1 3:1 0:2 3:2       5:3 3:1 2:2 0:2
  -2:2 2:1 5:1 10:2 12:1 14:1   15:2 12:1 9:1 5:2 9:2
  10:1 9:1 7:1 5:1 3:1 2:1 0:2   -2:1 2:1 5:1 10:5   r:4
)
# bass roots per half bar (root, then fifth above it)
roots=(-26 -26  -21 -26  -24 -24  -19 -19  -26 -26  -19 -19  -26 -19  -26 -26)

voice() {   # output file, then sox effect chains
  local out=$1; shift
  sox -R -n -r 22050 -c 1 -b 16 "$out" "$@"
}
len() { awk -v e="$eighth" -v n="$1" 'BEGIN { printf "%.3f", e * n }'; }

chain=()
for note in "${melody[@]}"; do
  d=$(len "${note#*:}")
  (( ${#chain[@]} )) && chain+=(:)
  if [[ ${note%:*} == r ]]; then chain+=(synth "$d" sine 0 vol 0)
  else chain+=(synth "$d" square "%${note%:*}" fade q 0.01 "$d" 0.05 vol 0.22); fi
done
voice "$work/melody.wav" "${chain[@]}"

chain=()
q=$(len 2)
for root in "${roots[@]}"; do
  (( ${#chain[@]} )) && chain+=(:)
  chain+=(synth "$q" pluck "%$root" fade q 0.005 "$q" 0.1 vol 0.7 : synth "$q" pluck "%$(( root + 7 ))" fade q 0.005 "$q" 0.1 vol 0.55)
done
voice "$work/bass.wav" "${chain[@]}"

chain=()
hit=0.09 rest=$(awk -v q="$q" -v h=0.09 'BEGIN { printf "%.3f", q - h }')
for (( beat = 0; beat < 32; beat++ )); do
  (( ${#chain[@]} )) && chain+=(:)
  if (( beat % 2 == 0 )); then chain+=(synth "$hit" sine 70 fade q 0 "$hit" 0.08 vol 0.8)
  else chain+=(synth "$hit" pinknoise fade q 0 "$hit" 0.085 vol 0.25); fi
  chain+=(: synth "$rest" sine 0 vol 0)
done
voice "$work/drums.wav" "${chain[@]}"

sox -R -m "$work/melody.wav" "$work/bass.wav" "$work/drums.wav" -r 22050 -c 1 -b 16 "$work/mix.wav" lowpass 3000 reverb 25 50 40
total=$(soxi -D "$work/mix.wav")
sox -R "$work/mix.wav" -r 22050 -c 1 -b 16 -e signed-integer "$ljud/SPANIEN.WAV" fade q 0 "$total" 1.0 gain -n -2
[[ -z $cachedir ]] || echo "$tune_key" > "$cachedir/tune.key"
