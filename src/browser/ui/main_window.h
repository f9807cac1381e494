// The program's frame after start-up: the background picture, the status bar
// and the menu from which every window and document is reached.
#pragma once

#include <QMainWindow>
#include <QPixmap>

#include <filesystem>
#include <optional>

#include "browser/partida_list.h"
#include "platform/qt_user_interface.h"
#include "store/guide_id.h"
#include "store/startup.h"

class QAction;
class QLabel;

namespace baltu::browser::ui {

// Menu command numbers, kept as each action's data.
namespace command {
inline constexpr int kInsumoList = 1002;
inline constexpr int kExcludeEquipment = 1003;
inline constexpr int kAdminValues = 1005;
inline constexpr int kGuide1 = 1008;  // ... kGuide1 + 6 for guide 7
inline constexpr int kAllGuides = 1015;
inline constexpr int kExit = 1017;
inline constexpr int kRevisions = 1024;
inline constexpr int kNotice = 1027;
inline constexpr int kInsumoUsageExport = 1028;
inline constexpr int kHelp = 1044;
inline constexpr int kQuickGuide = 1045;
inline constexpr int kAbout = 1046;
inline constexpr int kList9000Ed = 1052;
inline constexpr int kList9000Rm = 1053;
inline constexpr int kList9000Both = 1054;
inline constexpr int kGuidesDocument = 10006;
inline constexpr int kOnlineLibrary = 10014;
inline constexpr int kDocumentsFolder = 10022;
}  // namespace command

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow(store::Program& program, platform::QtUserInterface& ui, QWidget* parent = nullptr);

  // The menu item of a command; nullptr when the item is not in the menu.
  QAction* action(int commandNumber) const;

  // Whether the item's rule (its file present) lets it work. Items whose
  // windows are not built yet keep to their rule here but stay disabled.
  bool commandAvailable(int commandNumber) const;

  // Shows the notice when the settings ask for it at start, then clears the
  // request and saves the settings. True when the notice was shown.
  bool showNoticeAtFirstRun();

  // The guide whose partida list was opened last in this run.
  std::optional<store::Guide> currentGuide() const { return browsing_.currentGuide; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QAction* addCommand(QMenu* menu, const QString& caption, int commandNumber, const QKeySequence& shortcut = {});
  void buildMenus();
  bool fileExists(const std::string& name) const;
  void fitBackground();

  void openAdminValues();
  void openExcludeEquipment();
  void openGuide(store::Guide guide);
  void openAllGuides();
  void exportInsumoUsage();
  void openDocumentsFolder();
  void openGuidesDocument();
  void openRevisions();

  store::Program& program_;
  platform::QtUserInterface& ui_;
  QLabel* background_;
  QPixmap picture_;
  BrowsingState browsing_;
};

// "DOCUMENTOS" of the program folder, else of the edition folder; empty when neither exists.
std::filesystem::path documentsFolder(const store::Program& program);

}  // namespace baltu::browser::ui
