// Writes data files in the layouts the program reads: enciphered records
// separated by `"` CR LF `"`, one more delimiter after every section, and a
// header of 8-byte decimal offsets.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace baltu::mkedition {

// The raw fields of one record from raw field 1 on; the writer puts the record's
// 1-based index in raw field 0.
using RawRecord = std::vector<std::string>;
using RawSection = std::vector<RawRecord>;

// Sections: simple materials, equipment, labour, compound materials, equipment, labour.
std::string insumoFileBytes(std::string_view editionName, const std::array<RawSection, 6>& sections,
                            std::string_view filler = "");

// Sections: partidas, material, equipment and labour components.
std::string guideFileBytes(const std::array<RawSection, 4>& sections);

// One record enciphered, with empty fields appended until its ciphertext holds no
// delimiter (a reader would split it there otherwise).
std::string encipheredRecord(std::size_t index, const RawRecord& fields);

}  // namespace baltu::mkedition
