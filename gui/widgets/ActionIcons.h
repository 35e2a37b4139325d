#pragma once
// Icons of the menu items and toolbar buttons. A command takes the icon of the desktop's theme
// when the theme has one under the freedesktop name, else the program's own drawing, bundled as
// a Qt resource (gui/icons/), which also serves when no theme is installed at all.
//
// Bundled resources (":/icons/NAME.svg"), for use by any window of the program:
//   document-new, document-open, document-save, system-run, text-x-generic,
//   x-office-spreadsheet, help-contents, help-about
//                                  fall-backs of the theme icons of the same names
//   title, shaft, soil-layers, factor-of-safety
//                                  project editors
//   shaft-elevation, view-3d       elevation view and 3D view
//   plot-combined-ultimate, plot-combined-factored, plot-load-settlement, plot-tz, plot-qw
//                                  combined plots (ultimate, LRFD/ASD), load vs settlement,
//                                  t-z curves, Q-w curves
//   view-pan, view-zoom, view-rotate, view-zoom-window, view-zoom-in, view-zoom-out,
//   view-restart                   3D navigation: panning, zooming, rotating, zoom window,
//                                  zoom in, zoom out, restart view
//   talmo                          the program's own icon
#include <QIcon>
#include <QString>

namespace talmo {

// The theme's icon `themeName` when the theme has it (nullptr: never the theme), else the
// bundled ":/icons/<resourceName>.svg" drawn at the usual toolbar and menu sizes.
QIcon commandIcon(const char* themeName, const char* resourceName);

// The icon of a command by its toolbar hint ("New File", "Soil Layer Data", "Panning", ...) or its
// menu text without "&" ("New", "Run Analysis", "User's Manual", ...); a null icon for a command
// that has none.
QIcon CommandIcon(const QString& command);

// The program's own icon (windows, the about box).
QIcon ApplicationIcon();

}  // namespace talmo
