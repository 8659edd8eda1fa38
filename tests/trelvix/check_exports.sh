#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Quillora developers
# The shared library must export exactly the names its header declares.
set -euo pipefail
lib=$1 header=$2
declared=$(grep -oE '^TRELVIX_API [^(;]*[ *]([A-Za-z_][A-Za-z0-9_]*)(\(|;)' "$header" \
  | sed -E 's/.*[ *]([A-Za-z_][A-Za-z0-9_]*)[(;]$/\1/' | sort -u)
exported=$(nm -D --defined-only "$lib" | awk '$2 != "A" {print $3}' | sed 's/@.*//' | sort -u)
if [ "$declared" != "$exported" ]; then
  echo "declared in $header but not exported:"; comm -23 <(echo "$declared") <(echo "$exported")
  echo "exported but not declared:"; comm -13 <(echo "$declared") <(echo "$exported")
  exit 1
fi
[ -n "$declared" ] || { echo "no exports found in $header"; exit 1; }
echo "exports match: $(echo "$declared" | wc -l) names"
