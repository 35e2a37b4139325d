#include "BlockView.h"

#include <QLabel>
#include <QOpenGLFunctions_1_1>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "GLWindow.h"
#include "PileDiagrams.h"

namespace talmo {

namespace {

using V = QVector3D;

constexpr unsigned kLoadsList = 1;  // loads of the related programs: always empty here
constexpr unsigned kShaftList = 2;
constexpr unsigned kSoilList = 5;
constexpr int kFacets = 20;

const V kDarkGray(0.25f, 0.25f, 0.25f);
const V kOrange(1.0f, 0.5f, 0.0f);

V at(double x, double y, double z) { return V(float(x), float(y), float(z)); }

void colour(TglWindow& gl, const V& rgb, double alpha = 1.0) { gl.Color(rgb.x(), rgb.y(), rgb.z(), alpha); }

// A flat face wound so that its front (counter-clockwise on the screen) looks away from
// `inside`: back-face culling then hides the far side of a solid. The face normal comes from
// Newell's sum, which holds for any convex polygon.
void face(TglWindow& gl, std::vector<V> points, const V& inside) {
  V normal, centroid;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const V& a = points[i];
    const V& b = points[(i + 1) % points.size()];
    normal += V((a.y() - b.y()) * (a.z() + b.z()), (a.z() - b.z()) * (a.x() + b.x()), (a.x() - b.x()) * (a.y() + b.y()));
    centroid += a;
  }
  centroid /= float(points.size());
  if (normal.lengthSquared() == 0) return;  // a face of no area
  if (V::dotProduct(normal, centroid - inside) < 0) std::reverse(points.begin(), points.end());
  gl.glBegins(GL_POLYGON);
  for (const V& p : points) gl.Vertex3(p.x(), p.y(), p.z());
  gl.glEnds();
}

void lines(TglWindow& gl, unsigned mode, const std::vector<V>& points) {
  gl.glBegins(mode);
  for (const V& p : points) gl.Vertex3(p.x(), p.y(), p.z());
  gl.glEnds();
}

std::vector<V> circle(double diameter, double z) {
  std::vector<V> points;
  for (int k = 0; k < kFacets; ++k) {
    const double angle = 2 * std::numbers::pi * k / kFacets;
    points.push_back(at(diameter / 2 * std::cos(angle), diameter / 2 * std::sin(angle), z));
  }
  return points;
}

// Side of a (conical) cylinder from diameter `top` at z `zTop` down to `bottom` at `zBottom`.
void cylinderSide(TglWindow& gl, double top, double zTop, double bottom, double zBottom) {
  if (zTop <= zBottom) return;
  const auto upper = circle(top, zTop), lower = circle(bottom, zBottom);
  const V inside = at(0, 0, (zTop + zBottom) / 2);
  for (int k = 0; k < kFacets; ++k) {
    const int n = (k + 1) % kFacets;
    face(gl, {lower[k], lower[n], upper[n], upper[k]}, inside);
  }
}

void rim(TglWindow& gl, double diameter, double z) {
  colour(gl, kOrange);
  lines(gl, GL_LINE_LOOP, circle(diameter * 1.01, z));
}

// A filled disk facing up (`outward` +1) or down (-1) and its orange rim.
void disk(TglWindow& gl, double diameter, double z, int outward) {
  colour(gl, kDarkGray);
  face(gl, circle(diameter, z), at(0, 0, z - outward));
  rim(gl, diameter, z);
}

// A box of the given corners: translucent faces and opaque edges of one colour.
void box(TglWindow& gl, const V& low, const V& high, const V& rgb, double faceAlpha) {
  const V c[8] = {V(low.x(), low.y(), low.z()),   V(high.x(), low.y(), low.z()),   V(high.x(), high.y(), low.z()),
                  V(low.x(), high.y(), low.z()),  V(low.x(), low.y(), high.z()),   V(high.x(), low.y(), high.z()),
                  V(high.x(), high.y(), high.z()), V(low.x(), high.y(), high.z())};
  const V centre = (low + high) / 2;
  colour(gl, rgb);
  for (int k = 0; k < 4; ++k) lines(gl, GL_LINES, {c[k], c[(k + 1) % 4], c[k + 4], c[(k + 1) % 4 + 4], c[k], c[k + 4]});
  colour(gl, rgb, faceAlpha);
  const int faces[6][4] = {{0, 1, 2, 3}, {4, 5, 6, 7}, {0, 1, 5, 4}, {1, 2, 6, 5}, {2, 3, 7, 6}, {3, 0, 4, 7}};
  for (const auto& f : faces) face(gl, {c[f[0]], c[f[1]], c[f[2]], c[f[3]]}, centre);
}

}  // namespace

