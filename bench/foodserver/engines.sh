#!/usr/bin/env bash
# First the food server (SQLite, one process, the bundled table) beside nginx serving the very
# same reply bytes as static files under the same wrk load: the ceiling for any server of ours
# on this machine (skipped when nginx is not installed). Then the food server on SQLite and on
# PostgreSQL, one and two processes on one database: wrk with rotating search terms, CONNECTIONS
# (default 50) in all, split evenly over the processes; then one process on a table grown to
# 1,000,000 foods (million.py). Prints searches per second and the 99th percentile latency side
# by side (for two processes: the sum of the rates and the higher of the two percentiles). A
# benchmark, not a test: it fails only when a server does not start, nginx's replies differ from
# the food server's, or wrk reports errors.
# Usage: bench/foodserver/engines.sh [build dir]   (default build/; DURATION default 10s;
#        FOODS default 1000000; NGINX_ONLY=1 stops after the comparison with nginx)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
build="${1:-$root/build}"
duration="${DURATION:-10s}"
connections="${CONNECTIONS:-50}"
foods="${FOODS:-1000000}"
[ -x "$build/bin/foodserver" ] || { echo "build foodserver first (scripts/build.sh)"; exit 1; }

work="$(mktemp -d)"
chmod 755 "$work"
pids=()
stop_servers() {
  for pid in "${pids[@]}"; do kill -TERM "$pid" 2>/dev/null && wait "$pid" 2>/dev/null || true; done
  pids=()
}
cleanup() {
  stop_servers
  "$root/scripts/pgcluster.sh" stop "$work/pg.state"
  rm -rf "$work"
}
trap cleanup EXIT

# start_server DB LOG: starts one server on a free port, sets $port.
start_server() {
  "$build/bin/foodserver" --port 0 --db "$1" --dataset usda-sr28 2>"$2" &
  pids+=($!)
  port=""
  for _ in $(seq 1 600); do
    port="$(sed -n 's|.*on http://127\.0\.0\.1:\([0-9]*\)/.*|\1|p' "$2")"
    [ -n "$port" ] && return
    kill -0 "${pids[-1]}" 2>/dev/null || break
    sleep 0.1
  done
  echo "foodserver did not start:"; cat "$2"; exit 1
}

# measure NAME DB PROCESSES: prints one line of the table.
measure() {
  local name="$1" db="$2" processes="$3" ports=() i
  for i in $(seq 1 "$processes"); do
    start_server "$db" "$work/server-$i.log"
    ports+=("$port")
  done
  local per=$((connections / processes)) files=() loads=()
  for i in "${!ports[@]}"; do
    wrk -t$((2 / processes)) -c"$per" -d"$duration" --latency -s "$here/terms.lua" "http://127.0.0.1:${ports[$i]}" \
      >"$work/wrk-$i.txt" &
    loads+=($!)
    files+=("$work/wrk-$i.txt")
  done
  wait "${loads[@]}"
  stop_servers
  if grep -qE 'Socket errors|Non-2xx' "${files[@]}"; then
    echo "FAIL: wrk saw errors:"; cat "${files[@]}"; exit 1
  fi
  awk -v name="$name" -v n="$processes" '
    /Requests\/sec/ {rps += $2}
    /^ +99%/ {v = $2; u = v; sub(/[a-z]+$/, "", v); sub(/^[0-9.]+/, "", u);
              ms = (u == "us") ? v / 1000 : (u == "s") ? v * 1000 : v; if (ms > p99) p99 = ms}
    END {printf "%-12s %9d %14.0f %12.2f\n", name, n, rps, p99}' "${files[@]}"
}

