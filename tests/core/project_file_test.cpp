// The project file: the three formats read from hand-written fixtures, byte-identical saving,
// the normalisation rules of saving, optional items, error texts with line and item, saves that
// fail without harming the old file, and the engine reading what the program saves.
#include <clocale>
#include <limits>
#include <locale>

#include <gtest/gtest.h>

#include "ProgramData.h"
#include "Errors.h"
#include "core/file_size_limit.h"
#include "engine/test_support.h"

namespace talmo {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

std::string fixture(const std::string& name) { return std::string(TALMO_FIXTURES_DIR) + "/core/fixtures/" + name; }

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> result;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    result.push_back(text.substr(start, end - start));
  return result;
}

std::string joinLines(const std::vector<std::string>& items) {
  std::string text;
  for (const std::string& line : items) text += line + "\r\n";
  return text;
}

class ProjectFile : public ::testing::Test {
 protected:
  std::unique_ptr<TProgramData> open(const std::string& path, int filter) {
    TProjectLoad load = TProgramData::CreateFromFile(tables, path, filter);
    EXPECT_EQ(load.error, "") << path;
    return std::move(load.project);
  }
  TProjectLoad fromText(const std::string& text, int filter = kFilterCurrent) {
    return TProgramData::CreateFromText(tables, "p.tm8d", text, filter);
  }
  const TGridTable& layer(int row) { return *tables.D().GetDataValue(kLayerData, row); }
  double layerValue(int row, int column, int end) { return layer(row).GetFloatValue(column, end); }

  TProjectTables tables;
};

