#include "ActionIcons.h"

#include <QFile>
#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// The drawings are compiled into a static library: referring to their initialiser keeps them
// linked into the program.
static void registerIconResources() { Q_INIT_RESOURCE(icons); }

namespace talmo {

namespace {

struct TIconSource {
  const char* themeName;     // freedesktop icon name, or nullptr for a command without one
  const char* resourceName;  // bundled drawing
};

// Commands by toolbar hint and by menu text. Commands without a standard name (shaft, soil
// layers, plots, 3D navigation) always use the program's own drawings, so one set of icons
// reads consistently whatever the desktop's theme.
const QHash<QString, TIconSource>& iconTable() {
  static const QHash<QString, TIconSource> table = {
      {"New File", {"document-new", "document-new"}},
      {"New", {"document-new", "document-new"}},
      {"Open File", {"document-open", "document-open"}},
      {"Open...", {"document-open", "document-open"}},
      {"Save File", {"document-save", "document-save"}},
      {"Save", {"document-save", "document-save"}},
      {"Save As...", {"document-save-as", "document-save"}},
      {"Title", {nullptr, "title"}},
      {"Drilled Shaft Properties", {nullptr, "shaft"}},
      {"Drilled-Shaft Properties", {nullptr, "shaft"}},
      {"Soil Layer Data", {nullptr, "soil-layers"}},
      {"Factor of Safety (ASD)", {nullptr, "factor-of-safety"}},
      {"Factor of Safety (Allowable Stress Design)", {nullptr, "factor-of-safety"}},
      {"Run Data File", {"system-run", "system-run"}},
      {"Run Analysis", {"system-run", "system-run"}},
      {"View Output", {"text-x-generic", "text-x-generic"}},
      {"Edit Output Text", {"text-x-generic", "text-x-generic"}},
      {"View Soil Profile", {nullptr, "shaft-elevation"}},
      {"View Shaft Elevation", {nullptr, "shaft-elevation"}},
      {"3D View", {nullptr, "view-3d"}},
      {"Combined Plot (Ultimate)", {nullptr, "plot-combined-ultimate"}},
      {"Combined Plot (LRFD/ASD)", {nullptr, "plot-combined-factored"}},
      {"Load vs. Settlement", {nullptr, "plot-load-settlement"}},
      {"t-z curves", {nullptr, "plot-tz"}},
      {"Q-w curves", {nullptr, "plot-qw"}},
      {"Panning", {nullptr, "view-pan"}},
      {"Zooming", {nullptr, "view-zoom"}},
      {"Rotating", {nullptr, "view-rotate"}},
      {"Zoom Window", {nullptr, "view-zoom-window"}},
      {"Zoom In", {nullptr, "view-zoom-in"}},
      {"Zoom Out", {nullptr, "view-zoom-out"}},
      {"Restart View", {nullptr, "view-restart"}},
      {"Export Plots to Excel", {"x-office-spreadsheet", "x-office-spreadsheet"}},
      {"User's Manual", {"help-contents", "help-contents"}},
      {"Technical Manual", {"help-contents", "help-contents"}},
      {"About...", {"help-about", "help-about"}},
  };
  return table;
}

// The drawing rendered once per size, so the icon looks sharp in menus and on the toolbar
// without relying on an image-format plugin.
QIcon bundledIcon(const char* resourceName) {
  static const bool registered = (registerIconResources(), true);
  (void)registered;
  QSvgRenderer renderer(QString(":/icons/%1.svg").arg(resourceName));
  QIcon icon;
  if (!renderer.isValid()) return icon;
  for (int size : {16, 22, 24, 32, 48, 64}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace

QIcon commandIcon(const char* themeName, const char* resourceName) {
  if (themeName != nullptr && QIcon::hasThemeIcon(themeName)) return QIcon::fromTheme(themeName);
  return bundledIcon(resourceName);
}

QIcon CommandIcon(const QString& command) {
  const auto found = iconTable().constFind(command);
  if (found == iconTable().constEnd()) return {};
  return commandIcon(found->themeName, found->resourceName);
}

QIcon ApplicationIcon() { return bundledIcon("talmo"); }

}  // namespace talmo
