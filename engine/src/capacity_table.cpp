#include "capacity_table.h"

#include <algorithm>
#include <cmath>

namespace talmo {
namespace {

// Weight of the j-th of n steps of the averaging zone: rising to 0.6 at its middle, then
// falling back to 0.4 at its end.
Real zoneWeight(int j, int n) {
  const Real x = static_cast<Real>(j) / static_cast<Real>(n);
  return x <= 0.5f ? 1.2f * x : 0.4f * (2 - x);
}

Real lerp(Real a, Real b, Real t) { return a + (b - a) * t; }

// Cumulative side resistance of the slices down to depth x (ft), linear between whole feet.
Real sideDownTo(const std::vector<Real>& cumulative, Real x) {
  if (x <= 0 || cumulative.empty()) return 0;
  const Real last = static_cast<Real>(cumulative.size() - 1);
  x = std::min(x, last);
  const auto lo = static_cast<std::size_t>(std::floor(x));
  const auto hi = std::min(lo + 1, cumulative.size() - 1);
  return lerp(cumulative[lo], cumulative[hi], x - static_cast<Real>(lo));
}

// The tip load of a base at `base` ft: the weighted mean over the averaging zone below it,
// ultimate and factored in one pass over the zone's steps. Strong-rock steps below a base in
// soil count with the soil's last value.
struct AveragedTips {
  Real tip = 0, factored = 0;
};

AveragedTips averagedTips(const std::vector<DepthStep>& steps, int base, int zoneSteps) {
  const int last = static_cast<int>(steps.size()) - 1;
  if (base < 0 || base > last) return {};
  const DepthStep& first = steps[static_cast<std::size_t>(base)];
  Real sum = 0, sumFactored = 0, weights = 0;
  Real lastSoilTip = first.tip, lastSoilFactored = first.tipFactored;
  for (int j = 0; j < zoneSteps && base + j <= last; ++j) {
    const DepthStep& s = steps[static_cast<std::size_t>(base + j)];
    Real tip = s.tip, factored = s.tipFactored;
    if (!first.strongRockTip) {
      // Strong rock below a base in soil adds nothing beyond the soil's own value.
      if (s.strongRockTip) {
        tip = lastSoilTip;
        factored = lastSoilFactored;
      } else {
        lastSoilTip = tip;
        lastSoilFactored = factored;
      }
    }
    const Real w = zoneWeight(j, zoneSteps);
    sum += w * tip;
    sumFactored += w * factored;
    weights += w;
  }
  // A zone of one step (or cut short to its first step) has no weight: the base's own value.
  if (!(weights > 0)) return {first.tip, first.tipFactored};
  return {sum / weights, sumFactored / weights};
}

}  // namespace

CapacityProfile capacityProfile(const RunModel& run, const std::vector<DepthStep>& steps,
                                const ShaftGeometry& shaft, Real BSr) {
  CapacityProfile profile;
  const std::size_t n = steps.size();
  std::vector<Real> side(n, 0), sideFactored(n, 0);
  for (std::size_t d = 1; d < n; ++d) {
    side[d] = side[d - 1] + steps[d].side;
    sideFactored[d] = sideFactored[d - 1] + steps[d].sideFactored;
  }
  const Real FST = run.FST > 0 ? run.FST : 1;
  const Real FSB = run.FSB > 0 && !run.uplift() ? run.FSB : 1;
  const int bottom = static_cast<int>(n) - 1;
  profile.deepestFullZone = bottom;
  profile.atWholeFeet.resize(n);
  for (int L = 0; L <= bottom; ++L) {
    Capacity& c = profile.atWholeFeet[static_cast<std::size_t>(L)];
    c.length = static_cast<Real>(L);
    c.volume = shaft.volume(c.length);
    // The load-carrying zone ends above the ignored bottom portion and the bell.
    const Real zoneBottom = c.length - BSr - shaft.h;
    c.QS = sideDownTo(side, zoneBottom);
    const Real lrfdSide = sideDownTo(sideFactored, zoneBottom);

    const DepthStep& base = steps[static_cast<std::size_t>(L)];
    const int zone = shaft.D < 1 ? 1
                     : base.strongRockTip ? tipAveragingSteps(base.socketDiameter)
                                          : tipAveragingSteps(shaft.Bb);
    // The profile should reach at least a whole averaging zone below the base.
    if (bottom - L < zone) {
      profile.deepestFullZone = std::min(profile.deepestFullZone, L - 1);
    }
    Real lrfdTip = 0;
    if (run.uplift()) {
      c.QB = std::max<Real>(shaft.upliftWeight(c.length, run.WTD), 0);
      lrfdTip = c.QB;
    } else {
      const AveragedTips tips = averagedTips(steps, L, std::max(zone, 1));
      c.QB = tips.tip;
      lrfdTip = tips.factored;
    }

    c.QU = c.QS + c.QB;
    if (run.lrfd()) {
      c.sideFactored = lrfdSide;
      c.tipFactored = lrfdTip;
    } else {
      c.sideFactored = c.QS / FST;
      c.tipFactored = c.QB / FSB;
    }
    c.totalFactored = c.sideFactored + c.tipFactored;
    c.QBD = c.QS + c.QB / FSB;
    c.allowable = c.totalFactored;
    c.perVolume = c.volume > 0 ? c.QU / c.volume : 0;
  }
  return profile;
}

Capacity capacityAt(const CapacityProfile& profile, Real length) {
  const auto& r = profile.atWholeFeet;
  if (r.empty()) return {};
  const Real last = static_cast<Real>(r.size() - 1);
  const Real x = std::clamp<Real>(length, 0, last);
  const auto lo = static_cast<std::size_t>(std::floor(x));
  const auto hi = std::min(lo + 1, r.size() - 1);
  const Real t = x - static_cast<Real>(lo);
  const Capacity& a = r[lo];
  const Capacity& b = r[hi];
  Capacity c;
  c.length = length;
  c.volume = lerp(a.volume, b.volume, t);
  c.QS = lerp(a.QS, b.QS, t);
  c.QB = lerp(a.QB, b.QB, t);
  c.QU = lerp(a.QU, b.QU, t);
  c.sideFactored = lerp(a.sideFactored, b.sideFactored, t);
  c.tipFactored = lerp(a.tipFactored, b.tipFactored, t);
  c.totalFactored = lerp(a.totalFactored, b.totalFactored, t);
  c.QBD = lerp(a.QBD, b.QBD, t);
  c.allowable = lerp(a.allowable, b.allowable, t);
  c.perVolume = c.volume > 0 ? c.QU / c.volume : 0;
  return c;
}

}  // namespace talmo
