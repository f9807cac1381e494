// Feeds arbitrary bytes to the banner's delay reader and checks it against a plain
// byte-by-byte scan; then reconciles the delays with a frame count taken from the input.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "reports/banner_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace baltu;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::vector<int> delays = reports::readFrameDelays(bytes);

  std::vector<int> expected;
  for (std::size_t i = 0; i + 6 <= size;) {
    if (data[i] == 0x21 && data[i + 1] == 0xF9 && data[i + 2] == 0x04) {
      expected.push_back(data[i + 4] | data[i + 5] << 8);
      i += 3;
    } else {
      ++i;
    }
  }
  if (delays != expected) __builtin_trap();

  const std::size_t frames = size == 0 ? 0 : data[0] % 8 == 0 ? delays.size() : data[size - 1] % 16;
  const reports::FrameDelays reconciled = reports::frameDelays(delays, frames);
  if (reconciled.delays.size() != frames) __builtin_trap();
  if (reconciled.warning.has_value() != (frames != delays.size())) __builtin_trap();
  for (int delay : reconciled.delays)
    if (delay < reports::kShortestFrameDelay || delay > 0xFFFF) __builtin_trap();
  return 0;
}
