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

# shellcheck source=scripts/desktop-lib.sh
. "$root/scripts/desktop-lib.sh"

if [ -z "${LOOKS_ON_DISPLAY:-}" ]; then
  "$root/scripts/deps.sh"
  ensure_qt6ct
  build_programs
  # The accessibility bus lets the keyboard be steered to a toolbar button by its name.
  exec env LOOKS_ON_DISPLAY=1 xvfb-run -a -s '-screen 0 1600x1200x24' dbus-run-session -- "$0" "$@"
fi

base="$(mktemp -d)"
mkdir -p "$out"
cleanup() {
  stop_started
  rm -rf "$base"
}
trap cleanup EXIT
fail() { echo "dialog-looks: $*" >&2; import -window root "$out/failed.png" 2>/dev/null || true; exit 1; }
shot() { # shot WINDOW NAME: the window with its frame, where the desktop placed it
  sleep 0.6
  import -frame -window "$1" "$out/$look-$2.png"
  echo "   $out/$look-$2.png ($(identify -format '%wx%h' "$out/$look-$2.png"))"
}

build_ports
for port in "${ports[@]}"; do start_food_server "$port" usda-sr28 "$base"; done
wait_for_servers "${ports[@]}"
start_desktop

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
  # The translation aids: Nederlands.lsf as the reference of the open English.lsf.
  focus "$main"
  keys alt+v Return
  if w="$(wait_window "$pid" '^Reference file$' 30)"; then
    typed "$home/Documents/Dietlens/My Language/Nederlands.lsf"
    keys Return
    sleep 1
  fi
  focus "$main"
  keys F8
  shot "$main" translator-reference
  keys F6
  if w="$(wait_window "$pid" '^Edit text$' 30)"; then shot "$w" translator-edit-reference; keys Escape; fi
  # A chart caption (form 7, row 28) made longer than dietlens's caption box: the row dialog
  # says by how much it is cut and shows the chart.
  focus "$main"
  if /usr/bin/python3 "$root/scripts/atspi_walk.py" "$pid" --focus-to "Forms"; then
    keys Home Down Down Down Down Down Down
    if /usr/bin/python3 "$root/scripts/atspi_walk.py" "$pid" --focus-to "Rows of the form"; then
      keys Home
      for _ in $(seq 28); do xdotool key --clearmodifiers Down; done
      keys F6
      if w="$(wait_window "$pid" '^Edit text$' 30)"; then
        keys ctrl+a
        typed "Onverzadigde en meervoudig onverzadigde vetten per"
        sleep 1
        shot "$w" translator-edit-cut
        keys Escape
      fi
    fi
  fi
  focus "$main"
  keys ctrl+shift+f
  if w="$(wait_window "$pid" '^Find in all forms$' 30)"; then
    typed "gram"
    shot "$w" translator-find
    keys Escape
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
