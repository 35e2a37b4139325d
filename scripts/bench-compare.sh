#!/usr/bin/env bash
# Times the engine of this tree against the engine of a reference commit, in one run on this
# machine: talmo_bench of each build in turn (so that both see the same load), ROUNDS rounds of
# RUNS runs each, the reference and this tree on one core, this tree also on two. Prints the
# median and the fastest of the rounds' medians and, when valgrind is installed, the
# instructions of one analysis of the large project on one thread (a figure that the load of the
# machine does not disturb).
#
#   scripts/bench-compare.sh BASE_COMMIT BUILD_DIR [RUNS] [EXAMPLE] [ROUNDS]
set -euo pipefail

base=$1
build=$2
runs=${3:-7}
example=${4:-examples/clay_over_sand.tm8d}
jobs=${JOBS:-2}

# The reference commit's talmo_bench (and talmo), built once per commit into BUILD_DIR/bench-base.
basedir="$build/bench-base"
commit=$(git rev-parse "$base")
rounds=${5:-5}
if [ ! -x "$basedir/build/engine/talmo_bench" ] || [ "$(cat "$basedir/COMMIT" 2>/dev/null)" != "$commit" ]; then
  rm -rf "$basedir"
  mkdir -p "$basedir/src"
  git archive "$commit" | tar -x -C "$basedir/src"
  cmake -S "$basedir/src" -B "$basedir/build" -DCMAKE_BUILD_TYPE=Release -DTALMO_BUILD_TESTS=OFF \
    -DTALMO_BUILD_APP=OFF > /dev/null
  cmake --build "$basedir/build" -j "$jobs" --target talmo_bench talmo > /dev/null
  echo "$commit" > "$basedir/COMMIT"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
one="taskset -c 0"
two="taskset -c 0,1"
if [ "$(nproc)" -lt 2 ]; then two="$one"; fi

# The milliseconds a bench line reports, for the large project and the example.
times() { sed -n 's/.*: *\([0-9.]*\) ms$/\1/p'; }
for _ in $(seq "$rounds"); do
  $one "$basedir/build/engine/talmo_bench" "$example" "$runs" | times | paste -sd' ' >> "$work/before"
  $one "$build/engine/talmo_bench" "$example" "$runs" 1 | times | head -2 | paste -sd' ' >> "$work/after1"
  $two "$build/engine/talmo_bench" "$example" "$runs" 2 | times | tail -2 | paste -sd' ' >> "$work/after2"
done

pick() {  # pick FILE COLUMN median|fastest
  cut -d' ' -f"$2" "$1" | sort -g | awk -v how="$3" '{ v[NR] = $1 } END { print how == "median" ? v[int((NR + 1) / 2)] : v[1] }'
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

echo "Engine of ${commit:0:7} (before) against this tree (after): $rounds rounds of $runs runs each,"
echo "$(nproc) cores ($(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')), load average $(cut -d' ' -f1 /proc/loadavg)"
printf '%-9s %-8s %10s %14s %9s %15s %9s\n' project "" "before" "after, 1 core" speed-up "after, 2 cores" speed-up
for column in 1 2; do
  project=$([ "$column" = 1 ] && echo large || echo example)
  for how in median fastest; do
    o=$(pick "$work/before" "$column" "$how")
    n1=$(pick "$work/after1" "$column" "$how")
    n2=$(pick "$work/after2" "$column" "$how")
    printf '%-9s %-8s %7s ms %11s ms %8sx %12s ms %8sx\n' "$project" "$how" "$o" "$n1" "$(ratio "$o" "$n1")" \
      "$n2" "$(ratio "$o" "$n2")"
  done
done

if command -v valgrind > /dev/null; then
  "$build/engine/talmo_bench" --write-large "$work/large.tm8d"
  instructions() {
    valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 | sed -n 's/.*Collected : //p'
  }
  io=$(instructions "$basedir/build/engine/talmo" "$work/large.tm8d")
  in=$(instructions "$build/engine/talmo" run -j 1 "$work/large.tm8d")
  echo "instructions of the large project on one thread: before $io, after $in ($(ratio "$io" "$in")x fewer)"
  # The example is small beside the start of the program: its analysis is the run less --version.
  cp "$example" "$work/example.tm8d"
  eo=$(($(instructions "$basedir/build/engine/talmo" "$work/example.tm8d") - $(instructions "$basedir/build/engine/talmo" --version)))
  en=$(($(instructions "$build/engine/talmo" run -j 1 "$work/example.tm8d") - $(instructions "$build/engine/talmo" --version)))
  echo "instructions of the example's analysis: before $eo, after $en ($(ratio "$eo" "$en")x fewer)"
fi
