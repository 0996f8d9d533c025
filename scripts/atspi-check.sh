#!/usr/bin/env bash
# Screen-reader check: runs dietlens and translator on a virtual screen with a D-Bus session
# and the AT-SPI accessibility bus, drives them by the keyboard alone (xdotool) and walks
# each window's accessibility tree as a screen reader does (scripts/atspi_walk.py). Fails
# when a control that takes the focus has no name, when the chart does not read its six
# values after a search against a local food server, when a window stands elsewhere on the
# screen than a screen reader is told, or when the open tray menu is not listed.
#   scripts/atspi-check.sh [LOOK]   (uses the build in ${BUILD_DIR:-build}, building what is
#                                    missing)
# LOOK: plain (the default), dark, 13pt (a larger font), scale2 (QT_SCALE_FACTOR=2), or all
# of them one after the other.
# Food servers are started on the check-in and food server ports the build was
# configured with. Works in a throw-away home folder. Exits 77 (skipped) when the
# accessibility bus cannot be started.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
bin="$build/bin"

# shellcheck source=scripts/desktop-lib.sh
. "$root/scripts/desktop-lib.sh"

look="${1:-plain}"
case "$look" in
  plain | dark | 13pt | scale2 | all) ;;
  *) echo "atspi-check: unknown look '$look' (plain, dark, 13pt, scale2, all)" >&2; exit 2 ;;
esac
if [ -z "${ATSPI_ON_DISPLAY:-}" ]; then
  "$root/scripts/deps.sh"
  ensure_qt6ct
  build_programs
  if [ "$look" = all ]; then
    status=0
    for one in plain dark 13pt scale2; do
      echo "=== look: $one"
      env ATSPI_ON_DISPLAY=1 xvfb-run -a -s '-screen 0 1280x1024x24' dbus-run-session -- "$0" "$one" || status=$?
      [ "$status" -eq 0 ] || break
    done
    exit "$status"
  fi
  exec env ATSPI_ON_DISPLAY=1 xvfb-run -a -s '-screen 0 1280x1024x24' dbus-run-session -- "$0" "$look"
fi

work="$(mktemp -d)"
export HOME="$work" XDG_CONFIG_HOME="$work/.config" XDG_DATA_HOME="$work/.local/share"
export XDG_RUNTIME_DIR="$work/runtime" LC_ALL=C.UTF-8
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0
mkdir -p "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
case "$look" in
  dark) qt6ct_look "$work" 10 true; export QT_QPA_PLATFORMTHEME=qt6ct ;;
  13pt) qt6ct_look "$work" 13 false; export QT_QPA_PLATFORMTHEME=qt6ct ;;
  scale2) export QT_SCALE_FACTOR=2 ;;
esac
echo "-- look: $look"
cleanup() {
  stop_started
  rm -rf "$work"
}
trap cleanup EXIT

failures=0
step() { echo "-- $*"; }
fail() { echo "atspi-check: $*" >&2; exit 1; }
walk() { # walk PID WHAT [--chart]
  local pid="$1" what="$2"
  shift 2
  echo "== $what"
  if ! /usr/bin/python3 "$root/scripts/atspi_walk.py" "$pid" "$@"; then
    echo "!! $what: a control without a name or a chart that does not read"
    failures=$((failures + 1))
  fi
  if ! /usr/bin/python3 "$root/scripts/atspi_walk.py" "$pid" --where; then
    echo "!! $what: a screen reader is told the window stands elsewhere"
    failures=$((failures + 1))
  fi
}
tabs() { # tabs PID WHAT: the Tab order of the active window; every control reached
  echo "== $2: Tab order"
  if ! /usr/bin/python3 "$root/scripts/atspi_walk.py" "$1" --tabs; then
    echo "!! $2: a control is not reached by Tab"
    failures=$((failures + 1))
  fi
}
step "accessibility bus"
if ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
  echo "atspi-check: skipped: pyatspi cannot be imported"
  exit 77
fi
if ! dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1; then
  echo "atspi-check: skipped: the AT-SPI bus does not start in this D-Bus session"
  exit 77
fi

