#!/usr/bin/env bash
# The food server on SQLite and on PostgreSQL, one and two processes on one database: wrk with
# rotating search terms, CONNECTIONS (default 50) in all, split evenly over the processes; then
# one process on a table grown to 1,000,000 foods (million.py). Prints searches per second and
# the 99th percentile latency side by side (for two processes: the sum of the rates and the
# higher of the two percentiles). A benchmark, not a test: it fails only when a server does not
# start or wrk reports errors.
# Usage: bench/foodserver/engines.sh [build dir]   (default build/; DURATION default 10s;
#        FOODS default 1000000)
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

"$root/scripts/pgcluster.sh" start "$work/pg.state" >/dev/null
pg="$(sed -n 's/^uri=//p' "$work/pg.state")"
pg_db() { psql -q "$pg" -c "CREATE DATABASE $1" >/dev/null; echo "${pg%/postgres}/$1"; }

echo "== $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores ($(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)), load average $(cut -d' ' -f1-3 /proc/loadavg)"
echo "== wrk $connections connections, $duration, 18 rotating terms"
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
