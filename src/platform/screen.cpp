#include "platform/screen.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>
#include <QWidget>

#include <cmath>

// Q_INIT_RESOURCE may not stand inside a namespace.
static void registerProgramResources() { Q_INIT_RESOURCE(baltu); }

namespace baltu::platform {

void initResources() { registerProgramResources(); }

DialogUnits::DialogUnits(const QFont& font) {
  const QFontMetricsF metrics(font);
  const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  baseX_ = metrics.horizontalAdvance(letters) / static_cast<double>(letters.size());
  baseY_ = metrics.height();
}

int DialogUnits::x(int units) const { return static_cast<int>(std::lround(units * baseX_ / 4.0)); }

int DialogUnits::y(int units) const { return static_cast<int>(std::lround(units * baseY_ / 8.0)); }

bool largeLayout(int logicalDpi, int screenWidth) { return logicalDpi <= 96 && screenWidth >= 1024; }

const QScreen* screenOf(const QWidget* widget) {
  if (widget != nullptr && widget->screen() != nullptr) return widget->screen();
  return QGuiApplication::primaryScreen();
}

int screenWidth(const QWidget* widget) {
  const QScreen* screen = screenOf(widget);
  return screen != nullptr ? screen->geometry().width() : 0;
}

int logicalDpi(const QWidget* widget) {
  const QScreen* screen = screenOf(widget);
  return screen != nullptr ? static_cast<int>(std::lround(screen->logicalDotsPerInchX())) : 96;
}

bool largeLayout(const QWidget* widget) { return largeLayout(logicalDpi(widget), screenWidth(widget)); }

QString fontFamilyFor(std::string_view faceName) {
  const QString face = QString::fromLatin1(faceName.data(), static_cast<qsizetype>(faceName.size())).trimmed();
  if (face.compare(QLatin1String("Times New Roman"), Qt::CaseInsensitive) == 0)
    return QStringLiteral("Liberation Serif");
  if (face.compare(QLatin1String("Courier New"), Qt::CaseInsensitive) == 0)
    return QStringLiteral("Liberation Mono");
  return QStringLiteral("Liberation Sans");
}

QFont programFont(std::string_view faceName, double points, bool bold, bool italic) {
  QFont font(fontFamilyFor(faceName));
  font.setPointSizeF(points);
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

QIcon programIcon() { return QIcon(QStringLiteral(":/images/baltu.png")); }

bool installSpanishTranslations(QCoreApplication& application) {
  auto* translator = new QTranslator(&application);
  if (!translator->load(QLocale(QLocale::Spanish, QLocale::Spain), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  QCoreApplication::installTranslator(translator);
  return true;
}

}  // namespace baltu::platform
