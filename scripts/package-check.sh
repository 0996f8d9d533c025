#!/usr/bin/env bash
# Tries the Debian package on this machine: installs it with apt, validates the installed
# menu entries, starts each program the way the menu does (the Exec line of its entry) on a
# virtual screen and waits for its window, then removes the package and checks that none
# of its files is left. Needs root (or sudo). Usage: scripts/package-check.sh [package.deb]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
deb="${1:-$(ls -t "$root"/dist/dietlens_*.deb 2>/dev/null | head -n1)}"
[ -f "$deb" ] || { echo "no package: run scripts/package.sh first" >&2; exit 1; }
deb="$(cd "$(dirname "$deb")" && pwd)/$(basename "$deb")"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive

echo "== install $deb"
"${sudo_cmd[@]}" apt-get install -y -qq "$deb" >/dev/null
dpkg-query -W -f='${Package} ${Version} ${Status}\n' dietlens

echo "== menu entries"
desktop-file-validate /usr/share/applications/dietlens.desktop /usr/share/applications/translator.desktop
echo "valid"

# Runs inside xvfb-run: starts each entry's command and waits for a window of its process.
start_check="$(mktemp)"
cat >"$start_check" <<'INNER'
set -euo pipefail
failed=0
for entry in dietlens translator; do
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
status=0
HOME="$home" XDG_CONFIG_HOME="$home/.config" xvfb-run -a -s '-screen 0 1280x1024x24' bash "$start_check" || status=$?
rm -rf "$home" "$start_check"

echo "== remove"
files="$(dpkg-query -L dietlens | grep -v '^/usr$\|^/usr/[a-z]*$\|^/usr/share/icons\(/hicolor\(/[^/]*\(/apps\)\?\)\?\)\?$\|^/usr/share/applications$' )"
"${sudo_cmd[@]}" apt-get remove -y -qq dietlens >/dev/null
if dpkg-query -W -f='${Status}\n' dietlens 2>/dev/null | grep -q 'install ok installed'; then
  echo "still installed" >&2; exit 1
fi
left=0
while IFS= read -r f; do
  if [ -e "$f" ] || [ -L "$f" ]; then echo "left behind: $f" >&2; left=1; fi
done <<<"$files"
[ "$left" -eq 0 ] && echo "removed cleanly ($(wc -l <<<"$files") paths gone)"
exit $(( status || left ))
