#pragma once
// TdlgFormat, "Save Attributes": the size of the saved image in inches and its resolution in
// pixels per inch. The colour choice is offered; images are written in full colour.
#include <QDialog>
#include <QSize>

namespace talmo {

class TDataEdit;

class TdlgFormat : public QDialog {
  Q_OBJECT

 public:
  explicit TdlgFormat(QWidget* parent = nullptr);

  // Pixels per inch p = nearest(dePPI); size nearest(p x width) by nearest(p x height).
  int PixelsPerInch() const;
  QSize PixelSize() const;

  TDataEdit* deHeight = nullptr;
  TDataEdit* deWidth = nullptr;
  TDataEdit* dePPI = nullptr;

  void accept() override;
};

}  // namespace talmo
