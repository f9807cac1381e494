#include "mkedition/edition_writer.h"

#include <cstdio>

#include "store/data_file.h"
#include "store/record.h"
#include "store/record_cipher.h"
#include "store/text.h"

namespace baltu::mkedition {
namespace {

std::string headerNumber(std::size_t value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%8zu", value);
  return buffer;
}

// Appends every record with its delimiter, then the section's extra delimiter.
void appendSection(std::string& out, const RawSection& section) {
  for (std::size_t i = 0; i < section.size(); ++i) {
    out += encipheredRecord(i + 1, section[i]);
    out += store::kRecordDelimiter;
  }
  out += store::kRecordDelimiter;
}

}  // namespace

std::string encipheredRecord(std::size_t index, const RawRecord& fields) {
  std::vector<std::string> all;
  all.reserve(fields.size() + 1);
  all.push_back(std::to_string(index));
  all.insert(all.end(), fields.begin(), fields.end());
  for (;;) {
    std::string text = store::dataFileCipher().apply(store::joinRecord(all));
    std::string probe = text + std::string(store::kRecordDelimiter);
    if (probe.find(store::kRecordDelimiter) == text.size()) return text;
    all.emplace_back();
  }
}

std::string insumoFileBytes(std::string_view editionName, const std::array<RawSection, 6>& sections,
                            std::string_view filler) {
  std::string body;  // everything after the header
  body += '"';
  body += store::dataFileCipher().apply(store::padRight(editionName.substr(0, 15), 15));
  body += filler;
  std::array<std::size_t, 7> positions{};
  positions[0] = store::kInsumoHeaderLength + body.size();
  for (std::size_t k = 0; k < 6; ++k) {
    appendSection(body, sections[k]);
    positions[k + 1] = store::kInsumoHeaderLength + body.size();
  }
  std::string out;
  for (std::size_t p : positions) out += headerNumber(p - store::kInsumoHeaderLength);
  return out + body;
}

std::string guideFileBytes(const std::array<RawSection, 4>& sections) {
  std::string body = "\"";
  std::array<std::size_t, 3> positions{};
  for (std::size_t k = 0; k < 4; ++k) {
    appendSection(body, sections[k]);
    if (k < 3) positions[k] = store::kGuideHeaderLength + body.size();
  }
  std::string out;
  for (std::size_t p : positions) out += headerNumber(p - store::kGuideHeaderLength);
  return out + body;
}

}  // namespace baltu::mkedition
