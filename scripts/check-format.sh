#!/usr/bin/env bash
# Fails when a C++ source of the repository differs from .clang-format (clang-format-14).
set -euo pipefail
cd "$(dirname "$0")/.."
format=$(command -v clang-format-14 || command -v clang-format)
mapfile -t files < <(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' \
  'fuzz/*.cpp' 'python/*.cpp' 'python/*.h')
"$format" --dry-run --Werror "${files[@]}"
echo "check-format: ${#files[@]} files formatted"
