#!/usr/bin/env bash
# Installs what is missing, builds into build/ and runs every test, then runs
# each fuzz harness for a few seconds (FUZZ_SECONDS, default 5).
# WERROR=ON (.ci/run sets it) treats compiler warnings as errors. It is off by
# default so that a newer compiler's new warnings do not stop a user's set-up.
#   scripts/test.sh --sanitize   builds the suite with AddressSanitizer and
#                                UndefinedBehaviorSanitizer into build-sanitize/
#                                and runs every test there instead.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/deps.sh"
werror="${WERROR:-OFF}"
if [ "${1:-}" = "--sanitize" ]; then
  export BUILD_DIR="${BUILD_DIR:-$root/build-sanitize}" BUILD_TYPE=Debug
  "$root/scripts/build.sh" -DDIETLENS_SANITIZE=ON -DDIETLENS_BUILD_BENCHMARKS=OFF -DDIETLENS_WERROR="$werror"
  cd "$BUILD_DIR"
  ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" \
    UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
  exit
fi
"$root/scripts/build.sh" -DDIETLENS_WERROR="$werror"
cd "${BUILD_DIR:-$root/build}"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
if command -v clang++ >/dev/null; then
  "$root/scripts/fuzz.sh" "${FUZZ_SECONDS:-5}"
fi
