#!/usr/bin/env bash
# Formats every C++ file of the repository with clang-format and .clang-format.
#   scripts/format.sh           rewrites the files that differ
#   scripts/format.sh --check   changes nothing; lists the files that differ and fails when any does
# The tree is formatted with clang-format 14 (Debian 12). Other major versions break some lines
# differently, so with another version the check says it is skipped instead of failing on
# lines nobody wrote.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
formatted_with=14
cd "$root"

if ! command -v clang-format >/dev/null; then
  echo "format: skipped: clang-format is not installed (scripts/deps.sh installs it)"
  exit 0
fi
major="$(clang-format --version | sed -n 's/.*version \([0-9][0-9]*\)\..*/\1/p')"

mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" != "--check" ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
if [ "$major" != "$formatted_with" ]; then
  echo "format: skipped: clang-format $major is installed; the tree is formatted with clang-format $formatted_with"
  exit 0
fi
differ=()
for f in "${files[@]}"; do
  clang-format "$f" | cmp -s - "$f" || differ+=("$f")
done
if [ "${#differ[@]}" -gt 0 ]; then
  echo "format: these files differ from .clang-format (scripts/format.sh rewrites them):" >&2
  printf '  %s\n' "${differ[@]}" >&2
  exit 1
fi
echo "format: ${#files[@]} files as .clang-format has them"
