// How the core talks to the user. The core never calls a window: it asks this
// interface, which the desktop shell implements with dialogs, the command-line
// tool with stderr, and the tests with a scripted fake.
#pragma once

#include <string>

namespace baltu::store {

enum class MessageIcon { None, Information, Exclamation, Error, Question };
enum class MessageButtons { Ok, OkCancel, AbortRetryIgnore, YesNo, YesNoCancel, RetryCancel };
enum class Answer { Ok, Cancel, Abort, Retry, Ignore, Yes, No };

struct Message {
  std::string caption = "Baltu";
  std::string text;  // Windows-1252, lines separated by "\r\n"
  MessageIcon icon = MessageIcon::None;
  MessageButtons buttons = MessageButtons::Ok;
  int defaultButton = 0;  // 0-based index among the buttons
};

class UserInterface {
 public:
  virtual ~UserInterface() = default;
  virtual Answer showMessage(const Message& message) = 0;
  // One progress line (the splash status line, a progress window's label).
  virtual void showProgress(const std::string& text) = 0;
  // Lets pending window events run, so windows repaint and Cancel can be pressed.
  virtual void processEvents() = 0;
  // True once the user asked the running job to stop.
  virtual bool stopRequested() = 0;
};

// Answers every question the way that goes on and shows nothing.
class SilentUserInterface : public UserInterface {
 public:
  Answer showMessage(const Message& message) override;
  void showProgress(const std::string&) override {}
  void processEvents() override {}
  bool stopRequested() override { return false; }
};

// The answer that goes on for a set of buttons (OK, Ignore, Yes, Retry...).
Answer goingOnAnswer(MessageButtons buttons);

}  // namespace baltu::store
