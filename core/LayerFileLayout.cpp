#include "LayerFileLayout.h"

#include <cctype>

#include "ProjectTables.h"

namespace talmo {

namespace {

using K = TLayerItem;

const std::vector<TLayerItem> kSand{{K::Placeholder},       {K::Real, sand::UnitWeight},
                                    {K::Real, sand::FrictionAngle}, {K::Real, sand::InterfaceAngle},
                                    {K::Whole, sand::BlowCounts},   {K::MaxSideFriction},
                                    {K::MaxEndBearing}};
const std::vector<TLayerItem> kClay{{K::Real, clay::Nc},      {K::Real, clay::UnitWeight}, {K::Placeholder},
                                    {K::Real, clay::Cohesion}, {K::Whole, clay::BlowCounts}, {K::MaxSideFriction},
                                    {K::MaxEndBearing}};
const std::vector<TLayerItem> kStrongRock{
    {K::Real, rock::RockStrength},  {K::Real, rock::ConcreteStrength}, {K::Real, rock::DiscontinuitySpacing},
    {K::Real, rock::DiscontinuityThickness}, {K::Real, rock::SocketDiameter}, {K::MaxSideFriction},
    {K::Real, rock::Modulus},       {K::Real, rock::RQD},              {K::MaxEndBearing}};
const std::vector<TLayerItem> kDecomposedRock{
    {K::Real, decomposed::UnitWeight},   {K::Whole, decomposed::BlowCounts}, {K::Real, decomposed::PoissonRatio},
    {K::Real, decomposed::YoungModulus}, {K::Real, decomposed::SocketDiameter}, {K::MaxSideFriction},
    {K::MaxEndBearing}};
const std::vector<TLayerItem> kWeakRock{
    {K::Real, weakrock::RockStrength},  {K::Whole, weakrock::InterfaceCondition}, {K::Real, weakrock::Slump},
    {K::Real, weakrock::InterfaceFrictionAngle}, {K::Real, weakrock::SocketDiameter}, {K::MaxSideFriction},
    {K::Real, weakrock::Modulus},       {K::Real, weakrock::RQD},                 {K::MaxEndBearing}};
const std::vector<TLayerItem> kGravel{{K::Real, gravel::UnitWeight}, {K::Whole, gravel::BlowCounts},
                                      {K::Real, gravel::Beta},       {K::MaxSideFriction},
                                      {K::MaxEndBearing}};
const std::vector<TLayerItem> kNone;

}  // namespace

const std::vector<TLayerItem>& LayerLineItems(int soilType) {
  switch (soilType) {
    case kSoilSand: return kSand;
    case kSoilClay:
    case kSoilShale: return kClay;
    case kSoilStrongRockSideOrTip:
    case kSoilStrongRock: return kStrongRock;
    case kSoilDecomposedRock: return kDecomposedRock;
    case kSoilWeakRock: return kWeakRock;
    case kSoilGravellySand:
    case kSoilGravel: return kGravel;
    default: return kNone;
  }
}

int SandCoefficientColumn(int method) {
  if (method == sand::KoMethod) return sand::Ko;
  return method == sand::BetaMethod ? sand::Beta : sand::StressExponent;
}

std::string LayerColumnName(const TColumn& column) {
  std::string name;
  for (const std::string& line : column.Headings) {
    if (line.empty()) continue;
    if (!name.empty()) name += ' ';
    name += line;
  }
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return name;
}

}  // namespace talmo
