#!/usr/bin/env bash
# Tries the Debian packages on this machine:
#   1. lintian on both packages: no error and no warning (an override in debian/ must carry
#      its reason);
#   2. installs both with apt; the food server's package must not pull in Qt's GUI libraries;
#   3. validates the installed menu entries and metainfo;
#   4. starts each desktop program the way the menu does (the Exec line of its entry) on a
#      virtual screen and waits for its window;
#   5. starts the service's ExecStart line by hand, as the service's user, and searches it;
#   6. purges both packages and checks that none of their files, and no server state, is left.
# Needs root (or sudo). Usage: scripts/package-check.sh [dist folder]   (default dist/)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
dist="$(cd "${1:-$root/dist}" && pwd)"
desktop_deb="$(ls -t "$dist"/dietlens_*.deb 2>/dev/null | head -n1)"
server_deb="$(ls -t "$dist"/foodserver_*.deb 2>/dev/null | head -n1)"
[ -f "$desktop_deb" ] && [ -f "$server_deb" ] || { echo "no packages in $dist: run scripts/package.sh first" >&2; exit 1; }
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
failed=0
fail() { echo "FAILED: $*" >&2; failed=1; }

echo "== lintian"
lintian --version
if lintian --fail-on error,warning --info --show-overrides "$desktop_deb" "$server_deb"; then
  echo "no errors or warnings"
else
  fail "lintian"
fi

echo "== install"
"${sudo_cmd[@]}" apt-get install -y -qq "$desktop_deb" "$server_deb" >/dev/null
dpkg-query -W -f='${Package} ${Version} ${Status}\n' dietlens foodserver
server_libraries="$(ldd /usr/bin/foodserver)"
if grep -q 'libQt6\(Gui\|Widgets\)' <<<"$server_libraries"; then
  fail "foodserver links Qt's GUI libraries"
elif grep -q 'libQt6' <<<"$server_libraries"; then
  echo "foodserver links no Qt GUI library (but QtCore)"
else
  echo "foodserver links no Qt library"
fi
if apt-cache depends --recurse --installed foodserver 2>/dev/null | grep -q 'libqt6gui\|libqt6widgets'; then
  fail "the foodserver package depends on Qt's GUI libraries"
fi

echo "== menu entries and metainfo"
ids=(nl.quelmar.dietlens nl.quelmar.dietlens.translator)
for id in "${ids[@]}"; do
  desktop-file-validate "/usr/share/applications/$id.desktop" || fail "$id.desktop"
  appstreamcli validate --no-net "/usr/share/metainfo/$id.metainfo.xml" || fail "$id.metainfo.xml"
  icon="$(sed -n 's/^Icon=//p' "/usr/share/applications/$id.desktop")"
  [ -f "/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no icon $icon"
done

# Runs inside xvfb-run: starts each entry's command and waits for a window of its process.
start_check="$(mktemp)"
cat >"$start_check" <<'INNER'
set -euo pipefail
failed=0
for entry in "$@"; do
  command_line="$(sed -n 's/^Exec=//p' "/usr/share/applications/$entry.desktop" | head -n1)"
  command_line="${command_line//%[fFuUick]/}"
  read -r -a argv <<<"$command_line"
  resolved="$(command -v "${argv[0]}")"
  "${argv[@]}" >"$HOME/$entry.log" 2>&1 &
  pid=$!
  window=""
  for _ in $(seq 1 50); do
    window="$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n1 || true)"
    [ -n "$window" ] && break
    sleep 0.2
  done
  if [ -n "$window" ]; then
    echo "$entry.desktop: Exec=$command_line -> $resolved, window \"$(xdotool getwindowname "$window")\""
  else
    echo "$entry.desktop: Exec=$command_line opened no window; its output:" >&2
    cat "$HOME/$entry.log" >&2
    failed=1
  fi
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
done
exit "$failed"
INNER
home="$(mktemp -d)"
echo "== start from the menu entries (HOME=$home)"
HOME="$home" XDG_CONFIG_HOME="$home/.config" xvfb-run -a -s '-screen 0 1280x1024x24' \
  bash "$start_check" "${ids[@]}" || fail "a program did not start from its menu entry"
rm -rf "$home" "$start_check"

echo "== the service's ExecStart, by hand"
unit="$(systemctl cat foodserver.service 2>/dev/null || cat /usr/lib/systemd/system/foodserver.service)"
exec_start="$(sed -n 's/^ExecStart=//p' <<<"$unit" | tail -n1)"
user="$(sed -n 's/^User=//p' <<<"$unit" | tail -n1)"
state="/var/lib/$(sed -n 's/^StateDirectory=//p' <<<"$unit" | tail -n1)"
echo "User=$user, state in $state: $(stat -c '%U:%G %a' "$state")"
read -r -a argv <<<"$exec_start"
port=8080
for ((i = 0; i < ${#argv[@]}; i++)); do [ "${argv[i]}" = --port ] && port="${argv[i + 1]}"; done
log="$(mktemp)"
"${sudo_cmd[@]}" runuser -u "$user" -- "${argv[@]}" 2>"$log" &
server=$!
reply=""
for _ in $(seq 1 100); do
  reply="$(curl -s --max-time 2 "http://127.0.0.1:$port/modules/swzoek.php?item=pineapple" || true)"
  [ -n "$reply" ] && break
  sleep 0.1
done
"${sudo_cmd[@]}" kill -TERM "$server" 2>/dev/null || true
wait "$server" 2>/dev/null || true
if [ -n "$reply" ]; then
  echo "ExecStart=$exec_start answers: $(LC_ALL=C tr -cd '\274' <<<"$reply" | wc -c) foods for 'pineapple'"
  [ -f "$state/foodserver.db" ] && echo "database: $(stat -c '%U %s bytes' "$state/foodserver.db")"
else
  fail "ExecStart=$exec_start gave no search reply"; cat "$log" >&2
fi
rm -f "$log"

echo "== purge"
files="$(dpkg-query -L dietlens foodserver | grep -v '^/\.$' | sort -u)"
"${sudo_cmd[@]}" apt-get purge -y -qq dietlens foodserver >/dev/null
for p in dietlens foodserver; do
  if dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q 'installed'; then fail "$p still installed"; fi
done
left=0
while IFS= read -r f; do
  # Folders other packages share stay; everything the two packages own alone must go.
  if [ -d "$f" ]; then
    [ -n "$(dpkg-query -S "$f" 2>/dev/null)" ] && continue
    [ -n "$(ls -A "$f" 2>/dev/null)" ] && continue
  fi
  if [ -e "$f" ] || [ -L "$f" ]; then echo "left behind: $f" >&2; left=1; fi
done <<<"$files"
[ -e "$state" ] && { echo "left behind: $state" >&2; left=1; }
if [ "$left" -eq 0 ]; then
  echo "purged cleanly ($(wc -l <<<"$files") paths and $state gone; the system user $user stays, as Debian keeps system users)"
else
  fail "files left behind"
fi
exit "$failed"