step "food server"
build_ports
# Every server of the build answers with the English tables: the check is of the names
# and the chart, not of the food data.
for port in "${ports[@]}"; do start_food_server "$port" usda-sr28 "$work"; done
wait_for_servers "${ports[@]}"
start_desktop

step "dietlens"
"$bin/dietlens" >"$work/dietlens.log" 2>&1 &
dietlens=$!
pids+=("$dietlens")
main="$(wait_window "$dietlens" '^Dietlens \(')" || fail "dietlens opened no main window"
/usr/bin/python3 "$root/scripts/atspi_walk.py" "$dietlens" --wait || fail "dietlens is not on the accessibility bus"
if box="$(wait_window "$dietlens" '^Dietlens$' 50)"; then
  focus "$box"
  walk "$dietlens" "dietlens: first-start message"
  keys Return
fi
settings="$(wait_window "$dietlens" '^Settings$' 50)" || fail "no settings dialog"
focus "$settings"
walk "$dietlens" "dietlens: settings"
typed "Anna"
keys Tab
typed "de Vries"
keys Tab
keys E
tabs "$dietlens" "dietlens: settings, general page"
for page in "display options" "data traffic"; do
  keys ctrl+Tab
  walk "$dietlens" "dietlens: settings, $page page"
  tabs "$dietlens" "dietlens: settings, $page page"
done
keys ctrl+Tab
keys Return
sleep 1
if notice="$(wait_window "$dietlens" '^Make a connection first$' 30)"; then
  focus "$notice"
  walk "$dietlens" "dietlens: connect-first notice"
  keys Return
fi
focus "$main"
walk "$dietlens" "dietlens: main window, not connected"
keys ctrl+c
for _ in $(seq 1 50); do
  [[ "$(xdotool getwindowname "$main")" == *"(connected)"* ]] && break
  sleep 0.1
done
[[ "$(xdotool getwindowname "$main")" == *"(connected)"* ]] || fail "dietlens did not connect"
typed "apple"
keys Return
sleep 1.5
keys Down
walk "$dietlens" "dietlens: main window after a search, first result chosen" --chart
tabs "$dietlens" "dietlens: main window"
keys ctrl+b
if box="$(wait_window "$dietlens" '^Dietlens$' 30)"; then focus "$box"; keys Return; focus "$main"; fi
keys ctrl+2 space
walk "$dietlens" "dietlens: bookmark list, first bookmark chosen" --chart
keys ctrl+1
keys ctrl+n
if add="$(wait_window "$dietlens" '^Add food items' 50)"; then
  focus "$add"
  walk "$dietlens" "dietlens: new food item"
  tabs "$dietlens" "dietlens: new food item"
  keys Escape
else
  echo "!! dietlens: no new food item window"
  failures=$((failures + 1))
fi
focus "$main"
# Information > Information, by the menu's mnemonic.
keys alt+i Down Return
if info="$(wait_window "$dietlens" 'nformation' 50)"; then
  focus "$info"
  walk "$dietlens" "dietlens: information window"
  tabs "$dietlens" "dietlens: information window"
  keys Escape
else
  echo "!! dietlens: no information window"
  failures=$((failures + 1))
fi
focus "$main"
# Information > website: with no browser on this desktop the open-with chooser opens.
keys alt+i Down Down Return
if chooser="$(wait_window "$dietlens" '^Open with$' 30)"; then
  focus "$chooser"
  walk "$dietlens" "dietlens: open-with chooser"
  tabs "$dietlens" "dietlens: open-with chooser"
  keys Escape
else
  echo "-- dietlens: the web site opened without the chooser (a browser is registered)"
fi
# Closing the window puts dietlens in the tray; its menu is read and used by the keyboard.
focus "$main"
keys alt+F4
if notice="$(wait_window "$dietlens" 'tray' 30)"; then
  focus "$notice"
  walk "$dietlens" "dietlens: tray notice"
  keys Return
fi
# The tray icon: the program's window named "dietlens" that the tray holds (xdotool does
# not find windows inside another program's), as "WIDTHxHEIGHT +X+Y".
tray=""
for _ in $(seq 1 30); do
  tray="$(xwininfo -root -tree | sed -n 's/^ *0x[0-9a-f]* "dietlens": ("dietlens" "dietlens") *\([0-9]*x[0-9]*\)+[-0-9]*+[-0-9]* *+\([-0-9]*\)+\([-0-9]*\)$/\1 \2 \3/p' |
    awk '$1 != "1x1"' | tail -n1)"
  [ -n "$tray" ] && break
  sleep 0.1
