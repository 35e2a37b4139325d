#!/usr/bin/env bash
# Drives the real program under a virtual display with real key presses, as a user would, and
# checks the files on disk after each step:
#   1. type a water table of 33 in its editor and press Ctrl+S: the file holds 33;
#   2. Save As with the name "other" while other.tm8d exists: the program asks; No keeps the
#      file, Yes replaces it;
#   3. change a value, remove the project's folder and choose File > Exit, answering Yes to
#      saving: the failure is shown and the program keeps running with the change.
# Usage: scripts/check-file-commands.sh [output folder for screenshots] (default /tmp/talmo-check).
# Prints one line per check and exits non-zero when any fails.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build-test}
OUT=${1:-/tmp/talmo-check}
bash scripts/install-deps.sh
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Debug -DTALMO_SANITIZE=ON >/dev/null
cmake --build "$BUILD" -j 2 --target wintalmo Talmo2017_DLL
PROGRAM="$PWD/$BUILD/bin/wintalmo"

WORK=$(mktemp -d)
mkdir -p "$OUT" "$WORK/home" "$WORK/project"
DISPLAY_NUMBER=$((90 + RANDOM % 100))
export DISPLAY=":$DISPLAY_NUMBER"
Xvfb "$DISPLAY" -screen 0 1280x900x24 -nolisten tcp &
XVFB=$!
APP=""
cleanup() {
  [ -n "$APP" ] && kill "$APP" 2>/dev/null || true
  kill "$XVFB" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

failures=0
check() {  # check <description> <command...>
  local what=$1
  shift
  if "$@"; then echo "PASS $what"; else echo "FAIL $what"; failures=$((failures + 1)); fi
}
# The water table of a project file: the second item of line 5.
water_table() { sed -n 5p "$1" | awk '{print $2}'; }
keys() { xdotool key --delay 150 "$@"; sleep 0.7; }
# Without a window manager nobody gives the focus back to the main window when a dialog closes.
main_keys() {
  xdotool windowfocus --sync "$WINDOW"
  keys "$@"
}
shot() { import -window root "$OUT/$1.png"; }
caption() { xdotool getwindowname "$WINDOW"; }

cp examples/clay_over_sand.tm8d "$WORK/project/"
cp examples/clay_over_sand.tm8d "$WORK/project/other.tm8d"
sleep 1
cd "$WORK/project"
# Settings of this run stay in the work folder; the desktop libraries' leaks are not ours.
XDG_CONFIG_HOME="$WORK/home" ASAN_OPTIONS=detect_leaks=0 "$PROGRAM" clay_over_sand.tm8d >"$WORK/app.log" 2>&1 &
APP=$!
WINDOW=$(xdotool search --sync --name "TALMO 2017.8.7")
WINDOW=${WINDOW%%$'\n'*}
sleep 1

# 1. Data > Water Table, type 33, Ctrl+S.
main_keys alt+t w
keys ctrl+a
xdotool type --delay 120 "33"
keys ctrl+s
shot 1-typed-and-saved
check "Ctrl+S saves the value typed in the active editor" test "$(water_table clay_over_sand.tm8d)" = 33

# 2. File > Save As, name "other" onto an existing other.tm8d.
before=$(md5sum <other.tm8d)
main_keys alt+f a
keys ctrl+a
xdotool type --delay 120 "other"
keys Return
shot 2-replace-question
keys n  # "No": back in the dialog
check "Save As asks before replacing other.tm8d; No keeps it" test "$(md5sum <other.tm8d)" = "$before"
keys Escape
check "a cancelled Save As keeps the project's name" test "$(caption)" = "TALMO 2017.8.7 - Clay_over_sand.tm8d"
main_keys alt+f a
keys ctrl+a
xdotool type --delay 120 "other"
keys Return
keys y  # "Yes": replace
check "Yes replaces other.tm8d with the project" test "$(water_table other.tm8d)" = 33
check "the caption names the new file" test "$(caption)" = "TALMO 2017.8.7 - Other.tm8d"

# 3. Change the water table, remove the folder, File > Exit, Yes to saving.
main_keys alt+t w
keys ctrl+a
xdotool type --delay 120 "44"
cd "$WORK"
rm -rf "$WORK/project"
main_keys alt+f x
shot 3-save-question
check "closing asks about the unsaved change" xdotool search --name "^Talmo 2017$"
keys y
shot 4-save-failed
keys Return
check "the program still runs after the failed save" kill -0 "$APP"
check "its window is still there" xdotool search --name "TALMO 2017.8.7 - Other.tm8d"
# Still changed: closing again asks again; Cancel keeps the program.
main_keys alt+f x
check "the change is still unsaved: closing asks again" xdotool search --name "^Talmo 2017$"
keys Escape
check "Cancel keeps the program running" kill -0 "$APP"
check "no crash was logged" bash -c "! grep -q -i -E 'terminate|AddressSanitizer|runtime error' '$WORK/app.log'"

echo "screenshots in $OUT"
exit $((failures > 0))
