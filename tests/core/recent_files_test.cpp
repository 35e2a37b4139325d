// The recent-files list: moves, drops and the menu texts.
#include "RecentFiles.h"

#include <gtest/gtest.h>

namespace talmo {
namespace {

std::string joined(const TRecentFiles& files) {
  std::string text;
  for (int i = 0; i < TRecentFiles::kCapacity; ++i)
    if (!files.Entry(i).empty()) text += files.Entry(i) + " ";
  return text;
}

TEST(RecentFiles, RecordingMovesAndDropsEntries) {
  TRecentFiles files;
  for (const char* f : {"e", "d", "c", "b", "a"}) files.Record(f);
  EXPECT_EQ(joined(files), "a b c d e ");
  files.Record("a");  // already first: unchanged
  EXPECT_EQ(joined(files), "a b c d e ");
  files.Record("e");  // the fifth moves to the top, the first four move down
  EXPECT_EQ(joined(files), "e a b c d ");
  for (const char* f : {"f", "g", "h", "i", "j"}) files.Record(f);
  EXPECT_EQ(files.Count(), 10);
  files.Record("k");  // an eleventh distinct file drops the oldest
  EXPECT_EQ(joined(files), "k j i h g f e a b c ");
}

TEST(RecentFiles, MenuTextIsRelativeUnderTheCurrentFolder) {
  EXPECT_EQ(TRecentFiles::DisplayPath("/data/jobs/a.tm8d", "/data"), "jobs/a.tm8d");
  EXPECT_EQ(TRecentFiles::DisplayPath("/other/a.tm8d", "/data"), "/other/a.tm8d");
  EXPECT_EQ(TRecentFiles::DisplayPath("/data2/a.tm8d", "/data"), "/data2/a.tm8d");
}

}  // namespace
}  // namespace talmo
