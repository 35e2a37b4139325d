#include "report_first_lines.h"

#include <string>

#include "fixed_format.h"

namespace talmo {
namespace {

const std::string kIndent(5, ' ');

void underlined(TextOut& out, const std::string& text, std::size_t hyphens) {
  out.line(kIndent + text);
  out.line(kIndent + std::string(hyphens, '-'));
}

}  // namespace

void writeFirstReportLines(const RunModel& m, int layerCount, TextOut& report) {
  report.line(kIndent + fmt::padRight(m.title, 72));
  report.blankLines(2);
  if (m.METHOD == 2) {
    underlined(report, "PROPOSED DEPTH =" + fmt::F(m.DGH, 10, 1) + (m.si() ? " M" : " FT"), 16);
  } else {
    underlined(report, "TOTAL LOAD =" + fmt::F(m.DGH, 10, 1) + (m.si() ? " KN" : " TONS"), 12);
  }
  report.blankLines(2);
  if (m.KCYCL == 2) {
    underlined(report, "REDUCTION FACTOR APPLIED FOR UPLIFT FRICTION =" + fmt::F(m.RCYCL, 6, 3), 46);
    report.blankLines(2);
  }
  underlined(report, "NUMBER OF LAYERS =" + fmt::I(layerCount, 5), 18);
  report.blankLines(2);
  underlined(report, "WATER TABLE DEPTH =" + fmt::F(m.WTD, 10, 1) + (m.si() ? " M" : " FT."), 19);
  report.blankLines(2);
}

void writeProfileTooShortWarning(RunFiles& files) {
  for (TextOut* out : {&files.report, &files.runtime}) {
    out->blankLines(2);
    out->line(kIndent + "*********************WARNING**********************");
    out->line(kIndent + "PLEASE PROVIDE THE SOIL DEPTH THAT IS TWO-DIAMETER DEEPER");
    out->line(kIndent + "THAN THE TIP OF DRILLED SHAFTS");
    out->blankLines(1);
  }
}

void writeErrorBlock(RunFiles& files, const std::vector<std::string>& lines) {
  for (TextOut* out : {&files.report, &files.runtime}) {
    out->blankLines(2);
    out->line(kIndent + "*********************ERROR**********************");
    for (const auto& l : lines) out->line(kIndent + l);
    out->line(kIndent + "**************************************************");
    out->blankLines(1);
  }
}

void writeInputError(RunFiles& files, const InputError& error) {
  std::string where;
  if (error.line > 0) where = "LINE " + std::to_string(error.line);
  if (error.item > 0) where += ", ITEM " + std::to_string(error.item);
  std::vector<std::string> lines = {"THE PROJECT FILE CANNOT BE READ:", "  " + files.names.project};
  if (!where.empty()) lines.push_back(where + ":");
  lines.push_back("  " + error.problem);
  lines.push_back("THE ANALYSIS WAS STOPPED.");
  writeErrorBlock(files, lines);
}

}  // namespace talmo
