#!/usr/bin/env bash
# Builds the Debian package of dietlens, translator and foodserver with CPack.
# The package lands in dist/ (dietlens_<version>_<arch>.deb). Install it with
#   sudo apt install ./dist/dietlens_*.deb
# Packaging needs chmcmd (fp-utils) for help.chm, desktop-file-validate for the menu
# entries, and dpkg-shlibdeps (dpkg-dev) for the dependencies; missing ones are installed.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${PACKAGE_BUILD_DIR:-$root/build-package}"
dist="${PACKAGE_DIR:-$root/dist}"

"$root/scripts/deps.sh"
tools=(fp-utils desktop-file-utils dpkg-dev file)
missing=()
for p in "${tools[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

desktop-file-validate "$root/desktop/dietlens.desktop" "$root/desktop/translator.desktop"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DDIETLENS_HELP_CHM=ON -DDIETLENS_BUILD_BENCHMARKS=OFF "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
mkdir -p "$dist"
(cd "$build" && cpack -G DEB -B "$dist" >/dev/null)
rm -rf "$dist/_CPack_Packages"
deb="$(ls -t "$dist"/dietlens_*.deb | head -n1)"
echo "$deb"
dpkg-deb --field "$deb" Package Version Depends Recommends
