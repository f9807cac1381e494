#include "mkedition/gif_writer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "mkedition/sample_edition.h"
#include "reports/banner_file.h"
#include "support/temp_folder.h"

namespace baltu::mkedition {
namespace {

// ---- a strict reader, to prove the files are what a decoder expects ----

struct DecodedGif {
  int width = 0;
  int height = 0;
  std::vector<Rgb> palette;
  int loops = -1;  // from the NETSCAPE2.0 block; -1 when there is none
  std::vector<int> delays;
  std::vector<std::vector<std::uint8_t>> frames;
};

class Reader {
 public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}
  int byte() {
    if (at_ >= bytes_.size()) throw std::runtime_error("past the end at " + std::to_string(at_));
    return static_cast<unsigned char>(bytes_[at_++]);
  }
  int word() {
    const int low = byte();
    return low | byte() << 8;
  }
  std::string take(std::size_t n) {
    if (bytes_.size() - at_ < n) throw std::runtime_error("block past the end");
    std::string out(bytes_.substr(at_, n));
    at_ += n;
    return out;
  }
  std::vector<std::string> subBlocks() {
    std::vector<std::string> blocks;
    while (const int n = byte()) blocks.push_back(take(static_cast<std::size_t>(n)));
    return blocks;
  }
  bool atEnd() const { return at_ == bytes_.size(); }

