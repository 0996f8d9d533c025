#!/usr/bin/env bash
# Takes the README screenshots: starts the two reference food servers, then dietlens and
# translator on a virtual screen with the IceWM desktop, drives them with the keyboard and
# mouse (xdotool) and saves PNGs of their windows into docs/screenshots/. Three more of
# dietlens are driven by the keyboard alone, at a 13 pt font, at scale 2 and in a dark
# palette.
# The programs are built into build-screenshots/ with their servers on ports of their own
# (18080 English and check-in, 18081 Dutch), so a demo or test already running on the
# usual ports does not get in the way. Works in a throw-away home folder, so the user's
# own settings and files are not touched.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${SCREENSHOT_BUILD_DIR:-$root/build-screenshots}"
bin="$build/bin"
out="${SCREENSHOT_DIR:-$root/docs/screenshots}"
en_port="${SCREENSHOT_PORT_EN:-18080}"
nl_port="${SCREENSHOT_PORT_NL:-18081}"

# shellcheck source=scripts/desktop-lib.sh
. "$root/scripts/desktop-lib.sh"

if [ -z "${SCREENSHOTS_ON_DISPLAY:-}" ]; then
  "$root/scripts/deps.sh"
  # The desktop looks of the keyboard screenshots are set through qt6ct.
  ensure_qt6ct
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DDIETLENS_BUILD_BENCHMARKS=OFF \
    -DDIETLENS_CHECKIN_HOST="127.0.0.1:$en_port" -DDIETLENS_FOOD_HOST_EN="127.0.0.1:$en_port" \
    -DDIETLENS_FOOD_HOST_NL="127.0.0.1:$nl_port" -DDIETLENS_SITE_EN="http://127.0.0.1:$en_port/" \
    -DDIETLENS_SITE_NL="http://127.0.0.1:$nl_port/" >/dev/null
  cmake --build "$build" -j"$(nproc)" --target dietlens translator foodserver
  exec env SCREENSHOTS_ON_DISPLAY=1 xvfb-run -a -s '-screen 0 1280x1024x24' "$0" "$@"
fi

work="$(mktemp -d)"
export HOME="$work" XDG_CONFIG_HOME="$work/.config" XDG_DATA_HOME="$work/.local/share"
export XDG_RUNTIME_DIR="$work/runtime" LC_ALL=C.UTF-8
mkdir -p "$XDG_RUNTIME_DIR" "$out"
chmod 700 "$XDG_RUNTIME_DIR"
cleanup() {
  stop_started
  rm -rf "$work"
}
trap cleanup EXIT

step() { echo "-- $*"; }
fail() { echo "screenshots: $*" >&2; import -window root "$out/failed.png" 2>/dev/null || true; exit 1; }

# click WINDOW X Y: left click at a point of the window's client area.
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.4; }
# shot WINDOW NAME: saves the window with its frame as NAME.png.
shot() {
  xdotool windowmove "$1" 60 60 2>/dev/null || true
  sleep 0.8
  import -frame -window "$1" "$out/$2.png"
  echo "   $out/$2.png ($(identify -format '%wx%h' "$out/$2.png"))"
}

step "food servers"
start_food_server "$en_port" usda-sr28 "$work"
start_food_server "$nl_port" ifct2017 "$work"
wait_for_servers "$en_port" "$nl_port"

step "desktop"
start_desktop

# Points in dietlens' main window (client coordinates at 96 dpi; its layout is fixed).
row_y() { echo $((82 + ($1 - 1) * 18)); }  # the n-th row of a list
slider_x=208 slider_low_y=250              # on the weight slider's track, below the thumb
results_button_x=80 bookmarks_button_x=104 toolbar_y=32  # toolbar buttons of the two lists

step "dietlens, first start"
"$bin/dietlens" >"$work/dietlens.log" 2>&1 &
dietlens=$!
pids+=("$dietlens")
main="$(wait_window "$dietlens" '^Dietlens \(')" || fail "dietlens opened no main window"
# The first-start message, then the settings dialog it announces.
if box="$(wait_window "$dietlens" '^Dietlens$' 50)"; then
  focus "$box"
  keys Return
fi
if ! settings="$(wait_window "$dietlens" '^Settings$' 30)"; then
  focus "$main"
  keys ctrl+s
  settings="$(wait_window "$dietlens" '^Settings$')" || fail "no settings dialog"
fi
focus "$settings"
typed "Anna"
keys Tab
typed "de Vries"
keys Tab
keys E  # English.lsf in the language list
focus "$settings"
shot "$settings" settings
keys Return
sleep 1
# The connect-first notice.
if notice="$(wait_window "$dietlens" '^Make a connection first$' 30)"; then
  focus "$notice"
  keys Return
