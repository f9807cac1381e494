// The "Usuario" fields of the value windows: a decimal number typed with a
// comma. A typed "." becomes ",", a second comma and letters, blanks and
// symbols are dropped as they are typed; pasted text goes through the same rule.
#pragma once

#include <QLineEdit>

namespace baltu::pricing::ui {

class NumericEntry : public QLineEdit {
 public:
  explicit NumericEntry(QWidget* parent = nullptr);

  // Inserts `typed` at the cursor, character by character under the rule.
  void insertFiltered(const QString& typed);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
};

}  // namespace baltu::pricing::ui
