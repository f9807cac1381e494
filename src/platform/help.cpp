#include "platform/help.h"

#include <QAbstractButton>
#include <QKeySequence>
#include <QPointer>
#include <QShortcut>
#include <QWidget>

#include "platform/help_window.h"

namespace baltu::platform {
namespace {

// One help window at a time; it belongs to the window that asked last, so a
// modal dialog's help stays usable.
HelpWindow& helpWindowFor(QWidget* parent) {
  static QPointer<HelpWindow> window;
  QWidget* owner = parent != nullptr ? parent->window() : nullptr;
  if (window.isNull()) {
    window = new HelpWindow(owner);
  } else if (window->parentWidget() != owner) {
    const QRect geometry = window->geometry();
    window->setParent(owner, window->windowFlags());
    window->setGeometry(geometry);
  }
  window->show();
  window->raise();
  window->activateWindow();
  return *window;
}

}  // namespace

void showHelp(int contextNumber, QWidget* parent) {
  HelpWindow& window = helpWindowFor(parent);
  if (auto page = helpPageForContext(helpPages(), contextNumber))
    window.showPage(*page);
  else
    window.showContents();
}

void showHelpTopic(const QString& keyword, QWidget* parent) {
  HelpWindow& window = helpWindowFor(parent);
  if (keyword.trimmed() == QLatin1String("0")) {
    window.showContents();
  } else if (auto page = helpPageForKeyword(helpPages(), keyword)) {
    window.showPage(*page);
  } else {
    window.showIndex(keyword);
  }
}

void connectHelp(QWidget* window, QAbstractButton* helpButton, int contextNumber) {
  const auto open = [window, contextNumber] { showHelp(contextNumber, window); };
  QObject::connect(helpButton, &QAbstractButton::clicked, window, open);
  auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), window);
  QObject::connect(f1, &QShortcut::activated, window, open);
}

}  // namespace baltu::platform
