#pragma once
// Result text and plot records of the load-settlement computation: the report's tables, the
// t-z and q-w listings, TZDATA.DAT, and the t-z, q-w and load-distribution plot records. Loads
// print in tons (English) or kN (SI), movements in inches or metres, depths in ft or m, unit side
// transfer in psi or kN/m2.
#include <string>
#include <vector>

#include "settlement_solver.h"
#include "text_out.h"
#include "units.h"

namespace talmo {

// Work units (in, psi, lb) to the project's printed units.
struct SettlementUnits {
  bool si = false;
  Real load(Real lb) const { return si ? lb * kKnPerLb : lb / kLbPerTon; }
  Real movement(Real in) const { return si ? in * kMPerIn : in; }
  Real depth(Real in) const { return si ? in * kMPerIn : in / kInPerFt; }
  Real transfer(Real psi) const { return si ? psi * kKnPerM2PerPsi : psi; }
  Real lengthFt(Real ft) const { return si ? ft / kFtPerM : ft; }
  const char* loadUnit() const { return si ? "KN" : "TONS"; }
  const char* movementUnit() const { return si ? "M" : "IN."; }
  const char* depthUnit() const { return si ? " M." : "FT."; }
  const char* transferUnit() const { return si ? "KN/SQ M" : "PSI"; }
};

// "RESULT FROM TREND (AVERAGED) LINE" and its siblings.
std::string resultHeading(CurveKind kind);

// t-z curves in the listing layout: heading, units, and per curve its number, point count and
// depth followed by its points (load transfer, movement).
void writeTzTable(TextOut& out, const std::vector<TransferCurve>& curves, const SettlementUnits& u);

// The shaft lines that close a pass in the listings.
void writeShaftLines(TextOut& out, Real Dft, Real Lft, const SettlementUnits& u);

// q-w curve in the settlement listing layout.
void writeQwTable(TextOut& out, const TransferCurve& curve, const SettlementUnits& u);

// The report's load-settlement table of one curve kind, with the defined settlements of the
// design charts when there are any.
void writeLoadSettlementTable(TextOut& report, CurveKind kind, const LoadTransferPass& pass,
                              const std::vector<Real>& definedSettlementsIn, const SettlementUnits& u);

// TZDATA.DAT: the note, the t-z and q-w curves and, per assumed tip movement, the load
// distribution along the shaft.
void writeTzData(TextOut& out, CurveKind kind, const LoadTransferPass& pass, Real Dft, Real Lft,
                 const SettlementUnits& u);

// Plot records: a t-z curve (2I5,F10.2 header or the 8X,I5,I11,E16.4 header of the extra
// curves) followed by its points, vertical value (t) first.
void writeTzPlotCurve(TextOut& out, const TransferCurve& curve, int number, bool extraCurve,
                      const SettlementUnits& u);
// A q-w curve record (I5,F10.2,I5) and its points, tip load first.
void writeQwPlotCurve(TextOut& out, const TransferCurve& curve, int caseNumber, Real Dft, int diameterIndex,
                      const SettlementUnits& u);
// Fifteen load-distribution curves, each point the depth, the axial load and the movement, at
// `rows` depths from the head down, one shaft length L (in) / rows apart: one point per printed
// depth of the capacity table, as the plot file's reader expects.
void writeLoadDistribution(TextOut& out, const std::vector<TipSolution>& points, Real L, int rows,
                           const SettlementUnits& u);

}  // namespace talmo
