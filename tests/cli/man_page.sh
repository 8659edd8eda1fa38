#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Quillora developers
# The manual page is there, names every command the program's help names
# and every exit code, and formats without a warning where groff or man is
# installed.
#   man_page.sh PAGE QUILLORA_CLI
set -euo pipefail
page=$1 cli=$2
[ -s "$page" ] || { echo "no manual page at $page" >&2; exit 1; }

fail=0
commands=$(timeout 10 "$cli" --help | sed -n 's/^  \([a-z]\+\)\b.*/\1/p' | sort -u)
[ -n "$commands" ] || { echo "quillora-cli --help names no command" >&2; exit 1; }
for command in $commands; do
  grep -q "^\.B[IR]* *\"\?$command\b" "$page" || { echo "the page has no entry for '$command'" >&2; fail=1; }
done
for code in 0 1 2 3 4; do
  grep -q "^\.B $code$" "$page" || { echo "the page does not explain exit code $code" >&2; fail=1; }
done

if command -v groff >/dev/null; then
  warnings=$(groff -man -ww -z "$page" 2>&1)
  [ -z "$warnings" ] || { echo "groff: $warnings" >&2; fail=1; }
elif command -v man >/dev/null; then
  MANWIDTH=80 timeout 20 man -l "$page" >/dev/null || { echo "man cannot format the page" >&2; fail=1; }
else
  echo "neither groff nor man: the page was only read" >&2
fi
exit $fail
