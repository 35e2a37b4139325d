#include "FileReplace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <random>
#include <system_error>

#include "Errors.h"

namespace talmo {

namespace {

std::string reason(int error) { return std::error_code(error, std::generic_category()).message(); }

// Opens a new, uniquely named file beside `target`; returns its descriptor and name.
int createTemporary(const std::filesystem::path& target, std::string& tempName) {
  std::random_device random;
  const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempName = (folder / ("." + target.filename().string() + "." + std::to_string(random()) + ".tmp")).string();
    // 0666 lets the process's umask decide, as for any file the program creates.
    const int fd = ::open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool writeAll(int fd, const std::string& contents) {
  const char* data = contents.data();
  std::size_t left = contents.size();
  while (left > 0) {
    const ssize_t written = ::write(fd, data, left);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += written;
    left -= static_cast<std::size_t>(written);
  }
  return true;
}

}  // namespace

void ReplaceFileWith(const std::string& fileName, const std::function<std::string(const std::string&)>& write) {
  namespace fs = std::filesystem;
  fs::path target(fileName);
  std::error_code ec;
  if (fs::is_symlink(fs::symlink_status(target, ec))) {
    const fs::path resolved = fs::canonical(target, ec);
    if (!ec) target = resolved;
  }

  std::string tempName;
  const int fd = createTemporary(target, tempName);
  if (fd < 0) throw EFOpenError("Cannot create file \"" + fileName + "\": " + reason(errno));

  struct stat old {};
  if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) ::fchmod(fd, old.st_mode & 07777);

  std::string failure;
  try {
    failure = write(tempName);
  } catch (...) {
    ::close(fd);
    ::unlink(tempName.c_str());
    throw;
  }
  // The descriptor still names the temporary file's contents, however `write` reached them.
  bool ok = failure.empty() && ::fsync(fd) == 0;
  if (failure.empty() && !ok) failure = reason(errno);
  if (::close(fd) != 0 && ok) {
    ok = false;
    failure = reason(errno);
  }
  if (ok && ::rename(tempName.c_str(), target.c_str()) != 0) {
    ok = false;
    failure = reason(errno);
  }
  if (!ok) {
    ::unlink(tempName.c_str());
    throw EInOutError("Cannot write file \"" + fileName + "\": " + failure);
  }
}

void ReplaceFileContents(const std::string& fileName, const std::string& contents) {
  ReplaceFileWith(fileName, [&contents](const std::string& tempName) -> std::string {
    const int fd = ::open(tempName.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return reason(errno);
    const bool ok = writeAll(fd, contents);
    const int error = errno;
    ::close(fd);
    return ok ? std::string() : reason(error);
  });
}

}  // namespace talmo
