#include "support/scripted_ui.h"

namespace baltu::test {

store::Answer ScriptedUi::showMessage(const store::Message& message) {
  messages.push_back(message);
  if (answers.empty()) return store::goingOnAnswer(message.buttons);
  store::Answer answer = answers.front();
  answers.pop_front();
  return answer;
}

}  // namespace baltu::test
