#include "store/user_interface.h"

namespace baltu::store {

Answer goingOnAnswer(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok:
    case MessageButtons::OkCancel: return Answer::Ok;
    case MessageButtons::AbortRetryIgnore: return Answer::Ignore;
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel: return Answer::Yes;
    case MessageButtons::RetryCancel: return Answer::Cancel;  // retrying unattended could loop
  }
  return Answer::Ok;
}

Answer SilentUserInterface::showMessage(const Message& message) { return goingOnAnswer(message.buttons); }

}  // namespace baltu::store
