#include "store/ui/guide_selection_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QTest>

#include <fstream>
#include <iterator>

#include "pricing/settings_files.h"
#include "store/text.h"
#include "ui_test_support.h"

namespace baltu::store::ui {
namespace {

using test::ScriptedUi;
using test::StartedEdition;

std::string fileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

QCheckBox* box(QWidget* dialog, int number) {
  return dialog->findChild<QCheckBox*>(QStringLiteral("guide%1").arg(number));
}

void click(QWidget* dialog, const char* name) {
  QTest::mouseClick(dialog->findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
}

test::TinyEdition guides2And5() {
  test::TinyEdition edition;
  edition.costGuides = {2, 5};
  return edition;
}

class GuideSelectionDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(started.program, nullptr); }

  Program& program() { return *started.program; }
  pricing::ProgramSettings savedSettings() {
    return pricing::parseProgramFile(fileBytes(program().commonDataFolder / pricing::kProgramFileName));
  }
  std::vector<std::string> guide0Codes() {
    std::vector<std::string> codes;
    for (const Record& row : program().guides[static_cast<std::size_t>(Guide::Guia0)]->partidas)
      codes.emplace_back(row.field(1));
    return codes;
  }

  StartedEdition started{guides2And5()};
  ScriptedUi ui;
};

// Every flag is set by default, so guides 1, 3, 4, 6 and 7 were "selected"
// though their files are missing.
TEST_F(GuideSelectionDialogTest, UnavailableGuidesAreUntickedAndTheAvailableOnesMerged) {
  test::whenModalOpens([&](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8("Baltu - Leer todas las guías"));
    for (int number = 1; number <= 7; ++number) {
      const bool available = number == 2 || number == 5;
      ASSERT_NE(box(dialog, number), nullptr);
      EXPECT_EQ(box(dialog, number)->isChecked(), available) << number;
      EXPECT_EQ(box(dialog, number)->isEnabled(), available) << number;
      // Cleared and saved as the window opens.
      EXPECT_EQ(savedSettings().guideZeroSelected(kCostGuides[number - 1]), available) << number;
    }
    EXPECT_EQ(box(dialog, 6)->text(), QString::fromUtf8("Guía 6 - Eléctrica (Redes aéreas)"));
    test::screenshot(*dialog, QStringLiteral("guide_selection_dialog"));
    click(dialog, "openButton");
  });
  EXPECT_TRUE(runGuideSelectionDialog(program(), ui, nullptr));
  EXPECT_TRUE(ui.messages.empty());
  // Both guides' partidas sorted together by description.
  EXPECT_EQ(guide0Codes(), (std::vector<std::string>{"G2011001", "G5011001", "G2011005", "G5011005"}));
  EXPECT_TRUE(program().pricing->hasGuide(Guide::Guia0));
}

TEST_F(GuideSelectionDialogTest, NoneSelectedKeepsTheWindowOpenWithTheMessage) {
  test::whenModalOpens([&](QWidget* dialog) {
    box(dialog, 2)->setChecked(false);
    box(dialog, 5)->setChecked(false);
    click(dialog, "openButton");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, cp("Debe haber al menos una Guía seleccionada"));
    EXPECT_EQ(ui.messages[0].caption, "Baltu");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Information);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(program().guides[static_cast<std::size_t>(Guide::Guia0)].has_value());
    // The empty choice was stored all the same.
    EXPECT_FALSE(savedSettings().guideZeroSelected(Guide::Guia2));

    box(dialog, 5)->setChecked(true);
    click(dialog, "openButton");
  });
  EXPECT_TRUE(runGuideSelectionDialog(program(), ui, nullptr));
  EXPECT_EQ(guide0Codes(), (std::vector<std::string>{"G5011001", "G5011005"}));
  EXPECT_FALSE(savedSettings().guideZeroSelected(Guide::Guia2));
  EXPECT_TRUE(savedSettings().guideZeroSelected(Guide::Guia5));
}

TEST_F(GuideSelectionDialogTest, CancelBuildsNothing) {
  test::whenModalOpens([&](QWidget* dialog) {
    box(dialog, 2)->setChecked(false);
    click(dialog, "cancelButton");
  });
  EXPECT_FALSE(runGuideSelectionDialog(program(), ui, nullptr));
  EXPECT_FALSE(program().guides[static_cast<std::size_t>(Guide::Guia0)].has_value());
  EXPECT_TRUE(savedSettings().guideZeroSelected(Guide::Guia2));
}

}  // namespace
}  // namespace baltu::store::ui