TDlgBlock::TDlgBlock(TEditorHost& host, TMainPlots& plots, QWidget* parent)
    : QWidget(parent), host_(host), plots_(plots) {
  setWindowTitle("3-D View");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  profile_ = ShaftProfileOf(host_.Project());
  extents_ = BlockExtents(profile_);
  if (!TglWindow::ContextAvailable()) {
    showNoOpenGL();
  } else {
    gl_ = new TglWindow(this);
    layout->addWidget(gl_);
    gl_->OnPaint = [this] { paintFrame(); };
    gl_->OnMouseDown = [this] { mouseDown(); };
    gl_->OnMouseMove = [this] { mouseMove(); };
    gl_->OnMouseUp = [this] { mouseUp(); };
    connect(gl_, &TglWindow::ContextFailed, this, &TDlgBlock::showNoOpenGL, Qt::QueuedConnection);
  }
  resize(640, 600);
}

TDlgBlock::~TDlgBlock() {
  if (pileDiagrams_) delete pileDiagrams_;
}

void TDlgBlock::showNoOpenGL() {
  if (message_) return;
  if (gl_) {
    gl_->hide();
    gl_->deleteLater();
    gl_ = nullptr;
  }
  message_ = new QLabel(
      "The 3-D view cannot be shown: no OpenGL rendering is available on this display.\n"
      "The rest of the program works as usual; the elevation view shows the profile without OpenGL.",
      this);
  message_->setAlignment(Qt::AlignCenter);
  message_->setWordWrap(true);
  layout()->addWidget(message_);
}

void TDlgBlock::ApplyOptions() {
  if (!gl_) return;
  gl_->ResetInitKode();
  gl_->update();
}

void TDlgBlock::SetMouseOption(int option) { mouseOption_ = option; }

void TDlgBlock::ZoomIn() {
  state_.zoom *= 1.4142;
  if (gl_) gl_->update();
}

void TDlgBlock::ZoomOut() {
  state_.zoom *= 0.7071135624381275633;  // 1 / 1.4142: one Zoom Out undoes one Zoom In
  if (gl_) gl_->update();
}

void TDlgBlock::RestartView() {
  state_ = TBlockViewState{};
  if (gl_) gl_->update();
}

TDlgPileDiagrams* TDlgBlock::CombinedPlotsOptions() const { return pileDiagrams_; }

void TDlgBlock::ShowCombinedPlotsOptions() {
  if (!pileDiagrams_) pileDiagrams_ = new TDlgPileDiagrams(*this, window());
  pileDiagrams_->show();
  pileDiagrams_->raise();
  pileDiagrams_->activateWindow();
}

// ---------------------------------------------------------------- drawing

void TDlgBlock::setUp() {
  TglWindow& gl = *gl_;
  profile_ = ShaftProfileOf(host_.Project());
  const int w = gl.GetWindowWidth(), h = gl.GetWindowHeight();
  gl.ClearColor(1, 1, 1, 1);
  gl.MatrixMode(GL_PROJECTION);
  gl.LoadIdentity();
  // The box spans the window in pixels, centred on the origin.
  const double halfX = w / 2.0, halfY = h / 2.0;
  const double depth = BlockDepthRange(extents_, profile_.D, w, h);
  gl.Ortho(-halfX, halfX, -halfY, halfY, -depth, depth);
  gl.MatrixMode(GL_MODELVIEW);
  fitScale_ = BlockFitScale(extents_, w, h);
  gl.NewList(kLoadsList);
  gl.EndList();
  gl.NewList(kSoilList);
  compileWaterAndSoil();
  gl.EndList();
  gl.NewList(kShaftList);
  compileShaftAndCurves();
  gl.EndList();
}

