// The program's help: a window with contents, a keyword index and the pages
// compiled in under ":/help/". Pages are listed in resources/help/index.txt.
#pragma once

#include <QString>

class QAbstractButton;
class QWidget;

namespace baltu::platform {

// Opens (or raises) the help window at the page of a context number. An unknown
// number opens the start page.
void showHelp(int contextNumber, QWidget* parent);

// Opens (or raises) the help window at the first page listing `keyword`; with no
// such page, at the index with the keyword typed in.
void showHelpTopic(const QString& keyword, QWidget* parent);

// The "Ayuda" button and F1 of a window both open the help at its context number.
void connectHelp(QWidget* window, QAbstractButton* helpButton, int contextNumber);

}  // namespace baltu::platform
