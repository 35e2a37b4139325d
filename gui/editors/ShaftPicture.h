#pragma once
// A schematic belled drilled shaft for the shaft properties editor: ground surface, shaft of
// diameter B, bell of diameter Bb at angle Ang, and the upper (Lue) and lower (Lle) zones
// without skin friction. It only illustrates the names of the fields; it is not to scale.
#include <QWidget>

namespace talmo {

class TShaftPicture : public QWidget {
  Q_OBJECT

 public:
  explicit TShaftPicture(QWidget* parent = nullptr);
  QSize sizeHint() const override { return {190, 280}; }
  QSize minimumSizeHint() const override { return {150, 220}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace talmo
