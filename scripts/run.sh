#!/usr/bin/env bash
# Installs what is missing, builds, starts the two demo food servers on loopback, opens dietlens
# and stops the servers when dietlens ends.
#   127.0.0.1:8080  English food server and check-in, USDA SR28 foods
#   127.0.0.1:8081  Dutch food server, Indian Food Composition Tables 2017 foods
# Their databases and logs are kept in ${XDG_DATA_HOME:-~/.local/share}/dietlens-demo/.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/deps.sh"
"$root/scripts/build.sh"
bin="${BUILD_DIR:-$root/build}/bin"
data="${XDG_DATA_HOME:-$HOME/.local/share}/dietlens-demo"
mkdir -p "$data"

pids=()
stop_servers() {
  for pid in "${pids[@]}"; do
    kill -TERM "$pid" 2>/dev/null || true
  done
  for pid in "${pids[@]}"; do
    wait "$pid" 2>/dev/null || true
  done
}
trap stop_servers EXIT

# start_server NAME PORT DATASET
start_server() {
  "$bin/foodserver" --host 127.0.0.1 --port "$2" --dataset "$3" --db "$data/$1.db" 2>"$data/$1.log" &
  pids+=($!)
}

# True when the server on the port answers its home page.
answers() {
  local status=""
  exec 3<>"/dev/tcp/127.0.0.1/$1" || return 1
  printf 'GET / HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n' >&3
  read -r -t 2 status <&3 || true
  exec 3>&-
  [[ "$status" == "HTTP/1.1 200"* ]]
}

# wait_until_up NAME PORT PID: the server started by this script (its log says so) answers.
wait_until_up() {
  for _ in $(seq 1 100); do
    if ! kill -0 "$3" 2>/dev/null; then
      echo "The $1 food server did not start:" >&2
      cat "$data/$1.log" >&2
      exit 1
    fi
    if grep -q '^foodserver: serving' "$data/$1.log" && answers "$2" 2>/dev/null; then
      return 0
    fi
    sleep 0.1
  done
  echo "The $1 food server on port $2 does not answer; see $data/$1.log" >&2
  exit 1
}

start_server english 8080 usda-sr28
start_server dutch 8081 ifct2017
wait_until_up english 8080 "${pids[0]}"
wait_until_up dutch 8081 "${pids[1]}"
echo "Food servers: http://127.0.0.1:8080/ (English, check-in) and http://127.0.0.1:8081/ (Dutch); data in $data"

"$bin/dietlens" "$@"
