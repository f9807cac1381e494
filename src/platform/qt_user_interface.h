// The desktop's side of store::UserInterface: message boxes with Qt's
// (Spanish) standard buttons, progress texts to whatever window is attached
// (the splash, a progress window), and the stop flag of that window.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <deque>
#include <initializer_list>
#include <vector>

#include "store/user_interface.h"

namespace baltu::platform {

// A window that shows progress lines and may carry a Cancel button.
class ProgressTarget {
 public:
  virtual ~ProgressTarget() = default;
  virtual void showProgressText(const QString& text) = 0;
  virtual bool stopRequested() const { return false; }
};

class QtUserInterface : public store::UserInterface {
 public:
  explicit QtUserInterface(QWidget* parent = nullptr);

  store::Answer showMessage(const store::Message& message) override;
  void showProgress(const std::string& text) override;
  void processEvents() override;
  bool stopRequested() override;

  // The window message boxes belong to when no modal window is open.
  void setParentWidget(QWidget* parent) { parent_ = parent; }
  QWidget* parentWidget() const { return parent_; }

  // Progress texts go to `target` from now on (nullptr: nowhere); returns the previous one.
  ProgressTarget* attachProgress(ProgressTarget* target);
  ProgressTarget* progressTarget() const { return progress_; }

  // Window tests: the next message boxes are not shown but answered with these
  // answers, in order; each message answered so is kept in answeredMessages().
  static void queueAnswers(std::initializer_list<store::Answer> answers);
  static void clearAnswers();
  static std::size_t pendingAnswers();
  static std::vector<store::Message>& answeredMessages();

 private:
  QPointer<QWidget> parent_;
  ProgressTarget* progress_ = nullptr;
};

// The standard buttons of a set, in the order the message box lists them.
std::vector<store::Answer> answersOf(store::MessageButtons buttons);

}  // namespace baltu::platform
