#include "folder_lock.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace talmo {

FolderLock::FolderLock(const std::filesystem::path& folder) {
  const std::filesystem::path path = (folder.empty() ? std::filesystem::path(".") : folder) / kFolderLockName;
  fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (fd_ < 0) return;
  // The lock file stays in the folder: removing it would let a waiting run lock a file that a
  // third run no longer sees.
  int rc;
  do {
    rc = ::flock(fd_, LOCK_EX);
  } while (rc != 0 && errno == EINTR);
  if (rc != 0) {
    ::close(fd_);
    fd_ = -1;
  }
}

FolderLock::~FolderLock() {
  if (fd_ >= 0) ::close(fd_);  // closing the descriptor releases the lock
}

}  // namespace talmo
