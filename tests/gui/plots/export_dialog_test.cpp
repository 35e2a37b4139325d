// The export dialog as a user drives it: the offered plots checked in their order, the select
// buttons and the Generate button that follows the checks, then the save question, the
// written and opened workbook and the messages (the workbook's contents are read back by
// tests/core/workbook/check_workbook.py).
#include "ExportDialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <filesystem>

#include "WorkbookExport.h"
#include "engine/test_support.h"
#include "gui/fake_editor_host.h"
#include "gui/gui_support.h"

namespace talmo {
namespace {

// The save dialog answers `saveAs`; opened documents are recorded.
class TExportDialogs : public testing::TFakeDialogs {
 public:
  QString SaveFile(QWidget*, const QString&, const QString& proposed, const QStringList&) override {
    proposals << proposed;
    return saveAs;
  }
  bool OpenDocument(const QString& file) override {
    opened << file;
    return opens;
  }
  QString saveAs;
  bool opens = true;
  QStringList proposals, opened;
};

// Results of two kinds: skin friction with two curves and the Q-w curve.
struct ExportFixture {
  ExportFixture() {
    plots.pltSkin.SetLineCount(2);
    plots.pltSkin.SetCount(3);
    plots.pltQw.SetLineCount(1);
    plots.pltQw.SetCount(2);
  }
  QString file(const char* name) const { return QString::fromStdString((dir / name).string()); }

  TMainPlots plots;
  TExportDialogs dialogs;
  test::TempDir dir;
};

QStringList entries(const TDlgExport& dialog, Qt::CheckState state) {
  QStringList texts;
  for (int i = 0; i < dialog.PlotList()->count(); ++i)
    if (dialog.PlotList()->item(i)->checkState() == state) texts << dialog.PlotList()->item(i)->text();
  return texts;
}

TEST(ExportDialog, OffersThePlotsCheckedAndGenerateFollowsTheChecks) {
  ExportFixture f;
  TDlgExport dialog(f.plots, {0, 13}, f.dialogs, f.file("shaft.xlsx"));
  EXPECT_EQ(dialog.windowTitle(), "Export to Excel");
  EXPECT_EQ(entries(dialog, Qt::Checked), (QStringList{"Ultimate Skin Friction vs Depth", "Q-w curves (averaged)"}));
  EXPECT_EQ(dialog.indices(), (std::vector<int>{0, 13}));
  EXPECT_TRUE(dialog.MarkersBox()->isChecked());
  EXPECT_TRUE(dialog.GenerateButton()->isEnabled());

  testing::Control<QPushButton>(dialog, "Unselect All")->click();
  EXPECT_TRUE(entries(dialog, Qt::Checked).isEmpty());
  EXPECT_FALSE(dialog.GenerateButton()->isEnabled());
  dialog.PlotList()->item(1)->setCheckState(Qt::Checked);  // as a click in the list does
  EXPECT_TRUE(dialog.GenerateButton()->isEnabled());
  testing::Control<QPushButton>(dialog, "Select All")->click();
  EXPECT_EQ(entries(dialog, Qt::Checked).size(), 2);

  // Without results nothing is offered and nothing can be generated.
  dialog.Refill({});
  EXPECT_EQ(dialog.PlotList()->count(), 0);
  EXPECT_EQ(dialog.nplotst(), 0);
  EXPECT_FALSE(dialog.GenerateButton()->isEnabled());
}

TEST(ExportDialog, GenerateSavesOpensAndTellsWhereTheWorkbookIs) {
  ExportFixture f;
  TDlgExport dialog(f.plots, {0, 13}, f.dialogs, f.file("shaft.xlsx"));
  f.dialogs.saveAs = f.file("results");  // the extension is added
  dialog.GenerateClick();
  const QString written = f.file("results.xlsx");
  EXPECT_EQ(f.dialogs.proposals, QStringList{f.file("shaft.xlsx")});
  EXPECT_TRUE(std::filesystem::exists(written.toStdString()));
  EXPECT_EQ(f.dialogs.opened, QStringList{written});
  EXPECT_EQ(f.dialogs.messages,
            QStringList{QString::fromStdString(ExportCompletedMessage(written.toStdString(), false))});
  EXPECT_FALSE(dialog.more255());

  // Cancelling the save question writes nothing and says nothing.
  f.dialogs.saveAs.clear();
  f.dialogs.messages.clear();
  dialog.GenerateClick();
  EXPECT_TRUE(f.dialogs.messages.isEmpty());
  EXPECT_EQ(f.dialogs.proposals.last(), written);  // the last workbook is proposed again
}

TEST(ExportDialog, AWorkbookThatCannotBeWrittenIsNamedAndNotOpened) {
  ExportFixture f;
  TDlgExport dialog(f.plots, {0}, f.dialogs, f.file("shaft.xlsx"));
  f.dialogs.saveAs = f.file("missing/shaft.xlsx");
  dialog.GenerateClick();
  EXPECT_EQ(f.dialogs.messages,
            QStringList{"Cannot create file \"" + f.dialogs.saveAs + "\": No such file or directory"});
  EXPECT_TRUE(f.dialogs.opened.isEmpty());
}

TEST(ExportDialog, AWorkbookNoProgramOpensIsStillReportedSaved) {
  ExportFixture f;
  TDlgExport dialog(f.plots, {13}, f.dialogs, f.file("shaft.xlsx"));
  f.dialogs.saveAs = f.file("shaft.xlsx");
  f.dialogs.opens = false;
  dialog.GenerateClick();
  ASSERT_EQ(f.dialogs.messages.size(), 1);
  EXPECT_TRUE(f.dialogs.messages[0].startsWith("Export to Excel Completed\rThe workbook is saved as " +
                                               f.file("shaft.xlsx")));
  EXPECT_TRUE(f.dialogs.messages[0].endsWith("No spreadsheet program could open it; open it from its folder.\r"));
}

}  // namespace
}  // namespace talmo
