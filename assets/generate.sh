#!/usr/bin/env bash
# Redraws Zanvik's pictures with the generator and writes them into assets/. Run after changing
# a drawing; commit what it writes. Uses the offscreen platform, so it needs no display.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build --preset debug --target zanvik-asset-generator
generator=build/debug/assets/generator/zanvik-asset-generator
for set in "${@:-launcher templates samples backgrounds}"; do
  for one in $set; do
    QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 "$generator" "$one" "assets/$one"
  done
done
