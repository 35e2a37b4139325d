#!/usr/bin/env bash
# Builds the Debian package from a finished build folder and inspects it as an installer would,
# without root: the files it carries, the dependencies dpkg-shlibdeps found, the desktop entry,
# the project file types, the manual page, and an analysis run by the packaged talmo on a
# packaged example. Usage: check_package.sh BUILD_FOLDER SOURCE_FOLDER
set -euo pipefail
build=$(cd "$1" && pwd)
src=$(cd "$2" && pwd)
out=$build/package-check
rm -rf "$out"
mkdir -p "$out"

fail() { echo "check_package: $*" >&2; exit 1; }

if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1; then
  cat "$out/cpack.log" >&2
  fail "cpack failed"
fi
deb=$(ls "$out"/talmo_*.deb)

listing=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in \
    usr/bin/wintalmo usr/bin/talmo usr/lib/talmo/libTalmo2017_DLL.so \
    usr/share/applications/talmo.desktop usr/share/mime/packages/talmo.xml \
    usr/share/icons/hicolor/scalable/apps/talmo.svg \
    usr/share/icons/hicolor/16x16/apps/talmo.png usr/share/icons/hicolor/48x48/apps/talmo.png \
    usr/share/icons/hicolor/256x256/apps/talmo.png \
    usr/share/man/man1/talmo.1.gz usr/share/man/man1/wintalmo.1.gz \
    usr/share/doc/talmo/users-manual.html usr/share/doc/talmo/technical-manual.html \
    usr/share/doc/talmo/README.md usr/share/doc/talmo/examples/clay_over_sand.tm8d; do
  grep -qx "\./$file" <<<"$listing" || fail "the package lacks /$file"
done

depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libqt6widgets6 libqt6svg6; do
  grep -q "$library" <<<"$depends" || fail "Depends ($depends) lacks $library"
done

desktop-file-validate "$src/packaging/talmo.desktop" || fail "talmo.desktop is not a valid desktop entry"
xmllint --noout "$src/packaging/talmo-mime.xml" || fail "talmo-mime.xml is not well-formed"
# A MIME database built from the file knows both project extensions.
mkdir -p "$out/mime/packages"
cp "$src/packaging/talmo-mime.xml" "$out/mime/packages/talmo.xml"
update-mime-database "$out/mime" >"$out/mime.log" 2>&1 || { cat "$out/mime.log" >&2; fail "update-mime-database failed"; }
grep -q "^[0-9]*:application/x-talmo-project:\*\.tm8d$" "$out/mime/globs2" || fail "no *.tm8d type"
grep -q "^[0-9]*:application/x-talmo-older-project:\*\.tmd$" "$out/mime/globs2" || fail "no *.tmd type"

dpkg-deb -x "$deb" "$out/root"
warnings=$(zcat "$out/root/usr/share/man/man1/talmo.1.gz" | groff -man -z -ww -Tutf8 2>&1)
[ -z "$warnings" ] || fail "the manual page has faults: $warnings"

# The packaged command analyses a packaged example.
mkdir -p "$out/run"
cp "$out/root/usr/share/doc/talmo/examples/clay_over_sand.tm8d" "$out/run/"
"$out/root/usr/bin/talmo" run "$out/run/clay_over_sand.tm8d" >"$out/run.log" || fail "talmo run failed"
grep -q "TOTAL" "$out/run/clay_over_sand.tm8o" || fail "no report from the packaged talmo"
echo "check_package: $(basename "$deb") is complete"
