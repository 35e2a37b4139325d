#include "run_setup.h"

#include <gtest/gtest.h>

#include <sstream>

#include "test_support.h"
#include "text_out.h"

namespace talmo {
namespace {

using test::TempDir;

TEST(NamesFile, VersionIsTwelveCharactersAndNamesLoseTrailingBlanks) {
  std::istringstream in(
      "2017.8.7-extra-long\r\n/p/a.tm8d   \r\n/p/a.tm8o\n/p/a.tm8p\n/p/a.tm8r\n/p/a.tm8z\n"
      "/p/a.tm8w\n/p/a.tm8t\n/p/a.tm8q\n/p/a.tm8l\n");
  const auto content = readNamesFile(in);
  EXPECT_EQ(content.fileNamesRead, 9);
  EXPECT_EQ(content.names.version, "2017.8.7-ext");
  EXPECT_EQ(content.names.project, "/p/a.tm8d");
  EXPECT_EQ(content.names.loadSettlementPlot, "/p/a.tm8l");

  std::istringstream shortVersion("2017\n");
  EXPECT_EQ(readNamesFile(shortVersion).names.version, "2017        ");
}

TEST(NamesFile, NamesAreCutAt255Characters) {
  const std::string longName(300, 'x');
  std::istringstream in("v\n" + longName + "\n");
  const auto content = readNamesFile(in);
  EXPECT_EQ(content.fileNamesRead, 1);
  EXPECT_EQ(content.names.project, std::string(255, 'x'));
}

TEST(NamesFile, ShortFileFallsBackToConsolePrompts) {
  std::istringstream names("2017.8.7\n");
  auto content = readNamesFile(names);
  EXPECT_EQ(content.fileNamesRead, 0);

  std::istringstream console("in.tm8d\nout.tm8o  \nplot.tm8p\n");
  std::ostringstream prompts;
  promptForNames(console, prompts, content.names);
  EXPECT_EQ(content.names.project, "in.tm8d");
  EXPECT_EQ(content.names.report, "out.tm8o");
  EXPECT_EQ(content.names.plot, "plot.tm8p");
  EXPECT_EQ(prompts.str(),
            "\n       ENTER THE NAME FOR THE INPUT FILE\n ENTER >\n"
            "\n       ENTER A NAME FOR THE OUTPUT FILE:\n ENTER >\n"
            "\n\n       ENTER A FILE NAME FOR YOUR GRAPHIC DATA FILE.\n ENTER >\n");
}

TEST(ReportBlocks, HeaderIsExact) {
  const std::string eq = "     " + std::string(73, '=');
  const std::vector<std::string> expected = {
      eq, "", "                      Talmo for Windows, Version 2017.8.7    ", "",
      "                    VERTICALLY LOADED DRILLED SHAFT ANALYSIS", "", eq, "", ""};
  EXPECT_EQ(headerBlock("2017.8.7"), expected);
}

TEST(ReportBlocks, FileBlockSplitsFolderAndName) {
  RunNames n = namesForProject("/home/eng/jobs/pier 3.tm8d");
  const auto lines = fileBlock(n);
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[0], "     Path to file locations      : /home/eng/jobs/");
  EXPECT_EQ(lines[1], "     Name of input data file     : pier 3.tm8d");
  EXPECT_EQ(lines[2], "     Name of output file         : pier 3.tm8o");
  EXPECT_EQ(lines[3], "     Name of plot output file    : pier 3.tm8p");
  EXPECT_EQ(lines[4], "     Name of runtime file        : pier 3.tm8r");
  EXPECT_EQ(lines[5], "");
  EXPECT_EQ(lines[6], "");
}

TEST(ReportBlocks, DateBlockNamesTheMonthInFull) {
  struct Case {
    LocalTime t;
    const char* line;
  };
  const Case cases[] = {
      {{2026, 12, 10, 9, 5, 7}, "               Date:  December 10, 2026     Time:  09:05:07"},
      {{2027, 1, 3, 23, 59, 0}, "               Date:  January 03, 2027     Time:  23:59:00"},
  };
  for (const auto& c : cases) {
    const auto lines = dateBlock(c.t);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "     " + std::string(73, '-'));
    EXPECT_EQ(lines[1], "                          Time and Date of Analysis");
    EXPECT_EQ(lines[4], c.line);
    EXPECT_EQ(lines[5], "");
  }
}

TEST(Merge, EveryCopiedRecordIsExactly80Characters) {
  TempDir dir;
  test::writeFile(dir / "tmp.txt", "short\r\n" + std::string(100, 'a') + "\n\n");
  TextOut out;
  ASSERT_TRUE(out.open(dir / "out.txt"));
  out.line("first");
  out.appendFileFixedWidth(dir / "tmp.txt", 80);
  out.appendFileFixedWidth(dir / "missing.txt", 80);  // a temporary that was never written
  out.close();
  const auto lines = test::readLines(dir / "out.txt");
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "first");
  EXPECT_EQ(lines[1], "short" + std::string(75, ' '));
  EXPECT_EQ(lines[2], std::string(80, 'a'));
  EXPECT_EQ(lines[3], std::string(80, ' '));
}

