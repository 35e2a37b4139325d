// One analysis through the engine library as the program runs it: names.dat, the call,
// the clean-up, the messages, and the locale restored on every path.
#include "EngineRun.h"

#include <gtest/gtest.h>

#include <clocale>

#include "engine/test_support.h"

namespace talmo {
namespace {

namespace fs = std::filesystem;

std::string numericLocale() { return std::setlocale(LC_NUMERIC, nullptr); }

// Copies the bundled example into a fresh folder and returns its path.
fs::path exampleProject(const test::TempDir& dir) {
  const fs::path project = dir / "clay_over_sand.tm8d";
  fs::copy_file(fs::path(TALMO_EXAMPLES_DIR) / "clay_over_sand.tm8d", project);
  return project;
}

class EngineRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedDir_ = fs::current_path();
    // A numeric locale other than "C" shows whether the run puts it back.
    std::setlocale(LC_NUMERIC, "C.UTF-8");
    before_ = numericLocale();
  }
  void TearDown() override {
    fs::current_path(savedDir_);
    std::setlocale(LC_NUMERIC, "C");
  }
  fs::path savedDir_;
  std::string before_;
};

TEST_F(EngineRunTest, RunsTheProjectAndCleansUpItsIntermediateFiles) {
  test::TempDir dir;
  const fs::path project = exampleProject(dir);
  TEngineRunner runner;
  std::vector<bool> busyCalls;
  for (int run = 1; run <= 2; ++run) {  // the second run loads a fresh engine again
    const TEngineRunResult result = runner.Run(project, TALMO_DLL_PATH, [&](bool on) { busyCalls.push_back(on); });
    EXPECT_TRUE(result.ran);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.message, "Computations are completed.\rPlease, check output file for results or error messages.");
  }
  EXPECT_EQ(busyCalls, (std::vector<bool>{true, false, true, false}));
  EXPECT_EQ(numericLocale(), before_);
  EXPECT_EQ(fs::current_path(), dir.path());
  for (const char* kept : {".tm8d", ".tm8o", ".tm8p", ".tm8r", ".tm8z"})
    EXPECT_TRUE(fs::exists(ChangeFileExt(project, kept))) << kept;
  for (const char* gone : {".tm8w", ".tm8t", ".tm8q", ".tm8l"})
    EXPECT_FALSE(fs::exists(ChangeFileExt(project, gone))) << gone;
  EXPECT_FALSE(fs::exists(dir / "names.dat"));
  EXPECT_FALSE(fs::exists(dir / "TZDIAM.DAT"));
}

TEST_F(EngineRunTest, AMissingOrForeignLibraryIsReportedAndTheLocaleRestored) {
  test::TempDir dir;
  const fs::path project = exampleProject(dir);
  test::writeFile(dir / "not_a_library.so", "plain text");
  for (const fs::path& library : {dir / "missing.so", dir / "not_a_library.so"}) {
    TEngineRunner runner;
    const TEngineRunResult result = runner.Run(project, library);
    EXPECT_FALSE(result.ran) << library;
    EXPECT_EQ(result.message, "Attempt to initialize DLL failed") << library;
    EXPECT_EQ(numericLocale(), before_) << library;
    EXPECT_FALSE(fs::exists(ChangeFileExt(project, ".tm8o"))) << library;
  }
}

TEST(DynamicLibrary, ErrorsOfTheLoaderFamily) {
  test::TempDir dir;
  test::writeFile(dir / "bad.so", "x");
  TDynamicLibrary library;
  EXPECT_THROW(library.FindProcedure("ITALMO"), EDLLNotOpenError);
  EXPECT_THROW(library.OpenFile((dir / "none.so").string()), EFileNotFoundError);
  EXPECT_THROW(library.OpenFile((dir / "bad.so").string()), EInitError);
  library.OpenFile(TALMO_DLL_PATH);
  EXPECT_TRUE(library.GetIsOpen());
  EXPECT_NE(library.FindProcedure("ITALMO"), nullptr);
  EXPECT_EQ(library.FindProcedure("NOT_THERE"), nullptr);
  library.SetFileName("other");
  EXPECT_FALSE(library.GetIsOpen());
}

TEST(NamesFile, TenLinesWithCrLfAndNamesTheEngineCanHold) {
  test::TempDir dir;
  WriteNamesFile(dir.path(), "/data/p.tm8d");
  EXPECT_EQ(test::readFile(dir / "names.dat"),
            "2017.8.7\r\n/data/p.tm8d\r\n/data/p.tm8o\r\n/data/p.tm8p\r\n/data/p.tm8r\r\n/data/p.tm8z\r\n"
            "/data/p.tm8w\r\n/data/p.tm8t\r\n/data/p.tm8q\r\n/data/p.tm8l\r\n");
  const fs::path deep = fs::path("/" + std::string(300, 'd')) / "q.tm8d";
  WriteNamesFile(dir.path(), deep);
  EXPECT_EQ(test::readLines(dir / "names.dat")[1], "q.tm8d\r");
}

}  // namespace
}  // namespace talmo

namespace talmo {
namespace {

TEST(EngineLibrary, FoundBesideTheProgramInTheBuildTreeOrInstalled) {
  struct Case {
    const char* libraryFolder;  // relative to the folder that holds bin/
    const char* expected;
  } cases[] = {
      {"bin", "bin/libTalmo2017_DLL.so"},
      {"engine", "engine/libTalmo2017_DLL.so"},
      {"lib/talmo", "lib/talmo/libTalmo2017_DLL.so"},
      {"lib", "bin/libTalmo2017_DLL.so"},  // a shared library folder is not searched
      {nullptr, "bin/libTalmo2017_DLL.so"},  // nowhere: the run reports the missing library
  };
  for (const Case& c : cases) {
    test::TempDir root;
    fs::create_directories(root / "bin");
    if (c.libraryFolder) {
      fs::create_directories(root / c.libraryFolder);
      test::writeFile(root / c.libraryFolder / kEngineLibraryName, "");
    }
    EXPECT_EQ(FindEngineLibrary(root / "bin"), (root / c.expected).lexically_normal()) << c.expected;
  }
}

}  // namespace
}  // namespace talmo
