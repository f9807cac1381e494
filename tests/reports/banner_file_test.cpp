#include "reports/banner_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mkedition/gif_writer.h"
#include "store/text.h"
#include "support/temp_folder.h"

namespace baltu::reports {
namespace {

using mkedition::GifAnimation;
using mkedition::IndexedImage;

// A real animation of the writer's making, one frame per delay.
std::string gifWithDelays(const std::vector<int>& delays) {
  GifAnimation animation{12, 5, {{0, 0, 0}, {255, 255, 255}, {242, 165, 65}}, {}};
  for (std::size_t k = 0; k < delays.size(); ++k) {
    IndexedImage image(12, 5, 0);
    image.fill({static_cast<int>(k), 1, 4, 3}, static_cast<std::uint8_t>(1 + k % 2));
    animation.frames.push_back({image, delays[k]});
  }
  return mkedition::gifBytes(animation);
}

const std::string kWarningText =
    "Error counting images in file for retrieval of Frame Time Delay\r\nUsing predefine global time delay";

// ---- which file, and where ----

TEST(BannerFileTest, NarrowScreensGetTheSmallBannerAndWideOnesTheLarge) {
  struct Case {
    int screenWidth;
    const char* fileName;
    int width, height;
  };
  const Case cases[] = {
      {640, "K9R800.gif", 266, 32},
      {800, "K9R800.gif", 266, 32},
      {1023, "K9R800.gif", 266, 32},
      {1024, "K9R1024.gif", 333, 30},
      {1920, "K9R1024.gif", 333, 30},
  };
  for (const Case& c : cases) {
    const BannerChoice choice = bannerFileName(c.screenWidth);
    EXPECT_EQ(choice.fileName, c.fileName) << c.screenWidth;
    EXPECT_EQ(choice.controlWidth, c.width) << c.screenWidth;
    EXPECT_EQ(choice.controlHeight, c.height) << c.screenWidth;
  }
}

class FindBannerFileTest : public ::testing::Test {
 protected:
  std::filesystem::path put(const test::TempFolder& root, const std::string& name) const {
    const std::filesystem::path path = root / "DOCUMENTOS/PUB/K9R" / name;
    std::filesystem::create_directories(path.parent_path());
    root.write(std::filesystem::relative(path, root.path()).string(), "GIF89a");
    return path;
  }
  test::TempFolder program;
  test::TempFolder edition;
};

TEST_F(FindBannerFileTest, TheProgramFolderComesBeforeTheEditionFolder) {
  const auto inProgram = put(program, "K9R800.gif");
  const auto inEdition = put(edition, "K9R800.gif");
  EXPECT_EQ(findBannerFile(program.path(), edition.path(), 800), inProgram);
  std::filesystem::remove(inProgram);
  EXPECT_EQ(findBannerFile(program.path(), edition.path(), 800), inEdition);
  std::filesystem::remove(inEdition);
  EXPECT_EQ(findBannerFile(program.path(), edition.path(), 800), std::filesystem::path());
}

TEST_F(FindBannerFileTest, OnlyTheFileForThisScreenWidthCounts) {
  put(program, "K9R800.gif");
  const auto wide = put(edition, "K9R1024.gif");
  put(edition, "k9r800.GIF");  // names keep their case
  EXPECT_EQ(findBannerFile(program.path(), edition.path(), 1280), wide);
  EXPECT_EQ(findBannerFile(edition.path(), edition.path(), 800), std::filesystem::path());
  // A folder of the banner's name is not the banner; nor is a missing edition folder the current one.
  std::filesystem::create_directories(program / "DOCUMENTOS/PUB/K9R/K9R1024.gif");
  EXPECT_EQ(findBannerFile(program.path(), {}, 1024), std::filesystem::path());
}

// ---- reading the file ----

TEST(BannerFileTest, ReadsTheBytesOrSaysWhyNotWithAnEmptyCaption) {
  test::TempFolder folder;
  const std::string bytes = gifWithDelays({20, 30});
  folder.write("banner.gif", bytes);
  const BannerBytes read = readBannerFile(folder / "banner.gif");
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read.bytes, bytes);

