#include "platform/qt_user_interface.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

#include "platform/text_conversion.h"

namespace baltu::platform {
namespace {

using store::Answer;

struct AnswerHook {
  std::deque<Answer> answers;
  std::vector<store::Message> answered;
};

AnswerHook& hook() {
  static AnswerHook instance;
  return instance;
}

QMessageBox::StandardButton buttonOf(Answer answer) {
  switch (answer) {
    case Answer::Ok: return QMessageBox::Ok;
    case Answer::Cancel: return QMessageBox::Cancel;
    case Answer::Abort: return QMessageBox::Abort;
    case Answer::Retry: return QMessageBox::Retry;
    case Answer::Ignore: return QMessageBox::Ignore;
    case Answer::Yes: return QMessageBox::Yes;
    case Answer::No: return QMessageBox::No;
  }
  return QMessageBox::Ok;
}

QMessageBox::Icon iconOf(store::MessageIcon icon) {
  switch (icon) {
    case store::MessageIcon::None: return QMessageBox::NoIcon;
    case store::MessageIcon::Information: return QMessageBox::Information;
    case store::MessageIcon::Exclamation: return QMessageBox::Warning;
    case store::MessageIcon::Error: return QMessageBox::Critical;
    case store::MessageIcon::Question: return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

// What closing the box without a button means: the set's way out.
Answer closeAnswerOf(store::MessageButtons buttons) {
  switch (buttons) {
    case store::MessageButtons::Ok: return Answer::Ok;
    case store::MessageButtons::OkCancel:
    case store::MessageButtons::YesNoCancel:
    case store::MessageButtons::RetryCancel: return Answer::Cancel;
    case store::MessageButtons::AbortRetryIgnore: return Answer::Abort;
    case store::MessageButtons::YesNo: return Answer::No;
  }
  return Answer::Cancel;
}

QString messageText(const std::string& cp1252) {
  QString text = fromCp1252(cp1252);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text;
}

}  // namespace

std::vector<Answer> answersOf(store::MessageButtons buttons) {
  switch (buttons) {
    case store::MessageButtons::Ok: return {Answer::Ok};
    case store::MessageButtons::OkCancel: return {Answer::Ok, Answer::Cancel};
    case store::MessageButtons::AbortRetryIgnore: return {Answer::Abort, Answer::Retry, Answer::Ignore};
    case store::MessageButtons::YesNo: return {Answer::Yes, Answer::No};
    case store::MessageButtons::YesNoCancel: return {Answer::Yes, Answer::No, Answer::Cancel};
    case store::MessageButtons::RetryCancel: return {Answer::Retry, Answer::Cancel};
  }
  return {Answer::Ok};
}

QtUserInterface::QtUserInterface(QWidget* parent) : parent_(parent) {}

Answer QtUserInterface::showMessage(const store::Message& message) {
  AnswerHook& planned = hook();
  if (!planned.answers.empty()) {
    const Answer answer = planned.answers.front();
    planned.answers.pop_front();
    planned.answered.push_back(message);
    return answer;
  }

  QWidget* owner = QApplication::activeModalWidget();
  if (owner == nullptr) owner = parent_;
  QMessageBox box(iconOf(message.icon), fromCp1252(message.caption), messageText(message.text),
                  QMessageBox::NoButton, owner);
  box.setObjectName(QStringLiteral("messageBox"));
  const std::vector<Answer> answers = answersOf(message.buttons);
  for (Answer answer : answers) box.addButton(buttonOf(answer));
  if (message.defaultButton >= 0 && static_cast<std::size_t>(message.defaultButton) < answers.size())
    box.setDefaultButton(buttonOf(answers[static_cast<std::size_t>(message.defaultButton)]));
  box.setEscapeButton(buttonOf(closeAnswerOf(message.buttons)));
  box.exec();
  QAbstractButton* clicked = box.clickedButton();
  if (clicked != nullptr) {
    const QMessageBox::StandardButton button = box.standardButton(clicked);
    for (Answer answer : answers)
      if (buttonOf(answer) == button) return answer;
  }
  return closeAnswerOf(message.buttons);
}

void QtUserInterface::showProgress(const std::string& text) {
  if (progress_ != nullptr) progress_->showProgressText(fromCp1252(text));
}

void QtUserInterface::processEvents() { QApplication::processEvents(); }

bool QtUserInterface::stopRequested() { return progress_ != nullptr && progress_->stopRequested(); }

ProgressTarget* QtUserInterface::attachProgress(ProgressTarget* target) {
  ProgressTarget* previous = progress_;
  progress_ = target;
  return previous;
}

void QtUserInterface::queueAnswers(std::initializer_list<Answer> answers) {
  hook().answers.insert(hook().answers.end(), answers.begin(), answers.end());
}

void QtUserInterface::clearAnswers() {
  hook().answers.clear();
  hook().answered.clear();
}

std::size_t QtUserInterface::pendingAnswers() { return hook().answers.size(); }

std::vector<store::Message>& QtUserInterface::answeredMessages() { return hook().answered; }

}  // namespace baltu::platform