TEST_F(ProjectFile, CurrentFormatWithEverySoilType) {
  auto p = open(fixture("current_all_types.tm8d"), kFilterCurrent);
  EXPECT_EQ(p->Title, "Fixture: every soil type, multiple lengths, design charts and extra t-z curves");
  EXPECT_EQ(p->Units(), 1);
  EXPECT_EQ(p->METHOD, 2);
  EXPECT_EQ(p->NLRFD, 1);
  EXPECT_EQ(p->IPENT, 1);
  EXPECT_EQ(p->IChart, 1);
  EXPECT_EQ(p->UseElevation, 1);
  EXPECT_EQ(p->ValElevation, 250.5);
  EXPECT_EQ(p->PrintTZCurves, 1);
  EXPECT_EQ(p->BS, 1.5);
  EXPECT_EQ(p->EPILE, 3600000);
  EXPECT_EQ(p->WTD, 12.5);
  EXPECT_EQ(p->PD, 80);
  EXPECT_EQ(p->LPD, 0);
  EXPECT_EQ(p->PDMIN, 40);
  EXPECT_EQ(p->DIAMINCR, 0.5);
  EXPECT_EQ(p->NPOINTPD, 3);
  EXPECT_EQ(p->PDSETT[2], 0.5);
  EXPECT_EQ(p->PDSETT[3], 0.75);  // the defaults behind the file's three
  EXPECT_EQ(p->Yesnewversion, 1);
  EXPECT_EQ(p->ID2, 0);  // a read project has no run flag until results are loaded
  EXPECT_FALSE(p->Changed());

  const TGridTable& d = tables.D();
  ASSERT_EQ(d.RowCount(), 11);
  const int types[] = {1, 1, 1, 2, 3, 4, 5, 6, 7, 8, 9};
  for (int row = 0; row < 11; ++row) {
    EXPECT_EQ(d.GetIntValue(kLayerSoilType, row), types[row]);
    EXPECT_EQ(layer(row).ID(), row + 1);
  }
  EXPECT_EQ(d.GetFloatValue(kLayerDepth, 10), 100);
  // Sand: the Ko, Beta and Chen-Kulhawy coefficients land in their own columns.
  EXPECT_EQ(layerValue(0, sand::UnitWeight, kLayerBottom), 118);
  EXPECT_EQ(layerValue(0, sand::InterfaceAngle, kLayerTop), 30);
  EXPECT_EQ(layer(0).GetIntValue(sand::BlowCounts, kLayerBottom), 15);
  EXPECT_EQ(layerValue(0, sand::Ko, kLayerBottom), 0.45);
  EXPECT_EQ(layer(1).GetIntValue(sand::Method, kLayerTop), sand::BetaMethod);
  EXPECT_EQ(layerValue(1, sand::Beta, kLayerTop), 0.8);
  EXPECT_EQ(layerValue(1, sand::Ko, kLayerTop), 0);
  EXPECT_EQ(layerValue(2, sand::StressExponent, kLayerBottom), 0.8);
  EXPECT_EQ(d.GetFloatValue(kLayerMaxEndBearing, 1), 40000);
  EXPECT_EQ(d.GetFloatValue(kLayerSideFactor, 1), 0.55);
  EXPECT_EQ(d.GetFloatValue(kLayerTipFactor, 1), 0.5);
  // Clay: Nc first, alpha on its own line.
  EXPECT_EQ(layerValue(3, clay::Nc, kLayerTop), 9);
  EXPECT_EQ(layerValue(3, clay::Cohesion, kLayerBottom), 1500);
  EXPECT_EQ(layerValue(3, clay::Alpha, kLayerBottom), 0.5);
  // Rock: SF between the socket diameter and the modulus.
  EXPECT_EQ(layerValue(5, rock::DiscontinuityThickness, kLayerTop), 0.01);
  EXPECT_EQ(layerValue(5, rock::Modulus, kLayerBottom), 2100000);
  EXPECT_EQ(layerValue(5, rock::RQD, kLayerBottom), 85);
  EXPECT_EQ(layer(6).GetIntValue(decomposed::BlowCounts, kLayerBottom), 70);
  EXPECT_EQ(layerValue(6, decomposed::YoungModulus, kLayerBottom), 25000);
  EXPECT_EQ(layer(7).GetIntValue(weakrock::InterfaceCondition, kLayerTop), 2);
  EXPECT_EQ(layer(7).GetIntValue(weakrock::InterfaceCondition, kLayerBottom), 3);
  EXPECT_EQ(layerValue(8, rock::RockStrength, kLayerBottom), 310000);
  EXPECT_EQ(layer(9).GetIntValue(gravel::BlowCounts, kLayerBottom), 45);
  EXPECT_EQ(layerValue(10, gravel::Beta, kLayerTop), 1.2);

  const TGridTable& tz = tables.TblTZDepth();
  ASSERT_EQ(tz.RowCount(), 3);
  EXPECT_EQ(tz.GetFloatValue(0, 1), 25.5);
}

TEST_F(ProjectFile, SavingWhatWasReadGivesTheSameBytes) {
  const std::string original = readFile(fixture("current_all_types.tm8d"));
  auto p = open(fixture("current_all_types.tm8d"), kFilterCurrent);
  TempDir dir;
  p->FileName = (dir / "copy.tm8d").string();
  p->SetChanged();
  p->Save();
  EXPECT_FALSE(p->Changed());
  EXPECT_EQ(readFile(dir / "copy.tm8d"), original);

  auto again = open(p->FileName, kFilterCurrent);
  again->FileName = (dir / "again.tm8d").string();
  again->Save();
  EXPECT_EQ(readFile(dir / "again.tm8d"), original);
}

