# shellcheck shell=bash
# shellcheck disable=SC2154 # root, build and bin are set by the script that sources this
# Sourced by the scripts that drive dietlens and translator on a virtual screen
# (screenshots.sh, dialog-looks.sh, atspi-check.sh): the set-up before the
# virtual screen, the food servers and the IceWM desktop, and the xdotool steps.
# Every process started here is added to `pids`; stop_started ends them.
# The calling script sets `root`, `build` and `bin`.

pids=()

# ensure_qt6ct: the Qt settings tool through which the desktop looks are set.
ensure_qt6ct() {
  dpkg-query -W -f='${Status}' qt6ct 2>/dev/null | grep -q 'install ok installed' && return 0
  local sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends qt6ct >/dev/null
}

# build_programs: configures $build when it has no cache yet and builds the three programs.
build_programs() {
  if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  fi
  cmake --build "$build" -j"$(nproc)" --target dietlens translator foodserver
}

# qt6ct_look HOME POINTS DARK: the desktop's Qt settings for one look.
qt6ct_look() {
  mkdir -p "$1/.config/qt6ct"
  cat >"$1/.config/qt6ct/qt6ct.conf" <<CONF
[Appearance]
style=Fusion
custom_palette=$3
color_scheme_path=/usr/share/qt6ct/colors/darker.conf

[Fonts]
general="DejaVu Sans,$2,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"
fixed="DejaVu Sans Mono,$2,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"
CONF
}

stop_started() {
  local pid
  for pid in "${pids[@]}"; do kill -TERM "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
}

# answers PORT: true when a server on the port answers its home page.
answers() {
  (
    exec 3<>"/dev/tcp/127.0.0.1/$1" || exit 1
    printf 'GET / HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n' >&3
    status=""
    read -r -t 2 status <&3 || true
    [[ "$status" == "HTTP/1.1 200"* ]]
  ) 2>/dev/null
}

# build_ports: the ports of the server hosts the build was configured with, each once,
# into the array `ports`.
build_ports() {
  local host value
  ports=()
  for host in DIETLENS_CHECKIN_HOST DIETLENS_FOOD_HOST_EN DIETLENS_FOOD_HOST_NL; do
    value="$(sed -n "s|^$host:[A-Z]*=||p" "$build/CMakeCache.txt")"
    [[ " ${ports[*]} " == *" ${value##*:} "* ]] || ports+=("${value##*:}")
  done
}

# start_food_server PORT DATASET FOLDER: a food server on the loopback port with its
# database and log in FOLDER; fails when something already answers there.
start_food_server() {
  if answers "$1"; then fail "port $1 is in use; stop what runs there first"; fi
  "$bin/foodserver" --host 127.0.0.1 --port "$1" --dataset "$2" --db "$3/$1.db" 2>"$3/$1.log" &
  pids+=($!)
}

# wait_for_servers PORT...: waits until every port answers (10 s each at most).
wait_for_servers() {
  local port
  for port in "$@"; do
    for _ in $(seq 1 100); do answers "$port" && break; sleep 0.1; done
    answers "$port" || fail "food server on $port did not start"
  done
}

start_desktop() {
  icewm >/dev/null 2>&1 &
  pids+=($!)
  sleep 1.5
}

# find_window PID REGEX: the visible window of the process whose title matches, if any.
find_window() { xdotool search --all --onlyvisible --pid "$1" --name "$2" 2>/dev/null | tail -n1 || true; }
# wait_window PID REGEX [TENTHS]: waits for such a window and prints its id.
wait_window() {
  local id=""
  for _ in $(seq 1 "${3:-100}"); do
    id="$(find_window "$1" "$2")"
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
focus() { xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"; sleep 0.4; }
keys() { xdotool key --clearmodifiers --delay 60 "$@"; sleep 0.4; }
typed() { xdotool type --clearmodifiers --delay 30 "$1"; sleep 0.2; }
