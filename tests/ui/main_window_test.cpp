#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <map>

#include "browser/ui/main_window.h"
#include "platform/help_window.h"
#include "platform/shell.h"
#include "pricing/settings_files.h"
#include "ui_test_support.h"

namespace baltu::browser::ui {
namespace {

using test::StartedEdition;
using test::TinyEdition;

TinyEdition edition(std::vector<int> guides, bool ed, bool rm) {
  TinyEdition e;
  e.costGuides = std::move(guides);
  e.ed9000 = ed;
  e.rm9000 = rm;
  return e;
}

// The captions of a popup in order, "—" for a separator.
QStringList captions(QMenu* menu) {
  QStringList list;
  for (QAction* item : menu->actions()) list << (item->isSeparator() ? QStringLiteral("—") : item->text());
  return list;
}

QMenu* popup(MainWindow& window, const char* name) { return window.findChild<QMenu*>(QString::fromLatin1(name)); }

struct MenuCase {
  const char* name;
  TinyEdition edition;
  std::vector<std::string> arguments;
  std::vector<int> available;  // guide, insumo and 9000 items whose rule holds
  bool allGuidesEnabled;
  bool bothListPresent;
  bool exportPresent;
};

void PrintTo(const MenuCase& c, std::ostream* out) { *out << c.name; }

class MainWindowMenu : public ::testing::TestWithParam<MenuCase> {};

TEST_P(MainWindowMenu, ItemsFollowTheFilesAndSwitches) {
  const MenuCase& c = GetParam();
  StartedEdition started(c.edition, c.arguments);
  ASSERT_NE(started.program, nullptr);
  platform::QtUserInterface ui;
  MainWindow window(*started.program, ui);

  for (int number : {1008, 1009, 1010, 1011, 1012, 1013, 1014, 1002, 1052, 1053}) {
    const bool expected = std::find(c.available.begin(), c.available.end(), number) != c.available.end();
    EXPECT_EQ(window.commandAvailable(number), expected) << number;
    ASSERT_NE(window.action(number), nullptr) << number;
    // Guide lists open when their file is there; the other windows are not built yet.
    const bool guideItem = number >= 1008 && number <= 1014;
    EXPECT_EQ(window.action(number)->isEnabled(), guideItem && expected) << number;
  }
  EXPECT_EQ(window.action(1015)->isEnabled(), c.allGuidesEnabled);
  EXPECT_EQ(window.action(1054) != nullptr, c.bothListPresent);
  EXPECT_EQ(window.action(1028) != nullptr, c.exportPresent);
  for (int number : {1005, 1003, 1017, 10022, 10014, 1044, 1045, 10006, 1024, 1027, 1046})
    EXPECT_TRUE(window.action(number)->isEnabled()) << number;

  QStringList expected = {QString::fromUtf8("Guía &1 - Edificaciones\tCtrl+1"),
                          QString::fromUtf8("Guía &2 - Reparaciones y Mantenimiento\tCtrl+2"),
                          QString::fromUtf8("Guía &3 - Urbanismo\tCtrl+3"),
                          QString::fromUtf8("Guía &4 - Electromecánica\tCtrl+4"),
                          QString::fromUtf8("Guía &5 - Vialidad\tCtrl+5"),
                          QString::fromUtf8("Guía &6 - Eléctrica (Redes aéreas)\tCtrl+6"),
                          QString::fromUtf8("Guía &7 - Saneamiento Ambiental\tCtrl+7"),
                          QString::fromUtf8("Ver &Todas las Guías disponibles\tCtrl+0"),
                          QStringLiteral("—"),
                          QStringLiteral("Tabla de Valores Administrativos\tCtrl+T")};
  if (c.exportPresent) expected << QStringLiteral("—") << QStringLiteral("EXPORTAR INSUMOS USADOS EN PARTIDAS");
  expected << QStringLiteral("—") << QStringLiteral("Listado de &Insumos\tCtrl+I") << QStringLiteral("—")
           << QString::fromUtf8("E&xcluír Equipo\tCtrl+X") << QStringLiteral("—")
           << QStringLiteral("Partidas como Insumos - &Edificaciones/Urbanismo/Vialidad\tCtrl+E")
           << QStringLiteral("Partidas como Insumos - &Reparaciones\tCtrl+R");
  if (c.bothListPresent) expected << QStringLiteral("Ver todas las Partidas como Insumos\tCtrl+P");
  expected << QStringLiteral("—") << QStringLiteral("&Salir");
  EXPECT_EQ(captions(popup(window, "menuListados")), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Editions, MainWindowMenu,
    ::testing::Values(
        MenuCase{"OnlyGuide3", edition({3}, true, true), {}, {1010, 1002, 1052, 1053}, true, true, false},
        MenuCase{"OneNineThousandFile", edition({}, true, false), {}, {1002, 1052}, false, false, false},
        MenuCase{"SwitchesIAndM", edition({1, 7}, true, true), {"/i", "/M"}, {1008, 1014, 1002, 1052, 1053}, true,
                 true, true},
        MenuCase{"OnlyM", edition({1}, true, true), {"/M"}, {1008, 1002, 1052, 1053}, true, true, false}),
    [](const ::testing::TestParamInfo<MenuCase>& info) { return std::string(info.param.name); });

TEST(MainWindow, DocumentsAndHelpPopupsAndShortcuts) {
  StartedEdition started(edition({1}, true, true));
  ASSERT_NE(started.program, nullptr);
  platform::QtUserInterface ui;
  MainWindow window(*started.program, ui);

  EXPECT_EQ(captions(popup(window, "menuDocumentos")),
            QStringList({QString::fromUtf8("Abrir la carpeta que contiene los documentos de esta edición"),
                         QString::fromUtf8(">>>>>  Ir a la Biblioteca Online  <<<<<   ( se necesita conexión a Internet)")}));
  EXPECT_EQ(captions(popup(window, "menuAyuda")),
            QStringList({QStringLiteral("A&yuda\tF1"), QString::fromUtf8("G&uía Rápida"),
                         QString::fromUtf8("Breve explicación de las Guías Referenciales (.doc)"), QStringLiteral("—"),
                         QStringLiteral("Revisiones, actualizaciones y/o correcciones hechas a Baltu 3"),
                         QStringLiteral("—"), QStringLiteral("Comunicado de advertencia de Baltu"), QStringLiteral("—"),
                         QStringLiteral("Acer&ca de ...")}));

  const std::map<int, QKeySequence> shortcuts = {
      {1008, QKeySequence(Qt::CTRL | Qt::Key_1)}, {1014, QKeySequence(Qt::CTRL | Qt::Key_7)},
      {1015, QKeySequence(Qt::CTRL | Qt::Key_0)}, {1005, QKeySequence(Qt::CTRL | Qt::Key_T)},
      {1002, QKeySequence(Qt::CTRL | Qt::Key_I)}, {1003, QKeySequence(Qt::CTRL | Qt::Key_X)},
      {1052, QKeySequence(Qt::CTRL | Qt::Key_E)}, {1053, QKeySequence(Qt::CTRL | Qt::Key_R)},
      {1054, QKeySequence(Qt::CTRL | Qt::Key_P)}, {1044, QKeySequence(Qt::Key_F1)},
      {1017, QKeySequence()},                     {1046, QKeySequence()}};
  for (const auto& [number, keys] : shortcuts) EXPECT_EQ(window.action(number)->shortcut(), keys) << number;

  window.show();
  for (const char* name : {"menuListados", "menuDocumentos", "menuAyuda"}) {
    QMenu* menu = popup(window, name);
    menu->popup(window.mapToGlobal(QPoint(0, 0)));
    test::screenshot(*menu, QString::fromLatin1(name));
    menu->hide();
  }
}

TEST(MainWindow, AboutBoxShowsTheVersionAndOpensTheRevisions) {
  StartedEdition started(edition({1}, true, true));
  ASSERT_NE(started.program, nullptr);
  platform::QtUserInterface ui;
  MainWindow window(*started.program, ui);
  std::vector<QUrl> opened;
  platform::setUrlOpener([&opened](const QUrl& url) {
    opened.push_back(url);
    return true;
  });
  started.programFolder.write("REVISIONES.TXT", "Rev.36\r\n");

  QString version;
  QString date;
  bool picture = false;
  test::whenModalOpens([&](QWidget* box) {
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Acerca de Baltu"));
    version = box->findChild<QLabel*>(QStringLiteral("aboutVersion"))->text();
    date = box->findChild<QLabel*>(QStringLiteral("aboutDate"))->text();
    picture = !box->findChild<QLabel*>(QStringLiteral("aboutPicture"))->pixmap().isNull();
    test::screenshot(*box, QStringLiteral("about_box"));
    box->findChild<QPushButton*>(QStringLiteral("aboutRevisions"))->click();
    box->findChild<QPushButton*>(QStringLiteral("aboutClose"))->click();
  });
  window.action(command::kAbout)->trigger();
  platform::setUrlOpener({});

  EXPECT_EQ(version, QStringLiteral("3.11 Rev.36 Liberada (Compatible UAC-DPI)"));
  EXPECT_EQ(date, QStringLiteral("23 de Octubre de 2019"));
  EXPECT_TRUE(picture);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].toLocalFile().toStdString(), (started.programFolder / "REVISIONES.TXT").string());
}

TEST(MainWindow, MissingCompanionDocumentIsReported) {
  StartedEdition started(edition({1}, true, true));
  ASSERT_NE(started.program, nullptr);
  platform::QtUserInterface::clearAnswers();
  platform::QtUserInterface::queueAnswers({store::Answer::Ok});
  platform::QtUserInterface ui;
  MainWindow window(*started.program, ui);
  window.action(command::kGuidesDocument)->trigger();
  ASSERT_EQ(platform::QtUserInterface::answeredMessages().size(), 1u);
  EXPECT_EQ(platform::QtUserInterface::answeredMessages()[0].text, "No se encuentra el documento que intenta ver");
  platform::QtUserInterface::clearAnswers();
}

TEST(MainWindow, F1OpensTheHelpAtItsStartPage) {
  StartedEdition started(edition({1}, true, true));
  ASSERT_NE(started.program, nullptr);
  platform::QtUserInterface ui;
  MainWindow window(*started.program, ui);
  window.show();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  test::screenshot(window, QStringLiteral("main_window"));

  QTest::keyClick(&window, Qt::Key_F1);
  auto* help = window.findChild<platform::HelpWindow*>(QStringLiteral("helpWindow"));
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_EQ(help->currentPage(), QStringLiteral("inicio.html"));
  help->close();
}

TEST(MainWindow, NoticeAtFirstRunIsShownOnceAndTheFlagIsSaved) {
  StartedEdition started(edition({1}, true, true));
  ASSERT_NE(started.program, nullptr);
  ASSERT_TRUE(started.program->pricing->settings().firstRun());
  platform::QtUserInterface ui;
  MainWindow window(*started.program, ui);

  QString seenTitle;
  test::whenModalOpens([&seenTitle](QWidget* notice) {
    seenTitle = notice->windowTitle();
    test::screenshot(*notice, QStringLiteral("notice"));
    notice->findChild<QPushButton*>(QStringLiteral("noticeClose"))->click();
  });
  EXPECT_TRUE(window.showNoticeAtFirstRun());
  EXPECT_EQ(seenTitle, QStringLiteral("COMUNICADO"));
  EXPECT_FALSE(started.program->pricing->settings().firstRun());

  pricing::AdminValues admin;
  pricing::ProgramSettings saved;
  pricing::readSettings(started.program->commonDataFolder, started.program->pricing->edition(), admin, saved);
  EXPECT_FALSE(saved.firstRun());
  EXPECT_FALSE(window.showNoticeAtFirstRun());
}

TEST(MainWindow, DocumentsFolderPrefersTheProgramFolder) {
  StartedEdition started(edition({1}, true, true));
  ASSERT_NE(started.program, nullptr);
  store::Program& program = *started.program;
  EXPECT_TRUE(documentsFolder(program).empty());
  std::filesystem::create_directories(program.editionFolder / "DOCUMENTOS");
  EXPECT_EQ(documentsFolder(program), program.editionFolder / "DOCUMENTOS");
  std::filesystem::create_directories(program.startFolder / "DOCUMENTOS");
  EXPECT_EQ(documentsFolder(program), program.startFolder / "DOCUMENTOS");
}

}  // namespace
}  // namespace baltu::browser::ui