 private:
  std::string_view bytes_;
  std::size_t at_ = 0;
};

// Decodes with the code-width rules of the format and insists on exactly `pixels`
// indices, the end code, and nothing after it.
std::vector<std::uint8_t> lzwDecode(const std::string& data, int minCodeSize, std::size_t pixels) {
  const int clear = 1 << minCodeSize;
  const int end = clear + 1;
  std::size_t at = 0;
  std::uint32_t buffer = 0;
  int filled = 0;
  auto read = [&](int width) {
    while (filled < width) {
      if (at >= data.size()) throw std::runtime_error("image data ends without the end code");
      buffer |= static_cast<std::uint32_t>(static_cast<unsigned char>(data[at++])) << filled;
      filled += 8;
    }
    const int code = static_cast<int>(buffer & ((1u << width) - 1));
    buffer >>= width;
    filled -= width;
    return code;
  };
  std::vector<std::vector<std::uint8_t>> table;
  std::vector<std::uint8_t> out;
  int width = minCodeSize + 1;
  int previous = -1;
  for (;;) {
    const int code = read(width);
    if (code == clear) {
      table.assign(static_cast<std::size_t>(end + 1), {});
      for (int i = 0; i < clear; ++i) table[static_cast<std::size_t>(i)] = {static_cast<std::uint8_t>(i)};
      width = minCodeSize + 1;
      previous = -1;
      continue;
    }
    if (table.empty()) throw std::runtime_error("image data does not start with a clear code");
    if (code == end) break;
    std::vector<std::uint8_t> entry;
    if (previous < 0) {
      if (code >= clear) throw std::runtime_error("first code after a clear is not a colour");
      entry = table[static_cast<std::size_t>(code)];
    } else {
      const auto& before = table[static_cast<std::size_t>(previous)];
      if (code < static_cast<int>(table.size()) && code != clear && code != end) {
        entry = table[static_cast<std::size_t>(code)];
      } else if (code == static_cast<int>(table.size())) {
        entry = before;
        entry.push_back(before.front());
      } else {
        throw std::runtime_error("code " + std::to_string(code) + " not in the table");
      }
      if (table.size() < 4096) {
        auto added = before;
        added.push_back(entry.front());
        table.push_back(std::move(added));
      }
      if (table.size() == (std::size_t{1} << width) && width < 12) ++width;
    }
    out.insert(out.end(), entry.begin(), entry.end());
    previous = code;
  }
  if (out.size() != pixels) throw std::runtime_error("wrong pixel count " + std::to_string(out.size()));
  if (at != data.size()) throw std::runtime_error("bytes after the end code");
  if (buffer != 0) throw std::runtime_error("padding bits not zero");
  return out;
}

DecodedGif decodeGif(std::string_view bytes) {
  DecodedGif gif;
  Reader in(bytes);
  if (in.take(6) != "GIF89a") throw std::runtime_error("not GIF89a");
  gif.width = in.word();
  gif.height = in.word();
  const int flags = in.byte();
  if (!(flags & 0x80)) throw std::runtime_error("no global palette");
  in.byte();
  in.byte();
  for (int i = 0; i < 2 << (flags & 7); ++i) {
    const auto r = static_cast<std::uint8_t>(in.byte());
    const auto g = static_cast<std::uint8_t>(in.byte());
    gif.palette.push_back({r, g, static_cast<std::uint8_t>(in.byte())});
  }
  int pendingDelay = -1;
  for (;;) {
    const int introducer = in.byte();
    if (introducer == 0x3B) break;
    if (introducer == 0x21) {
      const int label = in.byte();
      const auto blocks = in.subBlocks();
      if (label == 0xF9) {
        if (blocks.size() != 1 || blocks[0].size() != 4) throw std::runtime_error("bad graphic control block");
        pendingDelay = static_cast<unsigned char>(blocks[0][1]) | static_cast<unsigned char>(blocks[0][2]) << 8;
      } else if (label == 0xFF && !blocks.empty() && blocks[0] == "NETSCAPE2.0") {
        if (blocks.size() != 2 || blocks[1].size() != 3) throw std::runtime_error("bad looping block");
        gif.loops = static_cast<unsigned char>(blocks[1][1]) | static_cast<unsigned char>(blocks[1][2]) << 8;
      }
    } else if (introducer == 0x2C) {
      const int x = in.word(), y = in.word(), w = in.word(), h = in.word();
      if (x != 0 || y != 0 || w != gif.width || h != gif.height || in.byte() != 0)
        throw std::runtime_error("frame is not the whole picture");
      const int minCodeSize = in.byte();
      std::string data;
      for (const std::string& block : in.subBlocks()) data += block;
      gif.frames.push_back(lzwDecode(data, minCodeSize, static_cast<std::size_t>(w * h)));
      gif.delays.push_back(pendingDelay);
      pendingDelay = -1;
    } else {
      throw std::runtime_error("unknown block " + std::to_string(introducer));
    }
  }
  if (!in.atEnd()) throw std::runtime_error("bytes after the trailer");
  return gif;
}

// ---- the writer ----

// splitmix64, for pictures that are the same on every run.
std::uint64_t mix(std::uint64_t& state) {
  std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

struct RoundTripCase {
  const char* name;
  int width, height, colours;
  int pattern;  // 0 noise, 1 stripes, 2 flat, 3 every pair of 4 colours once
};
// Each step makes a new table entry, so the code count is exact.
constexpr std::uint8_t kEveryPair[] = {0, 0, 1, 0, 2, 0, 3, 1, 1, 2, 1, 3, 2, 2, 3, 3, 0};
void PrintTo(const RoundTripCase& c, std::ostream* os) { *os << c.name; }

class GifRoundTripTest : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(GifRoundTripTest, ADecoderGetsBackEveryFramePaletteAndDelay) {
  const RoundTripCase& c = GetParam();
  GifAnimation animation{c.width, c.height, {}, {}};
  for (int i = 0; i < c.colours; ++i)
    animation.palette.push_back(
        {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i), static_cast<std::uint8_t>(i * 7)});
  std::uint64_t state = static_cast<std::uint64_t>(c.width * 31 + c.colours);
  const std::vector<int> delays = {150, 0, 65535};
  for (int delay : delays) {
    IndexedImage image(c.width, c.height);
    for (int y = 0; y < c.height; ++y)
      for (int x = 0; x < c.width; ++x) {
        const int value = c.pattern == 0   ? static_cast<int>(mix(state) % static_cast<std::uint64_t>(c.colours))
                          : c.pattern == 1 ? (x / 3 + y + delay) % c.colours
                          : c.pattern == 2 ? delay % c.colours
                                           : kEveryPair[(x + y * c.width) % 17];
        image.set(x, y, static_cast<std::uint8_t>(value));
      }
    animation.frames.push_back({image, delay});
  }
  const DecodedGif gif = decodeGif(gifBytes(animation));
  EXPECT_EQ(gif.width, c.width);
  EXPECT_EQ(gif.height, c.height);
  EXPECT_EQ(gif.loops, 0);
  EXPECT_EQ(gif.delays, delays);
  ASSERT_EQ(gif.frames.size(), animation.frames.size());
  for (std::size_t k = 0; k < gif.frames.size(); ++k)
    EXPECT_EQ(gif.frames[k], animation.frames[k].image.pixels()) << "frame " << k;
  ASSERT_GE(gif.palette.size(), animation.palette.size());
  EXPECT_EQ(gif.palette.size() & (gif.palette.size() - 1), 0u) << "a power of two";
  for (std::size_t i = 0; i < animation.palette.size(); ++i) {
    EXPECT_EQ(gif.palette[i].red, animation.palette[i].red);
    EXPECT_EQ(gif.palette[i].blue, animation.palette[i].blue);
  }
}

// Pixel counts around the points where codes widen (a table of 512, 1024 ... entries)
// and where a full table starts again; palettes of one to 256 colours.
INSTANTIATE_TEST_SUITE_P(
    Sizes, GifRoundTripTest,
    ::testing::Values(RoundTripCase{"OnePixel", 1, 1, 2, 0}, RoundTripCase{"OneColour", 7, 3, 1, 2},
                      // The decoder widens its codes just before the end code (and the wider
                      // end code needs one more byte).
                      RoundTripCase{"EndCodeAtAWidening", 11, 1, 4, 3}, RoundTripCase{"EveryPairOnce", 17, 1, 4, 3},
                      RoundTripCase{"ThreeColours", 9, 4, 3, 0}, RoundTripCase{"NoiseAt253", 253, 1, 2, 0},
                      RoundTripCase{"NoiseAt254", 254, 1, 256, 0}, RoundTripCase{"NoiseAt255", 255, 1, 256, 0},
                      RoundTripCase{"NoiseAt256", 256, 1, 256, 0}, RoundTripCase{"NoiseAt257", 257, 1, 256, 0},
                      RoundTripCase{"Noise16Colours", 97, 31, 16, 0}, RoundTripCase{"Noise256Colours", 181, 53, 256, 0},
                      RoundTripCase{"Stripes", 333, 30, 5, 1}, RoundTripCase{"Flat", 400, 300, 4, 2}),
    [](const ::testing::TestParamInfo<RoundTripCase>& info) { return std::string(info.param.name); });

TEST(GifWriterTest, RefusesWhatAGifCannotHold) {
  auto animation = [] { return GifAnimation{4, 2, {{0, 0, 0}, {9, 9, 9}}, {{IndexedImage(4, 2, 1), 10}}}; };
  GifAnimation noPalette = animation();
  noPalette.palette.clear();
  GifAnimation bigPalette = animation();
  bigPalette.palette.resize(257);
  GifAnimation wrongSize = animation();
  wrongSize.frames.push_back({IndexedImage(4, 3), 10});
  GifAnimation outsidePalette = animation();
  outsidePalette.frames[0].image.set(3, 1, 2);
  GifAnimation longDelay = animation();
  longDelay.frames[0].delay = 65536;
  for (const GifAnimation* bad : {&noPalette, &bigPalette, &wrongSize, &outsidePalette, &longDelay})
    EXPECT_THROW(gifBytes(*bad), std::invalid_argument);
  EXPECT_NO_THROW(decodeGif(gifBytes(animation())));
}

// ---- lettering ----

// The drawn pixels as rows of '#' and '.'.
std::vector<std::string> picture(const IndexedImage& image) {
  std::vector<std::string> rows;
  for (int y = 0; y < image.height(); ++y) {
    std::string row;
    for (int x = 0; x < image.width(); ++x) row += image.at(x, y) ? '#' : '.';
    rows.push_back(row);
  }
  return rows;
}

TEST(BitmapFontTest, LettersTakeTheirOwnWidthAndUnknownCharactersNone) {
  EXPECT_EQ(textWidth("I", 1, 1), 3);
  EXPECT_EQ(textWidth("M", 1, 1), 5);
  EXPECT_EQ(textWidth("IM", 2, 1), 3 * 2 + 1 + 5 * 2);
  EXPECT_EQ(textWidth("A B", 1, 1), 5 + 1 + 2 + 1 + 5);
  EXPECT_EQ(textWidth("a~A", 1, 1), textWidth("A", 1, 1));
  EXPECT_EQ(textWidth("", 3, 1), 0);
  for (char ch : std::string_view("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 .,:;-/!?'&()@_+=#"))
    EXPECT_TRUE(hasGlyph(ch)) << ch;
  EXPECT_FALSE(hasGlyph('a'));
}

TEST(BitmapFontTest, DrawsScaledAndCutsAtTheClip) {
  IndexedImage image(9, 8);
  drawText(image, 1, 0, "IT", 1, 1, 1, image.bounds());
  EXPECT_EQ(picture(image), (std::vector<std::string>{
                                ".###.####",
                                "..#....#.",
                                "..#....#.",
                                "..#....#.",
                                "..#....#.",
                                "..#....#.",
                                ".###...#.",
                                ".........",
                            }));

  IndexedImage scaled(8, 4);
  drawText(scaled, -4, -10, "L", 2, 0, 1, {0, 0, 8, 3});  // only the foot of the L, up to the clip
  EXPECT_EQ(picture(scaled), (std::vector<std::string>{
                                 "........",
                                 "........",
                                 "######..",
                                 "........",
                             }));
}

// ---- the banners of the sample edition ----

TEST(SampleEditionBannerTest, BothBannersAnimateWithOneDelayPerFrame) {
  const auto built = buildSampleEdition({});
  ASSERT_TRUE(built.ok()) << built.failure().message;
  std::map<std::string, std::string> files;
  for (const SampleFile& file : built.value().files) files[file.name] = file.bytes;

  for (int screenWidth : {800, 1024}) {
    const reports::BannerChoice choice = reports::bannerFileName(screenWidth);
    const std::string name = "DOCUMENTOS/PUB/K9R/" + choice.fileName;
    SCOPED_TRACE(name);
    ASSERT_TRUE(files.contains(name));
    const std::string& bytes = files.at(name);
    const DecodedGif gif = decodeGif(bytes);
    EXPECT_EQ(gif.width, choice.controlWidth);
    EXPECT_EQ(gif.height, choice.controlHeight);
    EXPECT_EQ(gif.loops, 0);
    EXPECT_GE(gif.frames.size(), 4u);
    EXPECT_LE(gif.frames.size(), 8u);
    for (std::size_t k = 1; k < gif.frames.size(); ++k) EXPECT_NE(gif.frames[k], gif.frames[k - 1]) << "frame " << k;

    const std::vector<int> stored = reports::readFrameDelays(bytes);
    EXPECT_EQ(stored, gif.delays);
    const reports::FrameDelays delays = reports::frameDelays(stored, gif.frames.size());
    EXPECT_FALSE(delays.warning.has_value());
    EXPECT_EQ(delays.delays, stored) << "no delay too short to keep";
  }
}

TEST(SampleEditionBannerTest, WrittenWhereTheProgramLooksForThem) {
  test::TempFolder folder;
  SampleEditionOptions options;
  options.guides = {store::Guide::Guia5};
  const auto written = writeSampleEdition(folder / "edicion", options);
  ASSERT_TRUE(written.ok()) << written.failure().message;
  test::TempFolder program;
  for (int screenWidth : {800, 1280}) {
    const std::filesystem::path found = reports::findBannerFile(program.path(), folder / "edicion", screenWidth);
    ASSERT_FALSE(found.empty()) << screenWidth;
    const reports::BannerBytes read = reports::readBannerFile(found);
    ASSERT_TRUE(read.ok());
    EXPECT_NO_THROW(decodeGif(read.bytes));
  }
}

}  // namespace
}  // namespace baltu::mkedition
