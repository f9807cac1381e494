#include "browser/ui/splash_window.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QVBoxLayout>

#include "platform/screen.h"

namespace baltu::browser::ui {

QString splashPicture(int logicalDpi, bool sortByCode) {
  if (logicalDpi >= 145) return QStringLiteral(":/images/splash_i_192.png");
  const QString set = sortByCode ? QStringLiteral("splash_i_") : QStringLiteral("splash_");
  const int size = logicalDpi <= 96 ? 96 : logicalDpi <= 120 ? 120 : 144;
  return QStringLiteral(":/images/%1%2.png").arg(set).arg(size);
}

SplashWindow::SplashWindow(bool sortByCode, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), status_(new QLabel(this)) {
  setObjectName(QStringLiteral("splashWindow"));
  setWindowTitle(QString::fromUtf8("Guía Referencial de Costos"));
  setWindowIcon(platform::programIcon());
  setFont(platform::programFont("MS Sans Serif", 8));
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, Qt::white);
  setPalette(colours);

  const int dpi = platform::logicalDpi(nullptr);
  const platform::DialogUnits du(font());
  const QSize size = dpi >= 145 ? du.size(283, 114) : dpi > 120 ? du.size(289, 106) : du.size(260, 106);

  auto* picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("splashPicture"));
  picture->setAlignment(Qt::AlignCenter);
  auto* icon = new QLabel(this);
  icon->setPixmap(platform::programIcon().pixmap(16, 16));
  status_->setObjectName(QStringLiteral("splashStatus"));
  status_->setText(QStringLiteral(" Inicializando..."));

  auto* line = new QHBoxLayout;
  line->setContentsMargins(4, 2, 4, 2);
  line->addWidget(icon);
  line->addWidget(status_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(1, 1, 1, 1);
  layout->setSpacing(0);
  layout->addWidget(picture, 1);
  layout->addLayout(line);
  setFixedSize(size);
  // The picture keeps its proportions and fills the room the status line leaves (its margins are cut).
  const QSize room(size.width() - 2, size.height() - 2 - line->sizeHint().height());
  picture->setPixmap(
      QPixmap(splashPicture(dpi, sortByCode)).scaled(room, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation));
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

void SplashWindow::showProgressText(const QString& text) {
  status_->setText(text);
  status_->repaint();
}

QString SplashWindow::progressText() const { return status_->text(); }

}  // namespace baltu::browser::ui
