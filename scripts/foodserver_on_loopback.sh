# Sourced by the load and abuse scripts: builds foodserver into $build when it is missing,
# starts it on a free loopback port with a fresh USDA database in a temporary folder and
# sets $work, $server_pid, $port and $base; the server is stopped and $work removed on exit.
# The request log goes to $work/server.log: writing it is part of the cost being measured.
#   source scripts/foodserver_on_loopback.sh   (with $root and $build set)

if [ ! -x "$build/bin/foodserver" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$build" -j2 --target foodserver
fi

work="$(mktemp -d)"
server_pid=""
cleanup() {
  if [ -n "$server_pid" ] && kill -0 "$server_pid" 2>/dev/null; then
    kill -TERM "$server_pid"
    wait "$server_pid" || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

"$build/bin/foodserver" --host 127.0.0.1 --port 0 --db "$work/load.db" --dataset usda-sr28 2>"$work/server.log" &
server_pid=$!
port=""
for _ in $(seq 1 100); do
  port="$(sed -n 's|.*on http://127\.0\.0\.1:\([0-9]*\)/.*|\1|p' "$work/server.log")"
  [ -n "$port" ] && break
  sleep 0.1
done
[ -n "$port" ] || { echo "foodserver did not start:"; cat "$work/server.log"; exit 1; }
base="http://127.0.0.1:$port"