TEST(Merge, AFileGetsEveryRecordInOrderOnceItsWriterIsGone) {
  // Records reach the file in large pieces: all of them, in order, once the writer is gone
  // (here well past one piece), and none of what it held in memory before it opened the file.
  TempDir dir;
  {
    TextOut out;
    out.openMemory();
    out.line("held in memory");
    ASSERT_TRUE(out.open(dir / "out.txt"));
    for (int i = 0; i < 10000; ++i) out.line("record " + std::to_string(i));
  }
  const auto lines = test::readLines(dir / "out.txt");
  ASSERT_EQ(lines.size(), 10000u);
  EXPECT_EQ(lines.front(), "record 0");
  EXPECT_EQ(lines[6543], "record 6543");
  EXPECT_EQ(lines.back(), "record 9999");
}

TEST(Run, OutputsReplaceEarlierContentAndTemporariesAreMerged) {
  TempDir dir;
  const RunNames names = namesForProject(dir / "p.tm8d");
  test::writeFile(names.report, std::string(5000, 'x'));
  test::writeFile(dir / "TZDIAM.DAT", "stale data of an earlier run\n");
  test::writeFile(names.project, test::readFile(TALMO_EXAMPLES_DIR "/clay_over_sand.tm8d"));
  RunOptions options;
  options.workDir = dir.path();
  options.clock = test::pinnedTime;
  EXPECT_EQ(runAnalysis(names, options), kStatusCompleted);
  EXPECT_EQ(test::readFile(names.report).find('x' + std::string(10, 'x')), std::string::npos);
  EXPECT_EQ(test::readFile(names.plot).find("stale"), std::string::npos);
  for (const char* side : {"CHART.DAT", "TZDIAM.DAT"}) EXPECT_TRUE(std::filesystem::exists(dir / side));
}

TEST(Run, MissingProjectFileIsAnInputError) {
  TempDir dir;
  RunOptions options;
  options.workDir = dir.path();
  options.clock = test::pinnedTime;
  const RunNames names = namesForProject(dir / "absent.tm8d");
  EXPECT_EQ(runAnalysis(names, options), kStatusInputError);
  EXPECT_NE(test::readFile(names.report).find("THE PROJECT FILE CANNOT BE OPENED"), std::string::npos);
}

TEST(Run, TwoRunsInOneProcessKeepTheirOwnFiles) {
  TempDir a, b;
  const std::string example = test::readFile(TALMO_EXAMPLES_DIR "/clay_over_sand.tm8d");
  std::string other = example;
  other.replace(0, 8, "Second!!");
  EXPECT_EQ(test::runProjectText(a, example), kStatusCompleted);
  EXPECT_EQ(test::runProjectText(b, other), kStatusCompleted);
  EXPECT_EQ(test::readFile(a / "p.tm8o").find("Second!!"), std::string::npos);
  EXPECT_NE(test::readFile(b / "p.tm8o").find("Second!!"), std::string::npos);
}

}  // namespace
}  // namespace talmo

namespace talmo {
namespace {

TEST(Run, AnOutputThatCannotBeCreatedStopsTheRunAndSaysWhy) {
  test::TempDir dir;
  RunNames names = namesForProject(dir / "p.tm8d");
  test::writeFile(names.project, test::readFile(TALMO_EXAMPLES_DIR "/clay_over_sand.tm8d"));
  names.plot = (dir / "no-such-folder" / "p.tm8p").string();
  RunOptions options;
  options.workDir = dir.path();
  options.clock = test::pinnedTime;
  std::ostringstream console;
  options.consoleOut = &console;
  EXPECT_EQ(runAnalysis(names, options), kStatusOutputError);
  EXPECT_EQ(console.str(), "Cannot write the file " + names.plot + " (No such file or directory)\n");
  // The report and the runtime notes, both created, explain the stop.
  const std::vector<std::string> block = {
      "     *********************ERROR**********************",
      "     THE RESULT FILE CANNOT BE CREATED:",
      "       " + names.plot,
      "       (No such file or directory)",
      "     THE ANALYSIS WAS STOPPED; NO RESULTS WERE COMPUTED.",
      "     **************************************************"};
  for (const char* file : {"p.tm8o", "p.tm8r"}) {
    const auto lines = test::readLines(dir / file);
    ASSERT_EQ(lines.size(), block.size() + 3) << file;  // two empty lines before, one after
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 2, lines.end() - 1), block) << file;
  }
}

TEST(Run, AReportThatCannotBeCreatedIsExplainedInTheRuntimeNotes) {
  test::TempDir dir;
  RunNames names = namesForProject(dir / "p.tm8d");
  test::writeFile(names.project, test::readFile(TALMO_EXAMPLES_DIR "/clay_over_sand.tm8d"));
  std::filesystem::create_directory(names.report);  // a folder where the report should go
  RunOptions options;
  options.workDir = dir.path();
  EXPECT_EQ(runAnalysis(names, options), kStatusOutputError);
  const std::string notes = test::readFile(names.runtime);
  EXPECT_NE(notes.find("THE RESULT FILE CANNOT BE CREATED:\n       " + names.report + "\n"), std::string::npos) << notes;
  EXPECT_NE(notes.find("(a folder of that name exists)"), std::string::npos) << notes;
}

}  // namespace
}  // namespace talmo
