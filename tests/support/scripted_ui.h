// A user interface for tests: records every message and progress text and
// answers questions from a planned list (then the way that goes on).
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "store/user_interface.h"

namespace baltu::test {

class ScriptedUi : public store::UserInterface {
 public:
  store::Answer showMessage(const store::Message& message) override;
  void showProgress(const std::string& text) override { progress.push_back(text); }
  void processEvents() override { ++eventRuns; }
  bool stopRequested() override { return stopAfterEvents >= 0 && eventRuns >= stopAfterEvents; }

  std::deque<store::Answer> answers;  // planned answers, in order
  std::vector<store::Message> messages;
  std::vector<std::string> progress;
  int eventRuns = 0;
  int stopAfterEvents = -1;  // ask to stop once this many event runs happened
};

}  // namespace baltu::test
