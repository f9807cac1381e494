#include "reports/banner_file.h"

#include <cstdio>
#include <memory>
#include <system_error>

#include "store/text.h"

namespace baltu::reports {
namespace {

constexpr std::string_view kGraphicControlMarker = "\x21\xF9\x04";
constexpr std::size_t kDelayOffset = 4;  // from the start of the marker

store::Message bannerMessage(std::string text) {
  store::Message message;
  message.caption.clear();
  message.text = std::move(text);
  return message;
}

bool isFile(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

}  // namespace

BannerChoice bannerFileName(int screenWidth) {
  if (screenWidth < kWideBannerScreenWidth) return {"K9R800.gif", 266, 32};
  return {"K9R1024.gif", 333, 30};
}

std::filesystem::path findBannerFile(const std::filesystem::path& programFolder,
                                     const std::filesystem::path& editionDocumentsFolder, int screenWidth) {
  const std::filesystem::path relative = std::filesystem::path(kBannerFolder) / bannerFileName(screenWidth).fileName;
  // An empty folder would mean the current folder, which is not where the edition is.
  for (const std::filesystem::path* folder : {&programFolder, &editionDocumentsFolder}) {
    if (folder->empty()) continue;
    std::filesystem::path candidate = *folder / relative;
    if (isFile(candidate)) return candidate;
  }
  return {};
}

std::string openErrorText(const std::filesystem::path& path) {
  return "Error abriendo el archivo: " + store::cp(path.string());
}

std::string readErrorText(const std::filesystem::path& path) {
  return "Error leyendo el archivo: " + store::cp(path.string());
}

BannerBytes readBannerFile(const std::filesystem::path& path) {
  BannerBytes result;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!file) {
    result.error = bannerMessage(openErrorText(path));
    return result;
  }
  char buffer[1 << 14];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) result.bytes.append(buffer, got);
  if (std::ferror(file.get())) {
    result.bytes.clear();
    result.error = bannerMessage(readErrorText(path));
  }
  return result;
}

std::vector<int> readFrameDelays(std::string_view fileBytes) {
  std::vector<int> delays;
  for (std::size_t at = fileBytes.find(kGraphicControlMarker); at != std::string_view::npos;
       at = fileBytes.find(kGraphicControlMarker, at + kGraphicControlMarker.size())) {
    if (fileBytes.size() - at < kDelayOffset + 2) break;  // the delay would run past the end
    const auto low = static_cast<unsigned char>(fileBytes[at + kDelayOffset]);
    const auto high = static_cast<unsigned char>(fileBytes[at + kDelayOffset + 1]);
    delays.push_back(low | high << 8);
  }
  return delays;
}

store::Message frameCountWarning() {
  return bannerMessage(
      "Error counting images in file for retrieval of Frame Time Delay\r\n"
      "Using predefine global time delay");
}

FrameDelays frameDelays(const std::vector<int>& fileDelays, std::size_t frameCount) {
  FrameDelays result;
  if (fileDelays.size() != frameCount) {
    result.delays.assign(frameCount, kCommonFrameDelay);
    result.warning = frameCountWarning();
    return result;
  }
  result.delays.reserve(frameCount);
  for (int delay : fileDelays) result.delays.push_back(delay < kShortestFrameDelay ? kCommonFrameDelay : delay);
  return result;
}

}  // namespace baltu::reports
