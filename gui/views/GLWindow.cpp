#include "GLWindow.h"

#include <QApplication>
#include <QMouseEvent>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QOpenGLFunctions_1_1>
#include <QOpenGLVersionFunctionsFactory>
#include <QPainter>

namespace talmo {

namespace {

std::optional<bool> forcedAvailability;

// Fixed-function drawing needs a compatibility profile; depth for the hidden surfaces.
QSurfaceFormat compatibilityFormat() {
  QSurfaceFormat format;
  format.setRenderableType(QSurfaceFormat::OpenGL);
  format.setVersion(2, 1);
  format.setProfile(QSurfaceFormat::CompatibilityProfile);
  format.setDepthBufferSize(24);
  format.setStencilBufferSize(0);
  format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
  return format;
}

}  // namespace

bool TglWindow::ContextAvailable() {
  if (forcedAvailability) return *forcedAvailability;
  QOpenGLContext context;
  context.setFormat(compatibilityFormat());
  if (!context.create()) return false;
  QOffscreenSurface surface;
  surface.setFormat(context.format());
  surface.create();
  if (!surface.isValid() || !context.makeCurrent(&surface)) return false;
  auto* functions = QOpenGLVersionFunctionsFactory::get<QOpenGLFunctions_1_1>(&context);
  const bool usable = functions != nullptr && functions->initializeOpenGLFunctions();
  context.doneCurrent();
  return usable;
}

void TglWindow::ForceContextAvailable(std::optional<bool> available) { forcedAvailability = available; }

TglWindow::TglWindow(QWidget* parent) : QOpenGLWidget(parent) {
  setFormat(compatibilityFormat());
  font_ = QFont("Times New Roman");
  font_.setPixelSize(14);
  font_.setBold(true);
  font_.setStyleHint(QFont::Serif, QFont::PreferAntialias);
  setMouseTracking(true);
}

TglWindow::~TglWindow() {
  makeCurrent();
  gl_ = nullptr;
  doneCurrent();
}

void TglWindow::initializeGL() {
  gl_ = QOpenGLVersionFunctionsFactory::get<QOpenGLFunctions_1_1>(context());
  if (gl_ == nullptr || !gl_->initializeOpenGLFunctions()) {
    gl_ = nullptr;
    failed_ = true;
    emit ContextFailed();
  }
}

void TglWindow::resizeGL(int width, int height) {
  if (gl_) gl_->glViewport(0, 0, width, height);
  initKode_ = 0;  // the owner's projection follows the new size
}

void TglWindow::paintGL() {
  if (gl_ == nullptr || !OnPaint) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  frameLabels_.clear();
  // Text of the previous frame went through QPainter's own pipeline: back to fixed function.
  context()->functions()->glUseProgram(0);
  const qreal ratio = devicePixelRatioF();
  gl_->glViewport(0, 0, int(width() * ratio), int(height() * ratio));
  gl_->glDisable(GL_TEXTURE_2D);
  gl_->glDisable(GL_SCISSOR_TEST);
  gl_->glDisable(GL_STENCIL_TEST);
  gl_->glDepthMask(GL_TRUE);
  gl_->glDepthFunc(GL_LESS);
  Drawing = true;
  try {
    OnPaint();
  } catch (const std::exception& e) {
    // An exception must not cross the paint event: the frame ends as drawn so far and the
    // context stays usable.
    qWarning("3D view: drawing stopped: %s", e.what());
  }
  Drawing = false;
  gl_->glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  ClearErrors();
  gl_->glFlush();
  if (!frameLabels_.empty()) {
    QPainter painter(this);
    painter.setFont(font_);
    const int lineHeight = painter.fontMetrics().height();
    for (const auto& [at, label] : frameLabels_) {
      painter.setPen(label.colour);
      painter.drawText(at + QPointF(0, label.lineOffset * lineHeight), label.text);
    }
  }
  QApplication::restoreOverrideCursor();
}

// ---------------------------------------------------------------- operations

void TglWindow::Clear(unsigned mask) {
  // The window is opaque: after the clear, drawing (blending included) leaves the alpha of
  // the frame at 1, so the frame shows its colours unchanged wherever it is composed.
  gl_->glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  gl_->glClear(mask);
  gl_->glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);
}
void TglWindow::ClearColor(double r, double g, double b, double a) { gl_->glClearColor(float(r), float(g), float(b), float(a)); }
void TglWindow::Flush() { gl_->glFlush(); }
void TglWindow::Enable(unsigned capability) { gl_->glEnable(capability); }
void TglWindow::Disable(unsigned capability) { gl_->glDisable(capability); }
void TglWindow::ShadeModels(unsigned model) { gl_->glShadeModel(model); }
void TglWindow::BlendFunc(unsigned source, unsigned destination) { gl_->glBlendFunc(source, destination); }
void TglWindow::LineWidth(double pixels) { gl_->glLineWidth(float(pixels)); }
void TglWindow::MatrixMode(unsigned mode) { gl_->glMatrixMode(mode); }
void TglWindow::LoadIdentity() { gl_->glLoadIdentity(); }
void TglWindow::PushMatrix() { gl_->glPushMatrix(); }
void TglWindow::PopMatrix() { gl_->glPopMatrix(); }
void TglWindow::Rotate(double angle, double ax, double ay, double az) { gl_->glRotated(angle, ax, ay, az); }
void TglWindow::Translate(double x, double y, double z) { gl_->glTranslated(x, y, z); }
void TglWindow::Scale(double x, double y, double z) { gl_->glScaled(x, y, z); }
void TglWindow::Ortho(double minx, double maxx, double miny, double maxy, double minz, double maxz) {
  gl_->glOrtho(minx, maxx, miny, maxy, minz, maxz);
}

