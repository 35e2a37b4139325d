// The headless command, run as a user runs it.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "test_support.h"

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

}  // namespace
}  // namespace talmo
