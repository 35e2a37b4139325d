#include "design_charts.h"

#include <algorithm>

#include "fixed_format.h"
#include "report_echo.h"
#include "settlement_output.h"

namespace talmo {
namespace {

constexpr std::size_t kValuesPerLine = 7;

}  // namespace

DesignCharts::DesignCharts(std::vector<Real> settlementsIn, int diameters, int lengths)
    : settlements_(std::move(settlementsIn)),
      diameters_(static_cast<std::size_t>(std::max(diameters, 0)), 0),
      lengths_(static_cast<std::size_t>(std::max(lengths, 0)), 0),
      loads_(settlements_.size() * diameters_.size() * lengths_.size(), 0) {}

void DesignCharts::setDiameter(int index, Real Dft) {
  if (index >= 0 && static_cast<std::size_t>(index) < diameters_.size()) diameters_[static_cast<std::size_t>(index)] = Dft;
}

void DesignCharts::setLength(int index, Real Lft) {
  if (index >= 0 && static_cast<std::size_t>(index) < lengths_.size()) lengths_[static_cast<std::size_t>(index)] = Lft;
}

void DesignCharts::setHeadLoads(int d, int l, const std::vector<Real>& loadsLb) {
  if (d < 0 || l < 0 || static_cast<std::size_t>(d) >= diameters_.size() ||
      static_cast<std::size_t>(l) >= lengths_.size())
    return;
  for (std::size_t s = 0; s < settlements_.size() && s < loadsLb.size(); ++s)
    loads_[(s * diameters_.size() + static_cast<std::size_t>(d)) * lengths_.size() + static_cast<std::size_t>(l)] =
        loadsLb[s];
}

Real DesignCharts::headLoad(std::size_t s, int d, int l) const {
  return loads_[(s * diameters_.size() + static_cast<std::size_t>(d)) * lengths_.size() + static_cast<std::size_t>(l)];
}

void DesignCharts::write(const RunModel& run, TextOut& report, TextOut& plot) const {
  const PrintUnits u{run.si()};
  const SettlementUnits su{run.si()};
  const int K = static_cast<int>(diameters_.size());
  const int M = static_cast<int>(lengths_.size());

  report.blankLines(3);
  writeHeading(report, "DESIGN CHART CURVES", 19);
  for (std::size_t s = 0; s < settlements_.size(); ++s) {
    const Real entered = run.PDSETT[s];
    report.blankLines(2);
    report.line("     - SETTLEMENT, " + (run.si() ? fmt::F(entered, 9, 4) + " M" : fmt::F(entered, 9, 3) + " IN"));
    report.line();
    report.line(std::string("   LENGTH          DIAMETER, ") + (run.si() ? "M" : "FT"));
    // Diameters and loads in columns of seven after the length column.
    std::string header = run.si() ? "     (M) " : "    (FT) ";
    for (int d = 0; d < K; ++d) {
      if (d > 0 && d % kValuesPerLine == 0) {
        report.line(header);
        header = fmt::X(9);
      }
      fmt::appendF(header, u.length(diameters_[static_cast<std::size_t>(d)]), 9, 2);
    }
    report.line(header);
    report.line(fmt::X(19) + (run.si() ? "TOP LOAD, KN" : "TOP LOAD, TONS"));
    std::string row;
    for (int l = 0; l < M; ++l) {
      row.clear();
      fmt::appendF(row, u.length(lengths_[static_cast<std::size_t>(l)]), 9, 2);
      for (int d = 0; d < K; ++d) {
        if (d > 0 && d % kValuesPerLine == 0) {
          report.line(row);
          row.assign(9, ' ');
        }
        fmt::appendF(row, su.load(headLoad(s, d, l)), 9, 2);
      }
      report.line(row);
    }
  }

  plot.line(fmt::listInt(static_cast<long long>(settlements_.size())) + fmt::listInt(K) + fmt::listInt(M));
  std::string record;  // reused from record to record
  for (std::size_t s = 0; s < settlements_.size(); ++s) {
    plot.line(fmt::listReal(run.PDSETT[s]));
    for (int d = 0; d < K; ++d) {
      const Real inches = diameters_[static_cast<std::size_t>(d)] * 12;
      plot.line(fmt::F(su.movement(inches), 10, 4));
      for (int l = 0; l < M; ++l) {
        record.clear();
        fmt::appendListReal(record, lengths_[static_cast<std::size_t>(l)] * 12);
        fmt::appendListReal(record, headLoad(s, d, l));
        plot.line(record);
      }
    }
  }
}

}  // namespace talmo