QMatrix4x4 TglWindow::GetDoubleV(unsigned matrix) {
  double m[16];
  gl_->glGetDoublev(matrix, m);
  float f[16];
  for (int i = 0; i < 16; ++i) f[i] = float(m[i]);
  return QMatrix4x4(f).transposed();  // OpenGL keeps its matrices column by column
}

void TglWindow::glBegins(unsigned mode) { gl_->glBegin(mode); }
void TglWindow::glEnds() { gl_->glEnd(); }
void TglWindow::Vertex3(double x, double y, double z) { gl_->glVertex3d(x, y, z); }

void TglWindow::Color(double red, double green, double blue, double alpha) {
  gl_->glColor4d(red, green, blue, alpha);
  colour_ = QColor::fromRgbF(float(red), float(green), float(blue), float(alpha));
}

void TglWindow::NewList(unsigned list) {
  gl_->glNewList(list, GL_COMPILE);
  compiling_ = list;
  listLabels_[list].clear();
}

void TglWindow::EndList() {
  gl_->glEndList();
  compiling_ = 0;
}

void TglWindow::CallList(unsigned list) {
  gl_->glCallList(list);
  for (const TLabel& label : listLabels_[list]) placeLabel(label);
}

void TglWindow::WriteText(const QString& text, double x, double y, double z, int lineOffset) {
  QString shown;
  for (QChar c : text)
    if (c.unicode() >= 32 && c.unicode() < 127) shown += c;
  const TLabel label{QVector3D(float(x), float(y), float(z)), shown, colour_, lineOffset};
  if (compiling_ != 0) listLabels_[compiling_].push_back(label);
  else placeLabel(label);
}

void TglWindow::placeLabel(const TLabel& label) {
  // The window point of the label's model point under the current matrices and viewport.
  const QMatrix4x4 transform = GetDoubleV(GL_PROJECTION_MATRIX) * GetDoubleV(GL_MODELVIEW_MATRIX);
  const QVector4D clip = transform * QVector4D(label.point, 1.0f);
  if (clip.w() == 0) return;
  const double x = (clip.x() / clip.w() + 1) / 2 * width();
  const double y = (1 - (clip.y() / clip.w() + 1) / 2) * height();
  frameLabels_.push_back({QPointF(x, y), label});
}

void TglWindow::ClearErrors() {
  if (gl_ == nullptr) return;
  for (int guard = 0; guard < 32 && gl_->glGetError() != GL_NO_ERROR; ++guard) {
  }
}

// ---------------------------------------------------------------- pointer

void TglWindow::keepPointer(QMouseEvent* event) {
  xMouse = qRound(event->position().x());
  YMouse = qRound(event->position().y());
  ButtonMouse = event->buttons() | event->button();
  ShiftMouse = event->modifiers();
}

void TglWindow::mousePressEvent(QMouseEvent* event) {
  keepPointer(event);
  KodeMouse = 1;
  if (OnMouseDown) OnMouseDown();
}

void TglWindow::mouseReleaseEvent(QMouseEvent* event) {
  keepPointer(event);
  if (OnMouseUp) OnMouseUp();
}

void TglWindow::mouseMoveEvent(QMouseEvent* event) {
  keepPointer(event);
  if (OnMouseMove) OnMouseMove();
}

}  // namespace talmo
