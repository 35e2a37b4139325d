// Replacing a file: the old contents survive every failure and no temporary file is left.
#include "FileReplace.h"

#include <sys/stat.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "Errors.h"
#include "core/file_size_limit.h"
#include "engine/test_support.h"

namespace talmo {
namespace {

using test::FileSizeLimit;
using test::readFile;
using test::TempDir;
using test::writeFile;

std::size_t entries(const std::filesystem::path& folder) {
  std::size_t count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
  return count;
}

TEST(FileReplace, WritesNewAndReplacesOldFilesKeepingTheirPermissions) {
  TempDir dir;
  const auto file = dir / "p.tm8d";
  ReplaceFileContents(file.string(), "first\r\n");
  EXPECT_EQ(readFile(file), "first\r\n");

  ::chmod(file.c_str(), 0640);
  ReplaceFileContents(file.string(), "second\r\n");
  EXPECT_EQ(readFile(file), "second\r\n");
  struct stat st {};
  ASSERT_EQ(::stat(file.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(entries(dir.path()), 1u);
}

TEST(FileReplace, ALinkKeepsPointingAtTheFileItNames) {
  TempDir dir;
  writeFile(dir / "real.tm8d", "old");
  std::filesystem::create_symlink(dir / "real.tm8d", dir / "link.tm8d");
  ReplaceFileContents((dir / "link.tm8d").string(), "new");
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.tm8d"));
  EXPECT_EQ(readFile(dir / "real.tm8d"), "new");
}

TEST(FileReplace, AFolderThatIsAFileCannotTakeTheTemporaryFile) {
  TempDir dir;
  writeFile(dir / "plain", "not a folder");
  const std::string target = (dir / "plain" / "p.tm8d").string();
  try {
    ReplaceFileContents(target, "text");
    FAIL() << "the write was reported as done";
  } catch (const EFOpenError& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot create file \"" + target + "\": Not a directory");
  }
  EXPECT_EQ(readFile(dir / "plain"), "not a folder");
}

TEST(FileReplace, AFailedRenameLeavesNoTemporaryFile) {
  TempDir dir;
  std::filesystem::create_directories(dir / "taken" / "inside");
  EXPECT_THROW(ReplaceFileContents((dir / "taken").string(), "text"), EInOutError);
  EXPECT_TRUE(std::filesystem::is_directory(dir / "taken" / "inside"));
  EXPECT_EQ(entries(dir.path()), 1u);
}

TEST(FileReplace, AWriteThatFailsPartWayLeavesTheOldFileIntact) {
  TempDir dir;
  const auto file = dir / "p.tm8d";
  writeFile(file, "the user's project");
  std::string error;
  {
    FileSizeLimit limit(8);
    try {
      ReplaceFileContents(file.string(), std::string(4096, 'x'));
    } catch (const EInOutError& e) {
      error = e.what();
    }
  }
  EXPECT_EQ(error, "Cannot write file \"" + file.string() + "\": File too large");
  EXPECT_EQ(readFile(file), "the user's project");
  EXPECT_EQ(entries(dir.path()), 1u);
}

}  // namespace
}  // namespace talmo
