#include "pricing/ui/admin_values_dialog.h"

#include <QButtonGroup>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>

#include "platform/help.h"
#include "platform/text_conversion.h"
#include "pricing/ui/numeric_entry.h"
#include "store/money.h"
#include "store/number_text.h"

namespace baltu::pricing::ui {
namespace {

// Help page of the window (resources/help/index.txt).
constexpr int kHelpContext = 10101;

QString moneyText(double value) {
  return platform::fromCp1252(store::displayNumber(value, store::Mask::Money, 0));
}

// One P/U option pair.
struct ModePair {
  QRadioButton* predetermined = nullptr;
  QRadioButton* user = nullptr;

  ValueMode mode() const { return user->isChecked() ? ValueMode::User : ValueMode::Predetermined; }
  void set(ValueMode mode) const {
    (mode == ValueMode::User ? user : predetermined)->setChecked(true);
  }
};

struct RowInfo {
  const char* key;  // objectName part
  const char* label;
  const char* unit;
  AdminConcept which;
};

constexpr std::array<RowInfo, 6> kRows = {{
    {"Administracion", "&Administración: ", "%", AdminConcept::Administracion},
    {"Utilidad", "U&tilidad: ", "%", AdminConcept::Utilidad},
    {"Iva", "&Impuesto al Valor Agregado (I.V.A.): ", "%", AdminConcept::Iva},
    {"Fcas", "Factor de C&ostos Asociado al Salario: ", "%", AdminConcept::Fcas},
    {"Cestaticket", "Cestaticket de alimentación diario: ", "Bs", AdminConcept::Cestaticket},
    {"Bono", "&Bono de Transporte por día trabajado: ", "Bs", AdminConcept::Bono},
}};

class AdminValuesDialog : public QDialog {
 public:
  AdminValuesDialog(PricingSession& session, store::UserInterface& ui, std::optional<store::Guide> openGuide,
                    QWidget* parent)
      : QDialog(parent), session_(session), ui_(ui), openGuide_(openGuide) {
    setObjectName(QStringLiteral("adminValuesDialog"));
    setWindowTitle(QString::fromUtf8("Cambiar Valores Administrativos - BALTU"));
    build();
    load();
  }

 private:
  QLabel* label(const QString& text, const char* name = nullptr) {
    auto* l = new QLabel(text);
    if (name) l->setObjectName(QString::fromLatin1(name));
    return l;
  }

