#!/usr/bin/env bash
# The whole program under a real X server: MainWindow appears with its caption, the About tile
# opens AboutWindow while MainWindow hides, Esc closes AboutWindow and MainWindow returns, Esc
# on MainWindow ends the program with exit code 0.
# Usage: launcher_e2e.sh PROGRAM   (run inside xvfb-run, with DISPLAY set)
set -uo pipefail
program=$1
log=$(mktemp)
trap 'rm -f "$log"' EXIT

# shellcheck source=../e2e/xsession.sh
source "${ZANVIK_E2E_HELPERS:?run through ctest}"

"$program" >"$log" 2>&1 &
pid=$!

main=$(wait_for_window "Zanvik1.2") || fail "no window titled Zanvik1.2 appeared"

# The outer rectangle (469 × 302, client area less 3 pixels a side and 25 on top) is centred on
# the 1024 × 768 screen; without a window manager the client area sits exactly there.
measure_window "$main"
[ "$X,$Y,$WIDTH,$HEIGHT" = "$(((1024 - 469) / 2 + 3)),$(((768 - 302) / 2 + 25)),463,274" ] ||
  fail "MainWindow's client area is at $X,$Y size $WIDTH x $HEIGHT"

# Tile 2 (the About tile) is at (216, 40), 100 × 120, in MainWindow's client area.
click_at 266 100
about=$(wait_for_window "关于Zanvik") || fail "the About tile opened no AboutWindow"
wait_until_gone "Zanvik1.2" || fail "MainWindow stayed visible while AboutWindow was open"

press_escape "$about"
wait_until_gone "关于Zanvik" || fail "Esc did not close AboutWindow"
main=$(wait_for_window "Zanvik1.2") || fail "MainWindow did not come back"

end_program_with_escape "$main"
echo "PASS"
