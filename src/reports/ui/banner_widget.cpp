#include "reports/ui/banner_widget.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <QMouseEvent>

#include "platform/screen.h"
#include "reports/banner_file.h"

namespace baltu::reports::ui {

BannerWidget::BannerWidget(const store::Program& program, QSize size, store::UserInterface& ui, QWidget* parent)
    : QLabel(parent) {
  setFixedSize(size);
  setAlignment(Qt::AlignCenter);
  setCursor(Qt::PointingHandCursor);
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &BannerWidget::nextFrame);
  const std::filesystem::path file =
      findBannerFile(program.startFolder, program.editionFolder, platform::screenWidth(this));
  if (!file.empty()) load(file, ui);
}

void BannerWidget::load(const std::filesystem::path& file, store::UserInterface& ui) {
  BannerBytes read = readBannerFile(file);
  if (!read.ok()) {
    ui.showMessage(*read.error);
    return;
  }
  QByteArray bytes(read.bytes.data(), static_cast<qsizetype>(read.bytes.size()));
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, "gif");
  std::vector<QPixmap> frames;
  for (QImage frame = reader.read(); !frame.isNull(); frame = reader.read())
    frames.push_back(QPixmap::fromImage(frame.scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
  if (frames.empty()) return;

  FrameDelays timing = frameDelays(readFrameDelays(read.bytes), frames.size());
  if (timing.warning) ui.showMessage(*timing.warning);
  frames_ = std::move(frames);
  delays_ = std::move(timing.delays);
  current_ = 0;
  next_ = 0;
  setPixmap(frames_.front());
}

void BannerWidget::start() {
  // The first frame is drawn at once and stays for its delay, then the next.
  if (frames_.size() > 1) timer_.start(1);
}

void BannerWidget::stop() { timer_.stop(); }

void BannerWidget::nextFrame() {
  if (frames_.empty()) return;
  current_ = next_;
  setPixmap(frames_[current_]);
  timer_.start(delays_[current_] * 10);
  next_ = (current_ + 1) % frames_.size();
}

void BannerWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit clicked();
  QLabel::mousePressEvent(event);
}

}  // namespace baltu::reports::ui
