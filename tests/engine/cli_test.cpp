// The headless command, run as a user runs it.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>

#include "report_tables.h"

namespace talmo {
namespace {

struct CommandResult {
  int exitCode;
  std::string output;
};

CommandResult runCli(const std::string& arguments) {
  const std::string command = std::string(TALMO_CLI_PATH) + " " + arguments + " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  std::string output;
  char buf[512];
  while (pipe && fgets(buf, sizeof buf, pipe)) output += buf;
  const int status = pipe ? pclose(pipe) : -1;
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

TEST(TalmoCommand, AnalysesTheProjectAndRemovesTheTemporaries) {
  test::TempDir dir;
  test::writeFile(dir / "pier.tm8d", test::readFile(TALMO_EXAMPLES_DIR "/clay_over_sand.tm8d"));
  for (const std::string form : {"run ", ""}) {
    const auto result = runCli(form + "'" + (dir / "pier.tm8d").string() + "'");
    EXPECT_EQ(result.exitCode, 0) << result.output;
    EXPECT_NE(result.output.find("Computations are completed.\n"), std::string::npos);
    EXPECT_NE(result.output.find((dir / "pier.tm8o").string()), std::string::npos);
    EXPECT_NE(result.output.find((dir / "pier.tm8r").string()), std::string::npos);
    for (const char* kept : {"pier.tm8o", "pier.tm8p", "pier.tm8r", "pier.tm8z", "CHART.DAT"})
      EXPECT_TRUE(std::filesystem::exists(dir / kept)) << kept;
    for (const char* gone : {"pier.tm8w", "pier.tm8t", "pier.tm8q", "pier.tm8l", "TZDIAM.DAT"})
      EXPECT_FALSE(std::filesystem::exists(dir / gone)) << gone;
  }
}

TEST(TalmoCommand, BadProjectGivesNonZeroExitAndTheErrorMessage) {
  test::TempDir dir;
  test::writeFile(dir / "bad.tm8d", "Title\n1\n2 1 x\n");
  const auto result = runCli((dir / "bad.tm8d").string());
  EXPECT_NE(result.exitCode, 0);
  EXPECT_NE(result.output.find("Computations are completed, but there may be errors."), std::string::npos);
}

TEST(TalmoCommand, MissingProjectAndUsage) {
  const auto missing = runCli("/nonexistent/folder/none.tm8d");
  EXPECT_EQ(missing.exitCode, 2);
  EXPECT_EQ(missing.output, "talmo: cannot read project file /nonexistent/folder/none.tm8d\n");
  EXPECT_EQ(runCli("").exitCode, 2);
  EXPECT_EQ(runCli("--help").exitCode, 0);
  const auto version = runCli("--version");
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.output, "talmo 2017.8.7\n");
}

// Batch runs: a second, different project (three diameters of sand) beside the example.
const char* const kSand =
    "Sand, three diameters\r\n1 \r\n2 1 1 5 0 2 0 0 0 0 0\r\n3 4 0 0 5 0 3600000\r\n1 10 40 2 3\r\n"
    "1 60 \r\n0.0 120 34 0 20 0 0 1 1 \r\n0.0 125 36 0 30 0 0 1 1 \r\n2 \r\n0 0 \r\n";

// A project's result files less the report's clock and folder lines (the runs differ in them).
std::map<std::string, std::string> resultsOf(const std::filesystem::path& project) {
  return test::resultFiles(project, {"     Time:  ", "Path to file locations"});
}

std::string quoted(const std::filesystem::path& p) { return "'" + p.string() + "' "; }

TEST(TalmoBatch, SeveralProjectsGiveTheSameFilesAsOneByOne) {
  test::TempDir one, batch;
  for (const auto* dir : {&one, &batch}) {
    test::writeFile(*dir / "pier.tm8d", test::readFile(TALMO_EXAMPLES_DIR "/clay_over_sand.tm8d"));
    test::writeFile(*dir / "sand.tm8d", kSand);
  }
  ASSERT_EQ(runCli(quoted(one / "pier.tm8d")).exitCode, 0);
  ASSERT_EQ(runCli(quoted(one / "sand.tm8d")).exitCode, 0);
  const auto result = runCli("run -j 2 " + quoted(batch / "pier.tm8d") + quoted(batch / "sand.tm8d"));
  EXPECT_EQ(result.exitCode, 0) << result.output;
  for (const char* name : {"pier", "sand"}) {
    EXPECT_NE(result.output.find(name + std::string(".tm8d  status 0 (completed)  ") +
                                 (batch / (name + std::string(".tm8o"))).string() + "\n"),
              std::string::npos)
        << result.output;
    EXPECT_TRUE(resultsOf(batch / (name + std::string(".tm8d"))) == resultsOf(one / (name + std::string(".tm8d"))))
        << name;
    EXPECT_FALSE(std::filesystem::exists(batch / (name + std::string(".tm8w"))));
  }
  // Side files of the folder hold the run given last, as when run one by one.
  EXPECT_TRUE(test::readFile(batch / "CHART.DAT") == test::readFile(one / "CHART.DAT"));
  EXPECT_TRUE(test::readFile(batch / "TZDATA.DAT") == test::readFile(one / "TZDATA.DAT"));
}

TEST(TalmoBatch, FoldersAndExitStatuses) {
  test::TempDir dir;
  std::filesystem::create_directories(dir / "borings");
  std::filesystem::create_directories(dir / "empty");
  test::writeFile(dir / "borings/b1.tm8d", test::readFile(TALMO_EXAMPLES_DIR "/clay_over_sand.tm8d"));
  test::writeFile(dir / "borings/B2.TM8D", kSand);
  test::writeFile(dir / "borings/notes.txt", "not a project");
  test::writeFile(dir / "bad.tm8d", "Title\n1\n2 1 x\n");
  const std::string good = quoted(dir / "borings");
  const std::string bad = quoted(dir / "bad.tm8d");
  const std::string missing = quoted(dir / "missing.tm8d");

  const auto folder = runCli("run --json " + good);
  EXPECT_EQ(folder.exitCode, 0) << folder.output;
  EXPECT_EQ(test::count(folder.output, "status 0 (completed)"), 2) << folder.output;
  EXPECT_TRUE(std::filesystem::exists(dir / "borings/b1.json"));
  EXPECT_TRUE(std::filesystem::exists(dir / "borings/B2.json"));
  EXPECT_FALSE(std::filesystem::exists(dir / "borings/notes.tm8o"));

  struct Case {
    std::string arguments;
    int exitCode;
    std::vector<std::string> lines;
  };
  const std::vector<Case> cases = {
      {good + bad, 1, {"bad.tm8d  status 9 (the project file could not be read)", "status 0 (completed)"}},
      {good + bad + missing, 2, {"missing.tm8d  cannot read project file", "bad.tm8d  status 9"}},
      {quoted(dir / "empty") + good, 2, {"empty  folder holds no project file (*.tm8d)"}},
      {"-j 0 " + good, 2, {"Usage: talmo run"}},
      {"--frobnicate " + good, 2, {"Usage: talmo run"}},
  };
  for (const auto& c : cases) {
    const auto r = runCli("run " + c.arguments);
    EXPECT_EQ(r.exitCode, c.exitCode) << c.arguments << "\n" << r.output;
    for (const auto& l : c.lines) EXPECT_NE(r.output.find(l), std::string::npos) << l << "\n" << r.output;
  }
}

}  // namespace
}  // namespace talmo
