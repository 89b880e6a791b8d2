#!/bin/sh
# Configures the tree as scripts/demo does, with the tests and benchmarks off
# and GoogleTest and Google Benchmark made unfindable: the configure must
# succeed and must not have looked for either library.
set -eu
source_dir=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cmake -S "$source_dir" -B "$scratch" -DBUILD_TESTING=OFF -DORMIX_BENCHMARKS=OFF \
  -DORMIX_DESKTOP=OFF -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON \
  -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON >"$scratch/configure.log" 2>&1 || {
  cat "$scratch/configure.log"
  exit 1
}
if grep -E '^(GTest|GTEST|benchmark)_' "$scratch/CMakeCache.txt"; then
  echo "the configure looked for GoogleTest or Google Benchmark"
  exit 1
fi
echo "configured without the test libraries"
