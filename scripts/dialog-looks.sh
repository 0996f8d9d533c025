#!/usr/bin/env bash
# Pictures of every dialog of dietlens and translator in three desktop looks, to be looked
# at by a person: a 13 pt font, scale 2 (QT_SCALE_FACTOR=2) and a dark palette. Runs on a
# virtual screen with the IceWM desktop, drives the programs by the keyboard alone and saves
# one PNG per window and look into ${LOOKS_DIR:-build-looks}/.
#   scripts/dialog-looks.sh   (uses the build in ${BUILD_DIR:-build}, building what is missing)
# Food servers are started on the ports the build was configured with. Works in throw-away
# home folders, one per look.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
bin="$build/bin"
out="${LOOKS_DIR:-$root/build-looks}"

if [ -z "${LOOKS_ON_DISPLAY:-}" ]; then
  "$root/scripts/deps.sh"
  if ! dpkg-query -W -f='${Status}' qt6ct 2>/dev/null | grep -q 'install ok installed'; then
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends qt6ct >/dev/null
  fi
  if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  fi
  cmake --build "$build" -j"$(nproc)" --target dietlens translator foodserver
  # The accessibility bus lets the keyboard be steered to a toolbar button by its name.
  exec env LOOKS_ON_DISPLAY=1 xvfb-run -a -s '-screen 0 1600x1200x24' dbus-run-session -- "$0" "$@"
fi

base="$(mktemp -d)"
mkdir -p "$out"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill -TERM "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$base"
}
trap cleanup EXIT
fail() { echo "dialog-looks: $*" >&2; import -window root "$out/failed.png" 2>/dev/null || true; exit 1; }
find_window() { xdotool search --all --onlyvisible --pid "$1" --name "$2" 2>/dev/null | tail -n1 || true; }
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
shot() { # shot WINDOW NAME: the window with its frame, where the desktop placed it
  sleep 0.6
  import -frame -window "$1" "$out/$look-$2.png"
  echo "   $out/$look-$2.png ($(identify -format '%wx%h' "$out/$look-$2.png"))"
}
answers() {
  (
    exec 3<>"/dev/tcp/127.0.0.1/$1" || exit 1
    printf 'GET / HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n' >&3
    status=""
    read -r -t 2 status <&3 || true
    [[ "$status" == "HTTP/1.1 200"* ]]
  ) 2>/dev/null
}

cache_value() { sed -n "s|^$1:[A-Z]*=||p" "$build/CMakeCache.txt"; }
ports=()
for host in "$(cache_value DIETLENS_CHECKIN_HOST)" "$(cache_value DIETLENS_FOOD_HOST_EN)" \
  "$(cache_value DIETLENS_FOOD_HOST_NL)"; do
  [[ " ${ports[*]} " == *" ${host##*:} "* ]] || ports+=("${host##*:}")
done
for port in "${ports[@]}"; do
  if answers "$port"; then fail "port $port is in use; stop what runs there first"; fi
  "$bin/foodserver" --host 127.0.0.1 --port "$port" --dataset usda-sr28 --db "$base/$port.db" 2>"$base/$port.log" &
  pids+=($!)
done
for port in "${ports[@]}"; do
  for _ in $(seq 1 100); do answers "$port" && break; sleep 0.1; done
  answers "$port" || fail "food server on $port did not start"
done
icewm >/dev/null 2>&1 &
pids+=($!)
sleep 1.5

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

# one_look NAME ENV...: every window of both programs in one look.
one_look() {
  look="$1"
  shift
  local home="$base/$look"
  mkdir -p "$home/runtime"
  chmod 700 "$home/runtime"
  case "$look" in
    13pt) qt6ct_look "$home" 13 false ;;
    dark) qt6ct_look "$home" 10 true ;;
  esac
  local run=(env HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share"
    XDG_RUNTIME_DIR="$home/runtime" LC_ALL=C.UTF-8 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@")
  echo "-- $look: dietlens"
  "${run[@]}" "$bin/dietlens" >"$home/dietlens.log" 2>&1 &
  local pid=$!
  pids+=("$pid")
  local main w
  main="$(wait_window "$pid" '^Dietlens \(')" || fail "dietlens ($look) opened no main window"
  if w="$(wait_window "$pid" '^Dietlens$' 50)"; then focus "$w"; shot "$w" first-start; keys Return; fi
  w="$(wait_window "$pid" '^Settings$' 50)" || fail "no settings dialog ($look)"
  focus "$w"
  typed "Anna"
  keys Tab
  typed "de Vries"
  keys Tab E
  shot "$w" settings-general
  keys ctrl+Tab
  shot "$w" settings-display
  keys ctrl+Tab
  shot "$w" settings-traffic
  keys ctrl+Tab Return
  sleep 1
  if w="$(wait_window "$pid" '^Make a connection first$' 30)"; then focus "$w"; shot "$w" connect-first; keys Return; fi
  focus "$main"
  keys ctrl+c
  sleep 1.5
  typed "apple"
  keys Return
  sleep 1.5
  keys Down
  shot "$main" main-window
  keys ctrl+n
  if w="$(wait_window "$pid" '^Add food items' 50)"; then focus "$w"; shot "$w" new-food-item; keys Escape; fi
  focus "$main"
  keys alt+i Down Return
  if w="$(wait_window "$pid" 'nformation' 50)"; then focus "$w"; shot "$w" information; keys Escape; fi
  focus "$main"
  keys alt+i Down Down Return
  if w="$(wait_window "$pid" '^Open with$' 30)"; then focus "$w"; shot "$w" open-with; keys Escape; fi
  focus "$main"
  keys ctrl+x
  wait "$pid" 2>/dev/null || true

  echo "-- $look: translator"
  "${run[@]}" "$bin/translator" >"$home/translator.log" 2>&1 &
  pid=$!
  pids+=("$pid")
  main="$(wait_window "$pid" '^Quelmar Translator')" || fail "translator ($look) opened no window"
  focus "$main"
  keys ctrl+o
  sleep 1
  if w="$(wait_window "$pid" '^Open$' 30)"; then shot "$w" translator-open; fi
  typed "$home/Documents/Dietlens/My Language/English.lsf"
  keys Return
  sleep 1
  focus "$main"
  keys Down Home Tab Down
  shot "$main" translator
  keys F6
  if w="$(wait_window "$pid" '^Edit text$' 30)"; then shot "$w" translator-edit; keys Escape; fi
  focus "$main"
  keys F5
  if w="$(wait_window "$pid" '^New text$' 30)"; then shot "$w" translator-new; keys Escape; fi
  focus "$main"
  keys shift+Tab Return
  if w="$(wait_window "$pid" '^Edit form$' 30)"; then shot "$w" translator-form; keys Escape; fi
  focus "$main"
  if /usr/bin/python3 "$root/scripts/atspi_walk.py" "$pid" --focus-to "Search and replace in the selected form"; then
    keys space
    if w="$(wait_window "$pid" '^Search and replace$' 30)"; then shot "$w" translator-replace; keys Escape; fi
  fi
  focus "$main"
  keys ctrl+a
  if w="$(wait_window "$pid" '^Quelmar Translator$' 30)"; then shot "$w" translator-about; keys Escape; fi
  focus "$main"
  keys ctrl+x
  sleep 0.5
  kill -TERM "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}

one_look 13pt QT_QPA_PLATFORMTHEME=qt6ct
one_look scale2 QT_SCALE_FACTOR=2
one_look dark QT_QPA_PLATFORMTHEME=qt6ct
echo "pictures in $out"
