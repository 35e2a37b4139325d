#!/usr/bin/env bash
# Installs, only when missing, every Debian package that building and testing Talmo needs:
# the compiler and CMake, GoogleTest, Qt 6 (Widgets, OpenGL, OpenGLWidgets, PrintSupport, Test),
# libxlsxwriter (and python3-openpyxl, the independent reader the workbook tests use),
# nlohmann-json (the engine's JSON results), Xvfb/xauth/Mesa for tests that need a display or
# OpenGL, xdotool and ImageMagick for scripts that drive the program with real key presses and
# take screenshots, and clang with its runtime libraries (libFuzzer and the sanitizers) for the fuzz targets, and the packaging tools:
# pandoc (manuals to HTML), rsvg-convert (icon PNGs), dpkg-dev (package dependencies),
# desktop-file-utils, libxml2-utils and shared-mime-info (checks of the desktop entry and the
# project file type), xdg-utils with mimetype (file associations; scripts/check-install.sh).
# This is the only place in the repository that installs anything.
set -euo pipefail

packages=(
  g++ make cmake pkg-config
  clang libclang-rt-dev
  googletest libgtest-dev
  qt6-base-dev qt6-svg-dev libqt6opengl6-dev libgl1-mesa-dev
  libxlsxwriter-dev python3-openpyxl
  nlohmann-json3-dev
  xvfb xauth libgl1-mesa-dri
  xdotool imagemagick
  ccache
  pandoc librsvg2-bin dpkg-dev desktop-file-utils libxml2-utils shared-mime-info xdg-utils
  libfile-mimeinfo-perl
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
