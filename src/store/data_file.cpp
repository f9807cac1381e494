#include "store/data_file.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <optional>

#include "store/record.h"
#include "store/text.h"

namespace baltu::store {
namespace {

// A header number: 8 ASCII bytes, blanks allowed around the digits.
std::optional<long long> headerNumber(std::string_view file, std::size_t index) {
  std::string_view text = trim(file.substr(index * 8, 8));
  if (text.empty() || text.size() > 8) return std::nullopt;
  bool negative = text.front() == '-';
  if (negative || text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  long long value = 0;
  for (char ch : text) {
    if (ch < '0' || ch > '9') return std::nullopt;
    value = value * 10 + (ch - '0');
  }
  return negative ? -value : value;
}

// Absolute 1-based positions Pi = oi + header length; fault when unreadable or past the end.
template <std::size_t N>
LayoutFault readPositions(std::string_view file, std::size_t headerLength, std::array<long long, N>& positions) {
  if (file.size() < headerLength) return LayoutFault::Short;
  for (std::size_t i = 0; i < N; ++i) {
    auto number = headerNumber(file, i);
    if (!number) return LayoutFault::BadHeader;
    positions[i] = *number + static_cast<long long>(headerLength);
  }
  for (long long p : positions)
    if (p > static_cast<long long>(file.size())) return LayoutFault::PastEnd;
  return LayoutFault::None;
}

// A section from 1-based first..last inclusive; fault when it runs backwards.
bool makeSection(long long first, long long last, Section& section) {
  if (first < 1 || last < first - 1) return false;
  section.begin = static_cast<std::size_t>(first - 1);
  section.end = static_cast<std::size_t>(last);
  return true;
}

}  // namespace

FileBytes readWholeFile(const std::filesystem::path& path) {
  FileBytes result;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!file) {
    result.errorNumber = errno == ENOENT ? 53 : errno == EACCES ? 70 : 75;
    return result;
  }
  char buffer[1 << 16];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) result.bytes.append(buffer, got);
  if (std::ferror(file.get())) {
    result.bytes.clear();
    result.errorNumber = 75;
  }
  return result;
}

InsumoLayout insumoLayout(std::string_view file) {
  InsumoLayout layout;
  if (file.size() < kEditionNameOffset + kEditionNameLength) {
    layout.fault = LayoutFault::Short;
    return layout;
  }
  std::array<long long, 7> p{};
  layout.fault = readPositions(file, kInsumoHeaderLength, p);
  if (layout.fault != LayoutFault::None) return layout;
  if (p[0] < static_cast<long long>(kEditionNameOffset + kEditionNameLength)) {
    layout.fault = LayoutFault::OutOfOrder;
    return layout;
  }
  for (std::size_t k = 0; k < 6; ++k) {
    if (!makeSection(p[k] + 1, p[k + 1] - 4, layout.sections[k])) {
      layout.fault = LayoutFault::OutOfOrder;
      return layout;
    }
  }
  return layout;
}

GuideLayout guideLayout(std::string_view file) {
  GuideLayout layout;
  std::array<long long, 3> p{};
  layout.fault = readPositions(file, kGuideHeaderLength, p);
  if (layout.fault != LayoutFault::None) return layout;
  const auto size = static_cast<long long>(file.size());
  const bool ordered = makeSection(26, p[0], layout.sections[0]) &&
                       makeSection(p[0] + 1, p[1] - 4, layout.sections[1]) &&
                       makeSection(p[1] + 1, p[2] - 4, layout.sections[2]) &&
                       makeSection(p[2] + 1, size - 1, layout.sections[3]);
  if (!ordered) layout.fault = LayoutFault::OutOfOrder;
  return layout;
}

std::size_t countDelimiters(std::string_view section) {
  std::size_t count = 0;
  for (std::size_t at = section.find(kRecordDelimiter); at != std::string_view::npos;
       at = section.find(kRecordDelimiter, at + kRecordDelimiter.size()))
    ++count;
  return count;
}

std::vector<std::string_view> sectionRecords(std::string_view section, std::size_t count) {
  std::vector<std::string_view> records;
  records.reserve(count);
  std::size_t position = 0;
  while (records.size() < count) {
    std::size_t at = section.find(kRecordDelimiter, position);
    if (at == std::string_view::npos) break;
    records.push_back(section.substr(position, at - position));
    position = at + kRecordDelimiter.size();
  }
  return records;
}

void splitFields(std::string_view record, std::vector<std::string_view>& fields) {
  fields.clear();
  std::size_t start = 0;
  for (;;) {
    std::size_t at = record.find(kFieldSeparator, start);
    if (at == std::string_view::npos) {
      fields.push_back(record.substr(start));
      return;
    }
    fields.push_back(record.substr(start, at - start));
    start = at + kFieldSeparator.size();
  }
}

std::string layoutFaultMessage(const std::string& fileName, LayoutFault fault) {
  std::string reason;
  switch (fault) {
    case LayoutFault::None: return {};
    case LayoutFault::Short: reason = "está incompleto: es más corto que su cabecera."; break;
    case LayoutFault::BadHeader: reason = "está dañado: su cabecera no contiene posiciones válidas."; break;
    case LayoutFault::PastEnd:
      reason = "está incompleto o dañado: su cabecera señala posiciones más allá del final del archivo.";
      break;
    case LayoutFault::OutOfOrder: reason = "está dañado: las secciones de su cabecera no están en orden."; break;
  }
  return cp("El archivo de datos \"") + fileName + cp("\" " + reason + "\r\n\r\nInstale los archivos de datos y vuelva a intentarlo.");
}

}  // namespace baltu::store
