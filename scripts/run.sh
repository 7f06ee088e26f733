#!/usr/bin/env bash
# Installs what is missing, builds the release preset, starts a local image server seeded with
# sample pictures, and runs Zanvik against it. The server stops when the program ends.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release
cmake --build --preset release

program=build/release/app/zanvik
server=build/release/server/zanvik-server
data="${XDG_DATA_HOME:-$HOME/.local/share}/zanvik-server"

server_pid=""
stop_server() {
  if [ -n "$server_pid" ]; then
    kill "$server_pid" 2>/dev/null || true
    wait "$server_pid" 2>/dev/null || true
  fi
}
trap stop_server EXIT

server_listening() { (exec 3<>/dev/tcp/127.0.0.1/11342) 2>/dev/null; }
if [ -x "$server" ]; then
  if server_listening; then
    echo "an image server already listens on 127.0.0.1:11342; using it"
  else
    mkdir -p "$data"
    # On its first start with an empty store, the server stores the sample pictures.
    "$server" --address 127.0.0.1 --port 11342 --data "$data" >>"$data/server.log" 2>&1 &
    server_pid=$!
    # Let it listen before the program connects (at most 5 seconds).
    for _ in $(seq 50); do server_listening && break; sleep 0.1; done
    echo "image server running (pid $server_pid), data in $data, log in $data/server.log"
  fi
fi

if [ ! -x "$program" ]; then
  echo "the desktop program is not built yet" >&2
  exit 1
fi
# The gallery keeps downloaded pictures in the folder "images" beside the program.
mkdir -p "$(dirname "$program")/images"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "no desktop session found (DISPLAY is not set); start Zanvik from a desktop terminal" >&2
  exit 1
fi
"$program"
