// Text helpers. The core holds every text as Windows-1252 bytes in std::string:
// one byte is one character, so widths, padding and byte-order sorting work as the
// data files expect. Source literals are UTF-8 and go through cp() once.
#pragma once

#include <string>
#include <string_view>

namespace baltu::store {

// UTF-8 source text to Windows-1252. Characters without a Windows-1252 form become '?'.
std::string cp(std::string_view utf8);

// Windows-1252 to UTF-8, for the terminal and the GUI edge.
std::string toUtf8(std::string_view cp1252);

// Blanks removed from both ends (spaces only, as the data files pad with spaces).
std::string_view trim(std::string_view s);
std::string_view trimRight(std::string_view s);

// Leading blanks added up to `width`; a longer text is kept whole.
std::string rightAlign(std::string_view s, std::size_t width);
// Trailing blanks added up to `width`; a longer text is kept whole.
std::string padRight(std::string_view s, std::size_t width);

// Windows-1252 case mapping (plain and accented letters).
std::string toLowerCp(std::string_view s);
std::string toUpperCp(std::string_view s);

}  // namespace baltu::store
