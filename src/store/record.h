// Record strings: the fields of one record joined by "ÏÏÏ" (three 0xCF bytes).
// A Record keeps the joined bytes and the start of every field, so reading a field
// costs nothing and code that reads the joined text sees exactly the stored record.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "store/number_text.h"

namespace baltu::store {

inline constexpr std::string_view kFieldSeparator = "\xCF\xCF\xCF";

std::vector<std::string> splitRecord(std::string_view record);
// Field n (1-based) of a joined record; empty when the record has fewer fields.
std::string_view fieldOf(std::string_view record, std::size_t n);
// Joins with the separator and never appends a trailing one.
std::string joinRecord(const std::vector<std::string>& fields);

class Record {
 public:
  Record() = default;
  explicit Record(std::string joined);
  static Record fromFields(const std::vector<std::string>& fields);

  const std::string& text() const { return text_; }
  std::size_t fieldCount() const { return starts_.size(); }
  // Field n (1-based); empty when the record has fewer fields.
  std::string_view field(std::size_t n) const;
  // Replaces field n, adding empty fields first when the record is shorter.
  void setField(std::size_t n, std::string_view value);

 private:
  friend class RecordBuilder;
  std::string text_;
  std::vector<std::uint32_t> starts_;
};

// Builds a record field by field without splitting and joining again.
class RecordBuilder {
 public:
  explicit RecordBuilder(std::size_t expectedFields = 0, std::size_t expectedBytes = 0);
  RecordBuilder& add(std::string_view field);
  // Adds a field of raw decimal text as a display number of the mask and width.
  RecordBuilder& addNumber(std::string_view raw, Mask mask, std::size_t width);
  Record finish();

 private:
  Record record_;
};

}  // namespace baltu::store
