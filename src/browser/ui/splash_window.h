// The window shown while start-up loads: the splash picture, the icon and
// one progress line.
#pragma once

#include <QWidget>

#include "platform/qt_user_interface.h"

class QLabel;

namespace baltu::browser::ui {

// The splash picture for a horizontal logical resolution; `sortByCode` (/I)
// takes the second set.
QString splashPicture(int logicalDpi, bool sortByCode);

class SplashWindow : public QWidget, public platform::ProgressTarget {
  Q_OBJECT

 public:
  explicit SplashWindow(bool sortByCode, QWidget* parent = nullptr);

  void showProgressText(const QString& text) override;
  QString progressText() const;

 private:
  QLabel* status_;
};

}  // namespace baltu::browser::ui
