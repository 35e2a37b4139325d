#!/usr/bin/env bash
# Times the engine of this tree against the engine of a reference commit, in one run on this
# machine: the large design-chart project of talmo_bench and the bundled example, analysed by
# `talmo` of each build in turn (so that both see the same load), the reference and this tree
# on one core, this tree also on two. Prints the medians and, when valgrind is installed, the
# instructions of one analysis of the large project on one thread (a figure that the load of the
# machine does not disturb).
#
#   scripts/bench-compare.sh BASE_COMMIT BUILD_DIR [RUNS] [EXAMPLE]
set -euo pipefail

base=$1
build=$2
runs=${3:-7}
example=${4:-examples/clay_over_sand.tm8d}
jobs=${JOBS:-2}

# The reference commit's talmo, built once per commit into BUILD_DIR/bench-base.
basedir="$build/bench-base"
commit=$(git rev-parse "$base")
if [ ! -x "$basedir/build/engine/talmo" ] || [ "$(cat "$basedir/COMMIT" 2>/dev/null)" != "$commit" ]; then
  rm -rf "$basedir"
  mkdir -p "$basedir/src"
  git archive "$commit" | tar -x -C "$basedir/src"
  cmake -S "$basedir/src" -B "$basedir/build" -DCMAKE_BUILD_TYPE=Release -DTALMO_BUILD_TESTS=OFF \
    -DTALMO_BUILD_APP=OFF > /dev/null
  cmake --build "$basedir/build" -j "$jobs" --target talmo > /dev/null
  echo "$commit" > "$basedir/COMMIT"
fi
old="$basedir/build/engine/talmo"
new="$build/engine/talmo"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/engine/talmo_bench" --write-large "$work/large.tm8d"
cp "$example" "$work/example.tm8d"

cores=$(nproc)
one="taskset -c 0"
two="taskset -c 0,1"
if [ "$cores" -lt 2 ]; then two="$one"; fi

# Milliseconds of one analysis.
time_ms() {
  local start end
  start=$(date +%s%N)
  "$@" > /dev/null 2>&1 || true
  end=$(date +%s%N)
  echo $(((end - start) / 1000000))
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

for project in large example; do
  : > "$work/$project.old" ; : > "$work/$project.new1" ; : > "$work/$project.new2"
  for _ in $(seq "$runs"); do
    time_ms $one "$old" "$work/$project.tm8d" >> "$work/$project.old"
    time_ms $one "$new" run -j 1 "$work/$project.tm8d" >> "$work/$project.new1"
    time_ms $two "$new" run -j 2 "$work/$project.tm8d" >> "$work/$project.new2"
  done
done

echo "Engine of ${commit:0:7} against this tree, median of $runs runs each ($(nproc) cores,"
echo "$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'))"
printf '%-10s %12s %16s %12s %16s %10s %10s\n' project "before, 1" "after, 1 core" speed-up "after, 2 cores" speed-up ""
for project in large example; do
  o=$(median < "$work/$project.old")
  n1=$(median < "$work/$project.new1")
  n2=$(median < "$work/$project.new2")
  printf '%-10s %9s ms %13s ms %11sx %13s ms %9sx\n' "$project" "$o" "$n1" \
    "$(awk -v a="$o" -v b="$n1" 'BEGIN { printf "%.2f", a / (b > 0 ? b : 1) }')" "$n2" \
    "$(awk -v a="$o" -v b="$n2" 'BEGIN { printf "%.2f", a / (b > 0 ? b : 1) }')"
done

if command -v valgrind > /dev/null; then
  instructions() {
    valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 | sed -n 's/.*Collected : //p'
  }
  io=$(instructions "$old" "$work/large.tm8d")
  in=$(instructions "$new" run -j 1 "$work/large.tm8d")
  echo "instructions of the large project on one thread: before $io, after $in ($(awk -v a="$io" -v b="$in" \
    'BEGIN { printf "%.2f", a / b }')x fewer)"
fi
