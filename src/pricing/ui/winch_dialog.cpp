#include "pricing/ui/winch_dialog.h"

#include <QCheckBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/help.h"

namespace baltu::pricing::ui {
namespace {

// Help page of the window (resources/help/index.txt).
constexpr int kHelpContext = 10102;

}  // namespace

bool runWinchDialog(pricing::PricingSession& session, store::UserInterface& ui, std::optional<store::Guide> openGuide,
                    QWidget* parent) {
  QDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("winchDialog"));
  dialog.setWindowTitle(QString::fromUtf8("Excluír / Sustituír Equipo"));

  auto* text = new QLabel(QString::fromUtf8(
      "Atendiendo múltiples sugerencias y pedidos por parte de contratistas e instituciones, ponemos a su "
      "disposición la opción de elegir si utilizar o no el winche cabrestante en el cálculo de sus análisis de "
      "precios unitarios."));
  text->setObjectName(QStringLiteral("winchText"));
  text->setWordWrap(true);
  text->setFixedWidth(420);
  auto* check = new QCheckBox(QString::fromUtf8("No usar el Winche Cabrestante en el cálculo de los A.P.U."));
  check->setObjectName(QStringLiteral("winchCheck"));
  check->setChecked(session.settings().winchExcluded());

  auto* accept = new QPushButton(QString::fromUtf8("A&ceptar"));
  accept->setObjectName(QStringLiteral("acceptButton"));
  accept->setDefault(true);
  auto* help = new QPushButton(QString::fromUtf8("&Ayuda"));
  help->setObjectName(QStringLiteral("helpButton"));
  help->setAutoDefault(false);
  auto* cancel = new QPushButton(QString::fromUtf8("&Cancelar"));
  cancel->setObjectName(QStringLiteral("cancelButton"));
  cancel->setAutoDefault(false);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(accept);
  buttons->addWidget(help);
  buttons->addWidget(cancel);

  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(text);
  layout->addSpacing(8);
  layout->addWidget(check);
  layout->addSpacing(8);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  QObject::connect(accept, &QPushButton::clicked, &dialog, [&] {
    session.settings().setWinchExcluded(check->isChecked());
    session.saveAndRecalculate(ui, openGuide);
    dialog.accept();
  });
  QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
  platform::connectHelp(&dialog, help, kHelpContext);

  return dialog.exec() == QDialog::Accepted;
}

}  // namespace baltu::pricing::ui