TEST_F(ProjectFile, NewerOldFormat) {
  for (int filter : {kFilterNewerOld, kFilterAllFiles}) {
    auto p = open(fixture("newer_old_format.tmd"), filter);
    EXPECT_EQ(p->Yesnewversion, 1);
    EXPECT_EQ(p->IMOD, 0);
    EXPECT_EQ(p->NLRFD, 2);
    EXPECT_EQ(p->PrintTZCurves, 0);
    EXPECT_EQ(p->NPOINTPD, 0);
    EXPECT_EQ(p->PDSETT[1], 0.25);
    ASSERT_EQ(tables.D().RowCount(), 3);
    // Method 0 of the older format selects the Beta coefficients and is kept as Beta.
    EXPECT_EQ(layer(0).GetIntValue(sand::Method, kLayerBottom), sand::BetaMethod);
    EXPECT_EQ(layerValue(0, sand::Beta, kLayerBottom), 0.65);
    EXPECT_EQ(layerValue(0, sand::InterfaceAngle, kLayerTop), 0);  // 9.9 is not read
    EXPECT_EQ(layerValue(0, sand::FrictionAngle, kLayerBottom), 31);
    // Lines without the LRFD factors keep 1.0.
    EXPECT_EQ(tables.D().GetFloatValue(kLayerSideFactor, 0), 1.0);
    EXPECT_EQ(tables.D().GetFloatValue(kLayerTipFactor, 1), 0.6);
    EXPECT_EQ(tables.D().GetFloatValue(kLayerTipFactor, 2), 1.0);
  }
  auto p = open(fixture("newer_old_format.tmd"), kFilterNewerOld);
  EXPECT_EQ(p->SaveText(), joinLines({
                               "Newer old format: sand with Beta, clay, strong rock",
                               "1 ",
                               "2 1 1 1 0 2 0 0 0 0 0",
                               "2.5 4 0 0 0 0 4000000",
                               "3 10 50 2.5 3",
                               "1 15 ",
                               "0.0 110 30 0 10 0 0 1 1 ",
                               "0.0 112 31 0 12 0 0 1 1 ",
                               "2 ",
                               "0.7 0.65 ",
                               "2 30 ",
                               "0 118 0.0 800 6 0 0 0.7 0.6 ",
                               "0 120 0.0 1200 9 0 0 0.7 0.6 ",
                               "0.55 0.5",
                               "4 60 ",
                               "200000 576000 3 0.01 3 0 2000000 80 0 1 1 ",
                               "200000 576000 3 0.01 3 0 2000000 80 0 1 1 ",
                           }));
}

TEST_F(ProjectFile, OldestFormat) {
  auto p = open(fixture("oldest_format.tmd"), kFilterOldest);
  EXPECT_EQ(p->Yesnewversion, 0);
  EXPECT_EQ(p->Units(), 2);
  EXPECT_EQ(tables.D().Units(), 2);
  EXPECT_EQ(p->METHOD, 1);
  EXPECT_EQ(p->KCYCL, 2);
  EXPECT_EQ(p->RCYCL, 0.8);
  EXPECT_EQ(p->IMOD, 0);  // the fifth item of line 3
  EXPECT_EQ(p->NLRFD, 2);  // ASD, as the engine runs it
  EXPECT_EQ(p->LPD, 1500);
  EXPECT_EQ(p->PD, 0);
  EXPECT_NEAR(p->PDSETT[0], 0.00254, 1e-12);  // default movements in metres
  EXPECT_EQ(layer(0).GetIntValue(sand::Method, kLayerTop), sand::KoMethod);
  EXPECT_EQ(layerValue(0, sand::Ko, kLayerTop), 0.4);
  EXPECT_EQ(layerValue(1, clay::Cohesion, kLayerBottom), 150);
  EXPECT_EQ(tables.D().GetIntValue(kLayerSoilType, 1), kSoilShale);

  // Four items on line 3: IMOD is 1.
  std::string text = readFile(fixture("oldest_format.tmd"));
  text.replace(text.find("0.5 0\r\n"), 7, "0.5\r\n");
  TProjectLoad four = fromText(text, kFilterOldest);
  EXPECT_EQ(four.error, "");
  EXPECT_EQ(four.project->IMOD, 1);
  EXPECT_EQ(four.project->DSTART, 0.9);
}

