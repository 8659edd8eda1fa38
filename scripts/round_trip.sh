#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Quillora developers
# The command line's round trip against a simulated phone: start the phone
# on a pseudo-terminal with an object store, find it, show its model and
# formats, send a picture, a melody, a vCard and a sound, list them, fetch
# them back into a fresh folder and compare the bytes, delete them and list
# the empty store. Each command is printed before it runs. Needs nothing
# but bash, coreutils and the two programs, so that it also runs where the
# packages are installed.
# Usage: round_trip.sh PHONESIM CLI SOUND.wav
set -euo pipefail
sim=$1
cli=$2
sound=$3

work=$(mktemp -d)
# The round trip's settings stay in its own folder.
export XDG_CONFIG_HOME=$work/config
mkfifo "$work/sim.out"
"$sim" --store="$work/store" >"$work/sim.out" &
simpid=$!
trap 'kill $simpid 2>/dev/null; wait $simpid 2>/dev/null; rm -rf "$work"' EXIT
exec 3<"$work/sim.out"
read -r -t 10 -u 3 port || { echo "the simulated phone did not start" >&2; exit 1; }
echo "Simulated phone on $port, its objects in $work/store"

show() {
  echo
  echo "\$ quillora-cli $*"
  timeout 60 "$cli" "$@"
}

files=$work/files
mkdir -p "$files"
printf '\xff\xd8\xff\xe0\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00\xff\xd9' >"$files/sun.jpg"
printf 'MThd\x00\x00\x00\x06\x00\x00\x00\x01\x00\x60MTrk\x00\x00\x00\x04\x00\xff\x2f\x00' >"$files/tune.mid"
printf 'BEGIN:VCARD\r\nVERSION:2.1\r\nN:Doe;Jane\r\nEND:VCARD\r\n' >"$files/jane.vcf"
cp "$sound" "$files/ring.wav"

# Only the simulated phone is probed; without --port the library's own
# detection would look at the machine's ports too.
opts=(--port "$port" --timeout 30)
show detect "${opts[@]}"
show info "${opts[@]}"
show send "${opts[@]}" "$files/ring.wav"
show send "${opts[@]}" "$files/sun.jpg" "$files/tune.mid" "$files/jane.vcf"
show list "${opts[@]}"
show get "${opts[@]}" -o "$work/back" --pcm=never sun.jpg tune.mid jane.vcf ring.wav

echo
timeout 30 "$cli" compress "$files/ring.wav" "$work/ring-phone.wav"
for f in sun.jpg tune.mid jane.vcf; do
  cmp -s "$files/$f" "$work/back/$f" && echo "$f came back unchanged" || { echo "$f came back different" >&2; exit 1; }
done
cmp -s "$work/ring-phone.wav" "$work/back/ring.wav" && echo "ring.wav came back in the phone's ADPCM form" ||
  { echo "ring.wav came back different" >&2; exit 1; }

show delete "${opts[@]}" sun tune jane ring
show list "${opts[@]}"
echo
echo "Round trip done."
