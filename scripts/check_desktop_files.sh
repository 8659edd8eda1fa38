#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Quillora developers
# Checks the desktop integration files with their own validators and against
# each other: the .desktop entry (desktop-file-validate), the AppStream
# metainfo (appstreamcli, no network, errors and warnings fail), the
# shared-mime-info package (xmllint, and update-mime-database into a
# scratch folder) and the three manual
# pages (man --warnings, any warning fails). Then the cross-checks: the
# desktop file's MimeType list and the metainfo's <provides><mediatype> list
# are the same set, and so are the categories; every type is known to shared-mime-info or declared in
# the package, and every declared type is listed; the desktop file has a
# GenericName, Comment and Keywords for each of the program's 24 other
# languages, and the package a comment in each for every type.
# Usage: scripts/check_desktop_files.sh [SOURCE_ROOT]
# Needs: desktop-file-utils appstream libxml2-utils man-db groff-base
# shared-mime-info.
set -euo pipefail

root=${1:-"$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"}
desktop_dir="$root/app/resources/desktop"
desktop="$desktop_dir/org.quillora.Quillora.desktop"
metainfo="$desktop_dir/org.quillora.Quillora.metainfo.xml"
mimexml="$desktop_dir/org.quillora.Quillora.mime.xml"
man_pages=("$root/app/shell/quillora.1" "$root/app/cli/quillora-cli.1" "$root/tools/phonesim/quillora-phonesim.1")
# The language keys of the program's 24 languages besides English.
languages=(bg zh_TW cs da de el es fr hu it nl nb pl pt_BR ro ru hr sk sv tr uk sl zh_CN pt)
# The system's type database, for the types the package does not declare.
system_types=${QUILLORA_MIME_TYPES_FILE:-/usr/share/mime/types}
system_aliases=${QUILLORA_MIME_ALIASES_FILE:-/usr/share/mime/aliases}

export LC_ALL=C.UTF-8
failures=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

pass() { printf 'ok    %s\n' "$*"; }
fail() { printf 'FAIL  %s\n' "$*"; failures=$((failures + 1)); }
show() { sed 's/^/      /' "$1"; }
relative() { printf '%s' "${1#"$root"/}"; }

need() {
  local tool=$1 package=$2
  command -v "$tool" >/dev/null || {
    echo "check_desktop_files: $tool missing (apt-get install $package)" >&2
    exit 2
  }
}
need desktop-file-validate desktop-file-utils
need appstreamcli appstream
need xmllint libxml2-utils
need man man-db
need groff groff-base
need update-mime-database shared-mime-info
[ -r "$system_types" ] || { echo "check_desktop_files: no $system_types (apt-get install shared-mime-info)" >&2; exit 2; }

for f in "$desktop" "$metainfo" "${man_pages[@]}"; do
  [ -f "$f" ] || fail "$(relative "$f"): missing"
done
[ "$failures" -eq 0 ] || exit 1

# --- Validators ---------------------------------------------------------------

# Errors and warnings fail, and so do hints: a category without its main
# category, say, only gets a hint.
if desktop-file-validate "$desktop" >"$work/dfv" 2>&1 && ! [ -s "$work/dfv" ]; then
  pass "$(relative "$desktop") (desktop-file-validate)"
else
  fail "$(relative "$desktop") (desktop-file-validate)"
  show "$work/dfv"
fi

# appstreamcli fails on errors and warnings by itself; the grep keeps that
# true whatever a later version does with its exit status.
if appstreamcli validate --no-net "$metainfo" >"$work/asv" 2>&1 && ! grep -Eq '^(E|W):' "$work/asv"; then
  pass "$(relative "$metainfo") (appstreamcli validate --no-net)"
else
  fail "$(relative "$metainfo") (appstreamcli validate --no-net)"
  show "$work/asv"
fi

if [ -f "$mimexml" ]; then
  if xmllint --noout "$mimexml" >"$work/xml" 2>&1; then
    # A scratch database with the package alone: a malformed package makes
    # update-mime-database complain or fail.
    mkdir -p "$work/mime/packages"
    cp "$mimexml" "$work/mime/packages/"
    if XDG_DATA_DIRS="$work" XDG_DATA_HOME="$work" update-mime-database "$work/mime" >"$work/xml" 2>&1 &&
       ! [ -s "$work/xml" ]; then
      pass "$(relative "$mimexml") (xmllint, update-mime-database)"
    else
      fail "$(relative "$mimexml") (update-mime-database)"
      show "$work/xml"
    fi
  else
    fail "$(relative "$mimexml") (xmllint)"
    show "$work/xml"
  fi
fi

for page in "${man_pages[@]}"; do
  if MANWIDTH=80 man --warnings -l "$page" 2>"$work/man" >/dev/null && ! [ -s "$work/man" ]; then
    pass "$(relative "$page") (man --warnings)"
  else
    fail "$(relative "$page") (man --warnings)"
    show "$work/man"
  fi
done

# --- Cross-checks -------------------------------------------------------------

