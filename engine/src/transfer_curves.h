#pragma once
// Load-transfer curves of a drilled shaft in soil: side transfer t versus shaft movement z
// (t-z curves) along the shaft and tip load Q versus tip movement w (q-w curve) at the base,
// scaled from the normalised trend, upper-bound and lower-bound lines of the FHWA drilled-shaft
// method (O'Neill and Reese).
//
// Work units: inches for depths, diameters and movements; psi for unit side transfer; lb for
// tip loads. `workProfile` converts the engine's ft/tsf inputs once.
#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "curve_points.h"
#include "real.h"
#include "talmo/engine.h"

namespace talmo {

// Which normalised line a load-settlement pass uses; the values are the curve-kind codes.
enum class CurveKind : int { trend = 1, upperBound = 2, lowerBound = 3 };

enum class CurveFamily { cohesionless, cohesive };

// Side curves: sand (KSOIL 1) is cohesionless; every other type transfers side load like a
// cohesive material.
CurveFamily sideCurveFamily(int KSOIL);
// Base curve: sand, gravelly sand and gravel (1, 8, 9) are cohesionless; types 2 to 7 cohesive.
CurveFamily baseCurveFamily(int KSOIL);

// Run statuses this computation can leave (talmo/engine.h): kStatusStrengthCurveDepth (2), a
// curve site below the strength profile; kStatusStrengthCurveValue (4), the shaft tip below it;
// kStatusTransferLimit (5), a segment outside the t-z curves. The driver stops the passes on any.

// One t-z or q-w curve: points in strictly increasing movement, starting at (0, 0).
struct TransferCurve {
  Real depth = 0;  // in
  int KSOIL = 0;
  Real tmax = 0;   // psi for a t-z curve; the ultimate tip load Qb (lb) for a q-w curve
  CurvePoints points;
};

// Points of every normalised line, the origin included.
inline constexpr int kNormalisedPoints = 10;

// t-z curve for a shaft of diameter D (in) and maximum side transfer tmax (psi).
TransferCurve sideCurve(CurveFamily family, CurveKind kind, Real D, Real tmax);
// q-w curve for a base of width B = max(base diameter, shaft diameter) (in) and ultimate tip
// load Qb (lb).
TransferCurve baseCurve(CurveFamily family, CurveKind kind, Real B, Real Qb);

// Value of a curve at movement x: linear between the points bracketing x, the first point's
// value at or before the first movement, the last point's value at or beyond the last. An
// empty curve gives 0.
Real valueAtMovement(const TransferCurve& curve, Real x);

// A value against depth: unit side resistance at a depth (the strength profile).
struct StrengthPoint {
  Real depth = 0;
  Real value = 0;
};

// Result of a look-up in depth; beyondExtent marks a depth outside the data by 0.1 in or more
// (the value then comes from the nearest end of the data).
struct DepthLookup {
  Real value = 0;
  bool beyondExtent = false;
};

// Linear interpolation in a profile sorted by depth (in): between the first point deeper than
// `depth` and the point above it. Two points closer than 0.001 in count as one (their mean), so
// a boundary listed twice never divides by zero. Above the first point the first value is used;
// below the last point the last value, flagged beyondExtent when 0.1 in or more below it. An
// empty profile gives 0, beyondExtent.
DepthLookup interpolateProfile(std::span<const StrengthPoint> profile, Real depth);

// Side transfer (psi) at `depth` (in) for shaft movement `movement` (in), from t-z curves sorted
// by depth: the values of the two curves bracketing the depth, interpolated linearly in depth;
// a depth equal to a curve's depth uses that curve. Outside the curves the nearest curve is
// used, flagged beyondExtent when 0.1 in or more outside; no curves give 0, beyondExtent.
DepthLookup sideTransferAt(std::span<const TransferCurve> curves, Real depth, Real movement);

// Where a depth lies among t-z curves sorted by depth: the curve at or below it and its place
// from the curve above (none above the first curve, below the last or where two curves stand at
// one depth). It depends on the curves' depths only, so the passes of one shaft, whose curves
// of every kind stand at the same sites, share it.
struct CurvePlacement {
  std::size_t below = 0;  // index of the first curve at or below the depth (the last when none is)
  bool hasAbove = false;  // interpolate from curve below - 1
  Real fraction = 0;      // place of the depth from the curve above to the one below
  bool beyondExtent = true;
  bool hasCurves = false;
};
CurvePlacement placeAmongCurves(std::span<const TransferCurve> curves, Real depth);

// The side transfer at one depth from the curve below it and the curve above it, which share
// their movements: `valueAt` brackets the movement once for both. The search for the bracket
// starts at point `k` and leaves there the first point at or beyond the movement; the movements
// must never decrease (movementsAscend), so the bracket is the same from any start, and a solver
// whose movement creeps from trial to trial steps at most a point or two instead of scanning.
struct SharedMovementTransfer {
  const CurvePoint* below = nullptr;  // `count` points
  const CurvePoint* above = nullptr;  // null: the value of `below` alone
  std::size_t count = 0;              // at least 1 for valueAt
  Real fraction = 0;                  // place of the depth from above to below
  inline Real valueAt(Real movement, std::size_t& k) const;
};

// The side transfer at one depth for any movement, as sideTransferAt gives it: the curves that
// bracket the depth and its place between them are found once, and where both curves share
// their movements (as the curves of one shaft do) the movement is bracketed once for both.
// The curves must outlive it.
class DepthTransfer {
 public:
  // `curvesShareMovements`: every curve is known to have the same movements (shareMovements).
  DepthTransfer(std::span<const TransferCurve> curves, Real depth, bool curvesShareMovements = false);
  // The same from a placement found beforehand among curves at the same depths.
  DepthTransfer(std::span<const TransferCurve> curves, const CurvePlacement& placement, bool curvesShareMovements);
  // No curves: the value 0.
  DepthTransfer() = default;
  Real valueAt(Real movement) const;
  bool hasCurves() const { return below_ != nullptr; }
  // The look-up as a SharedMovementTransfer; only where the curves share their movements (built
  // with curvesShareMovements, or found to).
  SharedMovementTransfer shared() const { return {belowPoints_, abovePoints_, count_, fraction_}; }
  // As valueAt, with the search for the movement's bracket starting at point `k` and leaving
  // there the first point at or beyond the movement. The curves' movements must never decrease
  // (movementsAscend), so the bracket is the same from any start; a solver whose movement
  // creeps from trial to trial then steps at most a point or two instead of scanning the curve.
  inline Real valueAt(Real movement, std::size_t& k) const;
  bool beyondExtent() const { return beyondExtent_; }

