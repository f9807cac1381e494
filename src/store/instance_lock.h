// One running copy of the desktop program: a lock file held while it runs.
#pragma once

#include <filesystem>

namespace baltu::store {

class InstanceLock {
 public:
  // Takes the lock named "BALTU30..." in the runtime folder ($XDG_RUNTIME_DIR, else the temporary folder).
  InstanceLock();
  explicit InstanceLock(const std::filesystem::path& lockFile);
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  // True when another running copy holds the lock. A lock file that cannot be
  // made at all does not keep the program from running.
  bool anotherRunning() const { return anotherRunning_; }

  static std::filesystem::path defaultLockFile();

 private:
  int fd_ = -1;
  bool anotherRunning_ = false;
};

}  // namespace baltu::store
