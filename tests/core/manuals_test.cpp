// Where Help finds the manuals: beside the program in a build tree, in the documentation
// folder of the installed package.
#include "Manuals.h"

#include <gtest/gtest.h>

#include "engine/test_support.h"

namespace talmo {
namespace {

namespace fs = std::filesystem;

TEST(Manuals, FoundBesideTheProgramOrInTheInstalledDocumentationFolder) {
  struct Case {
    const char* manualFolder;  // relative to the prefix that holds bin/
    const char* expected;
  } cases[] = {
      {"bin", "bin/users-manual.html"},
      {"share/doc/talmo", "share/doc/talmo/users-manual.html"},
      {nullptr, "share/doc/talmo/users-manual.html"},  // nowhere: Help names the expected place
  };
  for (const Case& c : cases) {
    test::TempDir root;
    fs::create_directories(root / "bin");
    if (c.manualFolder) {
      fs::create_directories(root / c.manualFolder);
      test::writeFile(root / c.manualFolder / kUsersManual, "<html></html>");
    }
    EXPECT_EQ(FindManual(root / "bin", kUsersManual), (root / c.expected).lexically_normal()) << c.expected;
  }
}

}  // namespace
}  // namespace talmo