fi

step "dietlens, search and chart"
focus "$main"
keys ctrl+c
for _ in $(seq 1 50); do
  [[ "$(xdotool getwindowname "$main")" == *"(connected)"* ]] && break
  sleep 0.1
done
[[ "$(xdotool getwindowname "$main")" == *"(connected)"* ]] || fail "dietlens did not connect"
typed "apple"
keys Return
sleep 1.5
# Bookmark three apples at different weights.
ok_box() { local b; b="$(wait_window "$dietlens" '^Dietlens$' 30)" && { focus "$b"; keys Return; focus "$main"; }; }
for row in 2 6 1; do
  click "$main" 60 "$(row_y "$row")"
  for _ in $(seq 1 $(( row == 2 ? 0 : row == 6 ? 5 : 10 ))); do
    xdotool mousemove --window "$main" "$slider_x" "$slider_low_y" click 1
    sleep 0.15
  done
  keys ctrl+b
  ok_box
done
click "$main" 60 "$(row_y 6)"
for _ in 1 2 3 4 5; do
  xdotool mousemove --window "$main" "$slider_x" "$slider_low_y" click 1
  sleep 0.15
done
xdotool mousemove 700 700
shot "$main" main-window

step "dietlens, bookmarks"
click "$main" "$bookmarks_button_x" "$toolbar_y"
click "$main" 60 "$(row_y 2)"
xdotool mousemove 700 700
shot "$main" bookmarks

step "dietlens, new food item"
click "$main" "$results_button_x" "$toolbar_y"
focus "$main"
keys ctrl+n
add="$(wait_window "$dietlens" '^Add food items' 50)" || fail "no new food item window"
focus "$add"
typed "Oat biscuits"
keys Tab
typed "Wholegrain, from the bakery"
keys Tab ctrl+a
typed "30"
for value in 590 141 2.1 3.9 2.7 19.5 0.12; do
  keys Tab
  typed "$value"
done
shot "$add" new-food-item
keys Escape
focus "$main"
keys ctrl+x
wait "$dietlens" 2>/dev/null || true

# keyboard_look NAME ENV...: dietlens once more, driven by the keyboard alone, in another
# desktop look; shows the bookmark list with a bookmark chosen (the search box is then
# disabled) and saves the main window as main-window-NAME.png.
keyboard_look() {
  local name="$1"
  shift
  step "dietlens by keyboard, $name"
  env "$@" "$bin/dietlens" >"$work/dietlens-$name.log" 2>&1 &
  local pid=$!
  pids+=("$pid")
  local win notice
  win="$(wait_window "$pid" '^Dietlens \(')" || fail "dietlens ($name) opened no main window"
  if notice="$(wait_window "$pid" '^Make a connection first$' 30)"; then
    focus "$notice"
    keys Return
  fi
  focus "$win"
  keys ctrl+c
  for _ in $(seq 1 50); do
    [[ "$(xdotool getwindowname "$win")" == *"(connected)"* ]] && break
    sleep 0.1
  done
  [[ "$(xdotool getwindowname "$win")" == *"(connected)"* ]] || fail "dietlens ($name) did not connect"
  typed "apple"
  keys Return
  sleep 1.5
  keys Down    # the first result, drawn in the chart
  keys ctrl+2  # the bookmark list, with the keyboard in it
  keys space   # its first row
  xdotool mousemove 0 0
  shot "$win" "main-window-$name"
  keys ctrl+x
  wait "$pid" 2>/dev/null || true
}
# The looks come from the desktop's Qt settings (qt6ct): a 13 pt font, a dark palette.
qt6ct_look "$HOME" 13 false
keyboard_look 13pt QT_QPA_PLATFORMTHEME=qt6ct
keyboard_look scale2 QT_SCALE_FACTOR=2
qt6ct_look "$HOME" 10 true
keyboard_look dark QT_QPA_PLATFORMTHEME=qt6ct

step "translator"
"$bin/translator" >"$work/translator.log" 2>&1 &
translator=$!
pids+=("$translator")
window="$(wait_window "$translator" '^Quelmar Translator')" || fail "translator opened no window"
focus "$window"
keys ctrl+o
wait_window "$translator" '.' >/dev/null
sleep 0.8
typed "$HOME/Documents/Dietlens/My Language/English.lsf"
keys Return
sleep 1
focus "$window"
keys Down Home
keys Tab Down Down Down Down
xdotool windowsize "$window" 900 620
shot "$window" translator
keys ctrl+x
wait "$translator" 2>/dev/null || true
echo "screenshots in $out"