// A small current-format project; the error tests change one line of it.
const std::vector<std::string> kSmallProject = {
    "Errors",                                         // 1
    "1 ",                                             // 2
    "2 1 1 1 1 2 0 1 0 0 1",                          // 3
    "3 0 0 0 0 0 3600000",                            // 4
    "2 10 40 2.5 3",                                  // 5
    "30 5 0.5 2",                                     // 6
    "0.1 0.25 ",                                      // 7
    "1 20 ",                                          // 8
    "0.0 115 32 30 12 0 0 1 1 ",                      // 9
    "0.0 118 33 31 15 0 0 1 1 ",                      // 10
    "1 ",                                             // 11
    "0.5 0.45 ",                                      // 12
    "6 60 ",                                          // 13
    "100000 2 7 30 3 0 500000 60 0 1 1 ",             // 14
    "100000 2 7 30 3 0 500000 60 0 1 1 ",             // 15
    "2",                                              // 16
    "10",                                             // 17
    "20",                                             // 18
};

std::string smallProjectWith(int lineNumber, const std::string& line) {
  std::vector<std::string> changed = kSmallProject;
  changed[static_cast<std::size_t>(lineNumber - 1)] = line;
  return joinLines(changed);
}

TEST_F(ProjectFile, ErrorsNameTheLineAndTheItem) {
  struct Case {
    int line;
    const char* text;
    const char* error;
  } cases[] = {
      {2, "3 ", "Error on Line 2 Item 1\rThe unit system must be 1 (English units) or 2 (SI units)."},
      {3, "2.5 1 1 1 1 2 0 1 0 0 1", "Error on Line 3 Item 1\rAn integer was expected but not found."},
      {4, "3 0 x 0 0 0 3600000", "Error on Line 4 Item 3\rA floating point number was expected but not found."},
      {4, "3 0 2,5 0 0 0 3600000", "Error on Line 4 Item 3\rA floating point number was expected but not found."},
      {5, "41 10 40 2.5 3", "Error on Line 5 Item 1\rThe number of soil layers must be 1 to 40."},
      {5, "0 10 40 2.5 3", "Error on Line 5 Item 1\rThe number of soil layers must be 1 to 40."},
      {6, "30 5 0.5 11", "Error on Line 6 Item 4\rThe number of design-chart settlements must be 0 to 10."},
      {8, "10 20 ", "Error on Line 8 Item 1\rThe soil type must be 1 to 9."},
      {11, "4 ", "Error on Line 11 Item 1\rThe side friction method must be 1 to 3."},
      {14, "100000 5 7 30 3 0 500000 60 0 1 1 ", "Error on Line 14 Item 2\rThe interface condition must be 1 to 4."},
      {16, "51", "Error on Line 16 Item 1\rThe number of extra t-z depths must be 1 to 50."},
      {16, "0", "Error on Line 16 Item 1\rThe number of extra t-z depths must be 1 to 50."},
      {18, "", "This file either invalid or incomplete."},
  };
  for (const Case& c : cases) {
    TProjectLoad load = fromText(smallProjectWith(c.line, c.text));
    EXPECT_EQ(load.error, c.error) << "line " << c.line << ": " << c.text;
    // What was read stays; the tables hold at least their minimum rows; nothing is changed.
    EXPECT_EQ(load.project->Title, "Errors");
    EXPECT_GE(tables.D().RowCount(), 1);
    EXPECT_GE(tables.TblTZDepth().RowCount(), 1);
    EXPECT_FALSE(load.project->Changed());
  }

  TProjectLoad stopped = fromText(smallProjectWith(8, "10 20 "));
  EXPECT_EQ(stopped.project->IChart, 1);
  EXPECT_EQ(stopped.project->PDSETT[1], 0.25);
  EXPECT_EQ(tables.D().RowCount(), 2);

  TProjectLoad missing = TProgramData::CreateFromFile(tables, "/nonexistent/p.tm8d", kFilterCurrent);
  EXPECT_EQ(missing.error, "Cannot open file \"/nonexistent/p.tm8d\".");
  EXPECT_EQ(missing.project->FileName, "/nonexistent/p.tm8d");
  EXPECT_EQ(tables.D().RowCount(), 1);
}

