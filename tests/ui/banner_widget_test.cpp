#include "reports/ui/banner_widget.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "mkedition/gif_writer.h"
#include "reports/banner_file.h"
#include "support/scripted_ui.h"
#include "support/temp_folder.h"

namespace baltu::reports::ui {
namespace {

// Three frames whose delays are 50, 20 and 30 hundredths.
std::string threeFrames() {
  mkedition::GifAnimation animation;
  animation.width = 20;
  animation.height = 10;
  animation.palette = {{0, 0, 128}, {255, 191, 0}};
  for (int delay : {50, 20, 30}) {
    mkedition::IndexedImage image(20, 10, 0);
    image.fill({delay / 10, 2, 4, 4}, 1);
    animation.frames.push_back({image, delay});
  }
  return mkedition::gifBytes(animation);
}

void writeBanners(const std::filesystem::path& programFolder, const std::string& bytes) {
  const std::filesystem::path folder = programFolder / std::string(kBannerFolder);
  std::filesystem::create_directories(folder);
  for (const char* name : {"K9R800.gif", "K9R1024.gif"}) std::ofstream(folder / name, std::ios::binary) << bytes;
}

TEST(BannerWidget, FramesTakeTheirOwnDelays) {
  test::TempFolder folder;
  writeBanners(folder.path(), threeFrames());
  store::Program program;
  program.startFolder = folder.path();
  test::ScriptedUi ui;
  BannerWidget banner(program, QSize(333, 30), ui);
  EXPECT_EQ(banner.frameCount(), 3u);
  EXPECT_EQ(banner.delays(), (std::vector<int>{50, 20, 30}));
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(banner.cursor().shape(), Qt::PointingHandCursor);
}

TEST(BannerWidget, FewerDelayBlocksThanFramesWarnAndShareOneDelay) {
  std::string bytes = threeFrames();
  // Cut the second frame's graphic control block (8 bytes from its marker).
  const std::size_t first = bytes.find("\x21\xF9\x04");
  const std::size_t second = bytes.find("\x21\xF9\x04", first + 1);
  ASSERT_NE(second, std::string::npos);
  bytes.erase(second, 8);
  test::TempFolder folder;
  writeBanners(folder.path(), bytes);
  store::Program program;
  program.startFolder = folder.path();
  test::ScriptedUi ui;
  BannerWidget banner(program, QSize(333, 30), ui);
  ASSERT_EQ(banner.frameCount(), 3u);
  EXPECT_EQ(banner.delays(), std::vector<int>(3, kCommonFrameDelay));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, frameCountWarning().text);
  EXPECT_EQ(ui.messages[0].caption, "");
}

TEST(BannerWidget, NoBannerFileLeavesItEmpty) {
  test::TempFolder folder;
  store::Program program;
  program.startFolder = folder.path();
  test::ScriptedUi ui;
  BannerWidget banner(program, QSize(266, 32), ui);
  EXPECT_EQ(banner.frameCount(), 0u);
  EXPECT_EQ(banner.size(), QSize(266, 32));
  EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace baltu::reports::ui
