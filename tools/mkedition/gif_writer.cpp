#include "mkedition/gif_writer.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <utility>

namespace baltu::mkedition {
namespace {

// ---- byte output ----

void putWord(std::string& out, int value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

void putByte(std::string& out, int value) { out += static_cast<char>(value & 0xFF); }

// Codes packed least significant bit first, as GIF wants them.
class BitWriter {
 public:
  void put(int code, int width) {
    buffer_ |= static_cast<std::uint32_t>(code) << filled_;
    filled_ += width;
    while (filled_ >= 8) {
      putByte(bytes_, static_cast<int>(buffer_ & 0xFF));
      buffer_ >>= 8;
      filled_ -= 8;
    }
  }
  std::string finish() {
    if (filled_ > 0) putByte(bytes_, static_cast<int>(buffer_ & 0xFF));
    buffer_ = 0;
    filled_ = 0;
    return std::move(bytes_);
  }

 private:
  std::string bytes_;
  std::uint32_t buffer_ = 0;
  int filled_ = 0;
};

constexpr int kMaxCodeWidth = 12;
constexpr int kTableSize = 1 << kMaxCodeWidth;

// Variable-width LZW over the palette indices. The code width grows exactly when a
// decoder's table reaches the next power of two; a full table starts again after a
// clear code.
std::string lzwCompress(const std::vector<std::uint8_t>& pixels, int minCodeSize) {
  const int alphabet = 1 << minCodeSize;
  const int clearCode = alphabet;
  const int endCode = alphabet + 1;
  // next[code * alphabet + index]: the code of that string followed by `index`; 0 = none
  std::vector<std::uint16_t> next(static_cast<std::size_t>(kTableSize) * static_cast<std::size_t>(alphabet));
  int width = minCodeSize + 1;
  int nextCode = endCode + 1;
  BitWriter bits;
  auto restart = [&] {
    bits.put(clearCode, width);
    std::fill(next.begin(), next.end(), std::uint16_t{0});
    width = minCodeSize + 1;
    nextCode = endCode + 1;
  };
  // Codes widen once code 2^width has been given out: a decoder, one entry behind,
  // widens at the same point of the stream.
  auto grow = [&] {
    if (nextCode == (1 << width) + 1 && width < kMaxCodeWidth) ++width;
  };

  restart();
  if (pixels.empty()) {
    bits.put(endCode, width);
    return bits.finish();
  }
  int prefix = pixels.front();
  for (std::size_t i = 1; i < pixels.size(); ++i) {
    const int index = pixels[i];
    const std::size_t slot = static_cast<std::size_t>(prefix) * alphabet + index;
    if (next[slot] != 0) {
      prefix = next[slot];
      continue;
    }
    bits.put(prefix, width);
    if (nextCode < kTableSize) {
      next[slot] = static_cast<std::uint16_t>(nextCode++);
      grow();
    }
    if (nextCode == kTableSize) restart();
    prefix = index;
  }
  bits.put(prefix, width);
  // The decoder still adds an entry for this last code before it reads the end code.
  if (nextCode < kTableSize) {
    ++nextCode;
    grow();
  }
  bits.put(endCode, width);
  return bits.finish();
}

void putSubBlocks(std::string& out, std::string_view data) {
  while (!data.empty()) {
    const std::size_t length = std::min<std::size_t>(data.size(), 255);
    putByte(out, static_cast<int>(length));
    out.append(data.substr(0, length));
    data.remove_prefix(length);
  }
  putByte(out, 0);
}

// ---- the font ----

struct Glyph {
  char ch;
  std::array<const char*, kGlyphHeight> rows;  // 5 columns each, '#' drawn
};

// clang-format off
constexpr Glyph kGlyphs[] = {
  {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
  {'B', {"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."}},
  {'C', {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."}},
  {'D', {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."}},
  {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
  {'F', {"#####", "#....", "#....", "####.", "#....", "#....", "#...."}},
  {'G', {".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".####"}},
  {'H', {"#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
  {'I', {".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."}},
  {'J', {"..###", "...#.", "...#.", "...#.", "...#.", "#..#.", ".##.."}},
  {'K', {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"}},
  {'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
  {'M', {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
  {'N', {"#...#", "#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#"}},
  {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
  {'P', {"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."}},
  {'Q', {".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"}},
  {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
  {'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
  {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
  {'U', {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
  {'V', {"#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."}},
  {'W', {"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "##.##", "#...#"}},
  {'X', {"#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"}},
  {'Y', {"#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."}},
  {'Z', {"#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"}},
  {'0', {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."}},
  {'1', {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."}},
  {'2', {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"}},
  {'3', {"#####", "...#.", "..#..", "...#.", "....#", "#...#", ".###."}},
  {'4', {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."}},
  {'5', {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."}},
  {'6', {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."}},
  {'7', {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."}},
  {'8', {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."}},
  {'9', {".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."}},
  {'.', {".....", ".....", ".....", ".....", ".....", "##...", "##..."}},
  {',', {".....", ".....", ".....", ".....", ".##..", "..#..", ".#..."}},
  {':', {".....", "##...", "##...", ".....", "##...", "##...", "....."}},
  {';', {".....", ".##..", ".##..", ".....", ".##..", "..#..", ".#..."}},
  {'-', {".....", ".....", ".....", "####.", ".....", ".....", "....."}},
  {'/', {"....#", "....#", "...#.", "..#..", ".#...", "#....", "#...."}},
  {'!', {"#....", "#....", "#....", "#....", "#....", ".....", "#...."}},
  {'?', {".###.", "#...#", "....#", "...#.", "..#..", ".....", "..#.."}},
  {'\'', {"#....", "#....", ".....", ".....", ".....", ".....", "....."}},
  {'&', {".##..", "#..#.", "#.#..", ".#...", "#.#.#", "#..#.", ".##.#"}},
  {'(', {"..#..", ".#...", "#....", "#....", "#....", ".#...", "..#.."}},
  {')', {"#....", ".#...", "..#..", "..#..", "..#..", ".#...", "#...."}},
  {'@', {".###.", "#...#", "#.###", "#.#.#", "#.###", "#....", ".###."}},
  {'_', {".....", ".....", ".....", ".....", ".....", ".....", "#####"}},
  {'+', {".....", "..#..", "..#..", "#####", "..#..", "..#..", "....."}},
  {'=', {".....", ".....", "#####", ".....", "#####", ".....", "....."}},
  {'#', {".#.#.", ".#.#.", "#####", ".#.#.", "#####", ".#.#.", ".#.#."}},
};
// clang-format on

constexpr int kGlyphColumns = 5;
constexpr int kBlankColumns = 2;

const Glyph* glyphOf(char ch) {
  for (const Glyph& glyph : kGlyphs)
    if (glyph.ch == ch) return &glyph;
  return nullptr;
}

// The glyph's drawn columns [first, last]; a blank is kBlankColumns of nothing.
struct Columns {
  int first = 0;
  int count = 0;
};

Columns columnsOf(const Glyph& glyph) {
  int first = kGlyphColumns;
  int last = -1;
  for (const char* row : glyph.rows)
    for (int c = 0; c < kGlyphColumns; ++c)
      if (row[c] == '#') {
        first = std::min(first, c);
        last = std::max(last, c);
      }
  return last < 0 ? Columns{} : Columns{first, last - first + 1};
}

}  // namespace

// ---- images ----

IndexedImage::IndexedImage(int width, int height, std::uint8_t fill)
    : width_(width),
      height_(height),
      pixels_(static_cast<std::size_t>(std::max(0, width) * std::max(0, height)), fill) {
  if (width <= 0 || height <= 0 || width > 0xFFFF || height > 0xFFFF)
    throw std::invalid_argument("image size out of range");
}

void IndexedImage::set(int x, int y, std::uint8_t index, PixelRect clip) {
  if (x < clip.x || y < clip.y || x >= clip.x + clip.width || y >= clip.y + clip.height) return;
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  pixels_[static_cast<std::size_t>(y * width_ + x)] = index;
}

void IndexedImage::fill(PixelRect rect, std::uint8_t index) {
  for (int y = rect.y; y < rect.y + rect.height; ++y)
    for (int x = rect.x; x < rect.x + rect.width; ++x) set(x, y, index);
}

// ---- the file ----

std::string gifBytes(const GifAnimation& animation) {
  const std::size_t colours = animation.palette.size();
  if (colours == 0 || colours > 256) throw std::invalid_argument("a GIF palette holds 1 to 256 colours");
  if (animation.width <= 0 || animation.height <= 0 || animation.width > 0xFFFF || animation.height > 0xFFFF)
    throw std::invalid_argument("GIF size out of range");
  int bits = 1;  // the palette holds 2^bits entries
  while ((std::size_t{1} << bits) < colours) ++bits;
  const int minCodeSize = std::max(2, bits);

  std::string out = "GIF89a";
  putWord(out, animation.width);
  putWord(out, animation.height);
  putByte(out, 0x80 | (bits - 1) << 4 | (bits - 1));  // global palette, its colour depth and size
  putByte(out, 0);                                    // background colour
  putByte(out, 0);                                    // square pixels
  for (std::size_t i = 0; i < (std::size_t{1} << bits); ++i) {
    const Rgb colour = i < colours ? animation.palette[i] : Rgb{};
    putByte(out, colour.red);
    putByte(out, colour.green);
    putByte(out, colour.blue);
  }
  // Loop forever.
  out +=
      "\x21\xFF\x0B"
      "NETSCAPE2.0";
  out += std::string("\x03\x01\x00\x00\x00", 5);

  for (const GifFrame& frame : animation.frames) {
    if (frame.image.width() != animation.width || frame.image.height() != animation.height)
      throw std::invalid_argument("a GIF frame is not the animation's size");
    if (frame.delay < 0 || frame.delay > 0xFFFF) throw std::invalid_argument("GIF frame delay out of range");
    for (std::uint8_t index : frame.image.pixels())
      if (index >= colours) throw std::invalid_argument("a GIF frame uses a colour outside the palette");

    // Graphic control: each frame is whole, so it stays in place under the next one.
    out += "\x21\xF9\x04";
    putByte(out, 1 << 2);
    putWord(out, frame.delay);
    putByte(out, 0);  // no transparent colour
    putByte(out, 0);
    // Image descriptor: the whole picture, no local palette, not interlaced.
    putByte(out, 0x2C);
    putWord(out, 0);
    putWord(out, 0);
    putWord(out, animation.width);
    putWord(out, animation.height);
    putByte(out, 0);
    putByte(out, minCodeSize);
    putSubBlocks(out, lzwCompress(frame.image.pixels(), minCodeSize));
  }
  putByte(out, 0x3B);
  return out;
}

// ---- lettering ----

bool hasGlyph(char ch) { return ch == ' ' || glyphOf(ch) != nullptr; }

int textWidth(std::string_view text, int scale, int spacing) {
  int width = 0;
  bool any = false;
  for (char ch : text) {
    int columns = 0;
    if (ch == ' ')
      columns = kBlankColumns;
    else if (const Glyph* glyph = glyphOf(ch))
      columns = columnsOf(*glyph).count;
    else
      continue;
    width += (any ? spacing : 0) + columns * scale;
    any = true;
  }
  return width;
}

void drawText(IndexedImage& image, int x, int y, std::string_view text, int scale, int spacing, std::uint8_t index,
              PixelRect clip) {
  bool any = false;
  for (char ch : text) {
    const Glyph* glyph = glyphOf(ch);
    if (ch != ' ' && !glyph) continue;
    if (any) x += spacing;
    any = true;
    if (!glyph) {
      x += kBlankColumns * scale;
      continue;
    }
    const Columns columns = columnsOf(*glyph);
    for (int row = 0; row < kGlyphHeight; ++row)
      for (int c = 0; c < columns.count; ++c) {
        if (glyph->rows[static_cast<std::size_t>(row)][columns.first + c] != '#') continue;
        for (int dy = 0; dy < scale; ++dy)
          for (int dx = 0; dx < scale; ++dx) image.set(x + c * scale + dx, y + row * scale + dy, index, clip);
      }
    x += columns.count * scale;
  }
}

}  // namespace baltu::mkedition
