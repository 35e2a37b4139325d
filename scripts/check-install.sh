#!/usr/bin/env bash
# Installs the package that `make package` left in this folder, uses it as an engineer would,
# and removes it again; run as root on a machine without talmo installed. It checks that
#   - talmo --version answers and talmo run analyses an installed example,
#   - wintalmo from /usr/bin (under a virtual display) runs an analysis through the engine
#     library in /usr/lib/talmo, driven from its Computation menu,
#   - the desktop knows .tm8d files as Talmo projects, opened by talmo.desktop,
#   - man talmo shows the manual page,
#   - removing the package leaves none of its files behind.
# Pictures of the installed program go to the output folder (default /tmp/talmo-install-check).
set -euo pipefail
cd "$(dirname "$0")/.."
OUT=${1:-/tmp/talmo-install-check}

fail() { echo "check-install: $*" >&2; exit 1; }
[ "$(id -u)" -eq 0 ] || fail "run as root"
deb=$(ls talmo_*.deb 2>/dev/null | tail -n 1)
[ -n "$deb" ] || fail "no talmo_*.deb here: run make package first"
if dpkg -s talmo >/dev/null 2>&1; then fail "talmo is installed already"; fi
bash scripts/install-deps.sh

rm -rf "$OUT"
mkdir -p "$OUT/cli" "$OUT/gui" "$OUT/config"
# The program's settings of this check stay in the output folder.
export XDG_CONFIG_HOME=$OUT/config

echo "== install $deb"
apt-get install -y -qq "./$deb" >"$OUT/install.log" 2>&1 || { cat "$OUT/install.log"; fail "install failed"; }
dpkg -L talmo | sort >"$OUT/files.txt"

echo "== talmo"
talmo --version
cp /usr/share/doc/talmo/examples/clay_over_sand.tm8d "$OUT/cli/"
talmo run "$OUT/cli/clay_over_sand.tm8d"
[ -s "$OUT/cli/clay_over_sand.tm8o" ] || fail "talmo run wrote no report"

echo "== file type and manual page"
cp /usr/share/doc/talmo/examples/clay_over_sand.tm8d "$OUT/gui/"
type=$(xdg-mime query filetype "$OUT/gui/clay_over_sand.tm8d")
echo "xdg-mime query filetype: $type"
[ "$type" = application/x-talmo-project ] || fail "a .tm8d file is $type"
handler=$(xdg-mime query default application/x-talmo-project)
echo "xdg-mime query default: $handler"
[ "$handler" = talmo.desktop ] || fail "projects open with '$handler'"
man -w talmo
man talmo 2>/dev/null | grep -q "talmo, wintalmo" || fail "man talmo shows no page"

echo "== wintalmo"
project=$OUT/gui/clay_over_sand.tm8d
# Start the installed program on the example, take a picture, choose Computation / Run Analysis
# with the keyboard, wait for the report, take a picture of the completion message.
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  set -u
  /usr/bin/wintalmo "$1" >"$2/wintalmo.log" 2>&1 & pid=$!
  for i in $(seq 100); do xdotool search --name "TALMO 2017" >/dev/null 2>&1 && break; sleep 0.2; done
  window=$(xdotool search --name "TALMO 2017" | head -n 1)
  sleep 1
  import -window root "$2/main-window-icons-installed.png"
  xdotool windowfocus --sync "$window"
  xdotool key --clearmodifiers alt+c
  sleep 0.5
  xdotool key r
  for i in $(seq 150); do [ -s "${1%.tm8d}.tm8o" ] && break; sleep 0.2; done
  sleep 1
  import -window root "$2/main-window-icons-installed-run.png"
  kill "$pid"; wait "$pid" 2>/dev/null || true
' _ "$project" "$OUT"
[ -s "$OUT/gui/clay_over_sand.tm8o" ] || fail "wintalmo did not run the analysis (see $OUT/wintalmo.log)"
[ ! -e "$OUT/gui/names.dat" ] || fail "wintalmo left names.dat behind"
echo "wintalmo ran the analysis: $OUT/gui/clay_over_sand.tm8o"

echo "== remove"
apt-get purge -y -qq talmo >"$OUT/remove.log" 2>&1 || { cat "$OUT/remove.log"; fail "removal failed"; }
left=()
while read -r path; do
  [ -e "$path" ] && [ ! -d "$path" ] && left+=("$path")
done <"$OUT/files.txt"
for folder in /usr/lib/talmo /usr/share/doc/talmo; do [ -e "$folder" ] && left+=("$folder"); done
[ ${#left[@]} -eq 0 ] || fail "left behind: ${left[*]}"
if dpkg -s talmo >/dev/null 2>&1; then fail "talmo is still registered"; fi
echo "check-install: installed, used and removed cleanly"
