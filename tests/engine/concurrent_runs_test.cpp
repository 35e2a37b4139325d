// Runs in one folder share the side files CHART.DAT, TZDIAM.DAT, TZDATA.DAT and ROCKMSG.DAT;
// the folder lock makes them take turns, so that analyses started together give the results of
// the same analyses run one after the other.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <map>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "folder_lock.h"
#include "test_support.h"

extern char** environ;

namespace talmo {
namespace {

// Projects with a soil tip (their q-w count goes through TZDIAM.DAT), several diameters, design
// charts (CHART.DAT), uplift and a weak-rock socket (ROCKMSG.DAT).
const std::map<std::string, std::string>& projects() {
  static const std::map<std::string, std::string> p = {
      {"example", test::readFile(TALMO_EXAMPLES_DIR "/clay_over_sand.tm8d")},
      {"diameters",
       "Sand, three diameters\r\n1 \r\n2 1 1 5 0 2 0 0 0 0 0\r\n3 4 0 0 5 0 3600000\r\n1 10 40 2 3\r\n"
       "1 60 \r\n0.0 120 34 0 20 0 0 1 1 \r\n0.0 125 36 0 30 0 0 1 1 \r\n2 \r\n0 0 \r\n"},
      {"charts",
       "Clay design charts\r\n1 \r\n2 1 1 5 0 1 0 1 0 0 0\r\n3 4 0 0 5 0 3600000\r\n1 10 40 2 3\r\n"
       "30 5 1 2\r\n0.5 1 \r\n2 60 \r\n0 120 0.0 1500 0 0 0 1 1 \r\n0 125 0.0 3000 0 0 0 1 1 \r\n0 0\r\n"},
      {"uplift",
       "Belled shaft in clay, uplift\r\n1 \r\n2 2 0.7 5 0 2 0 0 0 0 0\r\n3 3 2 30 5 1.4 3600000\r\n"
       "1 10 40 2 3\r\n2 60 \r\n0 120 0.0 2000 0 0 0 1 1 \r\n0 125 0.0 3000 0 0 0 1 1 \r\n0 0\r\n"},
      {"weakrock",
       "Weak rock\r\n1 \r\n2 1 1 10 0 2 0 0 0 0 0\r\n1 2 0 0 0 0 3600000\r\n2 50 30 2 3\r\n"
       "2 10 \r\n0 120 0.0 1000 0 0 0 1 1 \r\n0 120 0.0 1000 0 0 0 1 1 \r\n0 0\r\n"
       "6 40 \r\n100000 1 6 30 1.5 0 30000 60 0 1 1 \r\n100000 1 6 30 1.5 0 60000 60 0 1 1 \r\n"},
  };
  return p;
}

// The result files of a project, without the line that holds the date and time of the run.
std::map<std::string, std::string> results(const test::TempDir& dir, const std::string& name) {
  return test::resultFiles(dir / (name + ".tm8d"), {"Date:  "});
}

pid_t startTalmo(const std::filesystem::path& project) {
  std::string exe = TALMO_CLI_PATH, command = "run", file = project.string();
  char* argv[] = {exe.data(), command.data(), file.data(), nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t pid = -1;
  const int rc = posix_spawn(&pid, exe.c_str(), &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  return rc == 0 ? pid : -1;
}

int waitFor(pid_t pid) {
  int status = 0;
  if (waitpid(pid, &status, 0) != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(ConcurrentRuns, ProjectsStartedTogetherInOneFolderGiveTheirResultsAlone) {
  test::TempDir dir;
  std::map<std::string, std::map<std::string, std::string>> alone;
  // The side files hold the folder's latest run: after runs that took turns, the content one of
  // the runs alone leaves, never a mixture.
  std::set<std::string> chartFiles = {""}, tzDataFiles;
  for (const auto& [name, text] : projects()) {
    test::writeFile(dir / (name + ".tm8d"), text);
    ASSERT_EQ(waitFor(startTalmo(dir / (name + ".tm8d"))), 0) << name;
    alone[name] = results(dir, name);
    chartFiles.insert(test::readFile(dir / "CHART.DAT"));
    tzDataFiles.insert(test::readFile(dir / "TZDATA.DAT"));
  }
  for (int round = 0; round < 3; ++round) {
    std::map<std::string, pid_t> running;
    for (const auto& [name, text] : projects()) {
      for (const char* ext : {".tm8o", ".tm8p", ".tm8r", ".tm8z"}) std::filesystem::remove(dir / (name + ext));
      running[name] = startTalmo(dir / (name + ".tm8d"));
    }
    for (const auto& [name, pid] : running) {
      ASSERT_GT(pid, 0) << name;
      EXPECT_EQ(waitFor(pid), 0) << name;
    }
    for (const auto& [name, text] : projects())
      for (const auto& [ext, content] : results(dir, name))
        EXPECT_EQ(content, alone[name][ext]) << name << ext << ", round " << round;
    EXPECT_TRUE(chartFiles.count(test::readFile(dir / "CHART.DAT"))) << "round " << round;
    EXPECT_TRUE(tzDataFiles.count(test::readFile(dir / "TZDATA.DAT"))) << "round " << round;
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "TZDIAM.DAT"));  // every run removed its own
}

TEST(ConcurrentRuns, ARunWaitsForTheFolderAndNotForAnother) {
  test::TempDir busy, free;
  test::writeFile(busy / "p.tm8d", projects().at("example"));
  test::writeFile(free / "p.tm8d", projects().at("example"));
  auto run = [](const test::TempDir& dir) {
    RunOptions options;
    options.workDir = dir.path();
    return runAnalysis(namesForProject(dir / "p.tm8d"), options);
  };
  std::future<int> waiting;
  {
    const FolderLock held(busy.path());  // another run holds the folder
    ASSERT_TRUE(held.held());
    waiting = std::async(std::launch::async, run, std::cref(busy));
    EXPECT_EQ(run(free), kStatusCompleted);  // a different folder goes on
    EXPECT_EQ(waiting.wait_for(std::chrono::milliseconds(300)), std::future_status::timeout);
    EXPECT_FALSE(std::filesystem::exists(busy / "p.tm8o"));
  }
  EXPECT_EQ(waiting.get(), kStatusCompleted);
  EXPECT_TRUE(std::filesystem::exists(busy / "p.tm8o"));
  EXPECT_TRUE(std::filesystem::exists(busy / kFolderLockName));
}

}  // namespace
}  // namespace talmo
