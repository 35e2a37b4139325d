#include "TextViewer.h"

#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>

namespace talmo {

TTextViewer::TTextViewer(QWidget* parent) : QPlainTextEdit(parent) {
  setReadOnly(true);
  setLineWrapMode(QPlainTextEdit::NoWrap);
  // The report is a fixed-layout text: its columns only line up in a fixed-width font.
  setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
}

bool TTextViewer::LoadFile(const QString& fileName) {
  fileName_ = fileName;
  setWindowTitle(QFileInfo(fileName).fileName());
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) {
    setPlainText("Cannot open \"" + fileName + "\": " + file.errorString());
    return false;
  }
  // The engine writes plain 8-bit text with CR LF line ends.
  QString text = QString::fromLatin1(file.readAll());
  text.remove('\r');
  setPlainText(text);
  return true;
}

}  // namespace talmo
