#include "browser/ui/about_box.h"

#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

#include "platform/screen.h"
#include "platform/shell.h"

namespace baltu::browser::ui {
namespace {

struct Link {
  const char* caption;
  const char* address;
};

constexpr std::array<Link, 3> kLinks = {{
    {"Baltu en Internet", "https://baltu.example/"},
    {"Biblioteca de documentos técnicos", "https://baltu.example/biblioteca"},
    {"Distribuidores autorizados", "https://baltu.example/distribuidores"},
}};

}  // namespace

void runAboutBox(const std::filesystem::path& programFolder, store::UserInterface& ui, QWidget* parent) {
  QDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("aboutBox"));
  dialog.setWindowTitle(QStringLiteral("Acerca de Baltu"));
  dialog.setWindowIcon(platform::programIcon());

  // Narrow screens get the small picture.
  const bool small = platform::screenWidth(parent) < 1024;
  auto* picture = new QLabel(&dialog);
  picture->setObjectName(QStringLiteral("aboutPicture"));
  picture->setPixmap(QPixmap(small ? QStringLiteral(":/images/acerca_pequena.png")
                                   : QStringLiteral(":/images/acerca_grande.png")));

  auto* version = new QLabel(QStringLiteral("3.11 Rev.36 Liberada (Compatible UAC-DPI)"), &dialog);
  version->setObjectName(QStringLiteral("aboutVersion"));
  auto* date = new QLabel(QStringLiteral("23 de Octubre de 2019"), &dialog);
  date->setObjectName(QStringLiteral("aboutDate"));

  auto* links = new QVBoxLayout;
  for (std::size_t i = 0; i < kLinks.size(); ++i) {
    const QString address = QString::fromLatin1(kLinks[i].address);
    auto* label = new QLabel(QStringLiteral("<a href=\"%1\">%2</a>").arg(address, QString::fromUtf8(kLinks[i].caption)),
                             &dialog);
    label->setObjectName(QStringLiteral("aboutLink%1").arg(i + 1));
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    label->setCursor(Qt::PointingHandCursor);
    QObject::connect(label, &QLabel::linkActivated, &dialog, [](const QString& link) { platform::openWebPage(link); });
    links->addWidget(label);
  }

  auto* revisions = new QPushButton(QStringLiteral("&Ver historial de revisiones"), &dialog);
  revisions->setObjectName(QStringLiteral("aboutRevisions"));
  QObject::connect(revisions, &QPushButton::clicked, &dialog, [&programFolder, &ui] {
    platform::openDocument(programFolder / "REVISIONES.TXT", platform::DocumentKind::Text, ui);
  });
  auto* close = new QPushButton(QStringLiteral("&Cerrar"), &dialog);
  close->setObjectName(QStringLiteral("aboutClose"));
  close->setDefault(true);
  QObject::connect(close, &QPushButton::clicked, &dialog, &QDialog::accept);

  auto* texts = new QVBoxLayout;
  texts->addWidget(version);
  texts->addWidget(date);
  texts->addSpacing(8);
  texts->addLayout(links);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(revisions);
  buttons->addWidget(close);
  buttons->addStretch(1);
  auto* bottom = new QHBoxLayout;
  bottom->addLayout(texts, 1);
  bottom->addLayout(buttons);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(picture, 0, Qt::AlignHCenter);
  layout->addLayout(bottom);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  dialog.exec();
}

}  // namespace baltu::browser::ui
