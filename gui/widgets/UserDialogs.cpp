#include "UserDialogs.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
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
  return QFileDialog::getSaveFileName(parent, title, proposed, filters.join(";;"));
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
