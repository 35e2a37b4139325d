// Loads the built engine library the way the interactive program does and calls ITALMO.
#include <dlfcn.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "test_support.h"

namespace talmo {
namespace {

using ItalmoFn = int (*)(int);

class EngineLibrary : public ::testing::Test {
 protected:
  void SetUp() override {
    handle_ = dlopen(TALMO_DLL_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(handle_, nullptr) << dlerror();
    italmo_ = reinterpret_cast<ItalmoFn>(dlsym(handle_, "ITALMO"));
    ASSERT_NE(italmo_, nullptr);
    char buf[4096];
    ASSERT_NE(getcwd(buf, sizeof buf), nullptr);
    oldCwd_ = buf;
    std::filesystem::current_path(dir_.path());
  }
  void TearDown() override {
    if (!oldCwd_.empty()) std::filesystem::current_path(oldCwd_);
    if (handle_) dlclose(handle_);
  }

  test::TempDir dir_;
  void* handle_ = nullptr;
  ItalmoFn italmo_ = nullptr;
  std::string oldCwd_;
};

TEST_F(EngineLibrary, CodesOtherThanSevenReturnOneAndCreateNoFile) {
  for (int code : {0, 8, -7}) EXPECT_EQ(italmo_(code), 1);
  EXPECT_TRUE(std::filesystem::is_empty(dir_.path()));
}

TEST_F(EngineLibrary, RunsTheProjectNamedInNamesDat) {
  const auto project = dir_ / "shaft.tm8d";
  test::writeFile(project, test::readFile(TALMO_EXAMPLES_DIR "/clay_over_sand.tm8d"));
  std::string names = "2017.8.7\r\n";
  const auto n = namesForProject(project);
  for (const auto& f : {n.project, n.report, n.plot, n.runtime, n.curveListing, n.settlementListing,
                        n.tzPlot, n.qwPlot, n.loadSettlementPlot})
    names += f + "\r\n";
  test::writeFile(dir_ / "names.dat", names);

  EXPECT_EQ(italmo_(7), 0);
  const auto report = test::readLines(n.report);
  ASSERT_GT(report.size(), 10u);
  EXPECT_EQ(report[2], "                      Talmo for Windows, Version 2017.8.7    ");
  EXPECT_EQ(report[9], "     Path to file locations      : " + dir_.path().string() + "/");
  for (const char* side : {"CHART.DAT", "TZDIAM.DAT"}) EXPECT_TRUE(std::filesystem::exists(dir_ / side));
}

}  // namespace
}  // namespace talmo
