#!/usr/bin/env bash
# The designer in the whole program under a real X server: tile 1 opens "设计区", a caption is
# retyped and dragged with the mouse, "复制图片" is pressed, and another program (xclip) reads
# the clipboard as a PNG of 184 × 200 that matches the picture box on screen, captions
# included; the temporary file is gone. Esc closes the designer, MainWindow returns, Esc ends the
# program with exit code 0.
# Usage: designer_e2e.sh PROGRAM   (run inside xvfb-run, with DISPLAY set)
set -uo pipefail
program=$1
work=$(mktemp -d)
log=$work/program.log
trap 'rm -rf "$work"' EXIT
mkdir "$work/tmp"

# shellcheck source=../e2e/xsession.sh
source "${ZANVIK_E2E_HELPERS:?run through ctest}"

# The screen's pixels of picture box "a": client (168, 48), 184 × 200.
grab_picture() {
  /usr/bin/import -silent -window root -crop "184x200+$((X + 168))+$((Y + 48))" +repage "$1"
}

differing_pixels() {
  /usr/bin/compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1
}

TMPDIR=$work/tmp "$program" >"$log" 2>&1 &
pid=$!

main=$(wait_for_window "Zanvik1.2") || fail "no window titled Zanvik1.2 appeared"
measure_window "$main"
# Tile 1 (the designer) is at (8, 40), 100 × 120; it opens on the release of the button.
click_at 58 100
designer=$(wait_for_window "设计区") || fail "tile 1 opened no designer"
wait_until_gone "Zanvik1.2" || fail "MainWindow stayed visible while the designer was open"
measure_window "$designer"
sleep 0.5
grab_picture "$work/initial.png"

# Retype the first caption in a3: group box (8, 272) + (80, 24), 184 × 24.
click_at 180 308
xdotool key ctrl+a
xdotool type --delay 20 "ZANVIK E2E"
sleep 0.3
grab_picture "$work/retyped.png"
[ "$(differing_pixels "$work/initial.png" "$work/retyped.png")" != 0 ] ||
  fail "typing in a3 did not change the caption over the picture"

# Drag caption a1 (152, 184), 224 × 72 by (-60, -90): its left part leaves the picture.
xdotool mousemove $((X + 264)) $((Y + 195))
xdotool mousedown 1
sleep 0.1
for step in 1 2 3; do
  xdotool mousemove $((X + 264 - 20 * step)) $((Y + 195 - 30 * step))
  sleep 0.1
done
xdotool mouseup 1
sleep 0.3
grab_picture "$work/dragged.png"
[ "$(differing_pixels "$work/retyped.png" "$work/dragged.png")" != 0 ] ||
  fail "dragging caption a1 changed nothing over the picture"

# 复制图片 (按钮1): group box (8, 272) + (384, 96), 88 × 24.
click_at 436 380
sleep 0.5
targets=$(xclip -selection clipboard -t TARGETS -o 2>/dev/null) || fail "the clipboard is empty"
grep -qx "image/png" <<<"$targets" || fail "the clipboard offers no image/png: $targets"
xclip -selection clipboard -t image/png -o >"$work/clipboard.png" || fail "xclip could not read the PNG"
size=$(/usr/bin/identify -format "%wx%h" "$work/clipboard.png") || fail "the clipboard PNG does not decode"
[ "$size" = "184x200" ] || fail "the clipboard picture is $size, not 184x200"
grab_picture "$work/screen.png"
diff=$(differing_pixels "$work/clipboard.png" "$work/screen.png")
[ "$diff" = 0 ] || fail "the clipboard picture differs from the screen in $diff pixels"
[ "$(differing_pixels "$work/clipboard.png" "$work/initial.png")" != 0 ] ||
  fail "the clipboard picture shows the initial captions, not the edited ones"
[ ! -e "$work/tmp/a1.jpg" ] || fail "the temporary file a1.jpg was left behind"

press_escape "$designer"
wait_until_gone "设计区" || fail "Esc did not close the designer"
main=$(wait_for_window "Zanvik1.2") || fail "MainWindow did not come back"
end_program_with_escape "$main"
echo "PASS"
