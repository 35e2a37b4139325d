// Times the repaint of every plot of the large design-chart project at 1600 x 1000 pixels.
//
//   plot_bench [RUNS]
//
// Runs the engine on the generated project (20 diameters, 30 lengths, 10 settlements: 600
// cases), loads its plot file into the plot models as the program does, and paints each plot
// that has data RUNS times (default 25) into an image laid out as the window's client area,
// depth plots with their soil-layer column, every curve active (a window starts with 20).
// Prints the median processor time of a repaint of every plot and the slowest of them.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <ctime>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "DrawPlot.h"
#include "MainPlots.h"
#include "ProjectResults.h"
#include "large_project.h"
#include "talmo/engine.h"

namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 1000;

// Processor time of the calling thread: the figure does not depend on what else the machine runs.
double threadMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double medianRepaintMs(const talmo::TGraphPlot& plot, int runs) {
  QImage surface(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
  const talmo::TDrawArea area = talmo::ScreenLayout(kWidth, kHeight, 96, 96, talmo::TLayoutOptions::Of(plot, 14));
  const talmo::TFloatRect bounds = talmo::AutoScale(plot);
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const double start = threadMs();
    QPainter painter(&surface);
    talmo::DrawPlot(painter, plot, area, bounds);
    painter.end();
    times.push_back(threadMs() - start);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 25;
  const auto dir = std::filesystem::temp_directory_path() / "talmo-plot-bench";
  std::filesystem::create_directories(dir);
  const auto project = dir / "large.tm8d";
  std::ofstream(project, std::ios::binary) << talmo::bench::LargeDesignChartProject();
  talmo::RunOptions options;
  options.workDir = dir;
  talmo::runAnalysis(talmo::namesForProject(project), options);

  talmo::TProjectTables tables;
  const talmo::TProjectLoad load = talmo::TProgramData::CreateFromFile(tables, project.string(), talmo::kFilterCurrent);
  talmo::TMainPlots plots;
  talmo::ReadPlotData(plots, (dir / "large.tm8p").string(), true, talmo::ResultSettingsOf(*load.project),
                      talmo::SoilLayersOf(tables));
  double slowest = 0;
  std::string slowestName;
  for (talmo::TGraphPlot* plot : plots.All()) {
    if (!plot->HasSomethingToDraw()) continue;
    plot->ShowLayers = plot->LayerLineCount() > 0;
    int points = 0;
    for (int i = 0; i < plot->LineCount(); ++i) points += plot->Lines(i).Count();
    const double ms = medianRepaintMs(*plot, runs);
    std::printf("%-45s %3d curves %6d points %3d layers %7.2f ms\n", plot->Caption.c_str(), plot->LineCount(), points,
                plot->LayerLineCount(), ms);
    if (ms > slowest) {
      slowest = ms;
      slowestName = plot->Caption;
    }
  }
  std::printf("slowest repaint at %d x %d: %.2f ms processor time (%s), median of %d paints\n", kWidth, kHeight, slowest,
              slowestName.c_str(), runs);
  std::filesystem::remove_all(dir);
  return 0;
}
