// The one way the core writes a file: whole, to a temporary file in the same
// folder, then renamed over the old one. A failed write leaves the old file intact.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace baltu::store {

struct WriteResult {
  bool ok = true;
  int errorNumber = 0;  // errno of the failing step
};

WriteResult writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace baltu::store
