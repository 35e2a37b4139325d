#include "transfer_curves.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "fixed_format.h"
#include "units.h"

namespace talmo {
namespace {

constexpr int kSegments = kNormalisedPoints - 1;  // points after the origin
using Line = std::array<Real, kSegments>;

// Normalised side transfer: z / D against t / tmax.
constexpr Line kSideMovement = {0.001f, 0.002f, 0.003f, 0.005f, 0.006f, 0.008f, 0.012f, 0.016f, 0.02f};
// [family][kind - 1]: trend, upper bound, lower bound.
constexpr std::array<std::array<Line, 3>, 2> kSideValue = {{
    {{// cohesionless
      {0.335f, 0.58f, 0.72f, 0.86f, 0.91f, 0.95f, 0.965f, 0.96f, 0.95f},
      {0.45f, 0.76f, 0.9f, 0.98f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f},
      {0.22f, 0.4f, 0.54f, 0.74f, 0.82f, 0.9f, 0.93f, 0.92f, 0.9f}}},
    {{// cohesive
      {0.51f, 0.72f, 0.9f, 0.925f, 0.945f, 0.955f, 0.925f, 0.9f, 0.835f},
      {0.74f, 0.92f, 0.97f, 1.01f, 1.02f, 1.02f, 1.0f, 0.96f, 0.92f},
      {0.29f, 0.52f, 0.7f, 0.84f, 0.87f, 0.89f, 0.85f, 0.8f, 0.75f}}},
}};

// Normalised base transfer: w / B against Q / Qb.
constexpr Line kBaseMovement = {0.005f, 0.01f, 0.015f, 0.025f, 0.03f, 0.04f, 0.05f, 0.07f, 0.1f};
constexpr std::array<std::array<Line, 3>, 2> kBaseValue = {{
    {{// cohesionless
      {0.175f, 0.345f, 0.485f, 0.64f, 0.73f, 0.88f, 1.015f, 1.195f, 1.46f},
      {0.25f, 0.48f, 0.67f, 0.76f, 0.84f, 0.96f, 1.08f, 1.28f, 1.61f},
      {0.1f, 0.21f, 0.3f, 0.52f, 0.62f, 0.8f, 0.95f, 1.11f, 1.32f}}},
    {{// cohesive
      {0.395f, 0.56f, 0.7f, 0.865f, 0.9f, 0.95f, 0.97f, 0.98f, 0.991f},
      {0.59f, 0.75f, 0.86f, 0.96f, 0.98f, 0.995f, 0.995f, 0.994f, 0.992f},
      {0.2f, 0.37f, 0.54f, 0.77f, 0.82f, 0.9f, 0.94f, 0.97f, 0.99f}}},
}};

constexpr Real kSameDepth = 0.001f;      // in: closer profile points count as one
constexpr Real kExtentTolerance = 0.1f;  // in: how far past its data a depth may lie
constexpr Real kLayerSiteOffset = 12.01f;  // in: first one-foot step of a lower layer
constexpr Real kBottomSiteOffset = 0.01f;  // in: keeps the bottom site inside its layer

int familyIndex(CurveFamily family) { return family == CurveFamily::cohesionless ? 0 : 1; }

int kindIndex(CurveKind kind) {
  const int k = static_cast<int>(kind);
  return (k >= 1 && k <= 3) ? k - 1 : 0;
}

TransferCurve scaledCurve(const Line& movement, const Line& value, Real length, Real peak) {
  TransferCurve curve;
  curve.tmax = peak;
  curve.points.resize(kNormalisedPoints);  // the first is the origin
  for (int k = 0; k < kSegments; ++k) curve.points[k + 1] = {movement[k] * length, value[k] * peak};
  return curve;
}

Real lerp(Real a, Real b, Real fraction) { return a + (b - a) * fraction; }

// Where a movement x falls on a curve: before the first point, beyond the last, or between
// points k - 1 and k at `fraction` of the way.
struct MovementBracket {
  std::size_t k = 0;  // first point at or beyond x; the point count when there is none
  Real fraction = 0;
  bool between = false;
};

[[gnu::always_inline]] inline MovementBracket movementBracket(const CurvePoints& points, Real x) {
  const CurvePoint* p = points.data();
  const std::size_t n = points.size();
  MovementBracket b;
  while (b.k < n && !(p[b.k].movement >= x)) ++b.k;
  if (b.k == 0 || b.k == n) return b;
  const Real span = p[b.k].movement - p[b.k - 1].movement;
  // A degenerate curve (zero diameter) has coincident points: take the one reached.
  if (span <= 0) return b;
  b.fraction = (x - p[b.k - 1].movement) / span;
  b.between = true;
  return b;
}

[[gnu::always_inline]] inline Real valueInBracket(const CurvePoints& points, const MovementBracket& b) {
  const CurvePoint* p = points.data();
  const std::size_t n = points.size();
  if (n == 0) return 0;
  if (b.k == n) return p[n - 1].value;
  if (!b.between) return p[b.k].value;
  return lerp(p[b.k - 1].value, p[b.k].value, b.fraction);
}

// Layer holding `depth`: top <= depth < bottom, so a boundary belongs to the lower layer; the
// first layer above the profile, the deepest below it.
int layerTypeAt(std::span<const TransferLayer> layers, Real depth) {
  for (const auto& layer : layers)
    if (depth < layer.XBOT) return layer.KSOIL;
  return layers.back().KSOIL;
}

}  // namespace

CurveFamily sideCurveFamily(int KSOIL) {
  return KSOIL == 1 ? CurveFamily::cohesionless : CurveFamily::cohesive;
}

CurveFamily baseCurveFamily(int KSOIL) {
  return (KSOIL == 1 || KSOIL == 8 || KSOIL == 9) ? CurveFamily::cohesionless : CurveFamily::cohesive;
}

TransferCurve sideCurve(CurveFamily family, CurveKind kind, Real D, Real tmax) {
  return scaledCurve(kSideMovement, kSideValue[familyIndex(family)][kindIndex(kind)], D, tmax);
}

TransferCurve baseCurve(CurveFamily family, CurveKind kind, Real B, Real Qb) {
  return scaledCurve(kBaseMovement, kBaseValue[familyIndex(family)][kindIndex(kind)], B, Qb);
}

Real valueAtMovement(const TransferCurve& curve, Real x) {
  return valueInBracket(curve.points, movementBracket(curve.points, x));
}

namespace {

// The value at `depth` given i, the first point of the profile deeper than it.
DepthLookup profileValue(std::span<const StrengthPoint> profile, std::size_t i, Real depth) {
  if (i == profile.size())
    return {profile.back().value, depth - profile.back().depth >= kExtentTolerance};
  if (i == 0) return {profile.front().value, false};
  const auto& above = profile[i - 1];
  const auto& below = profile[i];
  const Real span = below.depth - above.depth;
  if (span < kSameDepth) return {(above.value + below.value) / 2, false};
  return {lerp(above.value, below.value, (depth - above.depth) / span), false};
}

// Every depth at or below the one before it (a depth that is not a number is not).
bool sortedByDepth(std::span<const StrengthPoint> profile) {
  return std::adjacent_find(profile.begin(), profile.end(), [](const StrengthPoint& a, const StrengthPoint& b) {
           return !(a.depth <= b.depth);
         }) == profile.end();
}

// As interpolateProfile, for a sorted profile and depths taken in increasing order: the search
// goes on from `from`, where the previous one ended, when every point before it lies at or above
// this depth too (else it starts again at the top).
DepthLookup interpolateOnward(std::span<const StrengthPoint> profile, Real depth, std::size_t& from) {
  if (profile.empty()) return {0, true};
  if (from > profile.size() || (from > 0 && !(profile[from - 1].depth <= depth))) from = 0;
  while (from < profile.size() && profile[from].depth <= depth) ++from;
  return profileValue(profile, from, depth);
}

}  // namespace

DepthLookup interpolateProfile(std::span<const StrengthPoint> profile, Real depth) {
  if (profile.empty()) return {0, true};
  // The profile is sorted by depth: the first point deeper than `depth` by binary search.
  const auto i = static_cast<std::size_t>(
      std::partition_point(profile.begin(), profile.end(), [depth](const StrengthPoint& p) { return p.depth <= depth; }) -
      profile.begin());
  return profileValue(profile, i, depth);
}

bool shareMovements(std::span<const TransferCurve> curves) {
  auto sameAsFirst = [&](const TransferCurve& c) {
    const auto& a = curves.front().points;
    return c.points.size() == a.size() &&
           std::equal(a.begin(), a.end(), c.points.begin(),
                      [](const CurvePoint& p, const CurvePoint& q) { return p.movement == q.movement; });
  };
  return !curves.empty() && std::all_of(curves.begin(), curves.end(), sameAsFirst);
}

namespace {

// Sites and curves alike: anything sorted by a `depth` member.
template <class AtDepth>
CurvePlacement placeAmong(std::span<const AtDepth> curves, Real depth) {
  CurvePlacement at;
  if (curves.empty()) return at;
  at.hasCurves = true;
  // The curves are sorted by depth: the first at or below `depth` by binary search.
  const auto i = static_cast<std::size_t>(
      std::partition_point(curves.begin(), curves.end(), [depth](const AtDepth& c) { return c.depth < depth; }) -
      curves.begin());
  if (i == curves.size()) {
    at.below = curves.size() - 1;
    at.beyondExtent = depth - curves.back().depth >= kExtentTolerance;
    return at;
  }
  at.below = i;
  at.beyondExtent = i == 0 && curves.front().depth - depth >= kExtentTolerance;
  if (i == 0) return at;
  const Real span = curves[i].depth - curves[i - 1].depth;
  if (span < kSameDepth) return at;
  at.hasAbove = true;
  at.fraction = (depth - curves[i - 1].depth) / span;
  return at;
}

}  // namespace

CurvePlacement placeAmongCurves(std::span<const TransferCurve> curves, Real depth) { return placeAmong(curves, depth); }

CurvePlacement placeAmongCurves(std::span<const CurveSite> sites, Real depth) { return placeAmong(sites, depth); }

DepthTransfer::DepthTransfer(std::span<const TransferCurve> curves, Real depth, bool curvesShareMovements)
    : DepthTransfer(curves, placeAmongCurves(curves, depth), curvesShareMovements) {}

DepthTransfer::DepthTransfer(std::span<const TransferCurve> curves, const CurvePlacement& at,
                             bool curvesShareMovements) {
  beyondExtent_ = at.beyondExtent;
  if (!at.hasCurves) return;
  below_ = &curves[at.below];
  belowPoints_ = below_->points.data();
  count_ = below_->points.size();
  if (!at.hasAbove) return;
  above_ = &curves[at.below - 1];
  fraction_ = at.fraction;
  if (curvesShareMovements || shareMovements(curves.subspan(at.below - 1, 2))) abovePoints_ = above_->points.data();
}

Real DepthTransfer::valueAt(Real movement) const {
  if (!below_) return 0;
  const MovementBracket b = movementBracket(below_->points, movement);
  const Real below = valueInBracket(below_->points, b);
  if (!above_) return below;
  const Real above =
      valueInBracket(above_->points, abovePoints_ ? b : movementBracket(above_->points, movement));
  return lerp(above, below, fraction_);
}

bool movementsAscend(const TransferCurve& curve) {
  const auto& p = curve.points;
  return std::adjacent_find(p.begin(), p.end(), [](const CurvePoint& a, const CurvePoint& b) {
           return !(a.movement <= b.movement);
         }) == p.end();
}

DepthLookup sideTransferAt(std::span<const TransferCurve> curves, Real depth, Real movement) {
  const DepthTransfer transfer(curves, depth);
  return {transfer.valueAt(movement), transfer.beyondExtent()};
}

WorkProfile workProfile(std::span<const TransferLayer> layersFt, std::span<const StrengthPoint> boundaryTsf,
                        std::span<const StrengthPoint> oneFootTsf) {
  WorkProfile work;
  for (std::size_t j = 0; j < layersFt.size(); ++j) {
    TransferLayer layer{layersFt[j].XTOP * kInPerFt, layersFt[j].XBOT * kInPerFt, layersFt[j].KSOIL};
    if (j > 0) layer.XTOP = work.layers.back().XBOT;
    // Checked after the top is joined to the layer above, so the fix cannot be undone by it.
    if (layer.XBOT - layer.XTOP <= 1e-12f) layer.XBOT = layer.XTOP + 0.1f;
    work.layers.push_back(layer);
  }
  const auto convert = [](std::span<const StrengthPoint> in) {
    std::vector<StrengthPoint> out;
    out.reserve(in.size());
    for (const auto& p : in) out.push_back({p.depth * kInPerFt, p.value * kPsiPerTsf});
    return out;
  };
  work.boundary = convert(boundaryTsf);
  work.oneFoot = convert(oneFootTsf);
  return work;
}

std::vector<CurveSite> curveSites(std::span<const TransferLayer> layers) {
  std::vector<CurveSite> sites;
  sites.reserve(5 * layers.size());
  for (std::size_t j = 0; j < layers.size(); ++j) {
    const Real t = layers[j].XTOP;
    const Real b = layers[j].XBOT;
    const Real c = (t + b) / 2;
    const Real e = std::max(t, b - kBottomSiteOffset);
    const Real s = j == 0 ? t : std::min(t + kLayerSiteOffset, c);
    std::array<Real, 5> depths = {s, (t + c) / 2, c, (c + e) / 2, e};
    std::sort(depths.begin(), depths.end());
    for (Real d : depths) sites.push_back({d, layers[j].KSOIL});
  }
  return sites;
}

SideCurveSites sideCurveSites(const WorkProfile& profile) {
  SideCurveSites out;
  out.sites = curveSites(profile.layers);
  out.tmax.reserve(out.sites.size());
  // The sites go down the profiles: each look-up goes on from the previous one.
  const bool onward = sortedByDepth(profile.boundary) && sortedByDepth(profile.oneFoot);
  std::size_t boundaryFrom = 0, oneFootFrom = 0;
  auto lookUp = [onward](std::span<const StrengthPoint> p, Real depth, std::size_t& from) {
    return onward ? interpolateOnward(p, depth, from) : interpolateProfile(p, depth);
  };
  const auto& sites = out.sites;
  for (std::size_t m = 0; m < sites.size(); ++m) {
    const auto boundary = lookUp(profile.boundary, sites[m].depth, boundaryFrom);
    if (boundary.beyondExtent) {
      out.warningLines = extentWarningLines(kStatusStrengthCurveDepth, sites[m].depth);
      out.status = kStatusStrengthCurveDepth;
      return out;
    }
    Real tmax = boundary.value;
    // The one-foot profile holds the unit side resistance each step of the capacity computation
    // used; the deepest site, at the bottom of the profile, keeps the boundary value.
    if (m + 1 < sites.size() && !profile.oneFoot.empty())
      tmax = lookUp(profile.oneFoot, sites[m].depth, oneFootFrom).value;
    out.tmax.push_back(tmax);
  }
  return out;
}

CurveSet sideCurvesAt(const SideCurveSites& sites, Real D, CurveKind kind) {
  CurveSet set;
  set.warningLines = sites.warningLines;
  set.status = sites.status;
  set.curves.resize(sites.tmax.size());
  for (std::size_t m = 0; m < sites.tmax.size(); ++m) {
    TransferCurve& curve = set.curves[m];
    curve = sideCurve(sideCurveFamily(sites.sites[m].KSOIL), kind, D, sites.tmax[m]);
    curve.depth = sites.sites[m].depth;
    curve.KSOIL = sites.sites[m].KSOIL;
  }
  // Every curve is scaled from the same normalised movements by the same diameter, so the
  // curves share their movements unless those are not numbers.
  set.movementsShared = !set.curves.empty() &&
                        std::all_of(set.curves.front().points.begin(), set.curves.front().points.end(),
                                    [](const CurvePoint& p) { return p.movement == p.movement; });
  return set;
}

CurveSet buildSideCurves(const WorkProfile& profile, Real D, CurveKind kind) {
  return sideCurvesAt(sideCurveSites(profile), D, kind);
}

CurveSet extraSideCurves(const WorkProfile& profile, std::span<const Real> depths, Real D, CurveKind kind) {
  CurveSet set;
  if (profile.layers.empty()) return set;
  for (Real depth : depths) {
    const auto boundary = interpolateProfile(profile.boundary, depth);
    if (boundary.beyondExtent) {
      const auto lines = extentWarningLines(kStatusStrengthCurveDepth, depth);
      set.warningLines.insert(set.warningLines.end(), lines.begin(), lines.end());
      set.status = kStatusStrengthCurveDepth;
    }
    const int KSOIL = layerTypeAt(profile.layers, depth);
    auto curve = sideCurve(sideCurveFamily(KSOIL), kind, D, boundary.value);
    curve.depth = depth;
    curve.KSOIL = KSOIL;
    set.curves.push_back(std::move(curve));
  }
  return set;
}

BaseCurveResult buildBaseCurve(const WorkProfile& profile, int tipKSOIL, Real L, Real D, Real Bb, Real Qb,
                               CurveKind kind) {
  BaseCurveResult result;
  const CurveFamily family = baseCurveFamily(tipKSOIL);
  if (family == CurveFamily::cohesive && (profile.boundary.empty() || L > profile.boundary.back().depth)) {
    result.warningLines = extentWarningLines(kStatusStrengthCurveValue, L);
    result.status = kStatusStrengthCurveValue;
    return result;
  }
  result.curve = baseCurve(family, kind, std::max(Bb, D), Qb);
  result.curve.depth = L;
  result.curve.KSOIL = tipKSOIL;
  return result;
}

std::vector<std::string> extentWarningLines(int status, Real x) {
  std::string line = "THE VALUE OF X =";
  switch (status) {
    case kStatusStrengthCurveDepth:
      line += fmt::E(x, 10, 3) + "IS BEYOND THE EXTENT OF THE INPUT STRENGTH CURVE 1";
      break;
    case kStatusStrengthCurveValue:
      line += fmt::E(x, 9, 2) + " IS BEYOND THE EXTENT OF THE INPUT STRENGTH CURVE";
      break;
    case kStatusTransferLimit:
      line += fmt::E(x, 10, 3) + " IS BEYOND THE EXTENT OF THE INPUT LOAD TRANSFER CURVES";
      break;
    default:
      return {};
  }
  return {"**** WARNING ****", line};
}

}  // namespace talmo
