#include "store/instance_lock.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "store/folders.h"

namespace baltu::store {

std::filesystem::path InstanceLock::defaultLockFile() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  const std::filesystem::path folder = runtime != nullptr && *runtime != '\0' ? runtime : temporaryFolder();
  return folder / ("BALTU30-" + std::to_string(::getuid()) + ".lock");
}

InstanceLock::InstanceLock() : InstanceLock(defaultLockFile()) {}

InstanceLock::InstanceLock(const std::filesystem::path& lockFile) {
  fd_ = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd_ < 0) return;
  if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
    anotherRunning_ = errno == EWOULDBLOCK;
    ::close(fd_);
    fd_ = -1;
  }
}

InstanceLock::~InstanceLock() {
  if (fd_ >= 0) ::close(fd_);
}

}  // namespace baltu::store