TEST_F(ProjectFile, OptionalAndAlternativeItems) {
  // Line 3 without PrintTZCurves: no t-z depths are read.
  TProjectLoad ten = fromText(smallProjectWith(3, "2 1 1 1 1 2 0 1 0 0"));
  EXPECT_EQ(ten.error, "");
  EXPECT_EQ(ten.project->PrintTZCurves, 0);
  EXPECT_EQ(tables.TblTZDepth().RowCount(), 1);

  // A whole number written with a decimal part is an integer.
  TProjectLoad decimal = fromText(smallProjectWith(3, "2.0 1 1 1 1 2 0 1 0 0 1"));
  EXPECT_EQ(decimal.error, "");
  EXPECT_EQ(decimal.project->METHOD, 2);

  // A sand line without the LRFD factors; the bottom line's factors overwrite the top's.
  std::vector<std::string> text = kSmallProject;
  text[8] = "0.0 115 32 30 12 100 200 ";
  text[9] = "0.0 118 33 31 15 300 400 0.6 0.7 ";
  TProjectLoad factors = fromText(joinLines(text));
  EXPECT_EQ(factors.error, "");
  EXPECT_EQ(tables.D().GetFloatValue(kLayerMaxSideFriction, 0), 300);
  EXPECT_EQ(tables.D().GetFloatValue(kLayerTipFactor, 0), 0.7);
  text[9] = "0.0 118 33 31 15 300 400 ";
  EXPECT_EQ(fromText(joinLines(text)).error, "");
  EXPECT_EQ(tables.D().GetFloatValue(kLayerSideFactor, 0), 1.0);

  // Design charts without settlements: their line is empty, and the project reads back.
  text = kSmallProject;
  text[5] = "30 5 0.5 0";
  text[6] = "";
  TProjectLoad none = fromText(joinLines(text));
  EXPECT_EQ(none.error, "");
  EXPECT_EQ(none.project->NPOINTPD, 0);
  EXPECT_EQ(tables.D().RowCount(), 2);
  EXPECT_EQ(none.project->SaveText(), joinLines(text));
}

TEST_F(ProjectFile, SavingNormalisesTheMethodAndLengthSettings) {
  struct Case {
    const char* name;
    double PD, LPD;
    int IPENT, IChart;
    double DIALIM;
    const char* line3;
    const char* line4;
    const char* line5;
  } cases[] = {
      {"nothing specified", 0, 0, 1, 1, 6, "1 1 1 1 1 2 0 0 0 0 0", "3 6 0 0 0 0 0", "1 0 0 2.5 3"},
      {"design load", 0, 500, 0, 0, 6, "1 1 1 1 1 2 0 0 0 0 0", "3 6 0 0 0 0 0", "1 0 500 2.5 3"},
      {"length wins", 60, 500, 0, 0, 6, "2 1 1 1 1 2 0 0 0 0 0", "3 6 0 0 0 0 0", "1 0 60 2.5 3"},
      {"multiple lengths", 60, 0, 1, 0, 6, "2 1 1 1 1 2 1 0 0 0 0", "3 3 0 0 0 0 0", "1 0 60 2.5 3"},
  };
  for (const Case& c : cases) {
    TProgramData p(tables);
    p.DSTART = 3;
    p.DIALIM = c.DIALIM;
    p.PD = c.PD;
    p.LPD = c.LPD;
    p.IPENT = c.IPENT;
    p.IChart = c.IChart;
    const std::vector<std::string> saved = lines(p.SaveText());
    EXPECT_EQ(saved[2], c.line3) << c.name;
    EXPECT_EQ(saved[3], c.line4) << c.name;
    EXPECT_EQ(saved[4], c.line5) << c.name;
    EXPECT_EQ(p.METHOD == 1 ? p.PD : p.LPD, 0) << c.name;
  }
}