  void build() {
    const AdminValues& admin = session_.admin();
    const double edCestaticket = store::centsToDouble(session_.edition().cestaticket);
    const double edBono = store::centsToDouble(session_.edition().bono);

    auto* frame = new QGroupBox(QString::fromUtf8(" Tabla de Valores Administrativos - BALTU"));
    frame->setObjectName(QStringLiteral("valuesFrame"));
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(8);
    auto heading = [&](const char* text, int column, int span) {
      QLabel* l = label(QString::fromUtf8(text));
      QFont bold = l->font();
      bold.setBold(true);
      l->setFont(bold);
      grid->addWidget(l, 0, column, 1, span, column == 0 ? Qt::AlignLeft : Qt::AlignHCenter);
    };
    heading("CONCEPTO", 0, 1);
    heading("Predeterminados", 1, 2);
    heading("Usuario", 3, 2);
    heading("Usar valores", 5, 2);

    for (std::size_t i = 0; i < kRows.size(); ++i) {
      const RowInfo& info = kRows[i];
      const int row = static_cast<int>(i) + 1;
      const QString key = QString::fromLatin1(info.key);
      QLabel* conceptLabel = label(QString::fromUtf8(info.label));
      grid->addWidget(conceptLabel, row, 0);
      QLabel* predetermined = label(moneyText(admin[info.which].predetermined));
      predetermined->setObjectName(QStringLiteral("predetermined") + key);
      predetermined->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      predetermined->setMinimumWidth(70);
      grid->addWidget(predetermined, row, 1);
      grid->addWidget(label(QString::fromUtf8(info.unit)), row, 2);
      auto* entry = new NumericEntry;
      entry->setObjectName(QStringLiteral("user") + key);
      entry->setAlignment(Qt::AlignRight);
      entry->setMaximumWidth(110);
      conceptLabel->setBuddy(entry);
      entries_[i] = entry;
      grid->addWidget(entry, row, 3);
      grid->addWidget(label(QString::fromUtf8(info.unit)), row, 4);
    }
    // One P/U pair per percentage row; the cestaticket and bono rows share one.
    for (std::size_t i = 0; i < 5; ++i) {
      const QString key = i < 4 ? QString::fromLatin1(kRows[i].key) : QStringLiteral("Allowance");
      auto* group = new QButtonGroup(this);
      ModePair& pair = modes_[i];
      pair.predetermined = new QRadioButton(QStringLiteral("P"));
      pair.predetermined->setObjectName(QStringLiteral("mode") + key + QStringLiteral("P"));
      pair.user = new QRadioButton(QStringLiteral("U"));
      pair.user->setObjectName(QStringLiteral("mode") + key + QStringLiteral("U"));
      group->addButton(pair.predetermined);
      group->addButton(pair.user);
      const int row = static_cast<int>(i) + 1;
      const int span = i < 4 ? 1 : 2;
      grid->addWidget(pair.predetermined, row, 5, span, 1);
      grid->addWidget(pair.user, row, 6, span, 1);
    }
    grid->setColumnStretch(0, 1);

    auto* legend = label(QString::fromUtf8("P = Predeterminado         U = Usuario"), "legend");
    grid->addWidget(legend, 7, 0, 1, 7, Qt::AlignRight);

    auto* notes = new QVBoxLayout;
    notes->setSpacing(0);
    notes->addWidget(label(QString::fromUtf8("El F.C.A.S. es el Predeterminado (P) 0% ó el que asigne el Usuario (U)."),
                           "fcasNote"));
    notes->addWidget(label(QString::fromUtf8("El Cestaticket diario es el Predeterminado (P) Bs. ") +
                               moneyText(edCestaticket) + QString::fromUtf8(" ó el que asigne el Usuario (U)."),
                           "cestaticketNote"));
    notes->addWidget(label(QString::fromUtf8("El Bono de Transporte diario es el Predeterminado (P) Bs. ") +
                               moneyText(edBono) + QString::fromUtf8(" ó el que asigne el Usuario (U)."),
                           "bonoNote"));
    grid->addLayout(notes, 8, 0, 1, 7);

    auto* allRow = new QHBoxLayout;
    allRow->addWidget(label(QString::fromUtf8("Seleccionar usar todos los valores como:")));
    auto* allPredetermined = new QPushButton(QString::fromUtf8("&Predeterminados"));
    allPredetermined->setObjectName(QStringLiteral("allPredeterminedButton"));
    auto* allUser = new QPushButton(QString::fromUtf8("&Usuario"));
    allUser->setObjectName(QStringLiteral("allUserButton"));
    allRow->addWidget(allPredetermined);
    allRow->addWidget(allUser);
    allRow->addStretch();
    grid->addLayout(allRow, 9, 0, 1, 7);
    connect(allPredetermined, &QPushButton::clicked, this, [this] { selectAll(ValueMode::Predetermined); });
    connect(allUser, &QPushButton::clicked, this, [this] { selectAll(ValueMode::User); });

    auto* source = new QGroupBox(
        QString::fromUtf8("Selección del valor a utilizar para el Factor de Costos Asociado al Salario"));
    source->setObjectName(QStringLiteral("fcasSourceGroup"));
    auto* sourceLayout = new QVBoxLayout(source);
    sourceLayout->setSpacing(0);
    eachPartida_ = new QRadioButton(
        QString::fromUtf8("Utilizar el &valor recomendado por el O.R.V. en cada partida según se muestra en el"));
    eachPartida_->setObjectName(QStringLiteral("fcasEachPartida"));
    table_ = new QRadioButton(
        QString::fromUtf8("Utilizar el valor asignado según se e&specifica en la Tabla de Valores Administrativos"));
    table_->setObjectName(QStringLiteral("fcasTable"));
    auto* sourceGroup = new QButtonGroup(this);
    sourceGroup->addButton(eachPartida_);
    sourceGroup->addButton(table_);
    // The explanation continues the first option's sentence.
    const int indent = 22;
    auto explanation = [&](const QString& text, const char* name, int extraSpace = 0) {
      QLabel* l = label(text, name);
      l->setContentsMargins(indent, extraSpace, 0, 0);
      sourceLayout->addWidget(l);
    };
    sourceLayout->addWidget(eachPartida_);
    explanation(QString::fromUtf8("listado. (Ignora el valor especificado en esta Tabla de Valores Administrativos)"),
                "explanationListado");
    explanation(QString::fromUtf8("Seleccionando el valor Predeterminado (P) del Cestaticket diario, el programa "
                                  "utilizará el valor  F.C.A.S.1,  el  cual"),
                "explanationFcas1", 6);
    explanation(QString::fromUtf8("incluye el Cestaticket cuyo valor está establecido en Bs. ") +
                    moneyText(edCestaticket) + QString::fromUtf8(", y el Bono de Transporte diario por un monto"),
                "explanationCestaticket");
    explanation(QString::fromUtf8("acordado entre cámaras y sindicatos en Bs. ") + moneyText(edBono) +
                    QStringLiteral("."),
                "explanationBono");
    explanation(QString::fromUtf8("Seleccionando el valor Usuario (U) para el Cestaticket diario y el Bono de "
                                  "Transporte, el programa utilizará el"),
                "explanationUser", 6);
    explanation(QString::fromUtf8("F.C.A.S.2,  el  cual no incluye el costo del Cestaticket ni el del Bono de "
                                  "Transporte pre-establecidos."),
                "explanationFcas2");
    sourceLayout->addSpacing(6);
    sourceLayout->addWidget(table_);

    auto* save = new QPushButton(QString::fromUtf8("&Guardar"));
    save->setObjectName(QStringLiteral("saveButton"));
    save->setDefault(true);
    auto* cancel = new QPushButton(QString::fromUtf8("&Cancelar"));
    cancel->setObjectName(QStringLiteral("cancelButton"));
    auto* help = new QPushButton(QString::fromUtf8("Ayuda"));
    help->setObjectName(QStringLiteral("helpButton"));
    help->setAutoDefault(false);
    cancel->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    connect(save, &QPushButton::clicked, this, &AdminValuesDialog::saveChoice);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    platform::connectHelp(this, help, kHelpContext);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(source);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
  }

