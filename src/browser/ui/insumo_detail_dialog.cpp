#include "browser/ui/insumo_detail_dialog.h"

#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/help.h"
#include "platform/screen.h"
#include "platform/text_conversion.h"

namespace baltu::browser::ui {

void runInsumoDetailDialog(InsumoKind kind, const store::Record& line, bool withCodes, QWidget* parent) {
  const std::optional<InsumoDetailTexts> texts = insumoDetailTexts(kind, line, withCodes);
  if (!texts) return;

  QDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("insumoDetailDialog"));
  dialog.setWindowTitle(platform::fromCp1252(texts->caption));
  dialog.setWindowIcon(platform::programIcon());
  auto* layout = new QVBoxLayout(&dialog);

  // Captions on the left, the values one per line on the right, navy on white.
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(0);
  QStringList captions;
  for (const std::string& caption : texts->captions) captions << platform::fromCp1252(caption);
  auto* captionLabel = new QLabel(captions.join(QLatin1Char('\n')));
  captionLabel->setObjectName(QStringLiteral("captions"));
  captionLabel->setAlignment(Qt::AlignRight | Qt::AlignTop);
  auto* values = new QLabel(platform::fromCp1252(texts->valueColumn()));
  values->setObjectName(QStringLiteral("values"));
  values->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  values->setTextInteractionFlags(Qt::TextSelectableByMouse);
  values->setAutoFillBackground(true);
  values->setStyleSheet(QStringLiteral("QLabel { color: rgb(0, 0, 128); background: white; padding: 2px; }"));
  values->setMinimumWidth(platform::DialogUnits(dialog.font()).x(220));
  captionLabel->setStyleSheet(QStringLiteral("QLabel { padding: 2px 0px; }"));
  grid->addWidget(captionLabel, 0, 0);
  grid->addWidget(values, 0, 1);
  grid->setColumnStretch(1, 1);
  layout->addLayout(grid);

  auto* buttons = new QHBoxLayout;
  // The where-used listing comes with its own window; until then the button is disabled.
  auto* listUses = new QPushButton(platform::fromCp1252(kListUsesButton));
  listUses->setObjectName(QStringLiteral("listUses"));
  listUses->setEnabled(false);
  auto* help = new QPushButton(platform::fromCp1252(kDetailHelpButton));
  help->setObjectName(QStringLiteral("helpButton"));
  auto* close = new QPushButton(platform::fromCp1252(kDetailCloseButton));
  close->setObjectName(QStringLiteral("closeButton"));
  close->setDefault(true);
  QObject::connect(close, &QPushButton::clicked, &dialog, &QDialog::reject);
  platform::connectHelp(&dialog, help, kDetailHelpContext);
  buttons->addWidget(listUses);
  buttons->addStretch(1);
  buttons->addWidget(help);
  buttons->addWidget(close);
  layout->addLayout(buttons);

  dialog.exec();
}

}  // namespace baltu::browser::ui
