// The distributor's animated banner of the partida list window: the frames of
// the banner file, each shown for the delay stored in the file; a click is
// reported so the window can play its sound and open the distributor's page.
#pragma once

#include <QLabel>
#include <QPixmap>
#include <QTimer>

#include <vector>

#include "store/startup.h"
#include "store/user_interface.h"

namespace baltu::reports::ui {

class BannerWidget : public QLabel {
  Q_OBJECT

 public:
  // Loads the banner for the screen now; a missing file leaves the banner empty,
  // an unreadable one or delays that do not match the frames are reported
  // through `ui`.
  BannerWidget(const store::Program& program, QSize size, store::UserInterface& ui, QWidget* parent = nullptr);

  // Animation runs while the window is shown.
  void start();
  void stop();

  std::size_t frameCount() const { return frames_.size(); }
  std::size_t currentFrame() const { return current_; }
  // Hundredths of a second of each frame.
  const std::vector<int>& delays() const { return delays_; }

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void load(const std::filesystem::path& file, store::UserInterface& ui);
  void nextFrame();

  std::vector<QPixmap> frames_;
  std::vector<int> delays_;
  std::size_t current_ = 0;  // the frame shown
  std::size_t next_ = 0;
  QTimer timer_;
};

}  // namespace baltu::reports::ui
