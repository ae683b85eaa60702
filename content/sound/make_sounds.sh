#!/usr/bin/env bash
# Makes the answer sounds that are kept beside this script: make_sounds.sh [OUTDIR]
# Needs sox and espeak-ng (Debian packages of the same names). The results are small and committed, so a normal
# build does not need either tool; run this again only to change a sound.
#   对.wav       two rising bell-like tones, for a right answer
#   错.wav       a low, short buzz, for a wrong answer
#   A.wav..D.wav the letter of the right answer, spoken
# All are mono 16-bit PCM at 22050 Hz, the format the program's sound layer and every player read.
set -euo pipefail
out=${1:-$(dirname "$0")}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
format=(-r 22050 -c 1 -b 16 -e signed-integer)

# One chime tone: the note with a quieter octave above it, a soft 20 ms attack and a long fade, so it rings out.
tone() {
    sox -n "${format[@]}" "$work/$1.wav" synth 0.45 sine "$2" sine "$(($2 * 2))" remix 1v0.8,2v0.2 \
        fade h 0.02 0.45 0.4
}
tone low 880
tone high 1319
sox -m "$work/low.wav" "|sox $work/high.wav -p pad 0.13" "${format[@]}" "$out/对.wav" norm -3

# A square wave at a low pitch, its edges rounded off by the low-pass filter so it buzzes without rasping.
sox -n "${format[@]}" "$out/错.wav" synth 0.4 square 140 gain -6 lowpass 1000 fade q 0.01 0.4 0.06 norm -7

# The letters as English letter names: the full stop makes the voice read "A" as the letter, not the article.
for letter in A B C D; do
    espeak-ng -v en-us -s 140 -w "$work/$letter.wav" "$letter."
    sox "$work/$letter.wav" "$work/$letter-trimmed.wav" silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse
    sox "$work/$letter-trimmed.wav" "${format[@]}" "$out/$letter.wav" norm -1 fade q 0.005 -0 0.02 pad 0.05 0.05
done
