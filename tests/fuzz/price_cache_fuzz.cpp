// Feeds arbitrary bytes to the base-price cache parser.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "pricing/price_cache.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  for (std::size_t count : {std::size_t{0}, std::size_t{1}, std::size_t{3}, size / 8}) {
    auto lines = baltu::pricing::parseBasePriceCache(bytes, count);
    if (lines && lines->size() != count) __builtin_trap();
  }
  return 0;
}
