// Icons of the toolbar and the menus, and the manuals that Help opens. Under the offscreen
// platform no icon theme is installed, so every icon comes from the program's own drawings.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QToolBar>

#include "ActionIcons.h"
#include "MainWindow.h"
#include "Manuals.h"
#include "gui/fake_editor_host.h"
#include "gui/gui_support.h"

namespace talmo {
namespace {

// Drawn: a pixmap of the size asked for with at least one visible pixel.
bool drawn(const QIcon& icon) {
  const QImage image = icon.pixmap(24, 24).toImage();
  if (image.isNull()) return false;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qAlpha(image.pixel(x, y)) > 0) return true;
  return false;
}

TEST(CommandIcons, EveryToolbarCommandAndThe3DNavigationHaveADrawnIcon) {
  for (const char* command :
       {"New File", "Open File", "Save File", "Title", "Drilled Shaft Properties", "Soil Layer Data",
        "Factor of Safety (ASD)", "Run Data File", "View Output", "View Soil Profile", "3D View",
        "Combined Plot (Ultimate)", "Combined Plot (LRFD/ASD)", "Load vs. Settlement", "t-z curves", "Q-w curves",
        "Panning", "Zooming", "Rotating", "Zoom Window", "Zoom In", "Zoom Out", "Restart View",
        "Export Plots to Excel", "User's Manual", "About..."})
    EXPECT_TRUE(drawn(CommandIcon(command))) << command;
  EXPECT_TRUE(CommandIcon("Cascade").isNull());
  EXPECT_TRUE(drawn(ApplicationIcon()));
}

TEST(CommandIcons, ToolbarButtonsShowIconAndTextWithTheHintAsTooltip) {
  TMainForm window(std::make_unique<testing::TFakeDialogs>());
  QToolBar* tools = window.findChild<QToolBar*>();
  ASSERT_NE(tools, nullptr);
  EXPECT_EQ(tools->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
  int buttons = 0;
  for (QAction* action : tools->actions()) {
    if (action->isSeparator()) continue;
    ++buttons;
    EXPECT_TRUE(drawn(action->icon())) << action->toolTip().toStdString();
    EXPECT_FALSE(action->text().isEmpty());
  }
  EXPECT_GT(buttons, 0);
  EXPECT_TRUE(window.ActionNamed("tool:Drilled Shaft Properties")->toolTip().startsWith("Drilled Shaft Properties"));
  EXPECT_TRUE(drawn(window.ActionNamed("Run Analysis")->icon()));
}

// Records the documents the program asks the desktop to open.
class TDocumentDialogs : public testing::TFakeDialogs {
 public:
  bool OpenDocument(const QString& file) override {
    opened << file;
    return true;
  }
  QStringList opened;
};

TEST(HelpMenu, OpensTheManualBesideTheProgramAndNamesAMissingOne) {
  const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(kTechnicalManual);
  QFile page(beside);
  ASSERT_TRUE(page.open(QIODevice::WriteOnly));
  page.close();
  auto owned = std::make_unique<TDocumentDialogs>();
  TDocumentDialogs& dialogs = *owned;
  TMainForm window(std::move(owned));
  window.ActionNamed("Technical Manual")->trigger();
  QFile::remove(beside);
  EXPECT_EQ(dialogs.opened, QStringList{beside});

  // No users-manual.html beside the test program: the message names where it was expected.
  window.ActionNamed("User's Manual")->trigger();
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_TRUE(dialogs.messages[0].contains("share/doc/talmo/users-manual.html")) << dialogs.messages[0].toStdString();
}

}  // namespace
}  // namespace talmo