TEST_F(ProjectFile, RunFlagAndExtraDepthsOnSaving) {
  TProgramData p(tables);
  p.PD = 40;
  tables.TblTZDepth().SetFloatValue(0, 0, 12);
  const std::vector<std::string> sandOnly = lines(p.SaveText());
  EXPECT_EQ(p.ID2, 1);
  EXPECT_EQ(sandOnly.back(), "0 0 ");  // no t-z depths while PrintTZCurves is 0
  EXPECT_EQ(sandOnly.size(), 10u);

  p.PrintTZCurves = 1;
  tables.D().SetIntValue(kLayerSoilType, 0, kSoilStrongRock);
  const std::vector<std::string> rock = lines(p.SaveText());
  EXPECT_EQ(p.ID2, 0);
  EXPECT_EQ(rock[6], "0 0 0 0 0 0 0 0 0 1 1 ");
  EXPECT_EQ(rock[rock.size() - 2], "1");
  EXPECT_EQ(rock.back(), "12");
}

TEST_F(ProjectFile, SavingIsIndependentOfTheLocale) {
  struct CommaPunct : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
  };
  const std::locale saved = std::locale::global(std::locale(std::locale::classic(), new CommaPunct));
  const std::string savedC = std::setlocale(LC_NUMERIC, nullptr);
  std::setlocale(LC_NUMERIC, "de_DE.UTF-8");  // where the machine has it
  TProgramData p(tables);
  p.PD = 1234567.5;
  p.FST = 2.5;
  const std::string line5 = lines(p.SaveText())[4];
  TProjectLoad back = fromText(p.SaveText());
  std::setlocale(LC_NUMERIC, savedC.c_str());
  std::locale::global(saved);
  EXPECT_EQ(line5, "1 0 1234567.5 2.5 3");
  EXPECT_EQ(back.project->FST, 2.5);
}

TEST_F(ProjectFile, AFailedSaveKeepsTheOldFileAndTheChangedState) {
  TempDir dir;
  writeFile(dir / "plain", "a file, not a folder");
  TProgramData p(tables);
  p.SetChanged();
  p.FileName = (dir / "plain" / "p.tm8d").string();
  EXPECT_THROW(p.Save(), EFOpenError);
  EXPECT_TRUE(p.Changed());

  p.FileName = (dir / "p.tm8d").string();
  writeFile(p.FileName, "the project as last saved");
  std::string error;
  {
    test::FileSizeLimit limit(16);
    try {
      p.Save();
    } catch (const EInOutError& e) {
      error = e.what();
    }
  }
  EXPECT_EQ(error, "Cannot write file \"" + p.FileName + "\": File too large");
  EXPECT_EQ(readFile(p.FileName), "the project as last saved");
  EXPECT_TRUE(p.Changed());

  // A project that could not be read back is refused before anything is written.
  tables.D().SetIntValue(kLayerSoilType, 0, 0);
  try {
    p.Save();
    FAIL() << "a layer without a soil type was saved";
  } catch (const EInOutError& e) {
    EXPECT_STREQ(e.what(), "Cannot save the project: layer 1 has soil type 0; the soil type must be 1 to 9.");
  }
  EXPECT_EQ(readFile(p.FileName), "the project as last saved");
  p.Title = "two\nlines";
  tables.D().SetIntValue(kLayerSoilType, 0, 1);
  EXPECT_THROW(p.Save(), EInOutError);
  p.Title = "one line";
  p.PD = std::numeric_limits<double>::infinity();
  try {
    p.Save();
    FAIL() << "an infinite length was saved";
  } catch (const EInOutError& e) {
    EXPECT_STREQ(e.what(), "Cannot save the project: the value of PD is not a finite number.");
  }
  p.PD = 40;
  tables.D().SetIntValue(kLayerSoilType, 0, kSoilWeakRock);
  tables.D().GetDataValue(kLayerData, 0)->SetIntValue(weakrock::InterfaceCondition, kLayerBottom, 7);
  try {
    p.Save();
    FAIL() << "a choice outside its list was saved";
  } catch (const EInOutError& e) {
    EXPECT_STREQ(e.what(), "Cannot save the project: layer 1: the interface condition must be 1 to 4; it is 7.");
  }
  EXPECT_EQ(readFile(p.FileName), "the project as last saved");
}

