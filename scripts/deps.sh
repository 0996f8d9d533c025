#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need.
# Quiet and idempotent: only missing packages are installed.
#   scripts/deps.sh             build, tests, demo
#   scripts/deps.sh --package   also what building and checking the .deb packages needs
#   scripts/deps.sh --list [--package]
#                               prints the names it would install, one a line, and installs
#                               nothing (to resolve them against a release's package index)
# Names are the ones Debian 12 and Debian 13 both carry: unversioned -dev packages, and the
# clang runtime of whichever clang the release installs.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libcpp-httplib-dev libsqlite3-dev sqlite3 libpq-dev postgresql libxapian-dev
  libbenchmark-dev
  xvfb xauth icewm imagemagick xdotool wrk curl python3
  dbus-daemon python3-pyatspi
  desktop-file-utils appstream
  clang clang-format
)
list=0
if [ "${1:-}" = "--list" ]; then
  list=1
  shift
fi
if [ "${1:-}" = "--package" ]; then
  packages+=(build-essential dpkg-dev debhelper fakeroot lintian fp-utils help2man file git)
fi

# The clang major version: of the installed clang, else of the one the release's clang
# package would bring.
clang_major() {
  local path major=""
  if command -v clang >/dev/null; then
    path="$(readlink -f "$(command -v clang)")"
    major="$(sed -n 's|^/usr/lib/llvm-\([0-9]*\)/.*|\1|p' <<<"$path")"
    [ -n "$major" ] || major="$(clang -dumpversion | cut -d. -f1)"
  else
    major="$(apt-cache depends clang 2>/dev/null | sed -n 's/^ *Depends: clang-\([0-9][0-9]*\)$/\1/p' | head -n1)"
  fi
  [ -n "$major" ] || { echo "cannot tell the clang version: is the package index updated?" >&2; return 1; }
  echo "$major"
}

if [ "$list" -eq 1 ]; then
  printf '%s\n' "${packages[@]}" "libclang-rt-$(clang_major)-dev"
  exit 0
fi

installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

updated=0
install_missing() {
  local missing=() p
  for p in "$@"; do
    installed "$p" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  if [ "$updated" -eq 0 ]; then
    "${sudo_cmd[@]}" apt-get update -qq
    updated=1
  fi
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

install_missing "${packages[@]}"

# The fuzzers link clang's own sanitizer and libFuzzer runtime, packaged per clang major
# version (libclang-rt-14-dev on Debian 12, libclang-rt-19-dev on Debian 13).
install_missing "libclang-rt-$(clang_major)-dev"
