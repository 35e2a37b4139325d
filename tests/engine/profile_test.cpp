#include "profile.h"

#include <gtest/gtest.h>

namespace talmo {
namespace {

Layer layer(Real top, Real bottom, Real gammaTop, Real gammaBottom) {
  Layer l;
  l.KSOIL = kClay;
  l.XTOP = top;
  l.XBOT = bottom;
  l.top.GAMMA = gammaTop;
  l.bottom.GAMMA = gammaBottom;
  return l;
}

TEST(Profile, LayerBottomsRoundToWholeFeet) {
  EXPECT_EQ(roundToWholeFoot(20.5f), 21);
  EXPECT_EQ(roundToWholeFoot(20.4f), 20);
  EXPECT_EQ(roundToWholeFoot(0.49f), 0);
  const auto layers = wholeFootLayers({layer(0, 10.6f, 120, 120), layer(10.6f, 20.4f, 120, 120)});
  EXPECT_EQ(layers[0].XBOT, 11);
  EXPECT_EQ(layers[1].XTOP, 11);
  EXPECT_EQ(layers[1].XBOT, 20);
}

TEST(Profile, ADepthOnALayerBottomBelongsToTheLayerAbove) {
  const std::vector<Layer> layers = {layer(0, 20, 120, 120), layer(20, 40, 120, 120)};
  EXPECT_EQ(layerIndexAt(layers, 20), 0u);
  EXPECT_EQ(layerIndexAt(layers, 20.0000019f), 0u);  // a computed tip on the bottom
  EXPECT_EQ(layerIndexAt(layers, 20.01f), 1u);
  EXPECT_EQ(layerIndexAt(layers, 55), 1u);  // below the profile: the last layer
}

TEST(Profile, InterpolationStaysInsideTheLayer) {
  Layer l = layer(10, 20, 100, 120);
  l.top.CU = 1000;
  l.bottom.CU = 2000;
  EXPECT_FLOAT_EQ(interpolate(l, &LayerEnd::CU, 6), 1600);  // 6 ft below the top
  const LayerEnd at = interpolate(l, 5);
  EXPECT_FLOAT_EQ(at.GAMMA, 110);
  EXPECT_FLOAT_EQ(at.CU, 1500);
  EXPECT_FLOAT_EQ(interpolate(layer(5, 5, 90, 130), &LayerEnd::GAMMA, 0), 90);  // no thickness
}

TEST(Profile, EffectiveStressAboveAndBelowTheWaterTable) {
  const std::vector<Layer> uniform = {layer(0, 30, 120, 120)};
  const auto table = effectiveStressTable(uniform, 10, 30);
  EXPECT_FLOAT_EQ(effectiveStressAt(table, 0.5f), 0);
  EXPECT_FLOAT_EQ(effectiveStressAt(table, 9.7f), 9 * 120);  // the whole foot above
  EXPECT_FLOAT_EQ(effectiveStressAt(table, 12), 10 * 120 + 2 * 57.6f);  // 1315.2 psf
}

TEST(Profile, EffectiveStressTakesEachLayersOwnWeight) {
  // 0-5 ft at 100 pcf, 5-8 ft rising from 120 to 150 pcf, dry.
  const std::vector<Layer> layers = {layer(0, 5, 100, 100), layer(5, 8, 120, 150)};
  const auto table = effectiveStressTable(layers, 100, 8);
  // Foot 6 lies in layer 2 at z = 1: 120 + 30/3 = 130; foot 7: 140; foot 8: 150.
  EXPECT_FLOAT_EQ(table[5], 500);
  EXPECT_FLOAT_EQ(table[6], 630);
  EXPECT_FLOAT_EQ(table[8], 500 + 130 + 140 + 150);
}

TEST(Profile, StressAtTheMiddleOfAStep) {
  EXPECT_FLOAT_EQ(midStepStress(1200, 120, 10, 10), 1140);          // at the water table: dry
  EXPECT_FLOAT_EQ(midStepStress(1315.2f, 120, 12, 10), 1315.2f - 28.8f);  // submerged half foot
}

}  // namespace
}  // namespace talmo

namespace talmo {
namespace {

TEST(Profile, WaterTableEnteredInMetresLandsOnTheSameFoot) {
  // 3.048 m converts to 9.99988 ft: the foot ending at 10 ft is still above the water table.
  const std::vector<Layer> uniform = {layer(0, 30, 120, 120)};
  const auto feet = effectiveStressTable(uniform, 10, 12);
  const auto metres = effectiveStressTable(uniform, 3.048f * 3.2808f, 12);
  EXPECT_FLOAT_EQ(metres[10], feet[10]);
  EXPECT_FLOAT_EQ(metres[12], feet[12]);
}

}  // namespace
}  // namespace talmo
