#!/usr/bin/env bash
# Load test of foodserver on loopback: searches per second and latency with wrk, then a burst
# of malformed requests after which the server must still answer.
# Usage: bench/foodserver/load.sh [build dir] (default build-release, built with RelWithDebInfo)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
build="${1:-$root/build-release}"
duration="${DURATION:-10s}"
connections="${CONNECTIONS:-8}"

source "$root/scripts/foodserver_on_loopback.sh"

echo "== $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg), foodserver on $base"
echo "== searches: wrk, 2 threads, $connections connections, $duration, 18 rotating terms"
wrk -t2 -c"$connections" -d"$duration" --latency -s "$here/terms.lua" "$base" | tee "$work/wrk.txt"
echo "== one term with 151 records (14.6 KB per reply)"
wrk -t2 -c"$connections" -d"$duration" --latency "$base/modules/swzoek.php?item=rice" | tee "$work/wrk-rice.txt"

echo "== burst of 1,000 malformed requests"
start=$(date +%s%N)
python3 "$here/burst.py" "$port" 1000
echo "  took $(( ($(date +%s%N) - start) / 1000000 )) ms"

echo "== after the burst"
kill -0 "$server_pid" || { echo "FAIL: the server is gone"; exit 1; }
reply="$(curl -s --max-time 5 "$base/modules/swzoek.php?item=rice" | tr -cd '\274' | wc -c)"
version="$(curl -s --max-time 5 "$base/modules/controle/dietlens_controle.php?&code=1")"
echo "  search for rice: $reply records; check-in answer: $version"
[ "$reply" -gt 0 ] && [ "$version" = "2.12" ] || { echo "FAIL: the server no longer answers"; exit 1; }
echo "  server log: $(wc -l <"$work/server.log") lines"

summary() {
  awk -v name="$1" '/Requests\/sec/ {rps=$2} /^ +99%/ {p99=$2} END {printf "%s: %s searches/s, p99 %s\n", name, rps, p99}' "$2"
}
echo "== summary"
summary "rotating terms" "$work/wrk.txt"
summary "rice" "$work/wrk-rice.txt"
