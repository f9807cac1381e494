#include "cli/cli_user_interface.h"

#include "store/text.h"

namespace baltu::cli {

store::Answer CliUserInterface::showMessage(const store::Message& message) {
  std::string text = store::toUtf8(message.text);
  std::string plain;
  for (char ch : text)
    if (ch != '\r') plain += ch;
  err_ << store::toUtf8(message.caption) << ": " << plain << "\n";
  return store::goingOnAnswer(message.buttons);
}

void CliUserInterface::showProgress(const std::string& text) {
  if (progress_) err_ << store::toUtf8(text) << "\n";
}

}  // namespace baltu::cli