void TDlgBlock::paintFrame() {
  TglWindow& gl = *gl_;
  if (gl.getInitKode() == 0) setUp();
  gl.Clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  gl.MatrixMode(GL_MODELVIEW);
  gl.LoadIdentity();
  gl.ShadeModels(GL_SMOOTH);
  gl.Enable(GL_DEPTH_TEST);
  gl.Enable(GL_CULL_FACE);
  gl.PushMatrix();
  // Model z up on the screen and y into it, then the user's rotation.
  gl.Rotate(-90, 1, 0, 0);
  gl.Rotate(state_.angles.x(), 1, 0, 0);
  gl.Rotate(state_.angles.y(), 0, 1, 0);
  gl.Rotate(state_.angles.z(), 0, 0, 1);
  const double scale = state_.zoom * fitScale_;
  gl.Scale(scale, scale, scale);
  gl.Translate(0, 0, extents_.Zmax / 2);  // the middle of the depth range at the centre
  gl.Translate(state_.pan.x(), 0, 0);
  gl.Translate(0, state_.pan.y(), 0);
  gl.Translate(0, 0, state_.pan.z());
  snapshot_ = gl.GetDoubleV(GL_MODELVIEW_MATRIX);
  // The opaque shaft before the translucent soil.
  gl.CallList(kLoadsList);
  gl.CallList(kShaftList);
  gl.CallList(kSoilList);
  gl.Disable(GL_DEPTH_TEST);
  if (options_.ShowLocalAxes) drawAxes();
  gl.PopMatrix();
  if (draggingBox_) drawZoomBox();
}

void TDlgBlock::compileWaterAndSoil() {
  TglWindow& gl = *gl_;
  const TShaftProfile& s = profile_;
  const double G = extents_.G, D = s.D;
  gl.Enable(GL_BLEND);
  gl.BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  if (options_.ShowWaterLevel && s.W > 0) {
    const double z = -s.W;
    const V blue(0, 0, 1);
    const std::vector<V> plane = {at(-G, -G, z), at(G, -G, z), at(G, G, z), at(-G, G, z)};
    colour(gl, blue);
    lines(gl, GL_LINE_LOOP, plane);
    // Seen from above and from below.
    colour(gl, blue, 0.75);
    face(gl, plane, at(0, 0, z - 1));
    face(gl, plane, at(0, 0, z + 1));
    // The water symbols: inverted square pyramids with their apex on the water surface.
    for (int i = 0; i < 5; ++i) {
      for (int j = 0; j < 5; ++j) {
        const double cx = -G + D / 2 + i * (2 * G - D) / 4, cy = -G + D / 2 + j * (2 * G - D) / 4;
        const V apex = at(cx, cy, z);
        const double q = D / 4, top = z + D / 2;
        const std::vector<V> square = {at(cx - q, cy - q, top), at(cx + q, cy - q, top), at(cx + q, cy + q, top),
                                       at(cx - q, cy + q, top)};
        const V inside = at(cx, cy, z + D / 3);
        colour(gl, blue);
        lines(gl, GL_LINE_LOOP, square);
        for (const V& corner : square) lines(gl, GL_LINES, {apex, corner});
        colour(gl, blue, 0.5);
        face(gl, square, inside);
        for (int k = 0; k < 4; ++k) face(gl, {apex, square[k], square[(k + 1) % 4]}, inside);
      }
    }
  }
  if (!options_.ShowSoilLayers) return;
  for (std::size_t i = 0; i < s.layers.size(); ++i) {
    const double t = s.LayerTop(i), b = s.layers[i].bottomDepth;
    const auto rgb = BlockLayerColour(int(i));
    box(gl, at(-G, -G, -b), at(G, G, -t), at(rgb[0], rgb[1], rgb[2]), 0.5);
  }
  gl.Color(0, 0, 0);
  for (std::size_t i = 0; i < s.layers.size(); ++i) {
    const double t = s.LayerTop(i), b = s.layers[i].bottomDepth;
    if (options_.ShowSoilLayerDepthLabels) {
      gl.WriteText(QString::fromStdString(BlockValueLabel(t)), -G, -G, -t);
      if (i + 1 == s.layers.size()) gl.WriteText(QString::fromStdString(BlockValueLabel(b)), -G, -G, -b);
    }
    if (options_.ShowSoilLayerLabels)
      gl.WriteText(QString::fromStdString(BlockSoilName(s.layers[i].type, int(i) + 1)), G, G, -(t + b) / 2);
  }
}