  const std::filesystem::path missing = folder / "Guía" / "K9R800.gif";
  const BannerBytes notOpened = readBannerFile(missing);
  ASSERT_FALSE(notOpened.ok());
  EXPECT_EQ(notOpened.error->text, "Error abriendo el archivo: " + store::cp(missing.string()));
  EXPECT_EQ(notOpened.error->caption, "");
  EXPECT_TRUE(notOpened.bytes.empty());

  // A folder opens but cannot be read.
  std::filesystem::create_directories(folder / "K9R1024.gif");
  const BannerBytes notRead = readBannerFile(folder / "K9R1024.gif");
  ASSERT_FALSE(notRead.ok());
  EXPECT_EQ(notRead.error->text, "Error leyendo el archivo: " + (folder / "K9R1024.gif").string());
  EXPECT_EQ(notRead.error->caption, "");
}

// ---- frame delays ----

TEST(FrameDelaysTest, EveryFrameOfAWrittenAnimationGetsItsDelay) {
  const std::vector<int> stored = {150, 0, 40, 1, 2, 65535, 256};
  const std::string bytes = gifWithDelays(stored);
  EXPECT_EQ(readFrameDelays(bytes), stored);
  const FrameDelays delays = frameDelays(readFrameDelays(bytes), stored.size());
  EXPECT_FALSE(delays.warning.has_value());
  // 0 and 1 would spin the animation: they get the common delay.
  EXPECT_EQ(delays.delays, (std::vector<int>{150, kCommonFrameDelay, 40, kCommonFrameDelay, 2, 65535, 256}));
}

TEST(FrameDelaysTest, MarkersNotOnePerFrameGiveTheWarningAndTheCommonDelay) {
  std::string bytes = gifWithDelays({150, 40, 40, 150});
  // Spoil the second graphic control block: the decoder still finds four frames.
  const std::size_t second = bytes.find("\x21\xF9\x04", bytes.find("\x21\xF9\x04") + 1);
  ASSERT_NE(second, std::string::npos);
  bytes[second + 1] = '\xF8';
  const std::vector<int> fewer = readFrameDelays(bytes);
  EXPECT_EQ(fewer, (std::vector<int>{150, 40, 150}));

  struct Case {
    const char* name;
    std::vector<int> fileDelays;
    std::size_t frames;
  };
  const Case cases[] = {
      {"fewer markers than frames", fewer, 4},
      {"more markers than frames", {150, 40, 40, 150}, 3},
      {"no markers", {}, 2},
      {"frames the decoder could not count", {150}, 0},
  };
  for (const Case& c : cases) {
    const FrameDelays delays = frameDelays(c.fileDelays, c.frames);
    EXPECT_EQ(delays.delays, std::vector<int>(c.frames, kCommonFrameDelay)) << c.name;
    ASSERT_TRUE(delays.warning.has_value()) << c.name;
    EXPECT_EQ(delays.warning->text, kWarningText) << c.name;
    EXPECT_EQ(delays.warning->caption, "") << c.name;
  }
  EXPECT_FALSE(frameDelays({}, 0).warning.has_value());
}

TEST(FrameDelaysTest, AMarkerWhoseDelayRunsPastTheEndIsNotCounted) {
  using namespace std::string_literals;
  struct Case {
    const char* name;
    std::string bytes;
    std::vector<int> delays;
  };
  const Case cases[] = {
      {"empty", "", {}},
      {"marker only", "\x21\xF9\x04"s, {}},
      {"delay cut after one byte", "GIF\x21\xF9\x04\x04\x96"s, {}},
      {"delay whole at the very end", "GIF\x21\xF9\x04\x04\x96\x00"s, {150}},
      {"second marker cut", "\x21\xF9\x04\x04\x28\x00\x00\x00\x21\xF9\x04\x04\x28"s, {40}},
      {"little-endian", "\x21\xF9\x04\x00\x34\x12\x00\x00"s, {0x1234}},
      // The bytes are scanned as they come: a marker inside another block counts too.
      {"marker in the delay of another", "\x21\xF9\x04\x00\x21\xF9\x04\x00\x07\x00"s, {0xF921, 7}},
      {"near misses", "\x21\xF9\x05\x00\x01\x00\x21\xF8\x04\x00\x01\x00\x21\x21\xF9\x04\x00\x05\x00"s, {5}},
  };
  for (const Case& c : cases) EXPECT_EQ(readFrameDelays(c.bytes), c.delays) << c.name;
}

}  // namespace
}  // namespace baltu::reports
