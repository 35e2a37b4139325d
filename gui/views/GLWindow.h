#pragma once
// TglWindow: a drawing control over an OpenGL 1.x compatibility context that offers the
// fixed-function pipeline as a small object interface for the 3D view: state switches, the
// matrix stack, immediate-mode primitives, display lists, colour and blending, text at 3D
// positions, and the pointer's last state. The owner draws everything in OnPaint.
//
// Text is drawn with QPainter over the finished frame, at the window position the current
// matrices give the text's 3D point; text written while a display list is compiled is kept
// with that list and placed each time the list is called. Text therefore always lies in
// front of the model.
#include <QMatrix4x4>
#include <QOpenGLWidget>
#include <functional>
#include <map>
#include <optional>
#include <vector>

class QOpenGLFunctions_1_1;

namespace talmo {

class TglWindow : public QOpenGLWidget {
  Q_OBJECT

 public:
  explicit TglWindow(QWidget* parent = nullptr);
  ~TglWindow() override;

  // Whether this platform can create the OpenGL 1.x compatibility context the control needs.
  // A window without one shows a message instead of the control.
  static bool ContextAvailable();
  // Test hook: forces ContextAvailable's answer (nullopt: ask the platform again).
  static void ForceContextAvailable(std::optional<bool> available);

  // Owner callbacks: drawing of one frame, and the pointer events (state kept below).
  std::function<void()> OnPaint;
  std::function<void()> OnMouseDown, OnMouseUp, OnMouseMove;
  // Last pointer state.
  int xMouse = 0, YMouse = 0;
  Qt::MouseButtons ButtonMouse;
  Qt::KeyboardModifiers ShiftMouse;
  int KodeMouse = 0;  // 1 after a press, reset by the owner
  bool Drawing = false;

  // Owner flags: InitKode is 0 until the owner's set-up has run for the current state.
  int getInitKode() {
    const int kode = initKode_;
    initKode_ = 1;
    return kode;
  }
  void ResetInitKode() { initKode_ = 0; }
  void ResetKodeMouse() { KodeMouse = 0; }

  // Frame and state.
  void Clear(unsigned mask);
  void ClearColor(double red, double green, double blue, double alpha);
  void Flush();
  void Enable(unsigned capability);
  void Disable(unsigned capability);
  void ShadeModels(unsigned model);
  void BlendFunc(unsigned source, unsigned destination);
  void LineWidth(double pixels);
  // Matrices.
  void MatrixMode(unsigned mode);
  void LoadIdentity();
  void PushMatrix();
  void PopMatrix();
  void Rotate(double angle, double ax, double ay, double az);
  void Translate(double x, double y, double z);
  void Scale(double x, double y, double z);
  void Ortho(double minx, double maxx, double miny, double maxy, double minz, double maxz);
  QMatrix4x4 GetDoubleV(unsigned matrix);  // GL_MODELVIEW_MATRIX or GL_PROJECTION_MATRIX
  // Primitives.
  void glBegins(unsigned mode);
  void glEnds();
  void Vertex3(double x, double y, double z);
  void Color(double red, double green, double blue, double alpha = 1.0);
  // Display lists.
  void NewList(unsigned list);
  void EndList();
  void CallList(unsigned list);
  // Text (characters 32..126 only) at a model point, in the current colour; `lineOffset`
  // moves it down by that many text lines (labels that would cover each other).
  void WriteText(const QString& text, double x, double y, double z, int lineOffset = 0);
  void ClearErrors();

  int GetWindowWidth() const { return width(); }
  int GetWindowHeight() const { return height(); }
  // Whether the context turned out unusable when it was first made current.
  bool Failed() const { return failed_; }

 signals:
  // The context could not give the OpenGL 1.x functions.
  void ContextFailed();

 protected:
  void initializeGL() override;
  void resizeGL(int width, int height) override;
  void paintGL() override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  struct TLabel {
    QVector3D point;
    QString text;
    QColor colour;
    int lineOffset = 0;
  };
  void placeLabel(const TLabel& label);
  void keepPointer(QMouseEvent* event);

  QOpenGLFunctions_1_1* gl_ = nullptr;
  bool failed_ = false;
  int initKode_ = 0;
  QColor colour_ = Qt::black;
  unsigned compiling_ = 0;                       // the list being compiled, 0 when none
  std::map<unsigned, std::vector<TLabel>> listLabels_;
  std::vector<std::pair<QPointF, TLabel>> frameLabels_;  // placed text of the frame being drawn
  QFont font_;
};

}  // namespace talmo
