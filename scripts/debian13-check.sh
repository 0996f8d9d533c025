#!/usr/bin/env bash
# Runs the set-up on Debian 13 from this Debian machine: a Debian 13 (trixie) tree made by
# debootstrap, entered with chroot, with a fresh clone of this repository's HEAD in it.
# Inside it runs scripts/test.sh, scripts/package.sh and scripts/package-check.sh, exactly as
# a new user on Debian 13 would. Needs root and Debian's package mirror; slow (a full build).
#   scripts/debian13-check.sh [tree]      tree defaults to /var/tmp/dietlens-trixie
#   STEPS="test package check"            the steps to run (default all three)
# The tree is kept for the next run; delete it to start from a bare system again.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
tree="${1:-/var/tmp/dietlens-trixie}"
steps="${STEPS:-test package check}"
mirror="${DEBIAN_MIRROR:-http://deb.debian.org/debian}"
[ "$(id -u)" -eq 0 ] || { echo "needs root (debootstrap, chroot, mount)" >&2; exit 1; }

if [ ! -x "$tree/usr/bin/apt-get" ]; then
  command -v debootstrap >/dev/null || {
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap >/dev/null
  }
  echo "== debootstrap trixie into $tree"
  debootstrap --variant=minbase --include=ca-certificates,sudo trixie "$tree" "$mirror" >"$tree.log" 2>&1 ||
    { tail -n 20 "$tree.log" >&2; exit 1; }
fi

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

chroot "$tree" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
  PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  FUZZ_SECONDS="${FUZZ_SECONDS:-1}" STEPS="$steps" bash -euo pipefail -c '
  echo "== Debian $(cat /etc/debian_version) in the tree"
  cd /root/dietlens
  for step in $STEPS; do
    case "$step" in
      test) echo "== scripts/test.sh"; scripts/test.sh ;;
      package) echo "== scripts/package.sh"; scripts/package.sh ;;
      check) echo "== scripts/package-check.sh"; scripts/package-check.sh ;;
      *) echo "unknown step $step" >&2; exit 2 ;;
    esac
  done
  echo "== installed versions"
  dpkg-query -W -f="\${Package} \${Version}\n" g++ clang cmake qt6-base-dev libcpp-httplib-dev libsqlite3-dev 2>/dev/null
'
