#!/usr/bin/env bash
# Installs what is missing, builds, and opens dietlens.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/deps.sh"
"$root/scripts/build.sh"
exec "${BUILD_DIR:-$root/build}/bin/dietlens" "$@"
