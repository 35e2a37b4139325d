# `make package` / `cpack -G DEB`: one Debian package, talmo, installed under /usr.
#   /usr/bin/wintalmo, /usr/bin/talmo
#   /usr/lib/talmo/libTalmo2017_DLL.so   the engine library; wintalmo looks for it beside
#                                        itself, then in ../engine (build tree), then in
#                                        ../lib/talmo (installed)
#   /usr/share/doc/talmo/                manuals (HTML), engineering notes, README, examples/
#   /usr/share/applications, mime/packages, icons/hicolor, man/man1
# The package's dependencies are worked out by dpkg-shlibdeps from the binaries.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME talmo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Brovik)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "axial capacity and load-settlement of drilled shafts")
set(CPACK_PACKAGE_DESCRIPTION
  "Talmo designs drilled shafts (bored, cast-in-place concrete piles, straight or belled) in layered soil and rock: axial capacity versus depth under compression or uplift, by allowable stress design or LRFD, load-settlement curves, t-z and q-w curves and design charts. The package holds the desktop program wintalmo, the command talmo and the analysis engine library.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Talmo developers <talmo@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# xdg-open shows the reports and the manuals in the desktop's programs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
