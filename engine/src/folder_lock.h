#pragma once
// Exclusive use of a project folder for one run. Runs in one folder share the side files
// CHART.DAT, TZDIAM.DAT, TZDATA.DAT and ROCKMSG.DAT, so a run holds an advisory lock (flock) on
// the lock file TALMO.LCK in that folder from its first to its last file operation; a second
// run in the same folder, in this process or another, waits for it. Runs in different folders
// do not wait for each other. A folder where the lock file cannot be created (read-only) is used
// without the lock.
#include <filesystem>

namespace talmo {

inline constexpr const char* kFolderLockName = "TALMO.LCK";

class FolderLock {
 public:
  explicit FolderLock(const std::filesystem::path& folder);
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  bool held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

}  // namespace talmo
