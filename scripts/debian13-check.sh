#!/usr/bin/env bash
# Runs the set-up on Debian 13 from this Debian machine: a Debian 13 (trixie) tree made by
# debootstrap, entered with chroot, with a fresh clone of this repository's HEAD in it.
# Inside it runs, as a new user on Debian 13 would:
#   resolve   every package name of scripts/deps.sh --package resolved against trixie's
#             package index (apt-get --simulate, nothing installed)
#   test      scripts/test.sh: installs the set-up, builds, runs ctest and the fuzzers
#   package   scripts/package.sh: both .deb packages, built with trixie's compilers and flags
#   depends   each name of both packages' Depends resolved against trixie's index
#   check     scripts/package-check.sh: trixie's lintian, install, menu entries, service, purge
# Needs root and Debian's package mirror; slow (a full build, twice), so the chroot runs at a
# low priority (nice, NICE=10) and compiles through ccache, whose cache stays in the tree.
#   scripts/debian13-check.sh [tree]      tree defaults to /var/tmp/dietlens-trixie
#   STEPS="resolve test package depends check"   the steps to run (default all)
#   WERROR=ON                                   compiler warnings fail the test step
# The tree is kept for the next run; delete it to start from a bare system again.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
tree="${1:-/var/tmp/dietlens-trixie}"
steps="${STEPS:-resolve test package depends check}"
mirror="${DEBIAN_MIRROR:-http://deb.debian.org/debian}"
[ "$(id -u)" -eq 0 ] || { echo "needs root (debootstrap, chroot, mount)" >&2; exit 1; }
case "$(cd "$(dirname "$tree")" 2>/dev/null && pwd)/" in
  "$root"/*) echo "the tree must lie outside the working tree ($root)" >&2; exit 1 ;;
esac

if [ ! -x "$tree/usr/bin/apt-get" ]; then
  command -v debootstrap >/dev/null || {
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap >/dev/null
  }
  echo "== debootstrap trixie into $tree"
  debootstrap --variant=minbase --include=ca-certificates,sudo trixie "$tree" "$mirror" >"$tree.log" 2>&1 ||
    { tail -n 20 "$tree.log" >&2; exit 1; }
fi
# No daemon that a package installs (PostgreSQL's cluster, the food server) starts inside
# the tree: they would outlive the chroot and keep its mounts busy.
printf '#!/bin/sh\nexit 101\n' >"$tree/usr/sbin/policy-rc.d"
chmod 755 "$tree/usr/sbin/policy-rc.d"

mounted=()
cleanup() {
  local i
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -R "${mounted[i]}" 2>/dev/null || true; done
}
trap cleanup EXIT
for fs in proc sys dev; do
  mount --rbind "/$fs" "$tree/$fs"
  mount --make-rslave "$tree/$fs"
  mounted+=("$tree/$fs")
done
cp /etc/resolv.conf "$tree/etc/resolv.conf"

echo "== fresh clone of $(git -C "$root" rev-parse --short HEAD) into $tree/root/dietlens"
rm -rf "$tree/root/dietlens"
git clone -q "$root" "$tree/root/dietlens"

nice -n "${NICE:-10}" chroot "$tree" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
  PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  CMAKE_CXX_COMPILER_LAUNCHER=ccache CMAKE_C_COMPILER_LAUNCHER=ccache \
  CCACHE_DIR=/root/.ccache CCACHE_BASEDIR=/root \
  FUZZ_SECONDS="${FUZZ_SECONDS:-1}" WERROR="${WERROR:-OFF}" STEPS="$steps" bash -euo pipefail -c '
  echo "== Debian $(cat /etc/debian_version) in the tree"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  command -v ccache >/dev/null || apt-get install -y -qq --no-install-recommends ccache >/dev/null
  cd /root/dietlens
  # Resolves names against the index: every name must be a real package (or one that a real
  # package provides) whose dependencies can all be met; nothing is installed.
  resolve() {
    local name candidate provider failed=0
    for name in "$@"; do
      candidate="$(apt-cache policy "$name" 2>/dev/null | sed -n "s/^ *Candidate: //p")"
      if [ -n "$candidate" ] && [ "$candidate" != "(none)" ]; then
        printf "  %-28s %s\n" "$name" "$candidate"
      elif provider="$(apt-cache showpkg "$name" 2>/dev/null | sed -n "/^Reverse Provides:/,\$p" | sed -n "2p" | cut -d" " -f1)" &&
        [ -n "$provider" ]; then
        printf "  %-28s virtual, provided by %s\n" "$name" "$provider"
      else
        printf "  %-28s NOT FOUND\n" "$name"
        failed=1
      fi
    done
    [ "$failed" -eq 0 ] || return 1
    apt-get install --simulate -qq --no-install-recommends "$@" >/tmp/resolve.log 2>&1 ||
      { cat /tmp/resolve.log >&2; return 1; }
    echo "  all $# resolve and install together ($(grep -c "^Inst " /tmp/resolve.log) packages would be installed)"
  }
  for step in $STEPS; do
    case "$step" in
      resolve)
        echo "== scripts/deps.sh --list --package, resolved against trixie"
        mapfile -t names < <(scripts/deps.sh --list --package)
        resolve "${names[@]}" ;;
      test) echo "== scripts/test.sh"; scripts/test.sh ;;
      package) echo "== scripts/package.sh"; scripts/package.sh ;;
      depends)
        ls dist/*.deb >/dev/null 2>&1 || { echo "no packages in dist/: run the package step" >&2; exit 1; }
        for deb in dist/*.deb; do
          echo "== Depends of $(basename "$deb"), resolved against trixie"
          dpkg-deb --field "$deb" Depends | sed "s/^/  Depends: /"
          # Of an alternative group "a | b (>= 1)" the first name, the one apt picks; the
          # simulated install below then checks every version bound.
          mapfile -t names < <(dpkg-deb --field "$deb" Depends | tr "," "\n" |
            sed "s/([^)]*)//g; s/|/ /g; s/^ *//; s/ *$//" | awk "{print \$1}" | sed "/^$/d")
          resolve "${names[@]}"
        done
        apt-get install --simulate -qq ./dist/*.deb >/tmp/resolve.log 2>&1 ||
          { cat /tmp/resolve.log >&2; exit 1; }
        echo "  both packages install together on trixie" ;;
      check) echo "== scripts/package-check.sh"; scripts/package-check.sh ;;
      *) echo "unknown step $step" >&2; exit 2 ;;
    esac
  done
  echo "== installed versions"
  dpkg-query -W -f="\${Package} \${Version}\n" g++ clang cmake qt6-base-dev libcpp-httplib-dev \
    libsqlite3-dev libpq-dev libxapian-dev lintian debhelper 2>/dev/null || true
  ccache -s 2>/dev/null | sed -n "/Hits/p" || true
'