void TDlgBlock::compileShaftAndCurves() {
  TglWindow& gl = *gl_;
  const TShaftProfile& s = profile_;
  const double D = s.D, T = s.T, B = s.B, L = s.L;
  if (options_.ShowShaft && D > 0) {
    const double hb = BellHeight(D, s.R, s.A);
    const bool belled = hb > 0;
    const V excluded = belled ? V(0.25f, 0.25f, 0) : V(0.5f, 0.5f, 0);
    disk(gl, D, 0, +1);
    if (T > 0) {
      colour(gl, excluded);
      cylinderSide(gl, D, 0, D, -T);
      rim(gl, D, -T);
    }
    colour(gl, kDarkGray);
    cylinderSide(gl, D, -T, D, -(L - B - hb));
    if (B > 0) {
      colour(gl, excluded);
      cylinderSide(gl, D, -(L - B - hb), D, -(L - hb));
      rim(gl, D, -(L - B - hb));
    }
    if (belled) {
      colour(gl, kDarkGray);
      cylinderSide(gl, D, -(L - hb), s.R * D, -L);
      rim(gl, D, -(L - hb));
    }
    disk(gl, belled ? s.R * D : D, -L, -1);
  }
  if (!options_.ShowUltimateEffects || !plots_.ShowOutput) return;
  const TGraphPlot& plot = options_.ShowUltimateResults == 1 ? plots_.pltCombineD : plots_.pltCombine;
  const TProgramData& p = host_.Project();
  const auto strips =
      CombinedCurveStrips(plot, s, p.UseElevation == 1, p.ValElevation, options_.UltimateEffectsFactor);
  const bool shown[3] = {options_.ShowSkinFriction, options_.ShowTipResistance, options_.ShowTotalCapacity};
  const V colours[3] = {V(1, 0, 0), V(0, 0.6f, 0), V(0, 0, 1)};
  std::vector<double> labelDepths;  // largest values already labelled
  for (std::size_t i = 0; i < strips.size(); ++i) {
    if (!shown[i]) continue;
    colour(gl, colours[i]);
    // Twice as wide as the model's edges: the curves lie behind the translucent soil.
    gl.LineWidth(2);
    for (const auto& q : strips[i].quads) lines(gl, GL_LINE_LOOP, {at(q[0].x, 0, q[0].y), at(q[1].x, 0, q[1].y),
                                                                  at(q[2].x, 0, q[2].y), at(q[3].x, 0, q[3].y)});
    gl.LineWidth(1);
    if (options_.ShowUltimateEffectsValues) {
      // Curves often peak at the same depth (the tip): their labels go one under the other.
      const int below = int(std::count_if(labelDepths.begin(), labelDepths.end(), [&](double depth) {
        return std::fabs(depth - strips[i].maxDepth) < 0.02 * extents_.Zmax;
      }));
      labelDepths.push_back(strips[i].maxDepth);
      gl.WriteText(QString::fromStdString(BlockValueLabel(strips[i].maxValue)), strips[i].labelX, 0,
                   -strips[i].maxDepth, below);
    }
  }
}

void TDlgBlock::drawAxes() {
  TglWindow& gl = *gl_;
  // 80 pixels long whatever the zoom.
  const double a = 80 / (fitScale_ * state_.zoom);
  const struct {
    V tip, rgb;
    const char* name;
  } axes[] = {{at(a, 0, 0), V(0, 0, 1), "X"}, {at(0, a, 0), V(0, 0.6f, 0), "Y"}, {at(0, 0, -a), V(1, 0, 0), "D"}};
  for (const auto& axis : axes) {
    colour(gl, axis.rgb);
    lines(gl, GL_LINES, {V(0, 0, 0), axis.tip});
    gl.WriteText(axis.name, axis.tip.x(), axis.tip.y(), axis.tip.z());
  }
}

