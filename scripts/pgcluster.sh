#!/usr/bin/env bash
# A throw-away PostgreSQL cluster for the tests and benchmarks: initdb and pg_ctl in a temporary
# folder, listening on 127.0.0.1 at a free private port, trust authentication for the user
# "postgres". Run as root, the cluster runs as the system user postgres (initdb refuses root).
#   scripts/pgcluster.sh start STATE   writes "uri=postgresql://..." and the cluster's folder
#                                      to the file STATE; when PostgreSQL cannot start there,
#                                      writes "unavailable=REASON" instead (and exits 0)
#   scripts/pgcluster.sh stop STATE    stops the cluster and removes its folder and STATE
set -uo pipefail
command="${1:-}" state="${2:-}"
[ -n "$state" ] || { echo "usage: $0 start|stop STATE" >&2; exit 2; }

unavailable() {
  echo "unavailable=$*" >"$state"
  echo "PostgreSQL cannot start here: $*"
  exit 0
}

runas=()
[ "$(id -u)" -eq 0 ] && runas=(runuser -u postgres --)

case "$command" in
start)
  rm -f "$state"
  bindir="$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)"
  [ -x "$bindir/initdb" ] || unavailable "initdb not found (Debian package postgresql is not installed)"
  if [ ${#runas[@]} -gt 0 ]; then
    id postgres >/dev/null 2>&1 || unavailable "running as root and there is no postgres user to run the cluster"
    command -v runuser >/dev/null || unavailable "running as root and runuser is missing"
  fi
  folder="$(mktemp -d "${TMPDIR:-/tmp}/foodserver-pg.XXXXXX")"
  [ ${#runas[@]} -gt 0 ] && chown postgres: "$folder"
  if ! "${runas[@]}" "$bindir/initdb" -D "$folder/data" -U postgres -A trust -E UTF8 --no-locale --no-sync \
      >"$folder/initdb.log" 2>&1; then
    reason="initdb failed: $(tail -n 1 "$folder/initdb.log")"
    unavailable "$reason"
  fi
  port="$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')"
  if ! "${runas[@]}" "$bindir/pg_ctl" -D "$folder/data" -l "$folder/server.log" -w -t 60 \
      -o "-p $port -k $folder -c listen_addresses=127.0.0.1 -c max_connections=200" start >/dev/null; then
    reason="the server did not start: $(tail -n 1 "$folder/server.log" 2>/dev/null)"
    unavailable "$reason"
  fi
  printf 'uri=postgresql://postgres@127.0.0.1:%s/postgres\nfolder=%s\nbindir=%s\n' "$port" "$folder" "$bindir" >"$state"
  echo "PostgreSQL $("$bindir/postgres" --version | awk '{print $3}') on 127.0.0.1:$port in $folder"
  ;;
stop)
  [ -f "$state" ] || exit 0
  folder="$(sed -n 's/^folder=//p' "$state")"
  bindir="$(sed -n 's/^bindir=//p' "$state")"
  if [ -n "$folder" ] && [ -d "$folder/data" ]; then
    "${runas[@]}" "$bindir/pg_ctl" -D "$folder/data" -m immediate -w stop >/dev/null || true
    rm -rf "$folder"
  fi
  rm -f "$state"
  ;;
*)
  echo "usage: $0 start|stop STATE" >&2
  exit 2
  ;;
esac
