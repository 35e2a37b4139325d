#include "WorkbookExport.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <memory>
#include <stdexcept>
#include <string_view>
#include <system_error>

#include "FileReplace.h"
#include "NumericLocale.h"

namespace talmo {

namespace {

// Worksheet limits of the .xlsx format.
constexpr long long kSheetColumns = 16384;
constexpr long long kSheetRows = 1048576;
// Rows of a data sheet above the points: caption, x caption, y caption, line names, "X"/"Y".
constexpr int kDataHeaderRows = 5;

// A step of writing the workbook failed; `what()` is the reason shown after the file name.
class TWriteFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

void check(lxw_error error, const std::string& where) {
  if (error != LXW_NO_ERROR) throw TWriteFailure(where + ": " + lxw_strerror(error));
}

template <class T>
T* created(T* item, const std::string& what) {
  if (item == nullptr) throw TWriteFailure("cannot create " + what);
  return item;
}

std::string caption(const TGraphPlot& plot, const std::string& text, const std::string& units) {
  return units.empty() ? text : text + " (" + plot.ExpandUnits(units) + ")";
}

int largestPointCount(const TGraphPlot& plot) {
  int points = 0;
  for (int j = 0; j < plot.LineCount(); ++j) points = std::max(points, plot.Lines(j).Count());
  return points;
}

// The index sheet: headers in row 2, then one row per exported plot from row 3.
class TIndexSheet {
 public:
  TIndexSheet(lxw_workbook* book, lxw_worksheet* sheet) : sheet_(sheet) {
    lxw_format* header = workbook_add_format(book);
    format_set_bold(header);
    format_set_align(header, LXW_ALIGN_VERTICAL_CENTER);
    for (int c = 0; c < kColumns; ++c) {
      check(worksheet_write_string(sheet_, 1, static_cast<lxw_col_t>(c + 1), kHeaders[c], header), "Legend");
      widths_[c] = std::string_view(kHeaders[c]).size();
    }
  }

  void AddPlot(int k, const std::string& plotName, const std::string& dataSheet, const std::string& chartSheet) {
    const auto row = static_cast<lxw_row_t>(k + 1);
    const std::string link = "internal:" + dataSheet + "!A1";
    check(worksheet_write_number(sheet_, row, 1, k, nullptr), "Legend");
    write(row, 2, plotName);
    check(worksheet_write_url_opt(sheet_, row, 3, link.c_str(), nullptr, dataSheet.c_str(), nullptr), "Legend");
    fit(3, dataSheet);
    write(row, 4, chartSheet);
    write(row, 5, "Complete");
  }

  // Columns B to F as wide as their longest text; printed across one landscape page.
  void FitColumns() {
    for (int c = 0; c < kColumns; ++c)
      check(worksheet_set_column(sheet_, static_cast<lxw_col_t>(c + 1), static_cast<lxw_col_t>(c + 1),
                                 static_cast<double>(widths_[c]) + 1.0, nullptr),
            "Legend");
    worksheet_set_landscape(sheet_);
    worksheet_fit_to_pages(sheet_, 1, 0);
  }

 private:
  static constexpr int kColumns = 5;
  // The headers keep their blanks: they set the minimum width of their columns.
  static constexpr const char* kHeaders[kColumns] = {
      "     N    ", "                             Plot Name                             ", "  Sheet Name  ",
      "  Chart Name  ", "          Status          "};

  void write(lxw_row_t row, lxw_col_t col, const std::string& text) {
    check(worksheet_write_string(sheet_, row, col, text.c_str(), nullptr), "Legend");
    fit(col, text);
  }
  void fit(int col, const std::string& text) { widths_[col - 1] = std::max(widths_[col - 1], text.size()); }