# beside_nginx: one foodserver on the bundled table, and nginx serving each of the 18 terms'
# replies from a file fetched from that foodserver; wrk on the one, then on the other. Fails
# when nginx does not start or a body it sends differs from the foodserver's.
beside_nginx() {
  local nginx
  nginx="$(command -v nginx || { [ -x /usr/sbin/nginx ] && echo /usr/sbin/nginx; } || true)"
  if [ -z "$nginx" ]; then
    echo "nginx: skipped (install the nginx package)"
    return
  fi
  local dir="$work/nginx" terms term
  mkdir -p "$dir/replies" "$dir/temp"
  # The terms exactly as terms.lua sends them (Cr%E8me still percent-encoded), one a line.
  terms="$(sed -n '/local terms = {/,/}/p' "$here/terms.lua" | grep -o '"[^"]*"' | tr -d '"')"
  [ "$(wc -l <<<"$terms")" -eq 18 ] || { echo "FAIL: expected 18 terms in terms.lua"; exit 1; }

  start_server "$work/nginx.db" "$work/nginx-foodserver.log"
  local foodserver_port="$port"
  # Each file is named by the raw query argument, which is what nginx's $arg_item holds.
  while read -r term; do
    curl -sf -o "$dir/replies/$term" "http://127.0.0.1:$foodserver_port/modules/swzoek.php?item=$term" ||
      { echo "FAIL: foodserver did not answer '$term'"; exit 1; }
  done <<<"$terms"
  chmod -R a+rX "$dir" # run as root, nginx's workers read the files as an unprivileged user

  local nginx_port
  nginx_port="$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')"
  cat >"$dir/nginx.conf" <<CONF
worker_processes auto;
pid $dir/nginx.pid;
error_log $dir/error.log;
events { worker_connections 1024; }
http {
  access_log off;
  client_body_temp_path $dir/temp/body;
  proxy_temp_path $dir/temp/proxy;
  fastcgi_temp_path $dir/temp/fastcgi;
  uwsgi_temp_path $dir/temp/uwsgi;
  scgi_temp_path $dir/temp/scgi;
  default_type "text/plain; charset=windows-1252";
  server {
    listen 127.0.0.1:$nginx_port;
    location = /modules/swzoek.php {
      root $dir/replies;
      try_files /\$arg_item =404;
    }
  }
}
CONF
  "$nginx" -p "$dir" -e "$dir/error.log" -c "$dir/nginx.conf" -g 'daemon off;' 2>>"$dir/error.log" &
  pids+=($!)
  for _ in $(seq 1 100); do
    curl -s -o /dev/null "http://127.0.0.1:$nginx_port/" && break
    kill -0 "${pids[-1]}" 2>/dev/null || break
    sleep 0.1
  done
  curl -s -o /dev/null "http://127.0.0.1:$nginx_port/" || { echo "nginx did not start:"; cat "$dir/error.log"; exit 1; }

  while read -r term; do
    curl -sf -o "$dir/from-foodserver" "http://127.0.0.1:$foodserver_port/modules/swzoek.php?item=$term" &&
      curl -sf -o "$dir/from-nginx" "http://127.0.0.1:$nginx_port/modules/swzoek.php?item=$term" &&
      cmp -s "$dir/from-foodserver" "$dir/from-nginx" ||
      { echo "FAIL: nginx's reply to '$term' is not the foodserver's"; exit 1; }
  done <<<"$terms"
  echo "(the 18 replies, $(cat "$dir"/replies/* | wc -c) bytes in all, byte for byte the same from both)"

  local name target
  for name in foodserver nginx; do
    [ "$name" = foodserver ] && target="$foodserver_port" || target="$nginx_port"
    wrk -t2 -c"$connections" -d"$duration" --latency -s "$here/terms.lua" "http://127.0.0.1:$target" \
      >"$work/wrk-$name.txt"
    grep -qE 'Socket errors|Non-2xx' "$work/wrk-$name.txt" && { echo "FAIL: wrk saw errors"; cat "$work/wrk-$name.txt"; exit 1; }
  done
  stop_servers
  awk '
    FNR == 1 {n++}
    /Requests\/sec/ {rps[n] = $2}
    /^ +99%/ {v = $2; u = v; sub(/[a-z]+$/, "", v); sub(/^[0-9.]+/, "", u);
              p99[n] = (u == "us") ? v / 1000 : (u == "s") ? v * 1000 : v}
    END {printf "%-18s %14s %12s\n", "server", "searches/s", "p99 (ms)"
         printf "%-18s %14.0f %12.2f\n", "foodserver", rps[1], p99[1]
         printf "%-18s %14.0f %12.2f\n", "nginx, same bytes", rps[2], p99[2]
         printf "%-18s %14.2f %12.2f\n", "foodserver/nginx", rps[1] / rps[2], p99[1] / p99[2]}' \
    "$work/wrk-foodserver.txt" "$work/wrk-nginx.txt"
}

"$root/scripts/pgcluster.sh" start "$work/pg.state" >/dev/null
pg="$(sed -n 's/^uri=//p' "$work/pg.state")"
pg_db() { psql -q "$pg" -c "CREATE DATABASE $1" >/dev/null; echo "${pg%/postgres}/$1"; }

echo "== $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores ($(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)), load average $(cut -d' ' -f1-3 /proc/loadavg)"
echo "== wrk $connections connections, $duration, 18 rotating terms"
echo "== foodserver (sqlite, one process) beside nginx serving the same reply bytes as static files"
beside_nginx
[ "${NGINX_ONLY:-0}" = 1 ] && exit 0
echo "== the food server on each engine"
printf '%-12s %9s %14s %12s\n' engine processes searches/s "p99 (ms)"
sqlite_db="$work/shared.db"
measure sqlite "$sqlite_db" 1
measure sqlite "$sqlite_db" 2
if [ -n "$pg" ]; then
  pg_shared="$(pg_db shared)"
  measure postgresql "$pg_shared" 1
  measure postgresql "$pg_shared" 2
else
  echo "postgresql: skipped, $(sed -n 's/^unavailable=//p' "$work/pg.state")"
fi

echo "== $foods foods (the bundled table plus rows grown from it), one process; load average $(cut -d' ' -f1-3 /proc/loadavg)"
python3 "$here/million.py" "$root/data" "$((foods - 8789))" >"$work/million.tsv"
printf '%-12s %9s %14s %12s %10s %10s\n' engine processes searches/s "p99 (ms)" "start (s)" "RSS (MB)"
grown() {
  local name="$1" db="$2"
  start_server "$db" "$work/fill.log"; stop_servers # creates the schema, fills the bundled table
  if [ "$name" = sqlite ]; then
    python3 - "$db" "$work/million.tsv" <<'PY'
import sqlite3, sys
db = sqlite3.connect(sys.argv[1])
with open(sys.argv[2], encoding="utf-8") as f:
    rows = (line.rstrip("\n").split("\t") for line in f)
    db.executemany("INSERT INTO foods (name, kj, kcal, unsaturated_fat, saturated_fat, carbohydrates, protein,"
                   " sodium, checked, revision) VALUES (?, ?, ?, ?, ?, ?, ?, ?, 1, 0)", (r[:8] for r in rows))
db.commit()
PY
  else
    psql -q "$db" -c "\\copy foods (name, kj, kcal, unsaturated_fat, saturated_fat, carbohydrates, protein, sodium, checked, revision) FROM '$work/million.tsv'"
    # As after any bulk load: without it the autovacuum daemon would scan the new rows while
    # the server is measured.
    psql -q "$db" -c "VACUUM ANALYZE foods"
  fi
  local started=$(date +%s%N)
  start_server "$db" "$work/grown.log"
  local seconds=$(( ($(date +%s%N) - started) / 1000000 ))
  local rss=$(awk '/VmRSS/ {print int($2 / 1024)}' "/proc/${pids[-1]}/status")
  wrk -t2 -c"$connections" -d"$duration" --latency -s "$here/terms.lua" "http://127.0.0.1:$port" >"$work/wrk-grown.txt"
  stop_servers
  grep -qE 'Socket errors|Non-2xx' "$work/wrk-grown.txt" && { echo "FAIL: wrk saw errors"; cat "$work/wrk-grown.txt"; exit 1; }
  awk -v name="$name" -v s="$seconds" -v rss="$rss" '
    /Requests\/sec/ {rps = $2}
    /^ +99%/ {v = $2; u = v; sub(/[a-z]+$/, "", v); sub(/^[0-9.]+/, "", u);
              p99 = (u == "us") ? v / 1000 : (u == "s") ? v * 1000 : v}
    END {printf "%-12s %9d %14.0f %12.2f %10.1f %10d\n", name, 1, rps, p99, s / 1000, rss}' "$work/wrk-grown.txt"
}
grown sqlite "$work/million.db"
[ -n "$pg" ] && grown postgresql "$(pg_db million)"
echo "== load average at the end $(cut -d' ' -f1-3 /proc/loadavg)"
