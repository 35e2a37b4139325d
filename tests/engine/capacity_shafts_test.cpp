// Capacity of whole shafts versus length, checked against hand calculations.
//
// Every expected number below was worked out by hand (python used as a pocket calculator) from
// the design rules of the models, never copied from a report. Conventions used in the working:
//   pi = 3.1416, base area Ab = 0.7854 B^2, angles in radians = degrees / 57.29;
//   side of one one-foot slice = f (tsf) x pi D x 1 ft;
//   tip of a base at L ft = weighted mean of the one-foot steps at L, L+1, .. L+N-1
//   (N = trunc(2 Bb), weight 1.2x for x = j/N <= 0.5, else 0.4(2-x));
//   side zone of a shaft of length L ends at L - BS - h (BS in whole feet, h = bell height),
//   cumulative side taken linearly between whole feet.
// The engine works in single precision, so a printed value may differ from the hand value by
// half a unit of its last digit plus a few parts per million.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "report_tables.h"

namespace talmo {
namespace {

using namespace test;

// ---------------------------------------------------------------------------------------------
// (a) Uniform clay, alpha and Nc left to the program, ASD, shaft length 32.5 ft.
//
// D = 3 ft, cu = 1000 psf, 120 pcf, layer 0..40 ft, water at 50 ft, TOPLENG = 5, BS = 2 ft,
// PINC = 5 ft, FST = 2, FSB = 3.
//   alpha: cu/2116.8 = 0.472 <= 1.5 -> 0.55 at both ends; f = 0.55 x 1000/2000 = 0.275 tsf
//   side per foot = 0.275 x 3.1416 x 3 = 2.59182 t; slices from 5 ft down to L - 2:
//   QS(L) = 2.59182 (L - 7)
//   Nc: top 6 (z = 0); bottom 6(1 + 0.2 x 40/3) = 22 -> 9; Nc(d) = 6 + 0.075 d
//   Ab = 7.0686 ft2, su = 0.5 tsf, tip(d) = 0.5 x 7.0686 x (6 + 0.075 d)
//   zone N = trunc(6) = 6, weights 0 .2 .4 .6 .5333 .4667 (sum 2.2), mean offset
//   (0.2x1 + 0.4x2 + 0.6x3 + 0.5333x4 + 0.4667x5)/2.2 = 3.30303 ft, so
//   QB(L) = 3.5343 (6 + 0.075 (L + 3.30303))
//   V(L) = L x 0.7854 x 9 / 27 = 0.261800 L
//   L = 10: QS = 7.77546, QB = 24.73207, QU = 32.50753, QBD = 7.77546 + 24.73207/3 = 16.01948,
//           QDN = 3.88773 + 8.24402 = 12.13175, QU/V = 32.50753 / 2.61800 = 12.41693
// Rows: multiples of 5 at or below TOPLENG + BS = 7 ft, then the length 32.5 itself.
const char* const kUniformClay =
    "Uniform clay, default alpha and Nc\r\n"
    "1 \r\n"
    "2 1 1 5 0 2 0 0 0 0 0\r\n"
    "3 0 0 0 5 2 3600000\r\n"
    "1 50 32.5 2 3\r\n"
    "2 40 \r\n"
    "0 120 0.0 1000 0 0 0 1 1 \r\n"
    "0 120 0.0 1000 0 0 0 1 1 \r\n"
    "0 0\r\n";

// Hand formula of the uniform clay row (used also by the multiple-length case).
Row uniformClayRow(double L) {
  const double QS = 2.59182 * (L - 7);
  const double QB = 0.5 * 7.0686 * (6 + 0.075 * (L + 3.30303));
  const double V = 0.2618 * L;
  return {L, V, QS, QB, QS + QB, QS + QB / 3, QS / 2 + QB / 3, (QS + QB) / V};
}

TEST(CapacityShaftByHand, UniformClayDefaultAlphaAndNcAsd) {
  const Outputs r = analyse(kUniformClay);
  ASSERT_EQ(r.status, 0);
  const auto tables = capacityTables(r.report);
  ASSERT_EQ(tables.size(), 1u);
  expectTable(tables[0],
              {
                  {10, 2.61800, 7.77546, 24.73207, 32.50753, 16.01948, 12.13175, 12.41693},
                  {15, 3.92700, 20.73456, 26.05743, 46.79199, 29.42037, 19.05309, 11.91545},
                  {20, 5.23600, 33.69366, 27.38279, 61.07645, 42.82126, 25.97443, 11.66472},
                  {25, 6.54500, 46.65276, 28.70816, 75.36092, 56.22214, 32.89576, 11.51427},
                  {30, 7.85400, 59.61186, 30.03352, 89.64538, 69.62303, 39.81710, 11.41398},
                  // 32.5 ft: side down to 30.5 ft = 2.59182 x 25.5; tip halfway between 32 and 33
                  {32.5, 8.50850, 66.09141, 30.69620, 96.78761, 76.32348, 43.27777, 11.37540},
              },
              false, "uniform clay");
  EXPECT_TRUE(containsLine(r.report, "      SHAFT LENGTH              =   32.500  FT."));
  EXPECT_TRUE(containsLine(r.report, "      IGNORED BOTTOM PORTION    =    2.000  FT."));
}

// ---------------------------------------------------------------------------------------------
// (b) Sand below the water table, beta method with beta left to the program, LRFD.
//
// D = 2 ft, sand 0..40 ft, 120 pcf, phi 34, N 10 at the top to 30 at 40 ft (N(d) = 10 + 0.5 d),
// water at 5 ft, RS = 0.55, RB = 0.5, IMOD = 1, PINC = 5, length 25 ft.
//   sigma'v(d) = 120 d (d <= 5), 600 + 57.6 (d - 5) below; slice middle: - 60 above the water,
//   - 28.8 below: e.g. d = 6: 657.6 - 28.8 = 628.8 psf
//   beta(d) = 1.5 - 0.135 sqrt(d), times N/15 while N < 15 (d < 10), within 0.25..1.2:
//   d = 1: 1.365 x 10.5/15 = 0.9555; d = 6: 1.16932 x 13/15 = 1.01341; d = 25: 0.825
//   f = beta sigma_m / 2000, side of a slice = f x 6.2832: d = 6: 1.01341 x 0.3144 x 6.2832
//   = 2.00193 t; QS(25) = sum over d = 1..25 = 73.97768 t
//   tip: q = 0.6 N tsf, Ab = 3.1416, IMOD: x d/20 while d < 20 (Bb = 2 < 4.17, no base
//   reduction); d = 10: 0.6 x 15 x 3.1416 x 0.5 = 14.1372 t
//   zone N = 4, weights 0 .3 .6 .5 (sum 1.4): QB(25) = 0.6 x 3.1416 x (22.5 + 0.5 x 3/1.4)
//   = 44.43120 t
//   LRFD QS = 0.55 QS, LRFD QB = 0.5 QB; V(L) = L x 3.1416/27 = 0.116356 L
const char* const kSandBeta =
    "Sand below water, beta method\r\n"
    "1 \r\n"
    "2 1 1 5 1 1 0 0 0 0 0\r\n"
    "2 0 0 0 0 0 3600000\r\n"
    "1 5 25 2 3\r\n"
    "1 40 \r\n"
    "0.0 120 34 0 10 0 0 0.55 0.5 \r\n"
    "0.0 120 34 0 30 0 0 0.55 0.5 \r\n"
    "2 \r\n"
    "0 0 \r\n";

TEST(CapacityShaftByHand, SandBelowWaterBetaMethodLrfd) {
  const Outputs r = analyse(kSandBeta);
  ASSERT_EQ(r.status, 0);
  const auto tables = capacityTables(r.report);
  ASSERT_EQ(tables.size(), 1u);
  expectTable(tables[0],
              {
                  {5, 0.58178, 4.63005, 9.16225, 13.79230, 2.54653, 4.58113, 7.12765},
                  {10, 1.16356, 16.85141, 18.41875, 35.27016, 9.26827, 9.20938, 18.47765},
                  {15, 1.74533, 33.25465, 30.03145, 63.28610, 18.29006, 15.01573, 33.30578},
                  {20, 2.32711, 52.46100, 39.71880, 92.17980, 28.85355, 19.85940, 48.71295},
                  {25, 2.90889, 73.97768, 44.43120, 118.40888, 40.68772, 22.21560, 62.90332},
              },
              false, "sand beta");
}

// ---------------------------------------------------------------------------------------------
// (c) Belled shaft in clay, design load 165 tons (search for the length).
//
// D = 3 ft, base 6 ft (RATIO 2), bell angle 30 deg, TOPLENG 5 ft, BS 1.4 ft (1 ft whole),
// clay 0..60 ft, cu 1500 -> 4000 psf, 125 pcf, PINC 2 ft, FST 2, FSB 3.
//   toe 0.25 ft (D <= 3.52); tan(30/57.29) = 0.577421; h = 3/(2 x 0.577421) + 0.25 = 2.84776 ft
//   Ab = 28.2744 ft2; Vb = [0.25 x 28.2744 + 1.0472 x 2.59776 x (2.25 + 9 + 4.5)]/27
//      = 1.84868 cu yd; V(L) = (L - 2.84776) x 0.261800 + 1.84868
//   alpha: top 0.55, bottom 4000/2116.8 = 1.88964 -> 0.55 - 0.1 x 0.38964 = 0.51104
//   Nc: 6 at the top, 9 at 60 ft (6(1 + 0.2 x 60/3) = 30 -> 9)
//   side of slice d (d > 5) = alpha(d) cu(d)/2000 x 9.4248; side zone ends at L - 1 - 2.84776
//   tip(d) = cu(d)/2000 x Nc(d) x 28.2744 (Bb = 6 <= 6.25: no reduction); zone 12 steps
//   L = 28: QS = 103.69196, QB = 322.98721, QDN = 51.84598 + 107.66240 = 159.50839 < 165
//   L = 30: QS = 116.60450, QB = 336.39365, QDN = 58.30225 + 112.13122 = 170.43347 > 165: stop
const char* const kBelledClay =
    "Belled shaft in clay, design load\r\n"
    "1 \r\n"
    "1 1 1 2 0 2 0 0 0 0 0\r\n"
    "3 0 2 30 5 1.4 3600000\r\n"
    "1 60 165 2 3\r\n"
    "2 60 \r\n"
    "0 125 0.0 1500 0 0 0 1 1 \r\n"
    "0 125 0.0 4000 0 0 0 1 1 \r\n"
    "0 0\r\n";

TEST(CapacityShaftByHand, BelledClayDesignLoadStopsAtFirstSufficientRow) {
  const Outputs r = analyse(kBelledClay);
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(r.reportText.find("NEED ANOTHER SOIL LAYER"), std::string::npos);
  EXPECT_TRUE(containsLine(r.report, "      END OF STEM TO BASE       =    2.848  FT."));
  EXPECT_TRUE(containsLine(r.report, "      VOLUME OF UNDERREAM       =    1.849  CU.YDS."));
  EXPECT_TRUE(containsLine(r.report, "      IGNORED BOTTOM PORTION    =    1.000  FT."));
  const auto tables = capacityTables(r.report);
  ASSERT_EQ(tables.size(), 1u);
  expectTable(tables[0],
              {
                  // 6 and 8 ft: the side zone ends above the ignored top portion
                  {6, 2.67394, 0.00000, 191.06733, 191.06733, 63.68911, 63.68911, 71.45532},
                  {8, 3.19754, 0.00000, 201.88195, 201.88195, 67.29398, 67.29398, 63.13662},
                  // 10 ft: side zone to 6.152 ft = slice 6 + 0.152 of slice 7
                  {10, 3.72114, 5.20467, 212.93218, 218.13685, 76.18206, 73.57973, 58.62096},
                  {12, 4.24474, 14.54761, 224.21804, 238.76565, 89.28696, 82.01315, 56.24976},
                  {14, 4.76834, 24.29534, 235.73952, 260.03486, 102.87518, 90.72751, 54.53361},
                  {16, 5.29194, 34.44581, 247.49661, 281.94242, 116.94468, 99.72178, 53.27769},
                  {18, 5.81554, 44.99698, 259.48933, 304.48631, 131.49342, 108.99493, 52.35735},
                  {20, 6.33914, 55.94681, 271.71767, 327.66448, 146.51937, 118.54596, 51.68910},
                  {22, 6.86274, 67.29327, 284.18162, 351.47489, 162.02048, 128.37384, 51.21494},
                  {24, 7.38634, 79.03431, 296.88120, 375.91551, 177.99471, 138.47755, 50.89333},
                  {26, 7.90994, 91.16788, 309.81640, 400.98428, 194.44002, 148.85607, 50.69371},
                  {28, 8.43354, 103.69196, 322.98721, 426.67918, 211.35437, 159.50839, 50.59312},
                  // volume with the underream: 27.15224 x 0.2618 + 1.84868 = 8.95714 cu yd
                  {30, 8.95714, 116.60450, 336.39365, 452.99815, 228.73572, 170.43347, 50.57397},
              },
              false, "belled clay");
}

// ---------------------------------------------------------------------------------------------
// Further whole shafts: layered profile, SI units, uplift, rock socket with LRFD.

// Clay 0..15 ft (cu 1000 -> 1500 psf, 120 pcf) over sand 15..40 ft (125 pcf, phi 34 -> 36,
// N 20 -> 30, beta left to the program), water at 20 ft, D = 3 ft, ASD, length 35 ft.
//   clay: alpha 0.55 both ends; Nc 6 -> 9 (6 x (1 + 0.2 x 15/3) = 12 -> 9): Nc(d) = 6 + 0.2 d
//   sigma'v: 120 d to 15 ft (1800), + 125/ft to 20 ft (2425), + 62.6/ft below
//   sand slice d = 16: beta 1.5 - 0.135 x 4 = 0.96, sigma_m = 1925 - 62.5 = 1862.5,
//   f = 0.894 tsf, side 8.42577 t; d = 21: beta 0.88136, sigma_m 2487.6 - 31.3 = 2456.3,
//   side 10.20171 t
//   tip: clay d = 15: 0.75 x 9 x 7.0686 = 47.71305 t; sand d = 16: 0.6 x 20.4 x 7.0686
//   = 86.51966 t; base at 15 ft averages steps 15..20 across the boundary: 90.42667 t
const char* const kClayOverSand =
    "Clay over sand\r\n"
    "1 \r\n"
    "2 1 1 5 0 2 0 0 0 0 0\r\n"
    "3 0 0 0 0 0 3600000\r\n"
    "2 20 35 2 3\r\n"
    "2 15 \r\n"
    "0 120 0.0 1000 0 0 0 1 1 \r\n"
    "0 120 0.0 1500 0 0 0 1 1 \r\n"
    "0 0\r\n"
    "1 40 \r\n"
    "0.0 125 34 0 20 0 0 1 1 \r\n"
    "0.0 125 36 0 30 0 0 1 1 \r\n"
    "2 \r\n"
    "0 0 \r\n";

TEST(CapacityShaftByHand, ClayOverSandAcrossTheLayerBoundary) {
  const Outputs r = analyse(kClayOverSand);
  ASSERT_EQ(r.status, 0);
  const auto tables = capacityTables(r.report);
  ASSERT_EQ(tables.size(), 1u);
  expectTable(tables[0],
              {
                  {5, 1.30900, 14.25501, 34.60472, 48.85973, 25.78992, 18.66241, 37.32600},
                  {10, 2.61800, 30.66987, 44.21873, 74.88860, 45.40945, 30.07451, 28.60527},
                  {15, 3.92700, 49.24458, 90.42667, 139.67125, 79.38680, 54.76451, 35.56691},
                  {20, 5.23600, 95.32610, 98.90899, 194.23509, 128.29576, 80.63271, 37.09608},
                  {25, 6.54500, 147.16058, 107.39131, 254.55189, 182.95769, 109.37740, 38.89257},
                  {30, 7.85400, 200.71979, 115.87363, 316.59342, 239.34433, 138.98444, 40.30983},
                  {35, 9.16300, 255.45154, 124.35595, 379.80750, 296.90353, 169.17776, 41.45013},
              },
              false, "clay over sand");
}

// SI project: D = 0.9 m, clay 0..12 m, cu 50 kN/m2, Nc 9 entered, 19 kN/m3, PINC 2 m, length
// 9.5 m, ASD.
//   D = 0.9 x 3.2808 = 2.95272 ft; cu = 50 x 20.885 = 1044.25 psf -> alpha 0.55
//   side per foot = 0.55 x 1044.25/2000 x 3.1416 x 2.95272 = 2.66385 t
//   QB = 0.522125 x 9 x 0.7854 x 2.95272^2 = 32.17751 t = 286.27677 kN (/ 0.1124)
//   L = 2 m = 6.5616 ft: QS = 17.47927 t = 155.50837 kN; V = 1.66409 cu yd = 1.27245 m3
//   QU/V = 49.65676 t/cu yd / 0.08594586 = 347.19307 kN/m3
// Rows every 2 m, then the length 9.5 m itself.
const char* const kSiClay =
    "SI clay\r\n"
    "2 \r\n"
    "2 1 1 2 0 2 0 0 0 0 0\r\n"
    "0.9 0 0 0 0 0 25000000\r\n"
    "1 20 9.5 2 3\r\n"
    "2 12 \r\n"
    "9 19 0.0 50 0 0 0 1 1 \r\n"
    "9 19 0.0 50 0 0 0 1 1 \r\n"
    "0 0\r\n";

TEST(CapacityShaftByHand, SiClayPrintsMetresKilonewtonsAndOneDecimal) {
  const Outputs r = analyse(kSiClay);
  ASSERT_EQ(r.status, 0);
  const auto tables = capacityTables(r.report);
  ASSERT_EQ(tables.size(), 1u);
  expectTable(tables[0],
              {
                  {2, 1.27245, 155.50837, 286.27677, 441.78515, 250.93396, 173.17978, 347.19307},
                  {4, 2.54490, 311.01674, 286.27677, 597.29352, 406.44233, 250.93396, 234.70251},
                  {6, 3.81734, 466.52511, 286.27677, 752.80189, 561.95070, 328.68815, 197.20566},
                  {8, 5.08979, 622.03348, 286.27677, 908.31026, 717.45908, 406.44233, 178.45724},
                  {9.5, 6.04413, 738.66476, 286.27677, 1024.94154, 834.09035, 464.75797, 169.57640},
              },
              true, "SI clay");
}

// Uplift of a belled shaft in clay: D = 3, RATIO 2, 30 deg (h = 2.84776 ft, Vb = 1.84868 cu
// yd), cu 1000 psf, RCYCL 0.7, water at 20 ft, ASD (FST 2; FSB does not act on the weight).
//   w = 1000 x 0.7 x 2 (belled) -> f = 0.55 x 1400/2000 = 0.385 tsf, side 3.62855 t/ft
//   QS(L) = 3.62855 (L - 2.84776); WT = V x 4050/2000 - (L - 20) x 0.02450448 x 9
//   L = 30: V = 8.95714, WT = 18.13820 - 2.20540 = 15.93281; QS = 98.52321;
//   QBD = QS + WT = 114.45602; QDN = 49.26161 + 15.93281 = 65.19441
const char* const kUpliftBelledClay =
    "Uplift, belled shaft in clay\r\n"
    "1 \r\n"
    "2 2 0.7 10 0 2 0 0 0 0 0\r\n"
    "3 0 2 30 0 0 3600000\r\n"
    "1 20 30 2 3\r\n"
    "2 40 \r\n"
    "0 120 0.0 1000 0 0 0 1 1 \r\n"
    "0 120 0.0 1000 0 0 0 1 1 \r\n"
    "0 0\r\n";

TEST(CapacityShaftByHand, UpliftOfBelledClayShaftCountsReducedSideAndBuoyantWeight) {
  const Outputs r = analyse(kUpliftBelledClay);
  ASSERT_EQ(r.status, 0);
  const auto tables = capacityTables(r.report);
  ASSERT_EQ(tables.size(), 1u);
  expectTable(tables[0],
              {
                  {10, 3.72114, 25.95225, 7.53531, 33.48756, 33.48756, 20.51144, 8.99927},
                  {20, 6.33914, 62.23773, 12.83676, 75.07449, 75.07449, 43.95563, 11.84301},
                  {30, 8.95714, 98.52321, 15.93281, 114.45602, 114.45602, 65.19441, 12.77819},
              },
              false, "uplift");
}

// Clay 0..20 ft over strong rock (type 7) 20..40 ft, LRFD with different factors per layer.
// D = 3 ft; clay cu 2000 psf, alpha 0.55, Nc 6 -> 9 over 0..20 ft, RS 0.45, RB 0.4;
// rock qu 30000 psf (concrete 500000), spacing 3 ft, closed joints, socket 2.5 ft, RS 0.55,
// RB 0.5.
//   clay side 0.55 x 9.4248 = 5.18364 t/ft; rock f = 0.15 x 30000/2000 = 2.25 tsf on the socket
//   perimeter 3.1416 x 2.5: 17.67150 t/ft
//   rock tip: Ksp = (3 + 3/2.5)/10 = 0.42; Q = 15 x 2.3562 x 6.25 x 0.42 = 92.77538 t
//   base at 20 ft: step 20 is clay (7.0686 x 9 = 63.6174 t), the rock steps 21..25 below it
//   count with that value, so QB = 63.6174 and LRFD QB = 0.4 x 63.6174 = 25.44696
//   base at 25 ft: rock zone of trunc(2 x 2.5) = 5 steps, QB = 92.77538, LRFD 46.38769
//   LRFD QS(30) = 0.45 x 103.6728 + 0.55 x 176.715 = 143.84601
const char* const kClayOverRock =
    "Clay over strong rock, LRFD\r\n"
    "1 \r\n"
    "2 1 1 5 0 1 0 0 0 0 0\r\n"
    "3 0 0 0 0 0 3600000\r\n"
    "2 40 30 2 3\r\n"
    "2 20 \r\n"
    "0 120 0.0 2000 0 0 0 0.45 0.4 \r\n"
    "0 120 0.0 2000 0 0 0 0.45 0.4 \r\n"
    "0 0\r\n"
    "7 40 \r\n"
    "30000 500000 3 0 2.5 0 1000000 80 0 0.55 0.5 \r\n"
    "30000 500000 3 0 2.5 0 1000000 80 0 0.55 0.5 \r\n";

TEST(CapacityShaftByHand, ClayOverStrongRockLrfdFactorsPerLayer) {
  const Outputs r = analyse(kClayOverRock);
  ASSERT_EQ(r.status, 0);
  const auto tables = capacityTables(r.report);
  ASSERT_EQ(tables.size(), 1u);
  expectTable(tables[0],
              {
                  {5, 1.30900, 25.91820, 51.21522, 77.13342, 11.66319, 20.48609, 32.14928},
                  {10, 2.61800, 51.83640, 56.51667, 108.35307, 23.32638, 22.60667, 45.93305},
                  {15, 3.92700, 77.75460, 61.81812, 139.57272, 34.98957, 24.72725, 59.71682},
                  {20, 5.23600, 103.67280, 63.61740, 167.29020, 46.65276, 25.44696, 72.09972},
                  {25, 6.54500, 192.03030, 92.77538, 284.80568, 95.24939, 46.38769, 141.63707},
                  {30, 7.85400, 280.38780, 92.77538, 373.16318, 143.84601, 46.38769, 190.23370},
              },
              false, "clay over rock");
}

// ---------------------------------------------------------------------------------------------
// Limits and tip rules seen through the whole shaft: QS and QB of the row at 10 ft.

std::string oneLayerProject(const std::string& diameterLine, int IMOD, const std::string& layer) {
  return "Limits and tip rules\r\n1 \r\n2 1 1 10 " + std::to_string(IMOD) + " 2 0 0 0 0 0\r\n" + diameterLine +
         "\r\n1 50 10 2 3\r\n" + layer;
}

// Clay 0..40 ft, cu 3000 psf, Nc 9, alpha 0.6 entered, with the given side and base limits (psf).
std::string limitedClay(const std::string& SF, const std::string& EB) {
  const std::string end = "9 120 0.0 3000 0 " + SF + " " + EB + " 1 1 \r\n";
  return oneLayerProject("2 0 0 0 0 0 3600000", 0, "2 40 \r\n" + end + end + "0.6 0.6\r\n");
}

// Sand with Ko = 1 entered, phi 30 (delta = phi), 100 pcf, dry.
std::string koSand(const std::string& diameterLine, int IMOD, const std::string& bottom, int Ntop,
                   int Nbottom) {
  return oneLayerProject(diameterLine, IMOD,
                         "1 " + bottom + " \r\n0.0 100 30 0 " + std::to_string(Ntop) + " 0 0 1 1 \r\n0.0 100 30 0 " +
                             std::to_string(Nbottom) + " 0 0 1 1 \r\n1 \r\n1 1 \r\n");
}

struct RuleCase {
  const char* name;
  std::string project;
  double QS, QB;
};

TEST(CapacityShaftRules, LimitsAndTipRulesAtTenFeet) {
  // Clay, D = 2 ft: f = 0.6 x 3000/2000 = 0.9 tsf; perimeter 6.2832; q = 1.5 x 9 = 13.5 tsf;
  // Ab = 3.1416.
  // Ko sand: f(d) = 100 d tan(30/57.29)/2000 = 0.028871 d tsf.
  const RuleCase cases[] = {
      // no limits: QS = 0.9 x 6.2832 x 10, QB = 13.5 x 3.1416
      {"clay without limits", limitedClay("0", "0"), 56.5488, 42.4116},
      // side capped at 1200 psf = 0.6 tsf: QS = 0.6 x 62.832
      {"clay side limit", limitedClay("1200", "0"), 37.6992, 42.4116},
      // a tiny side limit switches side resistance off
      {"clay side limit 0.001 psf", limitedClay("0.001", "0"), 0, 42.4116},
      // negative end bearing fixes the unit tip at 5 tsf: 5 x 3.1416
      {"clay fixed end bearing", limitedClay("0", "-10000"), 56.5488, 15.708},
      // positive end bearing caps it: 4 x 3.1416
      {"clay end bearing cap", limitedClay("0", "8000"), 56.5488, 12.5664},
      // a cap above the computed value changes nothing
      {"clay end bearing above q", limitedClay("0", "40000"), 56.5488, 42.4116},
      // Stem 0.9 ft, bell 1.8 ft at 45 deg: h = 0.45/tan(0.78548) + 0.25 = 0.69993 ft; side zone
      // to 9.30007 ft: QS = 0.028871 x (45 + 0.30007 x 10) x 3.1416 x 0.9 = 3.91835;
      // a stem under 1 ft takes the tip of the base step itself: N(10) = 20, q = 12 tsf,
      // QB = 12 x 0.7854 x 3.24 = 30.53635 (the 3-step mean would give 32.93564)
      {"stem under one foot", koSand("0.9 0 2 45 0 0 3600000", 0, "20", 10, 30), 3.91835, 30.53635},
      // D = 5 ft, N 40, IMOD 1: q = 24 tsf, Ab = 19.635, x 50/60 (Bb > 4.17), x d/50 (d < 50);
      // zone of 10 steps, weights sum 3.8, mean offset 21.4/3.8 = 5.63158:
      // QB = 392.7 x 15.63158/50 = 122.77042; QS = 0.028871 x 55 x 15.708 = 24.94284
      {"sand large base and shallow depth", koSand("5 0 0 0 0 0 3600000", 1, "40", 40, 40), 24.94284,
       122.77042},
      // Clay D = 7 ft (Bb > 6.25), cu 2000, Nc 9, alpha 0.55: q = 9 tsf, Ab = 38.4846;
      // b = 0.45 sqrt(2) = 0.63640; a(d) = 0.0071 + 0.0021 d/7 (d = 23: 0.0140);
      // Fr(d) = 2.5/(84 a + 1.59099) <= 1 (1 at 10 ft, 0.9035 at 23 ft); zone of 14 steps:
      // QB = 328.16247; QS = 0.55 x 21.9912 x 10 = 120.9516
      {"clay large base reduction",
       oneLayerProject("7 0 0 0 0 0 3600000", 0,
                       "2 40 \r\n9 120 0.0 2000 0 0 0 1 1 \r\n9 120 0.0 2000 0 0 0 1 1 \r\n0 0\r\n"),
       120.9516, 328.16247},
  };
  for (const auto& c : cases) {
    const Outputs r = analyse(c.project);
    ASSERT_EQ(r.status, 0) << c.name;
    const auto tables = capacityTables(r.report);
    ASSERT_EQ(tables.size(), 1u) << c.name;
    ASSERT_EQ(tables[0].size(), 1u) << c.name;
    const Row& row = tables[0][0];
    EXPECT_EQ(row[0], 10.0) << c.name;
    EXPECT_NEAR(row[2], c.QS, 0.005 + 5e-6 * c.QS) << c.name << ": QS";
    EXPECT_NEAR(row[3], c.QB, 0.005 + 5e-6 * c.QB) << c.name << ": QB";
  }
}

// ---------------------------------------------------------------------------------------------
// Headings and legends of every design method, loading and unit system.

std::string headingProject(bool si, bool lrfd, bool uplift) {
  std::ostringstream p;
  p << "Heading variant\r\n" << (si ? 2 : 1) << " \r\n";
  p << "2 " << (uplift ? "2 0.7" : "1 1") << (si ? " 2" : " 5") << " 0 " << (lrfd ? 1 : 2) << " 0 0 0 0 0\r\n";
  p << (si ? "1" : "3") << " 0 0 0 0 0 3600000\r\n";
  p << "1 " << (si ? "20 6" : "50 20") << " 2 3\r\n";
  p << "2 " << (si ? "12" : "40") << " \r\n";
  const std::string end = si ? "0 19 0.0 50 0 0 0 0.6 0.5 \r\n" : "0 120 0.0 1000 0 0 0 0.6 0.5 \r\n";
  p << end << end << "0 0\r\n";
  return p.str();
}

struct HeadingCase {
  bool si, lrfd, uplift;
  const char* columns;
  const char* units;
};

TEST(CapacityShaftHeadings, EveryVariantOfHeadingAndLegend) {
  const HeadingCase cases[] = {
      {false, false, false, "     LENGTH  VOLUME     QS      QB      QU       QBD      QDN      QU/VOLUME",
       "      (FT)   (CU.YDS) (TONS)   (TONS)  (TONS)   (TONS)   (TONS)  (TONS/CU.YDS)"},
      {false, false, true, "     LENGTH  VOLUME     QS      WT      QU       QBD      QDN      QU/VOLUME",
       "      (FT)   (CU.YDS) (TONS)   (TONS)  (TONS)   (TONS)   (TONS)  (TONS/CU.YDS)"},
      {false, true, false, "     LENGTH  VOLUME     QS      QB      QU     LRFD QS  LRFD QB   LRFD QU",
       "      (FT)   (CU.YDS) (TONS)   (TONS)  (TONS)   (TONS)   (TONS)    (TONS)"},
      {false, true, true, "     LENGTH  VOLUME     QS      WT      QU     LRFD QS      WT   LRFD QU",
       "      (FT)   (CU.YDS) (TONS)   (TONS)  (TONS)   (TONS)   (TONS)    (TONS)"},
      {true, false, false, "     LENGTH  VOLUME    QS     QB        QU       QBD     QDN     QU/VOLUME",
       "      ( M )  (CU.M )  ( KN )   ( KN )  ( KN )   ( KN )   ( KN )  ( KN /CU.M) "},
      {true, false, true, "     LENGTH  VOLUME    QS     WT        QU       QBD     QDN     QU/VOLUME",
       "      ( M )  (CU.M )  ( KN )   ( KN )  ( KN )   ( KN )   ( KN )  ( KN /CU.M) "},
      {true, true, false, "     LENGTH  VOLUME    QS     QB        QU      LRFD QS  LRFD QB   LRFD QU",
       "      ( M )  (CU.M )  ( KN )   ( KN )  ( KN )   ( KN )   ( KN )  ( KN ) "},
      {true, true, true, "     LENGTH  VOLUME    QS     WT        QU      LRFD QS      WT   LRFD QU",
       "      ( M )  (CU.M )  ( KN )   ( KN )  ( KN )   ( KN )   ( KN )  ( KN ) "},
  };
  const std::vector<std::string> asdLegend = {
      "     QS     = ULTIMATE SIDE RESISTANCE;",
      "     QB     = ULTIMATE BASE RESISTANCE;",
      "     WT     = WEIGHT OF DRILLED SHAFT (FOR UPLIFT CAPACITY ONLY);",
      "     QU     = TOTAL ULTIMATE RESISTANCE;",
      "     QBD    = TOTAL ALLOWABLE LOAD USING A FACTOR OF SAFETY",
      "              APPLIED TO THE ULTIMATE BASE RESISTANCE;",
      "     QDN    = TOTAL ALLOWABLE LOAD USING FACTORS OF SAFETY",
      "              APPLIED TO THE ULTIMATE SIDE RESISTANCE AND",
      "              THE ULTIMATE BASE RESISTANCE."};
  const std::vector<std::string> lrfdLegend = {
      "     QS      = ULTIMATE SIDE RESISTANCE;",
      "     QB      = ULTIMATE BASE RESISTANCE;",
      "     WT      = WEIGHT OF DRILLED SHAFT (UPLIFT CAPACITY ONLY);",
      "     QU      = TOTAL ULTIMATE RESISTANCE;",
      "     LRFD QS = TOTAL SIDE FRICTION USING LRFD RESISTANCE FACTOR",
      "               TO THE ULTIMATE SIDE RESISTANCE;",
      "     LRFD QB = TOTAL BASE BEARING USING LRFD RESISTANCE FACTOR",
      "               TO THE ULTIMATE BASE RESISTANCE",
      "     LRFD QU = TOTAL CAPACITY WITH LRFD RESISTANCE FACTOR."};

  for (const auto& c : cases) {
    const std::string name = std::string(c.si ? "SI" : "English") + (c.lrfd ? " LRFD" : " ASD") +
                             (c.uplift ? " uplift" : " compression");
    const Outputs r = analyse(headingProject(c.si, c.lrfd, c.uplift));
    ASSERT_EQ(r.status, 0) << name;
    const auto& L = r.report;

    // Legend: empty lines (three for ASD, two for LRFD), the title and its underline, an empty
    // line and the nine legend lines; then an empty line and the two heading lines.
    std::size_t at = 0;
    while (at < L.size() && L[at] != "     PREDICTED RESULTS") ++at;
    ASSERT_LT(at + 12 + 3, L.size()) << name;
    const std::size_t blanks = c.lrfd ? 2 : 3;
    for (std::size_t k = 1; k <= blanks; ++k) EXPECT_EQ(L[at - k], "") << name;
    EXPECT_NE(L[at - blanks - 1], "") << name << ": too many empty lines before the legend";
    EXPECT_EQ(L[at + 1], "     " + std::string(17, '-')) << name;
    EXPECT_EQ(L[at + 2], "") << name;
    const auto& legend = c.lrfd ? lrfdLegend : asdLegend;
    for (std::size_t k = 0; k < legend.size(); ++k) EXPECT_EQ(L[at + 3 + k], legend[k]) << name;
    EXPECT_EQ(L[at + 12], "") << name;
    EXPECT_EQ(L[at + 13], c.columns) << name;
    EXPECT_EQ(L[at + 14], c.units) << name;

    // The rows under it are in the unit system's layout.
    const auto tables = capacityTables(L);
    ASSERT_EQ(tables.size(), 1u) << name;
    EXPECT_FALSE(tables[0].empty()) << name;
    std::string why;
    Row row;
    EXPECT_TRUE(parseRow(L[at + 15], c.si, row, &why)) << name << ": " << why << ": " << L[at + 15];
  }
}

// ---------------------------------------------------------------------------------------------
// A large project: 40 layers to 200 ft, 20 diameters.

std::string fortyLayerProject() {
  std::ostringstream p;
  p << "Forty layers, twenty diameters\r\n1 \r\n";
  p << "2 1 1 5 1 2 0 0 0 0 0\r\n";
  p << "2 11.5 0 0 3 2 4000000\r\n";  // 2 to 11.5 ft in 0.5 ft steps: 20 diameters
  p << "40 12 150 2.5 3\r\n";
  for (int i = 0; i < 40; ++i) {
    const double bottom = 5.0 * (i + 1);
    const std::string b = std::to_string(static_cast<int>(bottom));
    if (i >= 32) {  // strong rock below 160 ft, both kinds
      const int type = i % 2 == 0 ? 7 : 4;
      const char* line =
          i % 4 == 0 ? "30000 500000 3 0.01 2 0 1000000 80 0 1 1 \r\n"
                     : (type == 4 ? "200000 600000 4 0.005 2 0 2000000 90 0 1 1 \r\n"
                                  : "100000 500000 2 0 2 0 1500000 70 0 1 1 \r\n");
      p << type << " " << b << " \r\n" << line << line;
      continue;
    }
    switch (i % 8) {
      case 0:  // clay from strength, defaults
        p << "2 " << b << " \r\n0 118 0.0 1200 0 0 0 1 1 \r\n0 120 0.0 2500 0 0 0 1 1 \r\n0 0\r\n";
        break;
      case 1:  // sand, beta method, from blow counts
        p << "1 " << b << " \r\n0.0 122 0 0 12 0 0 1 1 \r\n0.0 124 0 0 25 0 0 1 1 \r\n2 \r\n0 0 \r\n";
        break;
      case 2:  // clay shale from blow counts only
        p << "3 " << b << " \r\n0 125 0.0 0 30 0 0 1 1 \r\n0 125 0.0 0 40 0 0 1 1 \r\n0 0\r\n";
        break;
      case 3:  // gravelly sand
        p << "8 " << b << " \r\n125 30 0 0 0 1 1 \r\n127 45 0 0 0 1 1 \r\n";
        break;
      case 4:  // gravel
        p << "9 " << b << " \r\n130 60 0 0 0 1 1 \r\n130 70 0 0 0 1 1 \r\n";
        break;
      case 5:  // sand, Chen and Kulhawy
        p << "1 " << b << " \r\n0.0 120 33 0 15 0 0 1 1 \r\n0.0 122 35 0 28 0 0 1 1 \r\n3 \r\n0 0 \r\n";
        break;
      case 6:  // sand, Ko method, friction angle from the chart
        p << "1 " << b << " \r\n0.0 121 0 0 20 3000 0 1 1 \r\n0.0 121 0 0 35 3000 0 1 1 \r\n1 \r\n0 0 \r\n";
        break;
      default:  // clay from blow counts, with limits
        p << "2 " << b << " \r\n0 120 0.0 0 18 1500 60000 1 1 \r\n0 120 0.0 0 22 1500 60000 1 1 \r\n0 0\r\n";
        break;
    }
  }
  return p.str();
}

TEST(CapacityShaftLargeProject, FortyLayersTwentyDiametersAllFinite) {
  const Outputs r = analyse(fortyLayerProject());
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(count(r.reportText, "- CASE ANALYZED      :"), 20);
  for (const char* bad : {"nan", "inf", "NaN"}) {
    EXPECT_EQ(r.reportText.find(bad), std::string::npos) << bad << " in the report";
    EXPECT_EQ(r.plot.find(bad), std::string::npos) << bad << " in the plot file";
  }
  EXPECT_EQ(count(r.reportText, "THE MOST EFFICIENT SHAFT FOR THIS SOIL PROFILE APPEARS TO BE THE FOLLOWING ONE:"), 1);
  const auto tables = capacityTables(r.report);
  ASSERT_EQ(tables.size(), 20u);
  for (std::size_t k = 0; k < tables.size(); ++k) {
    ASSERT_FALSE(tables[k].empty()) << "diameter " << k + 1;
    EXPECT_EQ(tables[k].back()[0], 150.0) << "diameter " << k + 1;
  }
  // The efficient-shaft block comes after the last case.
  EXPECT_GT(r.reportText.find(" THE MOST EFFICIENT SHAFT"), r.reportText.rfind("- CASE ANALYZED"));
}

// ---------------------------------------------------------------------------------------------
// Ends of the case loop.

TEST(CapacityShaftCases, DesignLoadBeyondTheProfileNeedsAnotherLayer) {
  // Clay 0..20 ft cannot carry 5000 tons; the run stops after the first diameter's table.
  const std::string project =
      "Too heavy\r\n1 \r\n1 1 1 5 0 2 0 0 0 0 0\r\n3 5 0 0 0 0 3600000\r\n1 50 5000 2 3\r\n"
      "2 20 \r\n0 120 0.0 1000 0 0 0 1 1 \r\n0 120 0.0 1000 0 0 0 1 1 \r\n0 0\r\n";
  const Outputs r = analyse(project);
  EXPECT_EQ(r.status, 7);
  const std::string message = "   *********** NEED ANOTHER SOIL LAYER ************";
  ASSERT_TRUE(containsLine(r.report, message));
  EXPECT_NE(r.runtime.find(message), std::string::npos);
  EXPECT_EQ(count(r.reportText, "- CASE ANALYZED      :"), 1);
  EXPECT_EQ(r.reportText.find("THE MOST EFFICIENT SHAFT"), std::string::npos);
  const auto tables = capacityTables(r.report);
  ASSERT_EQ(tables.size(), 1u);
  ASSERT_FALSE(tables[0].empty());
  EXPECT_EQ(tables[0].back()[0], 20.0);  // every row down to the bottom of the profile
  // The message closes the report, after an empty line.
  std::size_t last = r.report.size();
  while (last > 0 && r.report[last - 1].empty()) --last;
  ASSERT_GE(last, 2u);
  EXPECT_EQ(r.report[last - 1], message);
  EXPECT_EQ(r.report[last - 2], "");
}

TEST(CapacityShaftCases, MultipleLengthsGiveOneCasePerLength) {
  // The uniform clay of the first hand example with lengths varied: minimum 0 -> 0.7 x 32.5 =
  // 22.75, at least 6 x 3 + 5 + 2 = 25 ft; increment 0 -> 3 ft: lengths 32.5, 29.5, 26.5.
  std::string project = kUniformClay;
  project.replace(project.find("2 1 1 5 0 2 0 0 0 0 0"), 21, "2 1 1 5 0 2 1 0 0 0 0");
  project.replace(project.find("1 50 32.5 2 3\r\n"), 15, "1 50 32.5 2 3\r\n0 0\r\n");
  const Outputs r = analyse(project);
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(count(r.reportText, "- CASE ANALYZED      :"), 3);
  const double lengths[] = {32.5, 29.5, 26.5};
  const char* const lengthLines[] = {"      SHAFT LENGTH              =   32.500  FT.",
                                     "      SHAFT LENGTH              =   29.500  FT.",
                                     "      SHAFT LENGTH              =   26.500  FT."};
  for (int k = 0; k < 3; ++k) {
    EXPECT_TRUE(containsLine(r.report, "     - CASE ANALYZED      :     " + std::to_string(k + 1))) << k;
    EXPECT_TRUE(containsLine(r.report, "       VARIATION LENGTH   :     " + std::to_string(k + 1))) << k;
    EXPECT_TRUE(containsLine(r.report, lengthLines[k])) << k;
  }
  const auto tables = capacityTables(r.report);
  ASSERT_EQ(tables.size(), 3u);
  const std::size_t rows[] = {6, 5, 5};  // 10, 15, 20, 25, (30,) then the length itself
  for (int k = 0; k < 3; ++k) {
    ASSERT_EQ(tables[k].size(), rows[k]) << "length " << lengths[k];
    expectRow(tables[k].back(), uniformClayRow(lengths[k]), false,
              "last row of length " + std::to_string(lengths[k]));
  }
  // Hand values at 29.5 ft: QS = 2.59182 x 22.5 = 58.31595, QB = 3.5343 x (6 + 0.075 x 32.80303)
  // = 29.90098
  EXPECT_NEAR(tables[1].back()[2], 58.31595, 0.0051);
  EXPECT_NEAR(tables[1].back()[3], 29.90098, 0.0051);
  // A single diameter: no efficient-shaft block.
  EXPECT_EQ(r.reportText.find("THE MOST EFFICIENT SHAFT"), std::string::npos);
}

TEST(CapacityShaftCases, LengthsBeyondTheHundredthAreNamedInTheRuntimeNotes) {
  // Lengths from 150 ft down to 10 ft by 1 ft: 141 lengths, of which 100 (150 .. 51 ft) are
  // analysed; the 41 from 50 to 10 ft are named in the runtime notes and the report.
  const char* project =
      "Many lengths\r\n1 \r\n2 1 1 50 0 2 1 0 0 0 0\r\n1 1 0 0 0 0 3600000\r\n1 200 150 2 3\r\n"
      "10 1\r\n2 160 \r\n0 120 0.0 1000 0 0 0 1 1 \r\n0 120 0.0 1000 0 0 0 1 1 \r\n0 0\r\n";
  const Outputs r = analyse(project);
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(count(r.reportText, "- CASE ANALYZED      :"), 100);
  EXPECT_TRUE(containsLine(r.report, "      SHAFT LENGTH              =   51.000  FT."));
  const std::string note =
      "\n     *********************WARNING**********************\n"
      "     ONLY THE FIRST 100 SHAFT LENGTHS ARE ANALYSED.\n"
      "     THE 41 SHAFT LENGTHS FROM    50.000 FT TO    10.000 FT\n"
      "     WERE NOT ANALYSED; ANALYSE THEM IN A SEPARATE RUN.\n\n";
  EXPECT_NE(r.runtime.find(note), std::string::npos) << r.runtime.substr(0, 400);
  EXPECT_NE(r.reportText.find(note), std::string::npos);
}

TEST(CapacityShaftCases, MostEfficientOfTwoDiametersByHand) {
  // Uniform clay of the first hand example, 32 ft long, D = 3 and 3.5 ft.
  //   D = 3:   QS = 2.59182 x 25 = 64.7955, QB = 3.5343 x (6 + 0.075 x 35.30303) = 30.56366,
  //            QU = 95.35916, V = 32 x 7.0686/27 = 8.37760, QU/V = 11.38263
  //   D = 3.5: side 0.275 x 10.9956 = 3.02379 t/ft, QS = 75.59475; zone of 7 steps, weights
  //            sum 2.571429, offset 10/2.571429 = 3.88889; QB = 0.5 x 9.62115 x (6 + 0.075 x
  //            35.88889) = 41.81191; QU = 117.40666, V = 11.40284, QU/V = 10.29626
  // The 3 ft shaft carries more per cubic yard.
  std::string project = kUniformClay;
  project.replace(project.find("3 0 0 0 5 2 3600000"), 19, "3 3.5 0 0 5 2 3600000");
  project.replace(project.find("1 50 32.5 2 3"), 13, "1 50 32 2 3");
  const Outputs r = analyse(project);
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(count(r.reportText, "- CASE ANALYZED      :"), 2);
  const auto& L = r.report;
  std::size_t at = 0;
  while (at < L.size() && L[at] != " THE MOST EFFICIENT SHAFT FOR THIS SOIL PROFILE APPEARS TO BE THE FOLLOWING ONE:") ++at;
  ASSERT_LT(at + 13, L.size());
  for (std::size_t k = 1; k <= 3; ++k) EXPECT_EQ(L[at - k], "");
  const char* const block[] = {"  DIAMETER OF STEM       = 3.00 FT.",
                               "  DIAMETER OF BASE       = 3.00 FT.",
                               "  ESTIMATED SHAFT LENGTH =  32. FT.",
                               "  VOLUME OF CONCRETE     =   8.38 CU.YDS.",
                               "  ULTIMATE LOAD CAPACITY =     95.36 TONS",
                               "  QU/VOLUME OF CONCRETE  =  11.38 TONS/CU.YD."};
  EXPECT_EQ(L[at + 1], "");
  for (std::size_t k = 0; k < 6; ++k) {
    EXPECT_EQ(L[at + 2 + 2 * k], block[k]);
    EXPECT_EQ(L[at + 3 + 2 * k], "");
  }
  const auto tables = capacityTables(L);
  ASSERT_EQ(tables.size(), 2u);
  expectRow(tables[1].back(), {32, 11.40284, 75.59475, 41.81191, 117.40666, 89.53205, 51.73476, 10.29626}, false,
            "D = 3.5 ft at 32 ft");
}

TEST(CapacityShaftCases, SiDesignLoadIsComparedInKilonewtons) {
  // SI clay of the hand example with a design load of 300 kN (33.72 tons): QDN is 250.93 kN at
  // 4 m and 328.69 kN at 6 m, so the table stops at 6 m.
  std::string project = kSiClay;
  project.replace(project.find("2 1 1 2 0 2"), 11, "1 1 1 2 0 2");
  project.replace(project.find("1 20 9.5 2 3"), 12, "1 20 300 2 3");
  const Outputs r = analyse(project);
  ASSERT_EQ(r.status, 0);
  const auto tables = capacityTables(r.report);
  ASSERT_EQ(tables.size(), 1u);
  expectTable(tables[0],
              {
                  {2, 1.27245, 155.50837, 286.27677, 441.78515, 250.93396, 173.17978, 347.19307},
                  {4, 2.54490, 311.01674, 286.27677, 597.29352, 406.44233, 250.93396, 234.70251},
                  {6, 3.81734, 466.52511, 286.27677, 752.80189, 561.95070, 328.68815, 197.20566},
              },
              true, "SI design load");
}

TEST(CapacityShaftCases, ShortProfileBelowTheBaseIsReportedInTheRuntimeNotes) {
  // Uniform clay to 40 ft, D = 3 ft: the base zone needs 6 steps. A 39 ft shaft leaves one.
  const std::string note =
      "\n       INCREASE THE SOIL DEPTH TO GIVE ENOUGH LENGTH FOR\n"
      "       COMPUTING THE BASE RESISTANCE- AT LEAST TWO DIAMETER";
  for (const auto& [length, expected] : {std::pair{"30", false}, std::pair{"39", true}}) {
    std::string project = kUniformClay;
    project.replace(project.find("1 50 32.5 2 3"), 13, std::string("1 50 ") + length + " 2 3");
    const Outputs r = analyse(project);
    ASSERT_EQ(r.status, 0) << length;
    std::string runtime = r.runtime;
    runtime.erase(std::remove(runtime.begin(), runtime.end(), '\r'), runtime.end());
    EXPECT_EQ(runtime.find(note) != std::string::npos, expected) << length << " ft\n" << runtime;
  }
}

// ---------------------------------------------------------------------------------------------
// Nc left at 0 in clay is computed once for the run, from the layer ends as entered and the
// initial diameter, and the capacity uses exactly the values the echo prints.
//
// Clay 0..4.4 ft over clay 4.4..30 ft, cu 2000 psf (su = 1 tsf), shafts of 3 and 3.5 ft.
//   layer 2: Nc top 6 (1 + 0.2 x 4.4 / 3) = 7.76, bottom 6 (1 + 0.2 x 30 / 3) = 18 -> 9; on the
//   whole-foot layer 4..30 ft: Nc(d) = 7.76 + 1.24 (d - 4) / 26 (not 7.6 from the whole foot 4)
//   D = 3: Ab = 7.0686, zone 6 steps at 5..10 ft, weights 0 .2 .4 .6 .5333 .4667 (sum 2.2),
//     mean d - 4 = (0.2x2 + 0.4x3 + 0.6x4 + 0.5333x5 + 0.4667x6) / 2.2 = 4.30303
//     QB(5) = 7.0686 x (7.76 + 1.24 x 4.30303 / 26) = 7.0686 x 7.965221 = 56.30298 t
//   D = 3.5 (same Nc): Ab = 9.62115, zone 7 steps at 5..11 ft, weights j/7 rule (sum 2.571429),
//     mean d - 4 = 12.571429 / 2.571429 = 4.888889
//     QB(5) = 9.62115 x (7.76 + 1.24 x 4.888889 / 26) = 9.62115 x 7.993162 = 76.90338 t
TEST(CapacityShaftByHand, ClayNcDefaultsOnceFromTheEnteredDepths) {
  const char* project =
      "Clay Nc defaults\r\n1 \r\n2 1 1 5 0 2 0 0 0 0 0\r\n3 3.5 0 0 0 0 3600000\r\n2 50 20 2 3\r\n"
      "2 4.4 \r\n0 120 0.0 2000 0 0 0 1 1 \r\n0 120 0.0 2000 0 0 0 1 1 \r\n0 0\r\n"
      "2 30 \r\n0 120 0.0 2000 0 0 0 1 1 \r\n0 120 0.0 2000 0 0 0 1 1 \r\n0 0\r\n";
  const Outputs r = analyse(project);
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(count(r.reportText, "       END BEARING COEFFICIENT-Nc                        = 0.776E+01(*)  \n"), 2);
  const auto tables = capacityTables(r.report);
  ASSERT_EQ(tables.size(), 2u);
  ASSERT_FALSE(tables[0].empty());
  ASSERT_FALSE(tables[1].empty());
  EXPECT_EQ(tables[0][0][0], 5);
  EXPECT_NEAR(tables[0][0][3], 56.30298, 0.005 + 5e-6 * 56.3);
  EXPECT_NEAR(tables[1][0][3], 76.90338, 0.005 + 5e-6 * 76.9);
}

}  // namespace
}  // namespace talmo
