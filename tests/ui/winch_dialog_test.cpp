#include "pricing/ui/winch_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <fstream>
#include <iterator>

#include "pricing/settings_files.h"
#include "ui_test_support.h"

namespace baltu::pricing::ui {
namespace {

std::string fileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct WinchCase {
  const char* name;
  bool excludedBefore;
  bool tick;  // the check box as the user leaves it
  const char* button;
  bool accepted;
  bool excludedAfter;
};

void PrintTo(const WinchCase& c, std::ostream* os) { *os << c.name; }

class WinchDialogTest : public ::testing::TestWithParam<WinchCase> {};

TEST_P(WinchDialogTest, AceptarStoresTheCheckBoxCancelarChangesNothing) {
  const WinchCase& c = GetParam();
  test::StartedEdition started{test::TinyEdition{}};
  ASSERT_NE(started.program, nullptr);
  PricingSession& session = *started.program->pricing;
  session.settings().setWinchExcluded(c.excludedBefore);
  ASSERT_TRUE(session.saveSettings().ok);
  const std::filesystem::path file = session.settingsFolder() / kProgramFileName;
  const std::string before = fileBytes(file);

  test::ScriptedUi ui;
  test::whenModalOpens([&](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8("Excluír / Sustituír Equipo"));
    auto* check = dialog->findChild<QCheckBox*>(QStringLiteral("winchCheck"));
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(check->text(), QString::fromUtf8("No usar el Winche Cabrestante en el cálculo de los A.P.U."));
    EXPECT_EQ(check->isChecked(), c.excludedBefore);
    if (check->isChecked() != c.tick) QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
    EXPECT_EQ(check->isChecked(), c.tick);
    test::screenshot(*dialog, QStringLiteral("winch_dialog"));
    QTest::mouseClick(dialog->findChild<QPushButton*>(QString::fromLatin1(c.button)), Qt::LeftButton);
  });
  EXPECT_EQ(runWinchDialog(session, ui, std::nullopt, nullptr), c.accepted);
  EXPECT_EQ(session.settings().winchExcluded(), c.excludedAfter);
  EXPECT_EQ(parseProgramFile(fileBytes(file)).winchExcluded(), c.excludedAfter);
  if (!c.accepted) {
    EXPECT_EQ(fileBytes(file), before);
  }
  EXPECT_TRUE(ui.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, WinchDialogTest,
                         ::testing::Values(WinchCase{"TickAndAccept", false, true, "acceptButton", true, true},
                                           WinchCase{"UntickAndAccept", true, false, "acceptButton", true, false},
                                           WinchCase{"TickAndCancel", false, true, "cancelButton", false, false}),
                         [](const ::testing::TestParamInfo<WinchCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace baltu::pricing::ui
