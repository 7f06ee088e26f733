#!/usr/bin/env bash
# The share tile in the whole program under a real X server, against the real image server on
# the program's compiled-in address and port: tile 4 opens the share window, which connects; a
# title is typed, a JPEG is chosen by typing its path into the open-file dialog, the send button
# uploads it, the caption ends at 100%, and the server's own admin commands list the picture
# under that title and export it byte for byte. Esc closes the share window, Esc on MainWindow
# ends the program with exit code 0.
# Usage: share_e2e.sh PROGRAM SERVER   (run inside xvfb-run, with DISPLAY set)
# Exits 77 (skipped) when port 11342 is taken by another program.
set -uo pipefail
program=$1
server=$2
work=$(mktemp -d)
log=$work/program.log
server_log=$work/server.log
title=e2e_share_$$
cleanup() {
  [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null
  [ -n "${server_pid:-}" ] && kill "$server_pid" 2>/dev/null && wait "$server_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# shellcheck source=../e2e/xsession.sh
source "${ZANVIK_E2E_HELPERS:?run through ctest}"

mkdir "$work/export"
start_image_server "$server" "$work/data" --no-samples

picture=$work/picture.jpg
/usr/bin/convert -size 320x240 plasma:fractal -quality 92 "$picture" || fail "convert made no JPEG"
size=$(stat -c %s "$picture")

"$program" >"$log" 2>&1 &
pid=$!

main=$(wait_for_window "Zanvik1.2") || fail "no window titled Zanvik1.2 appeared"
measure_window "$main"
# Tile 4 (图片框4) at (320, 40), 104 × 120: it opens the share window as the button goes down.
click_at 372 100
share=$(wait_for_window "连接图片服务器成功") || fail "tile 4 opened no connected share window"
xdotool search --onlyvisible --name "^Zanvik1.2\$" >/dev/null 2>&1 ||
  fail "MainWindow did not stay visible behind the share window"
measure_window "$share"
sleep 0.3

# The title box (106, 20), 224 × 24.
click_at 218 32
xdotool type --delay 20 "$title"

# The browse button (250, 112), 80 × 26; the dialog's name box has the focus.
click_at 290 125
# xdotool takes the caption as a regular expression: the brackets are escaped.
dialog_caption='选择图片\(仅支持jpg格式\)'
wait_for_window "$dialog_caption" >/dev/null || fail "the browse button opened no dialog"
sleep 0.5
xdotool type --delay 10 "$picture"
sleep 0.2
xdotool key Return
wait_until_gone "$dialog_caption" || fail "the dialog did not take the typed path"
sleep 0.3

# The send button (32, 216), 96 × 32.
click_at 80 232
done_caption="已发送：$size/0/100%"
wait_for_window "$done_caption" >/dev/null || {
  xdotool getwindowname "$share" >&2
  fail "the caption never showed $done_caption"
}

# The server lists the picture and gives back its exact bytes.
listed=""
for _ in $(seq 50); do
  listed=$(ASAN_OPTIONS=detect_leaks=0 "$server" list --data "$work/data" 2>&1)
  grep -q "$title" <<<"$listed" && break
  sleep 0.1
done
grep -q "$title" <<<"$listed" || fail "the server does not list $title: $listed"
grep "$title" <<<"$listed" | grep -q "$size" || fail "the server lists another size: $listed"
ASAN_OPTIONS=detect_leaks=0 "$server" export "$work/export" --data "$work/data" >/dev/null 2>&1 ||
  fail "export failed"
cmp -s "$picture" "$work/export/$title.jpg" || fail "the stored picture differs from the file"

press_escape "$share"
wait_until_gone "$done_caption" || fail "Esc did not close the share window"
main=$(wait_for_window "Zanvik1.2") || fail "MainWindow is gone"
end_program_with_escape "$main"
echo "PASS"