  void load() {
    const AdminValues& admin = session_.admin();
    for (std::size_t i = 0; i < kRows.size(); ++i)
      entries_[i]->setText(platform::fromCp1252(admin.userText(kRows[i].which)));
    for (std::size_t i = 0; i < 4; ++i) modes_[i].set(admin[kRows[i].which].mode);
    modes_[4].set(admin[AdminConcept::Cestaticket].mode);
    (admin.fcasSource == FcasSource::Table ? table_ : eachPartida_)->setChecked(true);
  }

  void selectAll(ValueMode mode) {
    for (const ModePair& pair : modes_) pair.set(mode);
    (mode == ValueMode::User ? table_ : eachPartida_)->setChecked(true);
  }

  AdminChoice choice() const {
    auto row = [&](std::size_t i) {
      return AdminRowChoice{modes_[i].mode(), platform::toCp1252(entries_[i]->text())};
    };
    AdminChoice c;
    c.administracion = row(0);
    c.utilidad = row(1);
    c.iva = row(2);
    c.fcas = row(3);
    c.allowanceMode = modes_[4].mode();
    c.cestaticketText = platform::toCp1252(entries_[4]->text());
    c.bonoText = platform::toCp1252(entries_[5]->text());
    c.fcasSource = table_->isChecked() ? FcasSource::Table : FcasSource::EachPartida;
    return c;
  }

  void saveChoice() {
    const AdminChoice c = choice();
    AdminValues chosen = session_.admin();
    chosen.applyChoice(c);
    store::Message question;
    question.text = savingConfirmationText(chosen);
    question.icon = store::MessageIcon::Question;
    question.buttons = store::MessageButtons::OkCancel;
    if (ui_.showMessage(question) != store::Answer::Ok) return;
    session_.admin().applyChoice(c);
    session_.saveAndRecalculate(ui_, openGuide_);
    accept();
  }

  PricingSession& session_;
  store::UserInterface& ui_;
  std::optional<store::Guide> openGuide_;
  std::array<NumericEntry*, 6> entries_{};
  std::array<ModePair, 5> modes_{};
  QRadioButton* eachPartida_ = nullptr;
  QRadioButton* table_ = nullptr;
};

}  // namespace

bool runAdminValuesDialog(pricing::PricingSession& session, store::UserInterface& ui,
                          std::optional<store::Guide> openGuide, QWidget* parent) {
  AdminValuesDialog dialog(session, ui, openGuide, parent);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace baltu::pricing::ui