// A profile of every soil type the engine analyses, built as the editors would build it.
void buildProfile(TProgramData& p) {
  p.Title = "Built in code";
  p.PD = 40;
  p.DSTART = 3;
  p.EPILE = 3600000;
  p.WTD = 20;
  TGridTable& d = p.Tables().D();
  struct LayerRow {
    int type;
    double bottom;
    std::vector<std::pair<int, double>> values;  // column, value at top and bottom
  } rows[] = {
      {kSoilSand, 10, {{sand::UnitWeight, 115}, {sand::FrictionAngle, 32}, {sand::BlowCounts, 12}, {sand::Ko, 0.5}}},
      {kSoilClay, 20, {{clay::UnitWeight, 120}, {clay::Cohesion, 1000}, {clay::Nc, 9}}},
      {kSoilShale, 30, {{clay::UnitWeight, 125}, {clay::Cohesion, 2500}}},
      {kSoilGravellySand, 38, {{gravel::UnitWeight, 125}, {gravel::BlowCounts, 40}}},
      {kSoilGravel, 50, {{gravel::UnitWeight, 130}, {gravel::BlowCounts, 50}}},
      {kSoilStrongRockSideOrTip, 60,
       {{rock::RockStrength, 200000}, {rock::ConcreteStrength, 576000}, {rock::DiscontinuitySpacing, 3},
        {rock::SocketDiameter, 3}, {rock::Modulus, 2000000}, {rock::RQD, 80}}},
      {kSoilStrongRock, 80,
       {{rock::RockStrength, 300000}, {rock::ConcreteStrength, 576000}, {rock::DiscontinuitySpacing, 5},
        {rock::SocketDiameter, 3}, {rock::Modulus, 3000000}, {rock::RQD, 90}}},
  };
  d.SetRowCount(7);
  for (int row = 0; row < 7; ++row) {
    d.SetIntValue(kLayerSoilType, row, rows[row].type);
    d.SetFloatValue(kLayerDepth, row, rows[row].bottom);
    TGridTable& layer = *d.GetDataValue(kLayerData, row);
    for (const auto& [column, value] : rows[row].values)
      for (int end : {kLayerTop, kLayerBottom}) layer.SetFloatValue(column, end, value);
  }
}

TEST_F(ProjectFile, TheEngineReadsWhatTheProgramSaves) {
  TempDir dir;
  TProgramData p(tables);
  buildProfile(p);
  p.FileName = (dir / "built.tm8d").string();
  p.Save();
  RunOptions options;
  options.workDir = dir.path();
  options.clock = test::pinnedTime;
  EXPECT_EQ(runAnalysis(namesForProject(p.FileName), options), kStatusCompleted);

  // In SI, with LRFD, extra t-z curves and multiple lengths.
  p.SetUnits(2);
  p.NLRFD = 1;
  p.IPENT = 1;
  p.PrintTZCurves = 1;
  tables.TblTZDepth().SetFloatValue(0, 0, 5);
  p.Save();
  EXPECT_EQ(runAnalysis(namesForProject(p.FileName), options), kStatusCompleted);

  // Every layer layout, types 5 and 6 included, is read by the engine without an input error.
  auto all = open(fixture("current_all_types.tm8d"), kFilterCurrent);
  all->FileName = (dir / "all.tm8d").string();
  all->Save();
  const int status = runAnalysis(namesForProject(all->FileName), options);
  EXPECT_NE(status, kStatusInputError);
  EXPECT_NE(status, kStatusInternalFailure);
}

}  // namespace
}  // namespace talmo