# The value of KEY in the [Desktop Entry] group, "" when absent.
desktop_value() {
  awk -v key="$1" '
    /^\[/ { group = $0; next }
    group == "[Desktop Entry]" {
      eq = index($0, "=")
      if (eq && substr($0, 1, eq - 1) == key) { print substr($0, eq + 1); exit }
    }' "$desktop"
}

# The elements' text, one a line, sorted.
element_texts() {
  xmllint --xpath "$1" "$2" 2>/dev/null | sed -e 's/<[^>]*>/\n/g' | sed -e '/^[[:space:]]*$/d' | sort || true
}

desktop_value MimeType | tr ';' '\n' | sed '/^$/d' | sort >"$work/desktop-types"
element_texts '//component/provides/mediatype' "$metainfo" >"$work/metainfo-types"
if [ -f "$mimexml" ]; then
  xmllint --xpath '//*[local-name()="mime-type"]/@type' "$mimexml" 2>/dev/null |
    sed -e 's/ type="\([^"]*\)"/\1\n/g' | sed '/^[[:space:]]*$/d' | sort >"$work/declared-types"
else
  : >"$work/declared-types"
fi

if ! [ -s "$work/desktop-types" ]; then
  fail "$(relative "$desktop"): no MimeType"
elif [ -n "$(sort "$work/desktop-types" | uniq -d)" ]; then
  fail "$(relative "$desktop"): MimeType lists a type twice: $(uniq -d "$work/desktop-types" | tr '\n' ' ')"
elif diff -u --label "$(relative "$desktop") MimeType" --label "$(relative "$metainfo") mediatype" \
       "$work/desktop-types" "$work/metainfo-types" >"$work/diff"; then
  pass "MimeType of the desktop file = <mediatype> of the metainfo ($(wc -l <"$work/desktop-types") types)"
else
  fail "MimeType of the desktop file and <mediatype> of the metainfo differ"
  show "$work/diff"
fi

# Every listed type must be one the desktop knows: in the system database
# under its own name (not an alias), or declared by the package; and every
# declared type must be listed, or the package declares it for nothing.
unknown=()
while read -r type; do
  if grep -qxF "$type" "$work/declared-types"; then
    continue
  elif grep -qxF "$type" "$system_types"; then
    continue
  elif [ -r "$system_aliases" ] && canonical=$(awk -v t="$type" '$1 == t { print $2; exit }' "$system_aliases") &&
       [ -n "$canonical" ]; then
    unknown+=("$type (an alias of $canonical)")
  else
    unknown+=("$type")
  fi
done <"$work/desktop-types"
if [ "${#unknown[@]}" -eq 0 ]; then
  pass "every MimeType is in the shared MIME database or declared in $(relative "$mimexml")"
else
  fail "types neither in $system_types nor declared: ${unknown[*]}"
fi
if [ -f "$mimexml" ]; then
  unlisted=$(comm -23 "$work/declared-types" "$work/desktop-types" | tr '\n' ' ')
  if [ -z "$unlisted" ]; then
    pass "every type of $(relative "$mimexml") is in MimeType"
  else
    fail "declared but not in MimeType: $unlisted"
  fi
fi

desktop_value Categories | tr ';' '\n' | sed '/^$/d' | sort >"$work/desktop-categories"
element_texts '//component/categories/category' "$metainfo" >"$work/metainfo-categories"
if diff -u --label "$(relative "$desktop") Categories" --label "$(relative "$metainfo") category" \
     "$work/desktop-categories" "$work/metainfo-categories" >"$work/diff"; then
  pass "Categories of the desktop file = <category> of the metainfo"
else
  fail "Categories of the desktop file and <category> of the metainfo differ"
  show "$work/diff"
fi

missing=()
for key in GenericName Comment Keywords; do
  [ -n "$(desktop_value "$key")" ] || missing+=("$key")
  for lang in "${languages[@]}"; do
    [ -n "$(desktop_value "${key}[${lang}]")" ] || missing+=("${key}[${lang}]")
  done
done
if [ "${#missing[@]}" -eq 0 ]; then
  pass "GenericName, Comment and Keywords in English and the ${#languages[@]} other languages"
else
  fail "$(relative "$desktop"): missing ${missing[*]}"
fi

bad_keywords=()
while IFS= read -r line; do
  case "$line" in
    *\;) ;;
    *) bad_keywords+=("${line%%=*}") ;;
  esac
done < <(grep -E '^(Keywords|MimeType|Categories)(\[[A-Za-z_@]+\])?=' "$desktop")
if [ "${#bad_keywords[@]}" -eq 0 ]; then
  pass "every list of the desktop file ends with ';'"
else
  fail "$(relative "$desktop"): lists without a final ';': ${bad_keywords[*]}"
fi

if [ -f "$mimexml" ]; then
  untranslated=()
  while read -r type; do
    for lang in "${languages[@]}"; do
      n=$(xmllint --xpath "count(//*[local-name()='mime-type'][@type='$type']/*[local-name()='comment'][@xml:lang='$lang'])" "$mimexml")
      [ "$n" = 1 ] || untranslated+=("${type}[${lang}]")
    done
  done <"$work/declared-types"
  if [ "${#untranslated[@]}" -eq 0 ]; then
    pass "a comment in each of the ${#languages[@]} other languages for every declared type"
  else
    fail "$(relative "$mimexml"): comments missing or doubled: ${untranslated[*]}"
  fi
fi

id=$(element_texts '/component/id' "$metainfo")
launchable=$(element_texts '/component/launchable[@type="desktop-id"]' "$metainfo")
if [ "$id.desktop" = "$(basename "$desktop")" ] && [ "$launchable" = "$(basename "$desktop")" ] &&
   [ "$(basename "$metainfo")" = "$id.metainfo.xml" ]; then
  pass "metainfo id and launchable match $(basename "$desktop")"
else
  fail "metainfo id '$id' / launchable '$launchable' do not match $(basename "$desktop")"
fi

if [ "$failures" -ne 0 ]; then
  echo "check_desktop_files: $failures problem(s)" >&2
  exit 1
fi
echo "check_desktop_files: all clean"
