// A small modeless window for long jobs: a label, a percentage, a bar and
// "&Cancelar", which sets the stop flag the job tests between items.
#pragma once

#include <QDialog>
#include <QPointer>

#include "platform/qt_user_interface.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace baltu::platform {

class ProgressWindow : public QDialog, public ProgressTarget {
  Q_OBJECT

 public:
  // `label` and "0%" are shown until the first progress text comes.
  ProgressWindow(const QString& title, const QString& label, QWidget* parent);

  // A text like "37%" sets the percentage and the bar; any other text the label.
  // The window shows itself with the first text.
  void showProgressText(const QString& text) override;
  bool stopRequested() const override { return stopRequested_; }

 private:
  void cancel();

  QLabel* label_;
  QLabel* percent_;
  QProgressBar* bar_;
  QPushButton* cancel_;
  bool stopRequested_ = false;
};

// While alive, the user interface's progress texts go to a progress window
// titled "Recalculando Precios Unitarios" (shown only once texts come); the
// previous progress target comes back when it ends.
class RecalculationProgress {
 public:
  RecalculationProgress(QtUserInterface& ui, QWidget* parent);
  ~RecalculationProgress();
  RecalculationProgress(const RecalculationProgress&) = delete;
  RecalculationProgress& operator=(const RecalculationProgress&) = delete;

  ProgressWindow& window() { return *window_; }

 private:
  QtUserInterface& ui_;
  ProgressTarget* previous_;
  QPointer<ProgressWindow> window_;
};

}  // namespace baltu::platform
