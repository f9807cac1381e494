#include "store/record_cipher.h"

#include <utility>

namespace baltu::store {

RecordCipher::RecordCipher(std::string_view key) {
  std::size_t length = 0;
  while (length < key.size() && key[length] != '\0') ++length;
  for (int i = 0; i < 256; ++i) scheduled_[i] = static_cast<std::uint8_t>(i);
  if (length == 0) return;
  std::uint8_t j = 0;
  for (int i = 0; i < 256; ++i) {
    j = static_cast<std::uint8_t>(j + scheduled_[i] + static_cast<std::uint8_t>(key[i % length]));
    std::swap(scheduled_[i], scheduled_[j]);
  }
}

void RecordCipher::apply(char* data, std::size_t size) const {
  std::array<std::uint8_t, 256> s = scheduled_;
  std::uint8_t i = 0;
  std::uint8_t j = 0;
  for (std::size_t n = 0; n < size; ++n) {
    i = static_cast<std::uint8_t>(i + 1);
    j = static_cast<std::uint8_t>(j + s[i]);
    std::swap(s[i], s[j]);
    data[n] = static_cast<char>(static_cast<std::uint8_t>(data[n]) ^ s[static_cast<std::uint8_t>(s[i] + s[j])]);
  }
}

std::string RecordCipher::apply(std::string_view text) const {
  std::string out(text);
  apply(out.data(), out.size());
  return out;
}

std::string recordKey() {
  std::string key = "Ou8uCi3E5P3yinYFteXkWeNrqu8oOF8k";
  key += static_cast<char>('0' + 7);
  return key;
}

const RecordCipher& dataFileCipher() {
  static const RecordCipher cipher(recordKey());
  return cipher;
}

std::string decipherRecord(std::string_view text) { return dataFileCipher().apply(text); }

}  // namespace baltu::store
