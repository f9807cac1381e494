#include "store/record.h"

#include <utility>

namespace baltu::store {

std::vector<std::string> splitRecord(std::string_view record) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    std::size_t at = record.find(kFieldSeparator, start);
    if (at == std::string_view::npos) {
      fields.emplace_back(record.substr(start));
      return fields;
    }
    fields.emplace_back(record.substr(start, at - start));
    start = at + kFieldSeparator.size();
  }
}

std::string_view fieldOf(std::string_view record, std::size_t n) {
  if (n == 0) return {};
  std::size_t start = 0;
  for (std::size_t i = 1; i < n; ++i) {
    std::size_t at = record.find(kFieldSeparator, start);
    if (at == std::string_view::npos) return {};
    start = at + kFieldSeparator.size();
  }
  std::size_t end = record.find(kFieldSeparator, start);
  return record.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

std::string joinRecord(const std::vector<std::string>& fields) {
  std::string out;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) out += kFieldSeparator;
    out += fields[i];
  }
  return out;
}

Record::Record(std::string joined) : text_(std::move(joined)) {
  std::size_t start = 0;
  for (;;) {
    starts_.push_back(static_cast<std::uint32_t>(start));
    std::size_t at = text_.find(kFieldSeparator, start);
    if (at == std::string::npos) break;
    start = at + kFieldSeparator.size();
  }
}

Record Record::fromFields(const std::vector<std::string>& fields) {
  RecordBuilder builder(fields.size());
  for (const auto& f : fields) builder.add(f);
  return builder.finish();
}

std::string_view Record::field(std::size_t n) const {
  if (n == 0 || n > starts_.size()) return {};
  std::size_t start = starts_[n - 1];
  std::size_t end = n < starts_.size() ? starts_[n] - kFieldSeparator.size() : text_.size();
  return std::string_view(text_).substr(start, end - start);
}

void Record::setField(std::size_t n, std::string_view value) {
  if (n == 0) return;
  if (starts_.empty()) starts_.push_back(0);
  while (starts_.size() < n) {
    text_ += kFieldSeparator;
    starts_.push_back(static_cast<std::uint32_t>(text_.size()));
  }
  std::size_t start = starts_[n - 1];
  std::size_t end = n < starts_.size() ? starts_[n] - kFieldSeparator.size() : text_.size();
  text_.replace(start, end - start, value);
  const auto shift = static_cast<std::int64_t>(value.size()) - static_cast<std::int64_t>(end - start);
  for (std::size_t i = n; i < starts_.size(); ++i)
    starts_[i] = static_cast<std::uint32_t>(static_cast<std::int64_t>(starts_[i]) + shift);
}

RecordBuilder::RecordBuilder(std::size_t expectedFields, std::size_t expectedBytes) {
  record_.starts_.reserve(expectedFields);
  record_.text_.reserve(expectedBytes);
}

RecordBuilder& RecordBuilder::add(std::string_view field) {
  if (!record_.starts_.empty()) record_.text_ += kFieldSeparator;
  record_.starts_.push_back(static_cast<std::uint32_t>(record_.text_.size()));
  record_.text_ += field;
  return *this;
}

RecordBuilder& RecordBuilder::addNumber(std::string_view raw, Mask mask, std::size_t width) {
  if (!record_.starts_.empty()) record_.text_ += kFieldSeparator;
  record_.starts_.push_back(static_cast<std::uint32_t>(record_.text_.size()));
  appendDisplayFromRaw(record_.text_, raw, mask, width);
  return *this;
}

Record RecordBuilder::finish() { return std::move(record_); }

}  // namespace baltu::store