 private:
  const TransferCurve* above_ = nullptr;  // null: the value of `below_` alone
  const TransferCurve* below_ = nullptr;  // null: no curves, the value 0
  Real fraction_ = 0;                     // place of the depth from above_ to below_
  bool beyondExtent_ = true;
  // For the search that goes on: the points of below_ and their count (0 without points), and
  // the points of above_ when it shares the movements of below_ (else null: each curve is
  // bracketed on its own).
  const CurvePoint* belowPoints_ = nullptr;
  std::size_t count_ = 0;
  const CurvePoint* abovePoints_ = nullptr;
};

// Whether the movements of a curve never decrease (a movement that is not a number does not
// qualify).
bool movementsAscend(const TransferCurve& curve);

inline Real SharedMovementTransfer::valueAt(Real movement, std::size_t& k) const {
  const std::size_t n = count;
  const CurvePoint* p = below;
  if (k > n) k = n;
  while (k > 0 && p[k - 1].movement >= movement) --k;
  while (k < n && !(p[k].movement >= movement)) ++k;
  // As valueAtMovement: the value of the point reached before the first point, beyond the last
  // or on coincident points; else linear between points k - 1 and k (also when the span is not
  // a number, which then gives one).
  const Real span = k > 0 && k < n ? p[k].movement - p[k - 1].movement : 0;
  Real valueBelow, valueAbove;
  if (span <= 0) {
    const std::size_t j = k == n ? n - 1 : k;
    valueBelow = p[j].value;
    if (!above) return valueBelow;
    valueAbove = above[j].value;
  } else {
    const Real t = (movement - p[k - 1].movement) / span;
    valueBelow = p[k - 1].value + (p[k].value - p[k - 1].value) * t;
    if (!above) return valueBelow;
    valueAbove = above[k - 1].value + (above[k].value - above[k - 1].value) * t;
  }
  return valueAbove + (valueBelow - valueAbove) * fraction;
}

inline Real DepthTransfer::valueAt(Real movement, std::size_t& k) const {
  if (count_ == 0) return valueAt(movement);
  if (above_ && !abovePoints_) {  // the curve above has movements of its own
    const Real below = SharedMovementTransfer{belowPoints_, nullptr, count_, 0}.valueAt(movement, k);
    const Real above = valueAtMovement(*above_, movement);
    return above + (below - above) * fraction_;
  }
  return shared().valueAt(movement, k);
}

// Whether every curve has the movements of the first, as the t-z curves of one shaft do.
bool shareMovements(std::span<const TransferCurve> curves);

// A soil layer as the curves see it (depths in the unit of the caller).
struct TransferLayer {
  Real XTOP = 0;
  Real XBOT = 0;
  int KSOIL = 0;
};

// Ground description in work units.
struct WorkProfile {
  std::vector<TransferLayer> layers;     // in; continuous, each at least 0.1 in thick
  std::vector<StrengthPoint> boundary;   // in, psi: unit side resistance at every layer top and bottom
  std::vector<StrengthPoint> oneFoot;    // in, psi: unit side resistance of the one-foot depth steps
};

// Converts the engine's ground description (layers in ft; profiles in ft and tsf) to work units.
// Each layer top is set to the bottom of the layer above, and a layer that is not thicker than
// 1E-12 in gets a thickness of 0.1 in, so every layer has a centre and a bottom below its top.
WorkProfile workProfile(std::span<const TransferLayer> layersFt,
                        std::span<const StrengthPoint> boundaryTsf,
                        std::span<const StrengthPoint> oneFootTsf);

// Where the t-z curves of the load-settlement solution stand.
struct CurveSite {
  Real depth = 0;  // in
  int KSOIL = 0;
};

// Five sites per layer, in increasing depth: the layer top (first layer) or one foot and a
// hundredth below it (the first one-foot step of a lower layer), the quarter point, the centre,
// the three-quarter point and 0.01 in above the bottom. In a layer thinner than about four feet
// the site below the top would pass the centre or leave the layer; it is held at the centre
// and the five sites are sorted, so the depths never run backwards.
std::vector<CurveSite> curveSites(std::span<const TransferLayer> layers);

// Where a depth lies among the curves that will stand at these sites (placeAmongCurves).
CurvePlacement placeAmongCurves(std::span<const CurveSite> sites, Real depth);

// A set of t-z curves with the messages (each line for the report and the runtime file) and the
// run status (0, or kStatusStrengthCurveDepth) of its construction.
struct CurveSet {
  std::vector<TransferCurve> curves;
  std::vector<std::string> warningLines;
  int status = 0;
  // Every curve has the movements of the first (shareMovements holds), known from how the set
  // was built; false when not known.
  bool movementsShared = false;
};

// The sites of a shaft's t-z curves with the peak side transfer tmax (psi) of each: what the
// curves of every kind have in common. tmax holds one value per site up to the first site
// 0.1 in or more below the boundary profile, which ends it with status 2 and its warning.
struct SideCurveSites {
  std::vector<CurveSite> sites;
  std::vector<Real> tmax;
  std::vector<std::string> warningLines;
  int status = 0;
};
SideCurveSites sideCurveSites(const WorkProfile& profile);

// The t-z curves of kind `kind` for a shaft of diameter D (in) at the sites that have a tmax,
// with the sites' status and warning.
CurveSet sideCurvesAt(const SideCurveSites& sites, Real D, CurveKind kind);

// The 5 x (number of layers) t-z curves of the solution for a shaft of diameter D (in). tmax of
// each curve comes from the one-foot profile (the boundary profile when that is empty), except
// at the last site, which keeps the boundary-profile value. A site 0.1 in or more below the
// boundary profile ends the construction with status 2 and its warning; the curves built so far
// are returned.
CurveSet buildSideCurves(const WorkProfile& profile, Real D, CurveKind kind);  // sideCurvesAt(sideCurveSites(...))

// Extra t-z curves at requested depths (in), for the result files only: soil type of the layer
// containing the depth (the lower layer at a boundary; the first layer above the profile, the
// deepest below it), tmax from the boundary profile. A depth below that profile keeps the last
// value and sets status 2 with its warning; the remaining depths are still built.
CurveSet extraSideCurves(const WorkProfile& profile, std::span<const Real> depths, Real D,
                         CurveKind kind);

struct BaseCurveResult {
  TransferCurve curve;  // empty points when not built
  std::vector<std::string> warningLines;
  int status = 0;
};

// The q-w curve of a base in soil of type tipKSOIL at the shaft tip, L (in) below the head,
// shaft diameter D, base diameter Bb (in; 0 or less means a straight shaft), ultimate tip load
// Qb (lb). A cohesive-family curve whose tip lies below the deepest boundary-profile point is
// not built: status 4 and its warning. The cohesionless family is built without that check.
BaseCurveResult buildBaseCurve(const WorkProfile& profile, int tipKSOIL, Real L, Real D, Real Bb,
                               Real Qb, CurveKind kind);

// The curve-extent warning of a status: "**** WARNING ****" and the line naming the value x
// (in) and the curve it passed. Status 2 and 5 print x in E10.3, status 4 in E9.2. Other
// statuses give no lines.
std::vector<std::string> extentWarningLines(int status, Real x);

}  // namespace talmo
