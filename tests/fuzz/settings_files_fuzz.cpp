// Feeds arbitrary bytes to the two settings file readers and writes them back.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "pricing/settings_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace baltu::pricing;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const AdminValues values = parseAdminFile(bytes);
  if (adminFileBytes(values).size() != kAdminFileSize) __builtin_trap();
  const ProgramSettings settings = parseProgramFile(bytes);
  if (programFileBytes(settings).size() != kBlock1Size + kBlock2Size + 4) __builtin_trap();
  (void)codeRules(settings);
  return 0;
}
