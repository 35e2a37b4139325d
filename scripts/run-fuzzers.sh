#!/usr/bin/env bash
# Runs every fuzz target of tests/fuzz (one executable per NAME_fuzz.cpp, built by the target
# talmo_fuzzers) for SECONDS each, one after the other.
#   usage: run-fuzzers.sh BUILD_DIR SECONDS
# Each target starts from the inputs it kept in earlier runs (BUILD_DIR/fuzz-corpus/NAME, where
# it also adds the new ones) and from the seeds in tests/fuzz/corpus/NAME, with the dictionary
# tests/fuzz/NAME.dict when there is one. A crash, a leak, undefined behaviour, an input slower
# than 10 s or above 2 GB of memory is a finding: the input is saved in
# BUILD_DIR/fuzz-findings/NAME/ (replay it with: BUILD_DIR/tests/fuzz/NAME_fuzz FILE), the end of
# the log is shown, and the script exits with status 1 once every target has run.
set -euo pipefail

build=${1:?usage: run-fuzzers.sh BUILD_DIR SECONDS}
seconds=${2:?usage: run-fuzzers.sh BUILD_DIR SECONDS}
root=$(cd "$(dirname "$0")/.." && pwd)
findings="$build/fuzz-findings"
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}

shopt -s nullglob
failed=()
for source in "$root"/tests/fuzz/*_fuzz.cpp; do
  target=$(basename "$source" .cpp)
  name=${target%_fuzz}
  exe="$build/tests/fuzz/$target"
  log="$build/fuzz-$name.log"
  if [ ! -x "$exe" ]; then
    echo "fuzz: $exe is missing (build the target talmo_fuzzers)"
    failed+=("$target")
    continue
  fi
  corpora=("$build/fuzz-corpus/$name")
  mkdir -p "${corpora[0]}" "$findings/$name"
  if [ -d "$root/tests/fuzz/corpus/$name" ]; then corpora+=("$root/tests/fuzz/corpus/$name"); fi
  options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
           -artifact_prefix="$findings/$name/")
  if [ -f "$root/tests/fuzz/$name.dict" ]; then options+=(-dict="$root/tests/fuzz/$name.dict"); fi

  echo "fuzz: $target for ${seconds} s"
  if "$exe" "${options[@]}" "${corpora[@]}" >"$log" 2>&1; then
    grep -E '^Done [0-9]+ runs' "$log" | tail -n 1 | sed 's/^/  /' || true
  else
    echo "fuzz: $target FOUND A PROBLEM (full log: $log)"
    tail -n 40 "$log"
    failed+=("$target")
  fi
done

if [ ${#failed[@]} -ne 0 ]; then
  echo "fuzz: findings in ${failed[*]}; inputs in $findings"
  exit 1
fi
echo "fuzz: no findings"
