#pragma once
// A read-only monospaced view of a text file (report, run notes, project file): the fall-back
// when the configured word processor cannot be started.
#include <QPlainTextEdit>

namespace talmo {

class TTextViewer : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit TTextViewer(QWidget* parent = nullptr);
  // Loads the file; false (and a note in the view) when it cannot be read.
  bool LoadFile(const QString& fileName);
  QString FileName() const { return fileName_; }

 private:
  QString fileName_;
};

}  // namespace talmo
