#!/usr/bin/env bash
# The reference food server under load and abuse, on loopback only:
#   1. wrk, 100 connections, rotating search terms (DURATION, default 10s; 60s for the figures);
#   2. 1,000 malformed requests (bench/foodserver/burst.py);
#   3. 200 submissions sent at once, each a different food: every one must be
#      answered "OK" and afterwards be found exactly once;
# and the server's resident memory before, between and after.
# Usage: scripts/server_abuse.sh [build dir]   (default build/, foodserver built if missing)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build}"
duration="${DURATION:-10s}"

source "$root/scripts/foodserver_on_loopback.sh"
rss() { awk '/VmRSS/ {print $2 " kB"}' "/proc/$server_pid/status"; }

echo "== $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg); memory at start: $(rss)"
curl -s --max-time 5 "$base/modules/swzoek.php?item=rice" >/dev/null
echo "   after one search: $(rss)"

echo "== wrk: 2 threads, 100 connections, $duration"
wrk -t2 -c100 -d"$duration" --latency -s "$root/bench/foodserver/terms.lua" "$base" | tee "$work/wrk.txt"
errors="$(awk '/Socket errors|Non-2xx/ {print}' "$work/wrk.txt")"
echo "   errors: ${errors:-none}; memory: $(rss)"
failed=0
[ -z "$errors" ] || failed=1

echo "== 1,000 malformed requests"
python3 "$root/bench/foodserver/burst.py" "$port" 1000
kill -0 "$server_pid" || { echo "FAIL: the server is gone"; exit 1; }
echo "   memory: $(rss)"

echo "== 200 submissions at once"
python3 - "$port" <<'PY'
import concurrent.futures, sys, time, urllib.request, urllib.parse
port = int(sys.argv[1])
base = f"http://127.0.0.1:{port}/modules/"
names = [f"Abusetest{n:03d}x" for n in range(200)]
def submit(name):
    started = time.monotonic()
    q = urllib.parse.urlencode({"naam": name, "kj": "1000", "kcal": "239", "vvet": "1", "ovet": "2",
                                "kdr": "30", "ew": "5", "nat": "0.1", "opmerking": "load", "gepost": "test"})
    try:
        with urllib.request.urlopen(base + "swadd.php?" + q, timeout=60) as r:
            return r.read(), time.monotonic() - started
    except Exception as e:
        return repr(e).encode(), time.monotonic() - started
burst_start = time.monotonic()
with concurrent.futures.ThreadPoolExecutor(max_workers=200) as pool:
    answered = list(pool.map(submit, names))
burst = time.monotonic() - burst_start
replies = [r for r, _ in answered]
slowest = max(t for _, t in answered)
print(f"   all answered in {burst:.2f} s, slowest answer {slowest:.2f} s")
accepted = sum(1 for r in replies if r.startswith(b"OK"))
for r in {r for r in replies if not r.startswith(b"OK")}:
    print("   not accepted:", r[:120])
stored = {}
for name in names:
    with urllib.request.urlopen(base + "swzoek.php?item=" + name, timeout=30) as r:
        body = r.read()
    stored[name] = sum(1 for rec in body.split(b"\xbc") if rec.split(b"\xbd")[0] == name.encode())
once = sum(1 for c in stored.values() if c == 1)
print(f"   accepted {accepted}/200, stored exactly once {once}/200")
if accepted != 200 or once != 200:
    print("FAIL:", {k: v for k, v in stored.items() if v != 1})
    sys.exit(1)
PY
echo "   memory: $(rss)"

echo "== a second wrk run: memory must stay flat"
wrk -t2 -c100 -d"$duration" -s "$root/bench/foodserver/terms.lua" "$base" | tee "$work/wrk2.txt" | grep -E 'Requests/sec|errors|Non-2xx' || true
grep -qE 'Socket errors|Non-2xx' "$work/wrk2.txt" && failed=1
echo "   memory at the end: $(rss)"
echo "== summary"
awk '/Requests\/sec/ {rps=$2} /^ +99%/ {p99=$2} /Latency +[0-9]/ {max=$4} END {printf "wrk 100 connections: %s searches/s, p99 %s, max %s\n", rps, p99, max}' "$work/wrk.txt"
if [ "$failed" -ne 0 ]; then
  echo "FAIL: wrk saw errors"
  exit 1
fi
