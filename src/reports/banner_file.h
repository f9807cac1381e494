// The distributor's animated banner of the partida list window: which file it is,
// where it is looked for, and the frame delays stored in its bytes. The shell
// decodes the frames; the core says how long each one stays and what to tell the
// user when the file cannot be read or its delays do not match its frames.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/user_interface.h"

namespace baltu::reports {

// Screens narrower than this get the small banner.
inline constexpr int kWideBannerScreenWidth = 1024;

// The banner's folder below the program folder or the edition's documents folder.
inline constexpr std::string_view kBannerFolder = "DOCUMENTOS/PUB/K9R";

// The delay every frame gets when the file's delays cannot be trusted, in hundredths
// of a second. A frame stored with a delay under kShortestFrameDelay gets it too, as
// browsers do: such files were made to be shown "as fast as possible", and a delay of
// 0 would spin the animation timer.
inline constexpr int kCommonFrameDelay = 10;
inline constexpr int kShortestFrameDelay = 2;

struct BannerChoice {
  std::string fileName;  // "K9R800.gif" or "K9R1024.gif"
  int controlWidth = 0;  // pixels of the control that shows the banner
  int controlHeight = 0;
};

// The file and control size for a screen `screenWidth` pixels wide.
BannerChoice bannerFileName(int screenWidth);

// The banner file for this screen: DOCUMENTOS/PUB/K9R/<name> under the program
// folder, else under the edition's documents folder; empty when neither exists.
std::filesystem::path findBannerFile(const std::filesystem::path& programFolder,
                                     const std::filesystem::path& editionDocumentsFolder, int screenWidth);

// The file's bytes, or the message to show when it cannot be opened or read.
struct BannerBytes {
  std::string bytes;
  std::optional<store::Message> error;  // empty caption, as the banner's messages have
  bool ok() const { return !error.has_value(); }
};
BannerBytes readBannerFile(const std::filesystem::path& path);

// The delay stored after every graphic control marker (bytes 0x21 0xF9 0x04), in
// file order: the 16-bit little-endian value that starts 4 bytes after the marker.
// The bytes are scanned as they are, so a marker inside image data counts too;
// a marker whose delay would run past the end of the bytes is not counted.
std::vector<int> readFrameDelays(std::string_view fileBytes);

struct FrameDelays {
  std::vector<int> delays;                // one per frame, hundredths of a second
  std::optional<store::Message> warning;  // shown once when the counts differ
};

// The delay of each of the `frameCount` frames the image decoder found. When the
// file's markers are not one per frame, every frame gets kCommonFrameDelay and the
// result carries the warning; otherwise each frame gets its file delay, raised to
// kCommonFrameDelay when it is under kShortestFrameDelay.
FrameDelays frameDelays(const std::vector<int>& fileDelays, std::size_t frameCount);

// Message texts.
store::Message frameCountWarning();
std::string openErrorText(const std::filesystem::path& path);
std::string readErrorText(const std::filesystem::path& path);

}  // namespace baltu::reports
