# Shell helpers for the whole-program tests under Xvfb, sourced by each test script.
# The script sets `log` (the program's output file) before calling fail, `server_log` when it
# runs an image server, and `pid` once the program runs. X and Y are the client-area origin of the window last measured with
# measure_window.

fail() {
  echo "FAIL: $*" >&2
  if [ -n "${log:-}" ] && [ -f "$log" ]; then
    echo "--- program output ---" >&2
    cat "$log" >&2
  fi
  if [ -n "${server_log:-}" ] && [ -f "$server_log" ]; then
    echo "--- server output ---" >&2
    cat "$server_log" >&2
  fi
  [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null
  exit 1
}

# Waits (at most 15 s) until a visible window has exactly this caption; prints its id.
wait_for_window() {
  local id
  for _ in $(seq 150); do
    if id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1) && [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# Waits (at most 15 s) until no visible window has this caption.
wait_until_gone() {
  for _ in $(seq 150); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}

# Sets X, Y, WIDTH and HEIGHT to the client area of a window id.
measure_window() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
}

# Presses and releases the left button at a place of the last measured client area.
click_at() {
  xdotool mousemove $((X + $1)) $((Y + $2))
  xdotool mousedown 1
  sleep 0.1
  xdotool mouseup 1
  sleep 0.2
}

# True when something accepts connections on 127.0.0.1 at the given port (default 11342, the
# port compiled into the program).
listening() {
  (exec 3<>"/dev/tcp/127.0.0.1/${1:-11342}") 2>/dev/null
}

# Gives a window the keyboard focus and presses Esc in it.
press_escape() {
  xdotool windowfocus --sync "$1" 2>/dev/null || true
  xdotool key Escape
}

# Presses Esc on MainWindow (its window id) and checks that the program, started as `pid`, then
# ends with exit code 0.
end_program_with_escape() {
  press_escape "$1"
  for _ in $(seq 150); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && fail "Esc on MainWindow did not end the program"
  wait "$pid"
  local code=$?
  pid=""
  [ "$code" -eq 0 ] || fail "the program ended with exit code $code, not 0"
}

# Starts the image server (program $1) on 127.0.0.1:11342, the port compiled into the program,
# with data folder $2 and any further flags, logging to `server_log`; sets `server_pid`. Exits
# 77 (skipped) when another program holds that port; fails when the server does not come up.
start_image_server() {
  local server=$1 data=$2
  shift 2
  if listening; then
    echo "SKIP: something already listens on 127.0.0.1:11342, the port the program connects to"
    exit 77
  fi
  mkdir -p "$data"
  ASAN_OPTIONS=detect_leaks=0 "$server" --address 127.0.0.1 --port 11342 --data "$data" "$@" \
    >"$server_log" 2>&1 &
  server_pid=$!
  for _ in $(seq 100); do
    listening && return 0
    kill -0 "$server_pid" 2>/dev/null || break
    sleep 0.1
  done
  listening && return 0
  if grep -q "cannot listen" "$server_log"; then
    echo "SKIP: 127.0.0.1:11342 is taken by another program: $(cat "$server_log")"
    exit 77
  fi
  fail "the image server did not start listening on 11342"
}
