// What every window needs from the desktop: dialog units, the standard or
// large layout, the program's fonts and icon, the Spanish translations.
#pragma once

#include <QFont>
#include <QIcon>
#include <QString>

#include <string_view>

class QCoreApplication;
class QScreen;
class QWidget;

namespace baltu::platform {

// Dialog units of a font: a quarter of the average character width across,
// an eighth of the character height down.
class DialogUnits {
 public:
  explicit DialogUnits(const QFont& font);
  int x(int units) const;
  int y(int units) const;
  QSize size(int widthUnits, int heightUnits) const { return {x(widthUnits), y(heightUnits)}; }

 private:
  double baseX_;
  double baseY_;
};

// The large layout is for screens of 96 logical dots per inch or less that are
// at least 1024 pixels wide.
bool largeLayout(int logicalDpi, int screenWidth);
bool largeLayout(const QWidget* widget);

// The screen a window is on (the primary screen without a window).
const QScreen* screenOf(const QWidget* widget);
int screenWidth(const QWidget* widget);
int logicalDpi(const QWidget* widget);

// The installed face standing in for a face name the windows and reports use
// ("Arial", "MS Sans Serif", "Times New Roman", "Courier New").
QString fontFamilyFor(std::string_view faceName);
QFont programFont(std::string_view faceName, double points, bool bold = false, bool italic = false);

// The program's icon ("PROGRAM"), from :/images/baltu.png.
QIcon programIcon();

// Registers the pictures and help pages compiled into the program (a static
// library's resources are not registered by themselves). Call once, first thing.
void initResources();

// Loads Qt's Spanish translations so standard buttons and dialogs speak
// Spanish; false when they are not installed.
bool installSpanishTranslations(QCoreApplication& application);

}  // namespace baltu::platform
