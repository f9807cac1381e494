#include "pricing/ui/admin_values_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <fstream>
#include <iterator>

#include "platform/text_conversion.h"
#include "pricing/settings_files.h"
#include "store/money.h"
#include "store/text.h"
#include "ui_test_support.h"

namespace baltu::pricing::ui {
namespace {

using store::cp;
using test::ScriptedUi;
using test::StartedEdition;

std::string fileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

template <typename T>
T* child(QWidget* dialog, const char* name) {
  T* found = dialog->findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(found, nullptr) << name;
  return found;
}

void click(QWidget* dialog, const char* name) {
  if (auto* button = child<QAbstractButton>(dialog, name)) QTest::mouseClick(button, Qt::LeftButton);
}

void typeInto(QWidget* dialog, const char* name, const char* keys) {
  auto* entry = child<QLineEdit>(dialog, name);
  if (!entry) return;
  entry->setFocus();
  entry->selectAll();
  QTest::keyClick(entry, Qt::Key_Backspace);
  // QTest::keyClicks knows ASCII keys only; other letters come as key events with their text.
  for (const QChar ch : QString::fromUtf8(keys)) {
    if (ch.unicode() < 128)
      QTest::keyClick(entry, ch.toLatin1());
    else
      QTest::sendKeyEvent(QTest::Click, entry, Qt::Key_unknown, QString(ch), Qt::NoModifier);
  }
}

class AdminValuesDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(started.program, nullptr); }

  PricingSession& session() { return *started.program->pricing; }
  std::filesystem::path adminFile() { return session().settingsFolder() / kAdminFileName; }
  std::string edition(store::Cents amount) { return store::moneyDisplay(amount); }

  StartedEdition started{test::TinyEdition{}};
  ScriptedUi ui;
};

TEST_F(AdminValuesDialogTest, UserFieldsTakeADecimalNumberWithAComma) {
  struct Case {
    const char* typed;
    const char* shown;
  };
  const Case cases[] = {
      {"12.5", "12,5"},
      {"1a2 $%&/()=?*+#@\"-_:;<>|3", "123"},  // letters, blanks and symbols dropped
      {"1,2,3.4", "1,234"},                   // a second comma is dropped
      {"Ñ4ç5€", "45"},
  };
  bool result = true;
  test::whenModalOpens([&](QWidget* dialog) {
    for (const Case& c : cases) {
      typeInto(dialog, "userAdministracion", c.typed);
      EXPECT_EQ(child<QLineEdit>(dialog, "userAdministracion")->text(), QString::fromUtf8(c.shown)) << c.typed;
    }
    test::screenshot(*dialog, QStringLiteral("admin_values_dialog"));
    click(dialog, "cancelButton");
  });
  const std::string before = fileBytes(adminFile());
  result = runAdminValuesDialog(session(), ui, std::nullopt, nullptr);
  EXPECT_FALSE(result);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(fileBytes(adminFile()), before);
}

TEST_F(AdminValuesDialogTest, ShowsTheEditionValuesAndTheAllAtOnceButtons) {
  const std::string cestaticket = edition(session().edition().cestaticket);
  const std::string bono = edition(session().edition().bono);
  test::whenModalOpens([&](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Cambiar Valores Administrativos - BALTU"));
    EXPECT_EQ(child<QLabel>(dialog, "predeterminedCestaticket")->text(), platform::fromCp1252(cestaticket));
    EXPECT_EQ(child<QLabel>(dialog, "predeterminedBono")->text(), platform::fromCp1252(bono));
    EXPECT_EQ(child<QLabel>(dialog, "explanationBono")->text(),
              QString::fromUtf8("acordado entre cámaras y sindicatos en Bs. ") + platform::fromCp1252(bono) +
                  QStringLiteral("."));
    EXPECT_EQ(child<QLabel>(dialog, "cestaticketNote")->text(),
              QString::fromUtf8("El Cestaticket diario es el Predeterminado (P) Bs. ") +
                  platform::fromCp1252(cestaticket) + QString::fromUtf8(" ó el que asigne el Usuario (U)."));

    const char* users[] = {"modeAdministracionU", "modeUtilidadU", "modeIvaU", "modeFcasU", "modeAllowanceU"};
    const char* predetermined[] = {"modeAdministracionP", "modeUtilidadP", "modeIvaP", "modeFcasP",
                                   "modeAllowanceP"};
    for (const char* name : predetermined) EXPECT_TRUE(child<QRadioButton>(dialog, name)->isChecked()) << name;
    EXPECT_TRUE(child<QRadioButton>(dialog, "fcasEachPartida")->isChecked());
    click(dialog, "allUserButton");
    for (const char* name : users) EXPECT_TRUE(child<QRadioButton>(dialog, name)->isChecked()) << name;
    EXPECT_TRUE(child<QRadioButton>(dialog, "fcasTable")->isChecked());
    click(dialog, "allPredeterminedButton");
    for (const char* name : predetermined) EXPECT_TRUE(child<QRadioButton>(dialog, name)->isChecked()) << name;
    EXPECT_TRUE(child<QRadioButton>(dialog, "fcasEachPartida")->isChecked());
    click(dialog, "cancelButton");
  });
  EXPECT_FALSE(runAdminValuesDialog(session(), ui, std::nullopt, nullptr));
}