void TDlgBlock::drawZoomBox() {
  TglWindow& gl = *gl_;
  const double w = gl.GetWindowWidth(), h = gl.GetWindowHeight();
  auto corner = [&](int x, int y) { return at(x - w / 2, h / 2 - y, 0); };
  colour(gl, V(0, 0.8f, 0));
  lines(gl, GL_LINE_LOOP, {corner(press_.x(), press_.y()), corner(boxCorner_.x(), press_.y()),
                           corner(boxCorner_.x(), boxCorner_.y()), corner(press_.x(), boxCorner_.y())});
}

// ---------------------------------------------------------------- mouse

QVector3D TDlgBlock::toModel(double dx, double dy) const {
  // The snapshot is rotation times scale s; its transpose divided by s squared undoes both.
  const double s = fitScale_ * pressState_.zoom;
  if (!(s > 0)) return {};
  const QVector4D model = pressSnapshot_.transposed() * QVector4D(float(dx), float(dy), 0, 0);
  return model.toVector3D() / float(s * s);
}

void TDlgBlock::mouseDown() {
  if (!(gl_->ButtonMouse & Qt::LeftButton) || mouseOption_ == 0) return;
  press_ = QPoint(gl_->xMouse, gl_->YMouse);
  boxCorner_ = press_;
  pressState_ = state_;
  pressSnapshot_ = snapshot_;
  dragging_ = true;
  draggingBox_ = mouseOption_ == 4;
}

void TDlgBlock::mouseMove() {
  if (!dragging_ || !(gl_->ButtonMouse & Qt::LeftButton)) return;
  const double w = std::max(1, gl_->GetWindowWidth()), h = std::max(1, gl_->GetWindowHeight());
  const bool constrained = gl_->ShiftMouse & Qt::ShiftModifier;
  // Shift keeps the drag's dominant direction only.
  auto constrain = [constrained](double& first, double& second) {
    if (!constrained) return;
    if (std::fabs(first) < std::fabs(second)) first = 0;
    else second = 0;
  };
  const int X = gl_->xMouse, Y = gl_->YMouse;
  switch (mouseOption_) {
    case 1: {
      double dx = X - press_.x(), dy = press_.y() - Y;
      constrain(dx, dy);
      state_.pan = pressState_.pan + toModel(dx, dy);
      break;
    }
    case 2:
      // Dragging up enlarges; the zoom never reaches zero or turns the model inside out.
      state_.zoom = pressState_.zoom * std::max(0.01, 1 - (Y - press_.y()) / h);
      break;
    case 3: {
      double a = (Y - press_.y()) * 90 / h, b = (X - press_.x()) * 90 / w;
      constrain(a, b);
      const QVector3D axis = (pressSnapshot_.transposed() * QVector4D(float(a), float(b), 0, 0)).toVector3D();
      if (axis.lengthSquared() > 0)
        state_.angles = pressState_.angles + axis.normalized() * float(std::sqrt(a * a + b * b));
      break;
    }
    case 4: boxCorner_ = QPoint(X, Y); break;
    default: return;
  }
  gl_->update();
}

void TDlgBlock::mouseUp() {
  if (!dragging_) return;
  dragging_ = false;
  if (!draggingBox_) return;
  draggingBox_ = false;
  const double w = gl_->GetWindowWidth(), h = gl_->GetWindowHeight();
  const double boxWidth = std::abs(gl_->xMouse - press_.x()), boxHeight = std::abs(gl_->YMouse - press_.y());
  if (boxWidth > 0 && boxHeight > 0) {
    // The box centre moves to the window centre, then the box fills the window.
    const double cx = (gl_->xMouse + press_.x()) / 2.0, cy = (gl_->YMouse + press_.y()) / 2.0;
    state_.pan = pressState_.pan + toModel(w / 2 - cx, cy - h / 2);
    state_.zoom = pressState_.zoom * std::min(h / boxHeight, w / boxWidth);
  }
  gl_->update();
}

}  // namespace talmo
