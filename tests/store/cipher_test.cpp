#include <gtest/gtest.h>

#include "store/record_cipher.h"

namespace baltu::store {
namespace {

std::string hex(const std::string& bytes) {
  static const char* digits = "0123456789ABCDEF";
  std::string out;
  for (unsigned char b : bytes) {
    out += digits[b >> 4];
    out += digits[b & 15];
  }
  return out;
}

TEST(RecordCipherTest, MatchesPublishedRc4Vectors) {
  struct Case {
    const char* key;
    const char* plain;
    const char* cipherHex;
  };
  const Case cases[] = {
      {"Key", "Plaintext", "BBF316E8D940AF0AD3"},
      {"Wiki", "pedia", "1021BF0420"},
      {"Secret", "Attack at dawn", "45A01F645FC35B383552544B9BF5"},
  };
  for (const auto& c : cases) {
    const RecordCipher cipher(c.key);
    EXPECT_EQ(hex(cipher.apply(c.plain)), c.cipherHex) << c.key;
  }
}

TEST(RecordCipherTest, EveryRecordStartsTheKeystreamAgain) {
  const std::string record = "1\xCF\xCF\xCF" "CEMENTO";
  const std::string once = dataFileCipher().apply(record);
  EXPECT_EQ(dataFileCipher().apply(record), once);
  EXPECT_EQ(decipherRecord(once), record);
  EXPECT_EQ(once.size(), record.size());
}

TEST(RecordCipherTest, KeyIsTheStoredPieceAndItsSuffix) {
  EXPECT_EQ(recordKey(), "Ou8uCi3E5P3yinYFteXkWeNrqu8oOF8k7");
  // Bytes after a zero byte are not part of the key.
  EXPECT_EQ(RecordCipher(std::string("Key\0xyz", 7)).apply("Plaintext"), RecordCipher("Key").apply("Plaintext"));
}

}  // namespace
}  // namespace baltu::store