  lxw_worksheet* sheet_;
  std::size_t widths_[kColumns] = {};
};

// Data sheet of one plot: captions in A1:B3, a link back to the index in G1, then per line j
// (from 1) its name in row 4 and its points from row 6 in columns 2j-1 (x) and 2j (y).
void writeDataSheet(lxw_worksheet* sheet, const TGraphPlot& plot, const std::string& name) {
  if (2LL * plot.LineCount() > kSheetColumns || largestPointCount(plot) > kSheetRows - kDataHeaderRows)
    throw TWriteFailure("the plot \"" + plot.Caption + "\" has more lines or points than a worksheet can hold");
  auto text = [&](lxw_row_t row, lxw_col_t col, const std::string& value) {
    check(worksheet_write_string(sheet, row, col, value.c_str(), nullptr), name);
  };
  text(0, 0, plot.Caption);
  check(worksheet_write_url(sheet, 0, 6, "internal:Legend!A1", nullptr), name);
  text(1, 0, "X");
  text(1, 1, ExportXCaption(plot));
  text(2, 0, "Y");
  text(2, 1, ExportYCaption(plot));
  for (int j = 0; j < plot.LineCount(); ++j) {
    const TLine& line = plot.Lines(j);
    const auto x = static_cast<lxw_col_t>(2 * j);
    text(3, x, line.LineName());
    text(4, x, "X");
    text(4, x + 1, "Y");
    for (int i = 0; i < line.Count(); ++i) {
      const auto row = static_cast<lxw_row_t>(kDataHeaderRows + i);
      // A workbook cannot hold an infinite or undefined number: such a point stays blank and
      // the chart leaves a gap there.
      for (const auto& [col, value] : {std::pair{x, line[i].x}, std::pair{static_cast<lxw_col_t>(x + 1), line[i].y}})
        if (std::isfinite(value)) check(worksheet_write_number(sheet, row, col, value, nullptr), name);
    }
  }
}

// Scatter chart of one plot, its series reading the columns of the data sheet.
lxw_chart* makeChart(lxw_workbook* book, const TGraphPlot& plot, const std::string& dataSheet, bool markers) {
  lxw_chart* chart = created(workbook_add_chart(book, LXW_CHART_SCATTER_STRAIGHT_WITH_MARKERS), "a chart");
  const int series = std::min(plot.LineCount(), kMaxChartSeries);
  const std::string lastRow = std::to_string(kDataHeaderRows + std::max(largestPointCount(plot), 1));
  auto range = [&](int column) {
    const std::string letters = SpreadsheetColumnName(column);
    return "=" + dataSheet + "!$" + letters + "$" + std::to_string(kDataHeaderRows + 1) + ":$" + letters + "$" +
           lastRow;
  };
  for (int j = 1; j <= series; ++j) {
    lxw_chart_series* s = created(chart_add_series(chart, range(2 * j - 1).c_str(), range(2 * j).c_str()),
                                  "a chart series");
    // The name refers to the line's name cell, so any text (even one starting with "=") is
    // taken as it stands.
    chart_series_set_name_range(s, dataSheet.c_str(), 3, static_cast<lxw_col_t>(2 * j - 2));
    if (!markers) chart_series_set_marker_type(s, LXW_CHART_MARKER_NONE);
  }
  chart_title_off(chart);
  chart_axis_set_name(chart->x_axis, ExportXCaption(plot).c_str());
  chart_axis_set_name(chart->y_axis, ExportYCaption(plot).c_str());
  chart_axis_major_gridlines_set_visible(chart->x_axis, LXW_TRUE);
  chart_axis_major_gridlines_set_visible(chart->y_axis, LXW_TRUE);
  // Depth grows downward, and the x axis then stands at the top of the chart. Elevations
  // (Yreversed) already grow upward: reversing their axis would stand the profile on its
  // head, so only their x axis is moved to the top.
  if (plot.XOnTop && !plot.Yreversed) chart_axis_set_reverse(chart->y_axis);
  if (plot.XOnTop && plot.Yreversed) chart_axis_set_crossing_max(chart->y_axis);
  return chart;
}

struct WorkbookDeleter {
  void operator()(lxw_workbook* book) const { lxw_workbook_free(book); }
};

TWorkbookExportResult writeWorkbook(const std::string& fileName, const std::vector<const TGraphPlot*>& plots,
                                    bool markers) {
  std::unique_ptr<lxw_workbook, WorkbookDeleter> book(
      created(workbook_new(fileName.c_str()), "the workbook"));
  lxw_worksheet* legend = created(workbook_add_worksheet(book.get(), "Legend"), "the sheet Legend");
  TIndexSheet index(book.get(), legend);
  TWorkbookExportResult result;
  int k = 0;
  for (const TGraphPlot* plot : plots) {
    ++k;
    const std::string dataName = "Page_" + std::to_string(k);
    const std::string chartName = "Plot_" + std::to_string(k);
    writeDataSheet(created(workbook_add_worksheet(book.get(), dataName.c_str()), "the sheet " + dataName), *plot,
                   dataName);
    // A chart needs at least one series: a plot without lines has its data sheet only.
    const bool charted = plot->LineCount() > 0;
    if (charted) {
      lxw_chartsheet* sheet = created(workbook_add_chartsheet(book.get(), chartName.c_str()), "the sheet " + chartName);
      check(chartsheet_set_chart(sheet, makeChart(book.get(), *plot, dataName, markers)), chartName);
    }
    if (plot->LineCount() > kMaxChartSeries) result.more255 = true;
    index.AddPlot(k, plot->Caption, dataName, charted ? chartName : std::string());
  }
  index.FitColumns();
  worksheet_activate(legend);
  // Closing writes the file and frees the workbook whatever the outcome. A file or zip error
  // there is a failure of the system (disk full, no permission): its own reason says more.
  errno = 0;
  const lxw_error closed = workbook_close(book.release());
  const bool systemError = closed >= LXW_ERROR_CREATING_XLSX_FILE && closed <= LXW_ERROR_ZIP_CLOSE && errno != 0;
  if (systemError) throw TWriteFailure(std::error_code(errno, std::generic_category()).message());
  check(closed, "saving");
  return result;
}

}  // namespace

std::string SpreadsheetColumnName(int column) {
  if (column < 1 || column > 702) throw std::out_of_range("spreadsheet column " + std::to_string(column));
  if (column <= 26) return std::string(1, static_cast<char>('A' + column - 1));
  return {static_cast<char>('A' + (column - 1) / 26 - 1), static_cast<char>('A' + (column - 1) % 26)};
}

std::string ExportXCaption(const TGraphPlot& plot) { return caption(plot, plot.XCaption, plot.XUnits); }
std::string ExportYCaption(const TGraphPlot& plot) { return caption(plot, plot.YCaption, plot.YUnits); }

TWorkbookExportResult WriteWorkbook(const std::string& fileName, const std::vector<const TGraphPlot*>& plots,
                                    bool markers) {
  TWorkbookExportResult result;
  ReplaceFileWith(fileName, [&](const std::string& tempName) -> std::string {
    try {
      // The writer formats numbers with the C library: a decimal comma would corrupt them.
      NumericLocaleGuard decimalPoint;
      result = writeWorkbook(tempName, plots, markers);
      return {};
    } catch (const TWriteFailure& failure) {
      return failure.what();
    }
  });
  return result;
}

std::string ExportCompletedMessage(const std::string& fileName, bool more255) {
  std::string message = "Export to Excel Completed\rThe workbook is saved as " + fileName + "\r";
  if (more255) message += "Some plots show only 255 series because Excel limitation \rPlease check \r";
  return message;
}

}  // namespace talmo
