#!/usr/bin/env bash
# Installs what is missing, builds the debug preset (ASan+UBSan, warnings as errors, fuzzers)
# and runs every test: unit, widget (offscreen), whole-program (Xvfb), server and bounded fuzzing.
# Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset debug
cmake --build --preset debug
ctest --preset debug
