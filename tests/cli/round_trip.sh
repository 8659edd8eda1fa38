#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Quillora developers
# Through the command line to the simulated phone on a pty and back: send a
# picture, an animation-sized GIF, a melody, a vCard and a sound, list them,
# fetch them into a fresh folder and compare the bytes (the sound comes back
# in the phone's ADPCM form, so it is compared with `compress` of the
# original), delete them and list an empty store. Then Ctrl-C during a
# retrieval, no phone (exit 3) and bad usage (exit 2).
#   round_trip.sh QUILLORA_CLI QUILLORA_PHONESIM DATA_DIR
set -euo pipefail
cli=$1 sim=$2 data=$3

work=$(mktemp -d)
sims=()
cleanup() {
  for pid in "${sims[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${sims[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
# The settings file (language, quirks per phone) goes here, not to the
# user's own.
export HOME=$work XDG_CONFIG_HOME=$work/config
unset TRELVIX_PORTS TRELVIX_EXTRA_PORTS
export LC_ALL=C.UTF-8

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
step() { echo "--- $*"; }

# Starts a simulated phone; its pty path in $port. The first line it
# prints is read from a fifo, so the wait ends when it is written.
start_phone() {
  local fifo=$work/sim-$RANDOM.fifo
  mkfifo "$fifo"
  timeout 280 "$sim" "$@" >"$fifo" 2>>"$work/sim.log" &
  sims+=($!)
  exec {simout}<"$fifo"
  port=
  read -r -t 10 -u "$simout" port || true
  [ -n "$port" ] || { echo "the simulated phone did not start" >&2; exit 1; }
}

# run EXPECTED_CODE ARGS...: quillora-cli with its output in $work/out and
# $work/err; a code other than the expected one is a failure.
run() {
  local expected=$1
  shift
  local code=0
  timeout 60 "$cli" "$@" </dev/null >"$work/out" 2>"$work/err" || code=$?
  if [ "$code" != "$expected" ]; then
    fail "quillora-cli $* ended with $code, not $expected"
    sed 's/^/  | /' "$work/out" "$work/err" >&2
  fi
}
expect_out() { grep -qF -- "$1" "$work/out" || fail "no '$1' in the output of the last command"; }
expect_no_out() { ! grep -qF -- "$1" "$work/out" || fail "'$1' in the output of the last command"; }

# --- the files ---
files=$work/files
mkdir -p "$files"
printf '\xff\xd8\xff\xe0\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00\xff\xdb\x00\x43\x00' >"$files/sun.jpg"
head -c 300 /dev/urandom >>"$files/sun.jpg"
printf '\xff\xd9' >>"$files/sun.jpg"
printf 'GIF89a\x01\x00\x01\x00\x80\x00\x00\x00\x00\x00\xff\xff\xff!\xf9\x04\x01\x00\x00\x00\x00,\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02D\x01\x00;' >"$files/dot.gif"
printf 'MThd\x00\x00\x00\x06\x00\x00\x00\x01\x00\x60MTrk\x00\x00\x00\x0c\x00\x90\x3c\x40\x60\x80\x3c\x00\x00\xff\x2f\x00' >"$files/tune.mid"
printf 'BEGIN:VCARD\r\nVERSION:2.1\r\nN:Doe;Jane\r\nTEL;CELL:+33123456789\r\nEND:VCARD\r\n' >"$files/jane.vcf"
cp "$data/audio/voice_8k.wav" "$files/ring.wav"

start_phone --store="$work/store"
phone=$port
step "simulated phone on $phone"

step "ports and detect"
TRELVIX_PORTS=$phone run 0 ports --json
expect_out "\"path\": \"$phone\""
expect_out '"source": "TRELVIX_PORTS"'
run 0 detect --port "$phone" --timeout 10 --json
expect_out '"imei": "351234567890123"'
expect_out '"model": "QP-200"'
run 0 info --port "$phone" --timeout 10
expect_out "2.01"
expect_out "JPEG"

step "send: the sound alone (compressed), the rest as a batch"
run 0 send --port "$phone" --timeout 10 "$files/ring.wav"
expect_out "ring.wav: 100%"
run 0 send --port "$phone" --timeout 10 "$files/sun.jpg" "$files/dot.gif" "$files/tune.mid" "$files/jane.vcf"
expect_out "jane.vcf (4/4): 100%"

step "list"
run 0 list --port "$phone" --timeout 10
for f in sun.jpg dot.gif tune.mid jane.vcf ring.wav; do expect_out "$f"; done
run 0 list sounds --port "$phone" --timeout 10 --json
expect_out '"file": "tune.mid"'
expect_out '"file": "ring.wav"'
expect_no_out "sun.jpg"

step "get into a fresh folder"
back=$work/back
run 0 get --port "$phone" --timeout 10 -o "$back" --pcm=never sun.jpg dot TUNE.MID jane ring.wav
for f in sun.jpg dot.gif tune.mid jane.vcf; do
  cmp -s "$files/$f" "$back/$f" || fail "$f came back different"
done
timeout 30 "$cli" compress "$files/ring.wav" "$work/ring-phone.wav"
cmp -s "$work/ring-phone.wav" "$back/ring.wav" || fail "ring.wav is not the phone's ADPCM form of the original"
[ "$(ls "$back" | wc -l)" = 5 ] || fail "get wrote other files: $(ls "$back")"

step "get again: an existing file is skipped unless --overwrite=all"
printf 'mine' >"$back/sun.jpg"
run 0 get --port "$phone" --timeout 10 -o "$back" sun.jpg
[ "$(cat "$back/sun.jpg")" = mine ] || fail "a file was replaced without --overwrite=all"
grep -qF "already contains a file named 'sun.jpg'" "$work/err" || fail "the replace question was not shown"
run 0 get --port "$phone" --timeout 10 -o "$back" --overwrite=all sun.jpg
cmp -s "$files/sun.jpg" "$back/sun.jpg" || fail "--overwrite=all did not replace sun.jpg"
run 1 get --port "$phone" --timeout 10 -o "$back" no-such-object
grep -qF "no object named 'no-such-object'" "$work/err" || fail "an unknown name was not reported"

step "delete, then an empty store"
run 0 delete --port "$phone" --timeout 10 sun.jpg dot tune.mid jane ring
run 0 list --port "$phone" --timeout 10 --json
expect_out '"objects": ['
expect_no_out '"file"'
run 0 list --port "$phone" --timeout 10
grep -qF "No file has been stored on this mobile phone" "$work/err" || fail "an empty store was not said so"

step "Ctrl-C during a retrieval"
head -c 200000 /dev/urandom >"$work/big.jpg"
# Replies in small pieces with a pause between them: the retrieval takes
# long enough to be interrupted in its data phase.
start_phone --object="pictures:JPEG:Big:$work/big.jpg" --pieces=256 --piece-gap=10
slow=$port
fifo=$work/cli.fifo
mkfifo "$fifo"
timeout 60 "$cli" get --port "$slow" --timeout 10 -o "$work/cancel" Big </dev/null >"$fifo" 2>"$work/err" &
getter=$!
exec {cliout}<"$fifo"
receiving=no
while read -r -t 30 -u "$cliout" line; do
  case $line in *"Receiving file data"*) receiving=yes; break ;; esac
done
[ "$receiving" = yes ] || fail "the retrieval never reached its data phase"
kill -INT "$getter"
code=0
wait "$getter" || code=$?
exec {cliout}<&-
[ "$code" = 4 ] || fail "Ctrl-C ended the retrieval with $code, not 4"
[ ! -e "$work/cancel/Big.jpg" ] || fail "the cancelled retrieval left its file behind"

step "no phone, bad usage"
start_phone --silent
run 3 detect --port "$port" --timeout 2
grep -qF "no phone found within 2 s" "$work/err" || fail "no phone was not said so"
run 2 send --port "$phone"
run 2 list bogus
run 2 detect --frobnicate
run 2 get sun.jpg --overwrite=maybe
run 0 send --help
expect_out "exit codes"

if [ "$failures" -gt 0 ]; then
  echo "$failures failure(s)" >&2
  exit 1
fi
echo "round trip passed"
