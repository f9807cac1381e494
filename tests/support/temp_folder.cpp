#include "support/temp_folder.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>

namespace baltu::test {

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "baltu-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void TempFolder::write(std::string_view name, std::string_view bytes) const {
  std::ofstream out(path_ / name, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace baltu::test
