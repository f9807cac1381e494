// RC4 deciphering of data-file records. Every record is enciphered on its own from
// the start of the keystream, so the key schedule is run once and its state copied
// for each record.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace baltu::store {

class RecordCipher {
 public:
  // Uses the key bytes up to the first zero byte.
  explicit RecordCipher(std::string_view key);

  // Enciphering and deciphering are the same operation.
  void apply(char* data, std::size_t size) const;
  std::string apply(std::string_view text) const;

 private:
  std::array<std::uint8_t, 256> scheduled_{};
};

// The data files' key: the stored piece followed by the suffix made at run time.
std::string recordKey();

// The cipher with the data files' key (built once).
const RecordCipher& dataFileCipher();

// Deciphered text of one record, of the same length.
std::string decipherRecord(std::string_view text);

}  // namespace baltu::store
