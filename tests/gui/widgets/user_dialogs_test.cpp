// The desktop dialogs behind the program's questions: the save dialog completes a bare name with
// the extension of the filter the user picked, so the file written (and the overwrite question)
// is the one the user meant.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include "UserDialogs.h"
#include "gui/gui_support.h"

namespace {

// Answers the next save dialog: picks the filter at `filterIndex` as a user would (through the
// file-type list) and accepts the bare name `name`.
void AnswerSaveDialog(int filterIndex, const QString& name) {
  QTimer::singleShot(0, [=] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    ASSERT_NE(types, nullptr);
    types->setCurrentIndex(filterIndex);
    emit types->activated(filterIndex);
    emit types->textActivated(types->itemText(filterIndex));
    dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(name);
    QMetaObject::invokeMethod(dialog, "accept");
  });
}

TEST(DesktopDialogs, ABareNameTakesTheExtensionOfTheChosenFilter) {
  QTemporaryDir folder;
  const QStringList filters = {"Bitmap (*.bmp)", "PNG image (*.png)", "SVG drawing (*.svg)"};
  const struct {
    int filter;
    QString expected;
  } cases[] = {{0, "plot.bmp"}, {1, "plot.png"}, {2, "plot.svg"}};
  for (const auto& c : cases) {
    talmo::TDesktopDialogs dialogs;
    AnswerSaveDialog(c.filter, "plot");
    const QString file = dialogs.SaveFile(nullptr, "Save To Disk", QDir(folder.path()).filePath("start.bmp"), filters);
    EXPECT_EQ(QFileInfo(file).fileName(), c.expected) << "filter " << c.filter;
  }
}

}  // namespace
