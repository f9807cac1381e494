// The command-line tool's way of talking to the user: messages and progress go
// to stderr in UTF-8, and every question is answered the way that goes on.
#pragma once

#include <ostream>

#include "store/user_interface.h"

namespace baltu::cli {

class CliUserInterface : public store::UserInterface {
 public:
  explicit CliUserInterface(std::ostream& err, bool showProgress = false) : err_(err), progress_(showProgress) {}
  store::Answer showMessage(const store::Message& message) override;
  void showProgress(const std::string& text) override;
  void processEvents() override {}
  bool stopRequested() override { return false; }

 private:
  std::ostream& err_;
  bool progress_;
};

}  // namespace baltu::cli
