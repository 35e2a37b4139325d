#include "UserDialogs.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QUrl>

namespace talmo {

QString MessageText(const QString& coreText) {
  QString text = coreText;
  return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace('\r', '\n');
}

TUserDialogs::Answer TDesktopDialogs::AskSaveChanges(QWidget* parent) {
  const auto button = QMessageBox::question(parent, QStringLiteral("Talmo 2017"),
                                            QStringLiteral("Do you want to save any changes?"),
                                            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  if (button == QMessageBox::Yes) return Answer::Yes;
  if (button == QMessageBox::No) return Answer::No;
  return Answer::Cancel;
}

QString TDesktopDialogs::OpenFile(QWidget* parent, const QString& folder, const QStringList& filters,
                                  int& filterIndex) {
  QString selected = filters.value(0);
  const QString file = QFileDialog::getOpenFileName(parent, QString(), folder, filters.join(";;"), &selected);
  filterIndex = static_cast<int>(filters.indexOf(selected)) + 1;
  if (filterIndex < 1) filterIndex = 1;
  return file;
}

QString TDesktopDialogs::SaveFile(QWidget* parent, const QString& title, const QString& proposed,
                                  const QStringList& filters) {
  QFileDialog dialog(parent, title);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilters(filters);
  dialog.selectFile(proposed);
  // The dialog completes the name before it asks about overwriting, so it asks about the
  // file that will be written: "other" becomes "other.tm8d" under "TALMO 2017(*.tm8d)". The
  // extension follows the filter the user picks, so "plot" under "PNG image (*.png)" is a PNG.
  const auto suffixOf = [](const QString& filter) {
    static const QRegularExpression extension(QStringLiteral("\\*\\.(\\w+)"));
    const QRegularExpressionMatch match = extension.match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
  };
  dialog.setDefaultSuffix(suffixOf(filters.value(0)));
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                   [&dialog, suffixOf](const QString& filter) { dialog.setDefaultSuffix(suffixOf(filter)); });
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

bool TDesktopDialogs::ConfirmReplace(QWidget* parent, const QString& file) {
  return QMessageBox::warning(parent, QStringLiteral("Talmo 2017"),
                              file + QStringLiteral(" already exists.\nDo you want to replace it?"),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

bool TUserDialogs::AskYesNo(QWidget* parent, const QString& text) {
  return QMessageBox::question(parent, QStringLiteral("Confirm"), MessageText(text),
                               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void TDesktopDialogs::Information(QWidget* parent, const QString& text) {
  QMessageBox::information(parent, QStringLiteral("Information"), MessageText(text));
}

bool TDesktopDialogs::StartProgram(const QString& program, const QString& file) {
  return QProcess::startDetached(program, {file});
}

bool TDesktopDialogs::OpenDocument(const QString& file) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

}  // namespace talmo