done
if [ -n "$tray" ]; then
  read -r size x y <<<"$tray"
  xdotool mousemove $((x + ${size%x*} / 2)) $((y + ${size#*x} / 2)) click 3
  sleep 1
  echo "== dietlens: tray menu"
  if ! /usr/bin/python3 "$root/scripts/atspi_walk.py" "$dietlens" --menu Show; then
    failures=$((failures + 1))
  fi
  keys Return # the first command is chosen as the menu opens: Show
  main="$(wait_window "$dietlens" '^Dietlens \(' 30)" || fail "Show in the tray menu did not bring the window back"
else
  echo "!! dietlens: no tray icon"
  failures=$((failures + 1))
  kill -TERM "$dietlens" 2>/dev/null || true
fi
focus "$main"
keys ctrl+x
wait "$dietlens" 2>/dev/null || true

step "translator"
"$bin/translator" >"$work/translator.log" 2>&1 &
translator=$!
pids+=("$translator")
window="$(wait_window "$translator" '^Quelmar Translator')" || fail "translator opened no window"
/usr/bin/python3 "$root/scripts/atspi_walk.py" "$translator" --wait || fail "translator is not on the accessibility bus"
focus "$window"
walk "$translator" "translator: main window, empty"
keys ctrl+o
sleep 1
walk "$translator" "translator: open dialog"
typed "$HOME/Documents/Dietlens/My Language/English.lsf"
keys Return
sleep 1
focus "$window"
keys Down Home Tab Down
walk "$translator" "translator: main window with a language file"
tabs "$translator" "translator: main window"
keys F6
sleep 0.8
walk "$translator" "translator: edit text"
tabs "$translator" "translator: edit text"
keys Escape
focus "$window"
keys F5
sleep 0.8
walk "$translator" "translator: new text"
keys Escape
focus "$window"
if /usr/bin/python3 "$root/scripts/atspi_walk.py" "$translator" --focus-to "Search and replace in the selected form"; then
  keys space
  sleep 0.8
  walk "$translator" "translator: search and replace"
  tabs "$translator" "translator: search and replace"
  keys Escape
else
  failures=$((failures + 1))
fi
focus "$window"
if /usr/bin/python3 "$root/scripts/atspi_walk.py" "$translator" --focus-to "Forms"; then
  keys Return
  sleep 0.8
  walk "$translator" "translator: edit form"
  tabs "$translator" "translator: edit form"
  keys Escape
else
  failures=$((failures + 1))
fi
# The translation aids: Nederlands.lsf as the reference of English.lsf.
focus "$window"
keys alt+v Return
sleep 1
typed "$HOME/Documents/Dietlens/My Language/Nederlands.lsf"
keys Return
sleep 1
focus "$window"
keys F8
sleep 0.5
walk "$translator" "translator: main window with a reference"
tabs "$translator" "translator: main window with a reference"
keys F6
sleep 0.8
walk "$translator" "translator: edit text beside the reference"
tabs "$translator" "translator: edit text beside the reference"
keys Escape
focus "$window"
keys ctrl+shift+f
sleep 0.8
typed "gram"
sleep 0.5
walk "$translator" "translator: find in all forms"
tabs "$translator" "translator: find in all forms"
keys Escape
focus "$window"
keys ctrl+a
sleep 0.8
walk "$translator" "translator: about"
keys Escape
focus "$window"
keys ctrl+x
sleep 0.5
if box="$(wait_window "$translator" '.' 10)"; then focus "$box"; keys Escape; fi
kill -TERM "$translator" 2>/dev/null || true
wait "$translator" 2>/dev/null || true

if [ "$failures" -gt 0 ]; then
  echo "atspi-check: $failures check(s) failed"
  exit 1
fi
echo "atspi-check ($look): every focusable control has a name; the chart reads its six values; every window stands where a screen reader is told; the tray menu is read"
