#!/usr/bin/env bash
# Measures the image server against baselines started here, on loopback only, and prints the
# figures with their ratios. Every peer is started on a free loopback port and stopped at the end.
#   - title lists per second over 1 and 100 connections vs redis-benchmark GET of a value of the
#     same size (target: at least half of Redis's rate)
#   - a 1 MiB download through the protocol vs curl fetching the same bytes from nginx
#     (target: at most twice curl+nginx's time)
#   - resident memory of the server holding 10,000 idle connections (target: under 100 MB)
# Uses the release preset build.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds="${BENCH_SECONDS:-3}"

cmake --preset release >/dev/null
cmake --build --preset release --target zanvik-server zanvik-server-load >/dev/null
server=build/release/server/zanvik-server
load=build/release/bench/server/zanvik-server-load

work=$(mktemp -d)
chmod 755 "$work"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

free_port() { python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])'; }
wait_port() { for _ in $(seq 100); do (exec 3<>/dev/tcp/127.0.0.1/"$1") 2>/dev/null && return 0; sleep 0.05; done; return 1; }

# 10,000 connections need as many descriptors on each side.
ulimit -n "$(ulimit -Hn)" 2>/dev/null || true
if [ "$(ulimit -n)" != unlimited ] && [ "$(ulimit -n)" -lt 10100 ]; then
  echo "warning: only $(ulimit -n) file descriptors; the idle-connection figure will be lower" >&2
fi

# A 1 MiB JPEG: a noisy picture padded after its end marker to exactly 1 MiB.
mkdir -p "$work/pictures" "$work/www"
/usr/bin/convert -size 500x500 xc: +noise Random -quality 90 "$work/noise.jpg"
python3 - "$work/noise.jpg" "$work/pictures/big.jpg" <<'PY'
import sys
data = open(sys.argv[1], 'rb').read()
assert len(data) <= 1 << 20, len(data)
open(sys.argv[2], 'wb').write(data + b'\0' * ((1 << 20) - len(data)))
PY
cp "$work/pictures/big.jpg" "$work/www/big.jpg"

# Our server, seeded with the samples, plus the 1 MiB picture imported while it runs.
port=$(free_port)
"$server" --address 127.0.0.1 --port "$port" --data "$work/data" --max-connections 20000 \
  2>"$work/server.log" &
pids+=($!)
wait_port "$port"
"$server" import "$work/pictures" --data "$work/data" >/dev/null
list_size=$(python3 - "$port" <<'PY'
import socket, sys, time
s = socket.create_connection(("127.0.0.1", int(sys.argv[1])))
s.sendall(b"[reqimgtitle]"); time.sleep(0.2); print(len(s.recv(1 << 20)))
PY
)

# Redis with a value of the same size as our title list.
redis_port=$(free_port)
redis-server --bind 127.0.0.1 --port "$redis_port" --save '' --appendonly no \
  --dir "$work" >/dev/null &
pids+=($!)
wait_port "$redis_port"
redis-cli -p "$redis_port" SET titles "$(head -c "$list_size" /dev/zero | tr '\0' 'x')" >/dev/null

# nginx serving the same 1 MiB file.
nginx_port=$(free_port)
cat >"$work/nginx.conf" <<CONF
daemon off;
worker_processes 1;
pid $work/nginx.pid;
error_log $work/nginx-error.log;
events { worker_connections 64; }
http {
  access_log off;
  client_body_temp_path $work; proxy_temp_path $work; fastcgi_temp_path $work;
  uwsgi_temp_path $work; scgi_temp_path $work;
  server { listen 127.0.0.1:$nginx_port; root $work/www; }
}
CONF
nginx -c "$work/nginx.conf" -e "$work/nginx-error.log" 2>/dev/null &
pids+=($!)
wait_port "$nginx_port"

echo "title list of $list_size bytes, ${seconds}s per rate"
for connections in 1 100; do
  ours=$("$load" list "$port" "$connections" "$seconds")
  requests=$(( connections == 1 ? 50000 : 200000 ))
  redis=$(redis-benchmark -p "$redis_port" -c "$connections" -n "$requests" -q GET titles \
          | tr '\r' '\n' | grep -o '[0-9.]* requests per second' | tail -1 | cut -d' ' -f1)
  python3 -c "print(f'title lists over $connections connection(s): {$ours:.0f}/s, redis GET {float(\"$redis\"):.0f}/s, ratio {$ours/float(\"$redis\"):.2f} (target >= 0.5)')"
done

# Medians of many runs on both sides: the machine may be busy with other work.
repeats=51
read -r ours_ms size < <("$load" download "$port" big "$repeats")
curl_ms=$(for _ in $(seq "$repeats"); do
            curl -s -o /dev/null -w '%{time_total}\n' "http://127.0.0.1:$nginx_port/big.jpg"
          done | sort -n | awk '{ t[NR] = $1 } END { printf "%.3f", t[int((NR + 1) / 2)] * 1000 }')
python3 -c "print(f'1 MiB download ($size bytes), median of $repeats: ours {$ours_ms:.2f} ms, curl+nginx {$curl_ms:.2f} ms, ratio {$ours_ms/$curl_ms:.2f} (target <= 2)')"

server_pid=${pids[0]}
rss() { awk '/VmRSS/ { print $2 }' "/proc/$1/status"; }
before=$(rss "$server_pid")
"$load" idle "$port" 10000 3 >"$work/idle.txt" &
idle_pid=$!
for _ in $(seq 200); do [ -s "$work/idle.txt" ] && break; sleep 0.05; done
held=$(rss "$server_pid")
wait "$idle_pid"
python3 -c "print(f'memory: {$before/1024:.1f} MB idle, {$held/1024:.1f} MB with $(cut -d' ' -f1 "$work/idle.txt") connections ($(cut -d' ' -f2 "$work/idle.txt")), {($held-$before)/10000:.2f} KB each (target < 100 MB)')"
