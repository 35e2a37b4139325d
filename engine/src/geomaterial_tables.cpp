#include "geomaterial_tables.h"

#include <array>

#include "table_lookup.h"

namespace talmo {
namespace {

constexpr std::array<Real, 3> kSlumpRows = {5.0f, 6.89f, 8.86f};
constexpr std::array<Real, 4> kConcreteDepthColumns = {0, 13.12f, 26.25f, 39.37f};
constexpr std::array<Real, 12> kFluidPressure = {
    1.0f, 0.52f, 0.47f, 0.35f,  //
    1.0f, 0.96f, 0.75f, 0.65f,  //
    1.0f, 1.0f,  1.0f,  0.9f};

constexpr std::array<Real, 6> kStrengthRows = {10415, 20830, 41660, 62490, 83320, 104150};
constexpr std::array<Real, 7> kNormalStressColumns = {1, 2, 3, 4, 5, 6, 7};
constexpr std::array<Real, 42> kAlpha = {
    0.2f,   0.34f,  0.45f,  0.5f,   0.5f,  0.5f,   0.5f,    //
    0.145f, 0.235f, 0.3f,   0.36f,  0.4f,  0.44f,  0.47f,   //
    0.107f, 0.16f,  0.208f, 0.245f, 0.26f, 0.275f, 0.29f,   //
    0.085f, 0.14f,  0.16f,  0.185f, 0.21f, 0.22f,  0.225f,  //
    0.07f,  0.118f, 0.14f,  0.155f, 0.16f, 0.168f, 0.172f,  //
    0.066f, 0.1f,   0.122f, 0.14f,  0.15f, 0.153f, 0.156f};

constexpr std::array<Real, 4> kRqd = {20, 50, 70, 100};
constexpr std::array<Real, 4> kClosedJoints = {0.05f, 0.15f, 0.7f, 1.0f};
constexpr std::array<Real, 4> kOpenJoints = {0.05f, 0.1f, 0.3f, 0.6f};

constexpr std::array<Real, 6> kModulusRatio = {0.02f, 0.05f, 0.1f, 0.3f, 0.5f, 1.0f};
constexpr std::array<Real, 6> kJointingReduction = {0.3f, 0.45f, 0.55f, 0.7f, 0.8f, 1.0f};

constexpr std::array<Real, 6> kStrengthRatioRows = {5, 14, 24, 28, 36, 48};
constexpr std::array<Real, 7> kStiffnessColumns = {400, 500, 600, 1000, 1500, 2000, 3000};
constexpr std::array<Real, 42> kN = {
    0.5f,   0.5f,  0.5f,   0.46f, 0.42f,  0.405f, 0.4f,    //
    0.5f,   0.48f, 0.45f,  0.38f, 0.35f,  0.375f, 0.24f,   //
    0.472f, 0.42f, 0.375f, 0.29f, 0.255f, 0.145f, 0.075f,  //
    0.458f, 0.4f,  0.345f, 0.26f, 0.22f,  0.11f,  0.0f,    //
    0.43f,  0.36f, 0.29f,  0.18f, 0.15f,  0.04f,  0.0f,    //
    0.4f,   0.3f,  0.21f,  0.08f, 0.05f,  0.018f, 0.0f};

}  // namespace

Real fluidPressureFactor(Real slumpIn, Real zcFt) {
  return lookup(kSlumpRows, kConcreteDepthColumns, kFluidPressure, slumpIn, zcFt);
}

Real smoothSocketAlpha(Real quPsf, Real sigmaNOverPa) {
  return lookup(kStrengthRows, kNormalStressColumns, kAlpha, quPsf, sigmaNOverPa);
}

Real rockMassModulusRatio(Real RQD, bool openJoints) {
  return lookup(kRqd, openJoints ? kOpenJoints : kClosedJoints, RQD);
}

Real jointingReduction(Real modulusRatio) { return lookup(kModulusRatio, kJointingReduction, modulusRatio); }

Real smoothSocketN(Real EmOverSigmaN, Real quOverPa) {
  return lookup(kStrengthRatioRows, kStiffnessColumns, kN, quOverPa, EmOverSigmaN);
}

}  // namespace talmo
