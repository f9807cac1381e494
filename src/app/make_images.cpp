// Draws the program's own pictures into a folder (resources/images): the icon,
// the main window's background, the splash bitmaps by screen resolution, the
// about box pictures and the list window's button pictures. Everything is drawn
// here; nothing is read.
#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdio>

namespace {

const QColor kDeepBlue(18, 52, 86);
const QColor kTeal(0, 128, 128);
const QColor kOchre(222, 160, 40);
const QColor kPaper(250, 248, 242);

// The mark: a rounded tile with a building outline over a rising cost line.
void drawMark(QPainter& p, const QRectF& r) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient tile(r.topLeft(), r.bottomRight());
  tile.setColorAt(0, kTeal);
  tile.setColorAt(1, kDeepBlue);
  p.setPen(Qt::NoPen);
  p.setBrush(tile);
  p.drawRoundedRect(r, r.width() * 0.18, r.height() * 0.18);

  const double u = r.width() / 16.0;
  auto at = [&](double x, double y) { return QPointF(r.left() + x * u, r.top() + y * u); };
  // Building: three blocks of rising height.
  p.setBrush(QColor(255, 255, 255, 235));
  p.drawRect(QRectF(at(3, 8), at(6, 13)));
  p.drawRect(QRectF(at(6.6, 5), at(9.6, 13)));
  p.drawRect(QRectF(at(10.2, 3), at(13, 13)));
  // Windows.
  p.setBrush(kDeepBlue);
  for (double y = 4; y < 12; y += 1.6) {
    p.drawRect(QRectF(at(10.9, y), at(11.5, y + 0.7)));
    p.drawRect(QRectF(at(11.8, y), at(12.4, y + 0.7)));
    if (y > 5.5) {
      p.drawRect(QRectF(at(7.3, y), at(7.9, y + 0.7)));
      p.drawRect(QRectF(at(8.3, y), at(8.9, y + 0.7)));
    }
  }
  // Cost line.
  QPen line(kOchre, u * 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(line);
  p.setBrush(Qt::NoBrush);
  QPainterPath path(at(2.2, 12));
  path.lineTo(at(5.5, 9.5));
  path.lineTo(at(8, 10.5));
  path.lineTo(at(13.8, 4.5));
  p.drawPath(path);
  // Ground.
  p.setPen(QPen(QColor(255, 255, 255, 235), u * 0.6));
  p.drawLine(at(2.2, 13.6), at(13.8, 13.6));
  p.restore();
}

void drawGrid(QPainter& p, const QRect& r, int step, const QColor& colour) {
  p.save();
  p.setPen(QPen(colour, 1));
  for (int x = r.left(); x <= r.right(); x += step) p.drawLine(x, r.top(), x, r.bottom());
  for (int y = r.top(); y <= r.bottom(); y += step) p.drawLine(r.left(), y, r.right(), y);
  p.restore();
}

QFont face(const char* family, double pixels, bool bold, bool italic = false) {
  QFont font(QString::fromLatin1(family));
  font.setPixelSize(static_cast<int>(pixels));
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

// A skyline along the bottom of a picture.
void drawSkyline(QPainter& p, const QRect& r, double scale, const QColor& colour) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  const int heights[] = {5, 9, 6, 13, 8, 4, 11, 16, 7, 10, 5, 14, 9, 6, 12, 8, 4, 10, 15, 7};
  const double w = 30 * scale;
  double x = r.left();
  for (int i = 0; x < r.right(); ++i) {
    const double h = heights[i % 20] * 12 * scale;
    const double width = w * (0.8 + (i % 3) * 0.25);
    p.drawRect(QRectF(x, r.bottom() - h, width, h + 1));
    x += width + 4 * scale;
  }
  // A crane over the skyline.
  p.setPen(QPen(colour, 4 * scale));
  const double cx = r.left() + r.width() * 0.72;
  p.drawLine(QPointF(cx, r.bottom()), QPointF(cx, r.bottom() - 260 * scale));
  p.drawLine(QPointF(cx - 60 * scale, r.bottom() - 250 * scale), QPointF(cx + 200 * scale, r.bottom() - 250 * scale));
  p.setPen(QPen(colour, 2 * scale));
  p.drawLine(QPointF(cx + 170 * scale, r.bottom() - 250 * scale), QPointF(cx + 170 * scale, r.bottom() - 180 * scale));
  p.restore();
}

QImage background() {
  QImage image(1600, 1000, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, image.height());
  sky.setColorAt(0, QColor(255, 255, 255));
  sky.setColorAt(1, QColor(226, 236, 244));
  p.fillRect(image.rect(), sky);
  drawGrid(p, image.rect(), 40, QColor(200, 218, 232, 120));
  drawSkyline(p, image.rect(), 1.6, QColor(kDeepBlue.red(), kDeepBlue.green(), kDeepBlue.blue(), 40));

  drawMark(p, QRectF(600, 190, 400, 400));
  p.setPen(kDeepBlue);
  p.setFont(face("Liberation Sans", 96, true));
  p.drawText(QRect(0, 610, 1600, 120), Qt::AlignCenter, QStringLiteral("Baltu"));
  p.setPen(kTeal);
  p.setFont(face("Liberation Sans", 34, false));
  p.drawText(QRect(0, 730, 1600, 60), Qt::AlignCenter,
             QStringLiteral("Guía Referencial de Costos de Construcción"));
  return image;
}

// The splash bitmap at a resolution's scale; the second set (sorted by code) has an ochre band.
QImage splash(double scale, bool byCode) {
  const int w = static_cast<int>(390 * scale);
  const int h = static_cast<int>(172 * scale);
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(kPaper);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  drawGrid(p, image.rect(), static_cast<int>(12 * scale), QColor(220, 228, 236));
  const QColor band = byCode ? kOchre : kTeal;
  p.fillRect(QRect(0, 0, w, static_cast<int>(10 * scale)), band);
  p.fillRect(QRect(0, h - static_cast<int>(6 * scale), w, static_cast<int>(6 * scale)), kDeepBlue);
  drawMark(p, QRectF(16 * scale, 28 * scale, 96 * scale, 96 * scale));
  p.setPen(kDeepBlue);
  p.setFont(face("Liberation Sans", 40 * scale, true));
  p.drawText(QRectF(126 * scale, 26 * scale, w - 136 * scale, 50 * scale), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Baltu"));
  p.setPen(QColor(60, 60, 60));
  p.setFont(face("Liberation Sans", 13 * scale, false));
  p.drawText(QRectF(128 * scale, 78 * scale, w - 138 * scale, 44 * scale), Qt::AlignLeft | Qt::TextWordWrap,
             QStringLiteral("Guía Referencial de Costos de Construcción"));
  p.setPen(band.darker(130));
  p.setFont(face("Liberation Sans", 11 * scale, true));
  p.drawText(QRectF(128 * scale, 118 * scale, w - 138 * scale, 20 * scale), Qt::AlignLeft | Qt::AlignVCenter,
             byCode ? QStringLiteral("Partidas ordenadas por código") : QStringLiteral("Versión 3.11"));
  return image;
}

QImage about(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient g(0, 0, 0, h);
  g.setColorAt(0, QColor(255, 255, 255));
  g.setColorAt(1, QColor(220, 232, 242));
  p.fillRect(image.rect(), g);
  drawGrid(p, image.rect(), w / 30, QColor(200, 218, 232, 140));
  const double s = w / 600.0;
  drawSkyline(p, image.rect(), 0.55 * s, QColor(kDeepBlue.red(), kDeepBlue.green(), kDeepBlue.blue(), 45));
  drawMark(p, QRectF(30 * s, 30 * s, 130 * s, 130 * s));
  p.setPen(kDeepBlue);
  p.setFont(face("Liberation Sans", 64 * s, true));
  p.drawText(QRectF(185 * s, 40 * s, w - 200 * s, 76 * s), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Baltu 3"));
  p.setPen(kTeal);
  p.setFont(face("Liberation Sans", 20 * s, false));
  p.drawText(QRectF(188 * s, 112 * s, w - 200 * s, 60 * s), Qt::AlignLeft | Qt::TextWordWrap,
             QStringLiteral("Guía Referencial de Costos de Construcción"));
  return image;
}

// The pictures of the list window's three picture buttons, 64 pixels square
// (shown at 24): an analysis sheet, partidas standing as insumos, insumos.
enum class ButtonPicture { Analysis, PartidasAsInsumos, Insumos };

QImage buttonPicture(ButtonPicture which) {
  QImage image(64, 64, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QPen outline(kDeepBlue, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  switch (which) {
    case ButtonPicture::Analysis: {
      // A sheet with its table of lines and a total underlined in ochre.
      p.setPen(outline);
      p.setBrush(Qt::white);
      p.drawRoundedRect(QRectF(12, 4, 40, 56), 4, 4);
      p.setPen(QPen(kTeal, 3, Qt::SolidLine, Qt::RoundCap));
      for (int y = 16; y <= 40; y += 8) {
        p.drawLine(QPointF(19, y), QPointF(33, y));
        p.drawLine(QPointF(38, y), QPointF(45, y));
      }
      p.setPen(QPen(kOchre, 4, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(30, 50), QPointF(45, 50));
      break;
    }
    case ButtonPicture::PartidasAsInsumos: {
      // A finished block (a partida) set among the bricks it becomes one of.
      p.setPen(outline);
      p.setBrush(kOchre);
      p.drawRect(QRectF(6, 40, 24, 16));
      p.drawRect(QRectF(34, 40, 24, 16));
      p.setBrush(kTeal);
      p.drawRect(QRectF(18, 16, 28, 22));
      p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(24, 24), QPointF(40, 24));
      p.drawLine(QPointF(24, 31), QPointF(36, 31));
      p.setPen(QPen(kDeepBlue, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      const QPointF arrow[] = {{32, 4}, {32, 13}, {28, 9}, {32, 13}, {36, 9}};
      p.drawPolyline(arrow, 5);
      break;
    }
    case ButtonPicture::Insumos: {
      // A wall of bricks: the materials a partida is made of.
      p.setPen(outline);
      p.setBrush(kOchre);
      for (int row = 0; row < 3; ++row) {
        const double y = 14 + row * 14;
        const double shift = row % 2 == 0 ? 0 : 10;
        for (double x = 4 + shift; x + 18 <= 62; x += 20) p.drawRect(QRectF(x, y, 18, 12));
      }
      break;
    }
  }
  return image;
}

bool save(const QImage& image, const QDir& folder, const char* name) {
  const QString path = folder.filePath(QString::fromLatin1(name));
  if (!image.save(path, "PNG", 9)) {
    std::fprintf(stderr, "No se pudo escribir %s\n", qPrintable(path));
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "Uso: baltu-make-images CARPETA\n");
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.exists()) {
    std::fprintf(stderr, "No existe la carpeta %s\n", argv[1]);
    return 1;
  }
  QImage icon(256, 256, QImage::Format_ARGB32);
  icon.fill(Qt::transparent);
  {
    QPainter p(&icon);
    drawMark(p, QRectF(8, 8, 240, 240));
  }
  bool ok = save(icon, folder, "baltu.png");
  ok = save(background(), folder, "fondo.png") && ok;
  ok = save(splash(1.0, false), folder, "splash_96.png") && ok;
  ok = save(splash(1.25, false), folder, "splash_120.png") && ok;
  ok = save(splash(1.5, false), folder, "splash_144.png") && ok;
  ok = save(splash(1.0, true), folder, "splash_i_96.png") && ok;
  ok = save(splash(1.25, true), folder, "splash_i_120.png") && ok;
  ok = save(splash(1.5, true), folder, "splash_i_144.png") && ok;
  ok = save(splash(2.0, true), folder, "splash_i_192.png") && ok;
  ok = save(about(480, 300), folder, "acerca_pequena.png") && ok;
  ok = save(about(600, 375), folder, "acerca_grande.png") && ok;
  ok = save(buttonPicture(ButtonPicture::Analysis), folder, "boton_analisis.png") && ok;
  ok = save(buttonPicture(ButtonPicture::PartidasAsInsumos), folder, "boton_partidas_insumos.png") && ok;
  ok = save(buttonPicture(ButtonPicture::Insumos), folder, "boton_insumos.png") && ok;
  return ok ? 0 : 1;
}
