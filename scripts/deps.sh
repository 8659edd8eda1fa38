#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Quillora developers
# Installs the Debian packages the build, the tests and the demo need, and
# only those that are missing. Sourced by demo.sh and test.sh.
set -euo pipefail

QUILLORA_PACKAGES=(
  cmake ninja-build g++ clang pkg-config libudev-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libgl-dev
  qt6-multimedia-dev qt6-svg-dev
  libopencore-amrnb-dev
  libjpeg-turbo-progs
  # Glyphs for the 25 languages: DejaVu covers Latin, Greek and Cyrillic,
  # WenQuanYi Micro Hei both Chinese scripts; Qt's own texts for its dialogs.
  fonts-dejavu-core fonts-wqy-microhei qt6-translations-l10n
)

quillora_install_missing() {
  local missing=()
  for p in "${QUILLORA_PACKAGES[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -q
  "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}
