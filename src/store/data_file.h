// The byte layout shared by the .DAT files: a header of 8-byte decimal offsets,
// sections of enciphered records separated by the delimiter `"` CR LF `"`.
#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "store/failure.h"

namespace baltu::store {

inline constexpr std::string_view kRecordDelimiter = "\"\r\n\"";

// Reads a whole file. The failure message is empty; `errorNumber` says why
// (53 not found, 70 permission denied, 75 other access error).
struct FileBytes {
  std::string bytes;
  int errorNumber = 0;
};
FileBytes readWholeFile(const std::filesystem::path& path);

// A byte range [begin, end) of the file, 0-based.
struct Section {
  std::size_t begin = 0;
  std::size_t end = 0;
};

enum class LayoutFault { None, Short, BadHeader, PastEnd, OutOfOrder };

struct InsumoLayout {
  LayoutFault fault = LayoutFault::None;
  std::array<Section, 6> sections{};
};
struct GuideLayout {
  LayoutFault fault = LayoutFault::None;
  std::array<Section, 4> sections{};  // partidas, materials, equipment, labour
};

inline constexpr std::size_t kInsumoHeaderLength = 56;
inline constexpr std::size_t kGuideHeaderLength = 24;
inline constexpr std::size_t kEditionNameOffset = 57;  // 0-based, 15 bytes
inline constexpr std::size_t kEditionNameLength = 15;

InsumoLayout insumoLayout(std::string_view file);
GuideLayout guideLayout(std::string_view file);

std::size_t countDelimiters(std::string_view section);
// The first `count` records of a section, each the text before its delimiter.
std::vector<std::string_view> sectionRecords(std::string_view section, std::size_t count);

// Splits a deciphered record on "ÏÏÏ" into views (reusing `fields`).
void splitFields(std::string_view record, std::vector<std::string_view>& fields);

// "El archivo de datos "NAME" ..." for a layout fault.
std::string layoutFaultMessage(const std::string& fileName, LayoutFault fault);

}  // namespace baltu::store
