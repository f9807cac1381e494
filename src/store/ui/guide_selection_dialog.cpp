#include "store/ui/guide_selection_dialog.h"

#include <QCheckBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

#include "platform/help.h"
#include "platform/text_conversion.h"
#include "store/merged_guides.h"
#include "store/text.h"

namespace baltu::store::ui {
namespace {

// Help page of the window (resources/help/index.txt).
constexpr int kHelpContext = 10103;

constexpr std::array<const char*, 7> kTitles = {
    "Guía 1 - Edificaciones", "Guía 2 - Reparaciones y Mantenimiento", "Guía 3 - Urbanismo",
    "Guía 4 - Electromecánica", "Guía 5 - Vialidad", "Guía 6 - Eléctrica (Redes aéreas)",
    "Guía 7 - Saneamiento Ambiental"};

void saveSettings(Program& program, UserInterface& ui) {
  const pricing::SettingsSaveResult saved = program.pricing->saveSettings();
  if (!saved.ok) ui.showMessage(Message{"Baltu", saved.message, MessageIcon::Error});
}

}  // namespace

bool runGuideSelectionDialog(store::Program& program, store::UserInterface& ui, QWidget* parent) {
  pricing::ProgramSettings& settings = program.pricing->settings();
  // A guide selected in an earlier run whose file has gone is not kept selected.
  for (std::size_t i = 0; i < kCostGuides.size(); ++i)
    if (!program.available[i]) settings.setGuideZeroSelected(kCostGuides[i], false);
  saveSettings(program, ui);

  QDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("guideSelectionDialog"));
  dialog.setWindowTitle(QString::fromUtf8("Baltu - Leer todas las guías"));
  auto* layout = new QVBoxLayout(&dialog);
  auto* prompt = new QLabel(QString::fromUtf8("Seleccione las guías que se mostrarán como una sola guía:"));
  prompt->setObjectName(QStringLiteral("prompt"));
  layout->addWidget(prompt);
  layout->addSpacing(4);

  std::array<QCheckBox*, 7> boxes{};
  auto* boxLayout = new QVBoxLayout;
  boxLayout->setContentsMargins(16, 0, 0, 0);
  layout->addLayout(boxLayout);
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    boxes[i] = new QCheckBox(QString::fromUtf8(kTitles[i]));
    boxes[i]->setObjectName(QStringLiteral("guide%1").arg(i + 1));
    boxes[i]->setChecked(settings.guideZeroSelected(kCostGuides[i]));
    // A guide whose file is missing cannot be part of GUIA 0.
    boxes[i]->setEnabled(program.available[i]);
    boxLayout->addWidget(boxes[i]);
  }

  auto* open = new QPushButton(QString::fromUtf8("&Abrir"));
  open->setObjectName(QStringLiteral("openButton"));
  open->setDefault(true);
  auto* cancel = new QPushButton(QString::fromUtf8("&Cancelar"));
  cancel->setObjectName(QStringLiteral("cancelButton"));
  cancel->setAutoDefault(false);
  auto* help = new QPushButton(QString::fromUtf8("Ayu&da"));
  help->setObjectName(QStringLiteral("helpButton"));
  help->setAutoDefault(false);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(open);
  buttons->addWidget(cancel);
  buttons->addWidget(help);
  layout->addSpacing(8);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  QObject::connect(open, &QPushButton::clicked, &dialog, [&] {
    std::array<bool, 7> selected{};
    bool any = false;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      selected[i] = boxes[i]->isChecked();
      settings.setGuideZeroSelected(kCostGuides[i], selected[i]);
      any = any || selected[i];
    }
    saveSettings(program, ui);
    if (!any) {
      ui.showMessage(Message{"Baltu", cp("Debe haber al menos una Guía seleccionada"), MessageIcon::Information});
      return;
    }
    std::array<const GuideTables*, 7> sources{};
    for (std::size_t i = 0; i < sources.size(); ++i)
      sources[i] = program.available[i] ? program.guide(kCostGuides[i]) : nullptr;
    program.guides[static_cast<std::size_t>(Guide::Guia0)] =
        buildGuide0(sources, selected, program.loadOptions(), ui);
    program.pricing->indexGuide(Guide::Guia0);
    dialog.accept();
  });
  QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
  platform::connectHelp(&dialog, help, kHelpContext);

  return dialog.exec() == QDialog::Accepted;
}

}  // namespace baltu::store::ui
