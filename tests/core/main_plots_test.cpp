#include "MainPlots.h"

#include <gtest/gtest.h>

#include <set>

namespace talmo {
namespace {

TEST(MainPlots, AllListsTheTwentySixDiagramsInExportOrder) {
  TMainPlots plots;
  const auto all = plots.All();
  const char* captions[] = {
      "Ultimate Skin Friction vs Depth",      "Ultimate Tip Resistance vs Depth",
      "Ultimate Total Capacity vs Depth",     "ASD/LRFD Skin Friction vs Depth ",
      "ASD/LRFD Tip Resistance vs Depth ",    "ASD/LRFD Total Capacity vs Depth",
      "Combined Plots vs Depth (ultimate)",   "Combined Plots vs Depth (ASD/LRFD)",
      "Axial Load vs Settlement (averaged)",  "Axial Load vs Settlement (upper bound)",
      "Axial Load vs Settlement (lower bound)", "Combined Plots of Load vs Settlement",
      "t-z curves (averaged)",                "Q-w curves (averaged)",
      "Additional t-z curves (averaged)",     "Load Distribution",
      "Design Chart 1", "Design Chart 2", "Design Chart 3", "Design Chart 4", "Design Chart 5",
      "Design Chart 6", "Design Chart 7", "Design Chart 8", "Design Chart 9", "Design Chart  10",
  };
  std::set<const TGraphPlot*> distinct(all.begin(), all.end());
  EXPECT_EQ(distinct.size(), all.size());
  for (std::size_t k = 0; k < all.size(); ++k) EXPECT_EQ(all[k]->Caption, captions[k]) << "row " << k + 1;
  EXPECT_EQ(all[0], &plots.pltSkin);
  EXPECT_EQ(all[25], &plots.PltChart[9]);
}

TEST(MainPlots, AxesAndOrientationFollowTheDiagramKind) {
  TMainPlots plots;
  struct Case {
    const TGraphPlot* plot;
    const char* xCaption;
    const char* xUnits;
    const char* yCaption;
    const char* yUnits;
    bool xOnTop;
  };
  const Case cases[] = {
      {&plots.pltSkin, "Ultimate Skin Friction ", "F2", "Depth ", "L2", true},
      {&plots.pltCombineD, "Axial Capacity w/F. S.", "F2", "Depth", "L2", true},
      {&plots.pltAxial, "Axial Load ", "F2", "Settlement ", "L", true},
      {&plots.pltLoad, "Total Capacity ", "F2", "Depth ", "L2", true},
      {&plots.pltQw, "Tip Displacement, w", "L", "Tip Load, Q", "F2", false},
      {&plots.pltTz, "Axial Displacement, z", "L", "Unit Load Transfer, t", "F/L^2", false},
      {&plots.PltChart[4], "Axial Capacity", "F2", "Depth", "L2", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.plot->Caption);
    EXPECT_EQ(c.plot->XCaption, c.xCaption);
    EXPECT_EQ(c.plot->XUnits, c.xUnits);
    EXPECT_EQ(c.plot->YCaption, c.yCaption);
    EXPECT_EQ(c.plot->YUnits, c.yUnits);
    EXPECT_EQ(c.plot->XOnTop, c.xOnTop);
  }
  for (TGraphPlot* plot : plots.All()) {
    EXPECT_EQ(plot->CurveName, "Curve #");
    EXPECT_FALSE(plot->ShowLayers);
    EXPECT_FALSE(plot->HasSomethingToDraw());
  }
  EXPECT_FALSE(plots.ShowOutput);
  EXPECT_FALSE(plots.showtzcurves);
  EXPECT_FALSE(plots.showloadcurves);
}

}  // namespace
}  // namespace talmo
