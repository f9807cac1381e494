#include "pricing/ui/numeric_entry.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>

#include <memory>

#include "platform/text_conversion.h"
#include "pricing/admin_values.h"

namespace baltu::pricing::ui {

NumericEntry::NumericEntry(QWidget* parent) : QLineEdit(parent) { setAcceptDrops(false); }

void NumericEntry::insertFiltered(const QString& typed) {
  // The rule looks at the text as it will be around the insertion.
  QString current = text();
  if (hasSelectedText()) current.remove(selectionStart(), selectedText().size());
  std::string kept = platform::toCp1252(current);
  QString accepted;
  for (char ch : platform::toCp1252(typed)) {
    if (const auto c = acceptTypedCharacter(kept, ch)) {
      kept += *c;
      accepted += platform::fromCp1252(std::string_view(&*c, 1));
    }
  }
  if (!accepted.isEmpty()) insert(accepted);
}

void NumericEntry::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Paste)) {
    insertFiltered(QGuiApplication::clipboard()->text());
    event->accept();
    return;
  }
  const QString typed = event->text();
  const bool plainKey = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
  if (plainKey && typed.size() == 1 && typed.at(0).isPrint()) {
    insertFiltered(typed);
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void NumericEntry::contextMenuEvent(QContextMenuEvent* event) {
  std::unique_ptr<QMenu> menu(createStandardContextMenu());
  // The menu's own paste would bypass the rule.
  if (auto* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
    paste->disconnect();
    connect(paste, &QAction::triggered, this, [this] { insertFiltered(QGuiApplication::clipboard()->text()); });
  }
  menu->exec(event->globalPos());
}

}  // namespace baltu::pricing::ui