// Each combination of FCAS source and allowance mode asks its own question;
// answering Cancel keeps the window open and saves nothing.
TEST_F(AdminValuesDialogTest, AsksTheConfirmationOfEachCombination) {
  const std::string cestaticket = edition(session().edition().cestaticket);
  const std::string bono = edition(session().edition().bono);
  struct Case {
    const char* source;
    const char* allowance;
    std::string closing;
  };
  const Case cases[] = {
      {"fcasEachPartida", "modeAllowanceP",
       cp("SE UTILIZARÁ EL F.C.A.S.1, EL CUAL INCLUYE EL CESTATICKET POR BS. ") + cestaticket +
           " Y EL BONO DE TRANSPORTE POR BS. " + bono + "."},
      {"fcasEachPartida", "modeAllowanceU",
       cp("SE UTILIZARÁ EL F.C.A.S.2, EL CUAL NO INCLUYE EL CESTATICKET NI EL BONO DE TRANSPORTE.")},
      {"fcasTable", "modeAllowanceP",
       "EL VALOR DEL F.C.A.S. HA SIDO DEFINIDO POR EL USUARIO Y EL VALOR DEL CESTATICKET Y DEL BONO DE TRANSPORTE "
       "SON LOS PREDETERMINADOS (BS. " +
           cestaticket + " Y BS. " + bono + ") RESPECTIVAMENTE."},
      {"fcasTable", "modeAllowanceU",
       cp("SE UTILIZARÁN LOS VALORES DEL F.C.A.S., CESTATICKET Y BONO DE TRANSPORTE SELECCIONADOS POR EL "
          "USUARIO.")},
  };
  const std::string before = fileBytes(adminFile());
  test::whenModalOpens([&](QWidget* dialog) {
    for (const Case& c : cases) {
      click(dialog, c.source);
      click(dialog, c.allowance);
      ui.answers.push_back(store::Answer::Cancel);
      click(dialog, "saveButton");
      ASSERT_FALSE(ui.messages.empty());
      const store::Message& asked = ui.messages.back();
      EXPECT_EQ(asked.caption, "Baltu");
      EXPECT_EQ(asked.icon, store::MessageIcon::Question);
      EXPECT_EQ(asked.buttons, store::MessageButtons::OkCancel);
      EXPECT_EQ(asked.text.substr(0, asked.text.find("\r\n")),
                cp("Los siguientes valores serán guardados. ¿Esta Ud. seguro?"));
      EXPECT_EQ(asked.text.substr(asked.text.rfind("\r\n") + 2), c.closing) << c.source << " " << c.allowance;
      EXPECT_TRUE(dialog->isVisible());
    }
    click(dialog, "cancelButton");
  });
  EXPECT_FALSE(runAdminValuesDialog(session(), ui, std::nullopt, nullptr));
  EXPECT_EQ(ui.messages.size(), 4u);
  EXPECT_EQ(fileBytes(adminFile()), before);
  EXPECT_EQ(session().admin()[AdminConcept::Administracion].mode, ValueMode::Predetermined);
}

TEST_F(AdminValuesDialogTest, OkSavesTheChosenValuesAndPutsThemInUse) {
  test::whenModalOpens([&](QWidget* dialog) {
    typeInto(dialog, "userAdministracion", "12.5");
    click(dialog, "modeAdministracionU");
    typeInto(dialog, "userUtilidad", "10");  // typed, but the row stays P
    typeInto(dialog, "userFcas", "350.256");
    click(dialog, "modeFcasU");
    click(dialog, "fcasTable");
    typeInto(dialog, "userCestaticket", "40");
    typeInto(dialog, "userBono", "5,5");
    click(dialog, "modeAllowanceU");
    ui.answers.push_back(store::Answer::Ok);
    click(dialog, "saveButton");
  });
  EXPECT_TRUE(runAdminValuesDialog(session(), ui, std::nullopt, nullptr));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].text.find(cp("Administración ( Usuario ) : 12,50 %")), std::string::npos);

  const AdminValues saved = parseAdminFile(fileBytes(adminFile()));
  EXPECT_EQ(saved[AdminConcept::Administracion].mode, ValueMode::User);
  EXPECT_DOUBLE_EQ(saved[AdminConcept::Administracion].user, 12.5);
  EXPECT_EQ(saved[AdminConcept::Utilidad].mode, ValueMode::Predetermined);
  EXPECT_EQ(saved[AdminConcept::Fcas].mode, ValueMode::User);
  EXPECT_DOUBLE_EQ(saved[AdminConcept::Fcas].user, 350.26);  // rounded to 2 decimals
  EXPECT_EQ(saved[AdminConcept::Cestaticket].mode, ValueMode::User);
  EXPECT_EQ(saved[AdminConcept::Bono].mode, ValueMode::User);
  EXPECT_DOUBLE_EQ(saved[AdminConcept::Cestaticket].user, 40);
  EXPECT_DOUBLE_EQ(saved[AdminConcept::Bono].user, 5.5);
  EXPECT_EQ(saved.fcasSource, FcasSource::Table);
  // The values in use are the saved ones.
  EXPECT_DOUBLE_EQ(session().admin().working().administracion, 12.5);
}

}  // namespace
}  // namespace baltu::pricing::ui
