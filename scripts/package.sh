#!/usr/bin/env bash
# Builds the Debian packages with the packaging in debian/ (debhelper, the distribution's
# compiler flags with every hardening feature on):
#   dietlens_<version>_<arch>.deb     dietlens and translator, menu entries, help, man pages
#   foodserver_<version>_<arch>.deb   the reference food server as a systemd service
# They land in dist/. Install them with
#   sudo apt install ./dist/dietlens_*.deb ./dist/foodserver_*.deb
# Arguments are CMake -D options for the build, such as the server hosts. The package build
# skips the test suite, which scripts/test.sh runs; PACKAGE_TESTS=1 runs it there as well.
# Missing build tools are installed.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${PACKAGE_BUILD_DIR:-$root/build-package}"
dist="${PACKAGE_DIR:-$root/dist}"

"$root/scripts/deps.sh" --package

version="$(dpkg-parsechangelog -l "$root/debian/changelog" -S Version)"
source_dir="$build/dietlens-$version"
# The package is built from a copy of the files git knows about, so no build folder or other
# local leftover of the working tree gets into it.
rm -rf "$build"
mkdir -p "$source_dir"
(cd "$root" && git ls-files -z --cached --others --exclude-standard |
  while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
  tar --null -T - -cf - | tar -xf - -C "$source_dir")

options="noddebs parallel=$(nproc)"
[ "${PACKAGE_TESTS:-0}" = 1 ] || options="$options nocheck"
(cd "$source_dir" &&
  DEB_BUILD_OPTIONS="$options ${DEB_BUILD_OPTIONS:-}" DIETLENS_CMAKE_OPTIONS="$*" \
    dpkg-buildpackage -b -us -uc >"$build/build.log" 2>&1) ||
  { tail -n 40 "$build/build.log" >&2; echo "package build failed: $build/build.log" >&2; exit 1; }

mkdir -p "$dist"
for deb in "$build"/*.deb; do
  cp "$deb" "$dist/"
  echo "$dist/$(basename "$deb")"
  dpkg-deb --field "$deb" Package Version Depends Recommends | sed 's/^/  /'
done
