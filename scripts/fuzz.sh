#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang into build-fuzz/, writes their
# seed corpora from the programs' own writers and runs every harness for the
# given number of seconds (default 60), as many side by side as there are
# cores. Corpora grow in build-fuzz/corpus/<harness>/; a finding is kept in
# build-fuzz/findings/<harness>/ and makes the script fail.
#   scripts/fuzz.sh [seconds] [harness...]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-60}"
shift || true
build="${FUZZ_BUILD_DIR:-$root/build-fuzz}"
jobs="${FUZZ_JOBS:-$(nproc)}"

if ! command -v clang++ >/dev/null; then
  echo "fuzz.sh: clang++ is needed (scripts/deps.sh installs it)" >&2
  exit 1
fi

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DDIETLENS_FUZZ=ON -DDIETLENS_BUILD_BENCHMARKS=OFF -DDIETLENS_WERROR="${WERROR:-OFF}" >/dev/null
# Quiet unless it fails; then the end of the log says why (with WERROR=ON a warning fails).
cmake --build "$build" -j"$(nproc)" --target fuzz_harnesses >"$build/build.log" 2>&1 ||
  { tail -n 40 "$build/build.log" >&2; exit 1; }

rm -rf "$build/seeds"
"$build/fuzz/fuzz_make_seeds" "$build/seeds"

if [ $# -gt 0 ]; then
  harnesses=("$@")
else
  mapfile -t harnesses < <(find "$build/fuzz" -maxdepth 1 -type f -executable -name 'fuzz_*' \
    ! -name fuzz_make_seeds -printf '%f\n' | sort)
fi

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8

run_one() {
  local name="$1"
  local corpus="$build/corpus/$name" findings="$build/findings/$name" log="$build/logs/$name.log"
  mkdir -p "$corpus" "$findings" "$build/logs" "$build/seeds/$name"
  if "$build/fuzz/$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -dict="$root/fuzz/separators.dict" -artifact_prefix="$findings/" -print_final_stats=1 \
      "$corpus" "$build/seeds/$name" >"$log" 2>&1; then
    echo "fuzz $name: ${seconds}s, $(grep -m1 'stat::number_of_executed_units' "$log" | awk '{print $2}') runs, no finding"
  else
    echo "fuzz $name: FINDING, see $log and $findings/" >&2
    tail -n 30 "$log" >&2
    return 1
  fi
}

failed=0
pids=()
names=()
for name in "${harnesses[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do
    wait -n || true
  done
  run_one "$name" &
  pids+=("$!")
  names+=("$name")
done
for i in "${!pids[@]}"; do
  wait "${pids[$i]}" || failed=1
done
exit "$failed"
