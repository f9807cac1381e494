// Feeds arbitrary bytes to the insumo file reader.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "store/insumo_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  baltu::store::SilentUserInterface ui;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  for (bool byCode : {false, true}) {
    auto loaded = baltu::store::loadInsumoBytes(bytes, "INSUMOS.DAT", {byCode}, ui);
    if (loaded.ok() && loaded.value().materials.size() > size) __builtin_trap();
  }
  return 0;
}
