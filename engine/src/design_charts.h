#pragma once
// Design charts: the head load that produces each defined settlement, for every diameter and
// shaft length analysed; the report section and the plot-file block.
#include <vector>

#include "real.h"
#include "run_model.h"
#include "text_out.h"

namespace talmo {

class DesignCharts {
 public:
  DesignCharts() = default;
  // settlementsIn: defined head movements (in); one chart per settlement.
  DesignCharts(std::vector<Real> settlementsIn, int diameters, int lengths);

  void setDiameter(int index, Real Dft);
  void setLength(int index, Real Lft);
  // Head loads (lb) of one case, one per settlement; missing values stay 0.
  void setHeadLoads(int diameterIndex, int lengthIndex, const std::vector<Real>& loadsLb);

  // Report section "DESIGN CHART CURVES" and the plot-file block (lengths in inches, loads in
  // pounds, diameters in inches or, for an SI project, metres).
  void write(const RunModel& run, TextOut& report, TextOut& plot) const;

  Real headLoad(std::size_t settlement, int diameterIndex, int lengthIndex) const;
  const std::vector<Real>& settlementsIn() const { return settlements_; }
  const std::vector<Real>& diametersFt() const { return diameters_; }
  const std::vector<Real>& lengthsFt() const { return lengths_; }

 private:
  std::vector<Real> settlements_;
  std::vector<Real> diameters_;
  std::vector<Real> lengths_;
  std::vector<Real> loads_;  // [settlement][diameter][length]
};

}  // namespace talmo
