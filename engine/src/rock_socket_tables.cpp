#include "rock_socket_tables.h"

#include <array>

#include "table_lookup.h"

namespace talmo {
namespace {

constexpr std::array<Real, 12> kRqd = {0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 95, 100};
constexpr std::array<Real, 12> kModulusRatio = {0.1f,  0.105f, 0.11f, 0.12f, 0.13f, 0.14f,
                                                0.17f, 0.2f,   0.47f, 0.73f, 0.85f, 1.0f};

constexpr std::array<Real, 4> kStiffnessRows = {10, 50, 100, 5000};
constexpr std::array<Real, 10> kSlendernessColumns = {0, 1, 2, 4, 5, 6, 8, 10, 12, 20};
constexpr std::array<Real, 40> kInfluence = {
    1.1f, 0.5f,  0.44f, 0.395f, 0.385f, 0.375f, 0.373f, 0.37f,  0.367f, 0.365f,  //
    1.1f, 0.45f, 0.35f, 0.28f,  0.26f,  0.24f,  0.23f,  0.215f, 0.205f, 0.2f,    //
    1.1f, 0.43f, 0.34f, 0.255f, 0.235f, 0.21f,  0.19f,  0.18f,  0.16f,  0.155f,  //
    1.1f, 0.4f,  0.33f, 0.23f,  0.21f,  0.19f,  0.16f,  0.13f,  0.11f,  0.085f};

}  // namespace

Real strongRockModulusRatio(Real RQD) { return lookup(kRqd, kModulusRatio, RQD); }

Real socketInfluenceFactor(Real LOverD, Real EcOverEm) {
  // A shaft softer than ten times the rock mass takes the curve of 10, except that a slender
  // socket (L/D of 20 or more) then settles with 0.385 rather than the curve's 0.365.
  constexpr Real kSoftShaftSlenderSocket = 0.385f;
  if (EcOverEm < kStiffnessRows.front() && LOverD >= kSlendernessColumns.back()) return kSoftShaftSlenderSocket;
  return lookup(kStiffnessRows, kSlendernessColumns, kInfluence, EcOverEm, LOverD);
}

}  // namespace talmo
