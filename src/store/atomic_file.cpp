#include "store/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace baltu::store {

WriteResult writeFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
  std::string temporary = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) return {false, errno};
  auto fail = [&](int error) {
    ::close(fd);
    ::unlink(temporary.c_str());
    return WriteResult{false, error};
  };
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0) {
      if (errno == EINTR) continue;
      return fail(errno);
    }
    written += static_cast<std::size_t>(n);
  }
  if (::fchmod(fd, 0644) != 0 || ::fsync(fd) != 0) return fail(errno);
  if (::close(fd) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    return {false, error};
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    return {false, error};
  }
  return {};
}

}  // namespace baltu::store
