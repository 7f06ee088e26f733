#!/usr/bin/env bash
# The gallery in the whole program under a real X server, against the real image server on the
# program's own address and port (127.0.0.1:11342) with a fresh, seeded data folder: tile 3
# opens the gallery, the title list arrives, the first title is clicked, and another program
# (xclip) reads the picture from the clipboard as a PNG of the sample's size; the cache file
# beside the program holds the sample's bytes. Skipped (exit 77) when port 11342 is taken.
# Usage: gallery_e2e.sh PROGRAM SERVER SAMPLE   (run inside xvfb-run, with DISPLAY set)
set -uo pipefail
program=$1
server=$2
sample=$3
title="110吗这里有人装逼场面控制不住了"
images="$(dirname "$program")/images"
cached="$images/$title.jpg"
work=$(mktemp -d)
log=$work/program.log
made_images=""
pid=""
server_pid=""

clean_up() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null
  wait 2>/dev/null
  rm -f "$cached"
  [ -e "$work/kept.jpg" ] && mv "$work/kept.jpg" "$cached"
  [ -n "$made_images" ] && rmdir "$images" 2>/dev/null
  rm -rf "$work"
}
trap clean_up EXIT

server_log=$work/server.log
# shellcheck source=../e2e/xsession.sh
source "${ZANVIK_E2E_HELPERS:?run through ctest}"

mkdir "$work/tmp"
start_image_server "$server" "$work/data"

if [ ! -d "$images" ]; then
  mkdir "$images" && made_images=1
fi
# A cache file of the first title left by someone else would be served instead of a download.
[ -e "$cached" ] && mv "$cached" "$work/kept.jpg"

TMPDIR=$work/tmp "$program" >"$log" 2>&1 &
pid=$!

main=$(wait_for_window "Zanvik1.2") || fail "no window titled Zanvik1.2 appeared"
measure_window "$main"
# Tile 3 (the gallery) is at (112, 40), 100 × 120; it opens on the release of the button.
click_at 162 100
gallery=$(wait_for_window "列表处理完毕！") || fail "tile 3 opened no gallery, or no title list came"
measure_window "$gallery"

# The first entry of 列表框1, placed at (16, 32) in the client area.
click_at 60 38
wait_for_window "图片已经下载完毕！" >/dev/null || fail "the download did not finish"

targets=$(xclip -selection clipboard -t TARGETS -o 2>/dev/null) || fail "the clipboard is empty"
grep -qx "image/png" <<<"$targets" || fail "the clipboard offers no image/png: $targets"
xclip -selection clipboard -t image/png -o >"$work/clipboard.png" || fail "xclip could not read the PNG"
got=$(/usr/bin/identify -format "%wx%h" "$work/clipboard.png") || fail "the clipboard PNG does not decode"
want=$(/usr/bin/identify -format "%wx%h" "$sample") || fail "the sample does not decode"
[ "$got" = "$want" ] || fail "the clipboard picture is $got, the sample $want"
cmp -s "$cached" "$sample" || fail "the cache file $cached does not hold the sample's bytes"

press_escape "$gallery"
main=$(wait_for_window "Zanvik1.2") || fail "MainWindow did not come back after the gallery closed"
echo "PASS"
