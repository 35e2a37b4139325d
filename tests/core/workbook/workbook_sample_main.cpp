// Writes a small workbook of known plots for check_workbook.py to read back:
//   workbook_sample OUT.xlsx [--no-markers]
// Plot 1: a depth plot of 3 lines of 16 points, point i of line j (both from 0) at
//         x = 100 j + i, y = 0.5 i. Plot 2: a t-z style plot (y upward) of 300 lines of 2
//         points. Plot 3: an elevation plot of one line whose third point has no defined y.
#include <iostream>
#include <limits>
#include <string>

#include "PlotModel.h"
#include "WorkbookExport.h"

int main(int argc, char** argv) {
  using talmo::TGraphPlot;
  if (argc < 2) {
    std::cerr << "usage: workbook_sample OUT.xlsx [--no-markers]\n";
    return 2;
  }
  const bool markers = !(argc > 2 && std::string(argv[2]) == "--no-markers");

  TGraphPlot depth, many, elevation;
  depth.Caption = "Ultimate Skin Friction vs Depth";
  depth.XCaption = "Ultimate Skin Friction ";
  depth.XUnits = "F2";
  depth.YCaption = "Depth";
  depth.YUnits = "L2";
  depth.SetLineCount(3);
  depth.SetCount(16);
  for (int j = 0; j < 3; ++j) {
    depth.Lines(j).fValueS = "L =" + std::to_string(10 * (j + 1)) + " ft";
    for (int i = 0; i < 16; ++i) depth.Data(j, i) = {100.0 * j + i, 0.5 * i};
  }

  many.Caption = "t-z curves (averaged)";
  many.XCaption = "Axial Displacement, z";
  many.XUnits = "L";
  many.YCaption = "Unit Load Transfer, t";
  many.YUnits = "F/L^2";
  many.SetUnits(2);
  many.XOnTop = false;
  many.SetLineCount(300);
  many.SetCount(2);
  for (int j = 0; j < 300; ++j) many.Data(j, 1) = {1.0, static_cast<double>(j)};

  elevation.Caption = "Ultimate Total Capacity vs Depth";
  elevation.XCaption = "Ultimate Total Capacity ";
  elevation.XUnits = "F2";
  elevation.YCaption = "Elevation";
  elevation.YUnits = "L2";
  elevation.Yreversed = true;
  elevation.SetLineCount(1);
  elevation.SetCount(3);
  elevation.Data(0, 0) = {0.0, 100.0};
  elevation.Data(0, 1) = {50.0, 80.0};
  elevation.Data(0, 2) = {60.0, std::numeric_limits<double>::quiet_NaN()};

  try {
    const auto result = talmo::WriteWorkbook(argv[1], {&depth, &many, &elevation}, markers);
    std::cout << talmo::ExportCompletedMessage(argv[1], result.more255) << '\n';
  } catch (const std::exception& e) {
    std::cerr << e.what() << '\n';
    return 1;
  }
  return 0;
}
