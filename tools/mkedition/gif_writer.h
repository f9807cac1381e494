// A small GIF89a writer for the sample edition's pictures: indexed frames over one
// global palette, looping forever, each frame with its own delay. Plus a 5 x 7
// bitmap font to letter the frames.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace baltu::mkedition {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
};

// A rectangle in pixels; also the clip of drawing calls.
struct PixelRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// A picture of palette indices, row by row. Drawing outside it (or outside the
// clip given) is cut off, so text can slide in from an edge.
class IndexedImage {
 public:
  IndexedImage(int width, int height, std::uint8_t fill = 0);

  int width() const { return width_; }
  int height() const { return height_; }
  PixelRect bounds() const { return {0, 0, width_, height_}; }
  const std::vector<std::uint8_t>& pixels() const { return pixels_; }
  std::uint8_t at(int x, int y) const { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }

  void set(int x, int y, std::uint8_t index, PixelRect clip);
  void set(int x, int y, std::uint8_t index) { set(x, y, index, bounds()); }
  void fill(PixelRect rect, std::uint8_t index);

 private:
  int width_;
  int height_;
  std::vector<std::uint8_t> pixels_;
};

struct GifFrame {
  IndexedImage image;
  int delay = 0;  // hundredths of a second, 0..65535
};

struct GifAnimation {
  int width = 0;
  int height = 0;
  std::vector<Rgb> palette;      // 1..256 colours; padded with black to a power of two
  std::vector<GifFrame> frames;  // each of the animation's size, indices inside the palette
};

// The file bytes: header, global palette, the looping block, then per frame one
// graphic control block with its delay and the LZW-compressed image. Throws
// std::invalid_argument when a frame does not fit the animation or its palette.
std::string gifBytes(const GifAnimation& animation);

// ---- lettering ----

inline constexpr int kGlyphHeight = 7;

// Upper-case letters, digits, blank and . , : ; - / ! ? ' & ( ) @ _ + = #. Letters are
// as wide as their drawn columns (an I is narrower than an M); other characters draw
// nothing and take no room.
bool hasGlyph(char ch);

// Width in pixels of `text` drawn at `scale` with `spacing` pixels between letters.
int textWidth(std::string_view text, int scale, int spacing);

// Draws `text` with its top-left corner at (x, y), each font pixel a scale x scale
// square, inside `clip`.
void drawText(IndexedImage& image, int x, int y, std::string_view text, int scale, int spacing, std::uint8_t index,
              PixelRect clip);

}  // namespace baltu::mkedition
