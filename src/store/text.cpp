#include "store/text.h"

#include <array>
#include <cstdint>

namespace baltu::store {
namespace {

// Unicode code points of Windows-1252 bytes 0x80..0x9F (0 where the byte is unassigned).
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t codePointOf(unsigned char byte) {
  if (byte >= 0x80 && byte < 0xA0) {
    char32_t c = kHighControls[byte - 0x80];
    return c != 0 ? c : byte;
  }
  return byte;
}

char byteOf(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (std::size_t i = 0; i < kHighControls.size(); ++i)
    if (kHighControls[i] == c) return static_cast<char>(0x80 + i);
  return '?';
}

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

unsigned char lowerOf(unsigned char b) {
  if (b >= 'A' && b <= 'Z') return b + 32;
  if (b >= 0xC0 && b <= 0xDE && b != 0xD7) return b + 32;
  switch (b) {
    case 0x8A: return 0x9A;
    case 0x8C: return 0x9C;
    case 0x8E: return 0x9E;
    case 0x9F: return 0xFF;
    default: return b;
  }
}

unsigned char upperOf(unsigned char b) {
  if (b >= 'a' && b <= 'z') return b - 32;
  if (b >= 0xE0 && b <= 0xFE && b != 0xF7) return b - 32;
  switch (b) {
    case 0x9A: return 0x8A;
    case 0x9C: return 0x8C;
    case 0x9E: return 0x8E;
    case 0xFF: return 0x9F;
    default: return b;
  }
}

}  // namespace

std::string cp(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    auto b = static_cast<unsigned char>(utf8[i]);
    char32_t c = b;
    std::size_t len = 1;
    if (b >= 0xF0) {
      len = 4;
      c = b & 0x07;
    } else if (b >= 0xE0) {
      len = 3;
      c = b & 0x0F;
    } else if (b >= 0xC0) {
      len = 2;
      c = b & 0x1F;
    }
    if (i + len > utf8.size()) {
      out += '?';
      break;
    }
    for (std::size_t k = 1; k < len; ++k) c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    out += byteOf(c);
    i += len;
  }
  return out;
}

std::string toUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (char ch : text) appendUtf8(out, codePointOf(static_cast<unsigned char>(ch)));
  return out;
}

std::string_view trimRight(std::string_view s) {
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

std::string_view trim(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  return trimRight(s);
}

std::string rightAlign(std::string_view s, std::size_t width) {
  if (s.size() >= width) return std::string(s);
  std::string out(width - s.size(), ' ');
  out += s;
  return out;
}

std::string padRight(std::string_view s, std::size_t width) {
  std::string out(s);
  if (out.size() < width) out.append(width - out.size(), ' ');
  return out;
}

std::string toLowerCp(std::string_view s) {
  std::string out(s);
  for (char& ch : out) ch = static_cast<char>(lowerOf(static_cast<unsigned char>(ch)));
  return out;
}

std::string toUpperCp(std::string_view s) {
  std::string out(s);
  for (char& ch : out) ch = static_cast<char>(upperOf(static_cast<unsigned char>(ch)));
  return out;
}

}  // namespace baltu::store
