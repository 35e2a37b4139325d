// The cases of a run computed on several threads give the same files, byte for byte, as on one
// thread: the records of each case are written in case order.
#include <gtest/gtest.h>

#include <map>

#include "test_support.h"

namespace talmo {
namespace {

// Every file a run leaves in the folder, by name; the folder is emptied first, so that the
// runs compared name the same folder in their reports.
std::map<std::string, std::string> runFiles(const test::TempDir& dir, const std::string& project, int threads) {
  std::filesystem::remove_all(dir.path());
  std::filesystem::create_directories(dir.path());
  test::writeFile(dir / "p.tm8d", project);
  RunOptions options;
  options.workDir = dir.path();
  options.clock = test::pinnedTime;
  options.caseThreads = threads;
  options.jsonResults = dir / "p.json";
  runAnalysis(namesForProject(dir / "p.tm8d"), options);
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
    files[entry.path().filename().string()] = test::readFile(entry.path());
  return files;
}

// Design charts for three diameters and four lengths of a clay-over-sand profile (twelve cases),
// with extra t-z curves; the second stops with NEED ANOTHER SOIL LAYER in its first case while
// later cases are being computed; the third tips its first diameter in rock and the larger ones
// in the clay above it, so the first soil tip (with the extra t-z curves) is the second case.
const char* const kProjects[] = {
    "Charts, clay over sand\r\n1 \r\n2 1 1 5 0 1 0 1 0 0 1\r\n3 4 0 0 5 0 3600000\r\n2 10 40 2 3\r\n"
    "25 5 0.5 2\r\n0.5 1 \r\n"
    "2 20 \r\n0 120 0.0 1000 0 0 0 1 1 \r\n0 120 0.0 1500 0 0 0 1 1 \r\n0 0\r\n"
    "1 60 \r\n0.0 125 34 0 20 0 0 1 1 \r\n0.0 125 36 0 30 0 0 1 1 \r\n2 \r\n0 0 \r\n"
    "2\r\n10 30\r\n",
    "Design load too large\r\n1 \r\n1 1 1 5 0 2 0 0 0 0 0\r\n2 4 0 0 5 0 3600000\r\n1 10 260 2 3\r\n"
    "2 40 \r\n0 120 0.0 1000 0 0 0 1 1 \r\n0 120 0.0 2000 0 0 0 1 1 \r\n0 0\r\n",
    "Rock then soil tips\r\n1 \r\n1 1 1 5 0 2 0 0 0 0 1\r\n2 5 0 0 5 0 3600000\r\n2 40 60 2 3\r\n"
    "2 30 \r\n0 120 0.0 2000 0 0 0 1 1 \r\n0 120 0.0 2000 0 0 0 1 1 \r\n0 0\r\n"
    "7 60 \r\n30000 500000 3 0 2.5 0 1000000 80 0 1 1 \r\n30000 500000 3 0 2.5 0 1000000 80 0 1 1 \r\n"
    "1\r\n10\r\n",
};

TEST(CaseThreads, SameFilesOnOneAndOnSeveralThreads) {
  for (const char* project : kProjects) {
    const test::TempDir dir;
    const auto one = runFiles(dir, project, 1);
    ASSERT_GT(one.size(), 5u);
    for (int threads : {2, 5}) {
      const auto several = runFiles(dir, project, threads);
      ASSERT_EQ(several.size(), one.size()) << threads << " threads";
      for (const auto& [name, text] : one) {
        ASSERT_TRUE(several.count(name)) << name;
        EXPECT_TRUE(several.at(name) == text) << name << " differs with " << threads << " threads";
      }
    }
  }
}

}  // namespace
}  // namespace talmo
