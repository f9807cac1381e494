#include "browser/ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QResizeEvent>
#include <QShortcut>
#include <QStatusBar>

#include <array>
#include <system_error>

#include "browser/ui/about_box.h"
#include "browser/ui/notice_dialog.h"
#include "browser/ui/partida_list_window.h"
#include "insumos/ui/insumo_usage_export.h"
#include "platform/help.h"
#include "platform/progress_window.h"
#include "platform/screen.h"
#include "platform/shell.h"
#include "platform/text_conversion.h"
#include "pricing/ui/admin_values_dialog.h"
#include "pricing/ui/winch_dialog.h"
#include "store/text.h"
#include "store/ui/guide_selection_dialog.h"

namespace baltu::browser::ui {
namespace {

constexpr const char* kAvailableProperty = "available";
constexpr const char* kOnlineLibraryAddress = "https://baltu.example/biblioteca";

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

std::filesystem::path documentsFolder(const store::Program& program) {
  std::error_code error;
  const std::filesystem::path beside = program.startFolder / "DOCUMENTOS";
  if (std::filesystem::is_directory(beside, error)) return beside;
  const std::filesystem::path edition = program.editionFolder / "DOCUMENTOS";
  if (!program.editionFolder.empty() && std::filesystem::is_directory(edition, error)) return edition;
  return {};
}

MainWindow::MainWindow(store::Program& program, platform::QtUserInterface& ui, QWidget* parent)
    : QMainWindow(parent),
      program_(program),
      ui_(ui),
      background_(new QLabel(this)),
      picture_(QStringLiteral(":/images/fondo.png")) {
  setObjectName(QStringLiteral("mainWindow"));
  setWindowTitle(platform::fromCp1252(program.windowTitle));
  setWindowIcon(platform::programIcon());
  setStyleSheet(QStringLiteral("QMainWindow { background: white; }"));

  background_->setObjectName(QStringLiteral("background"));
  background_->setAlignment(Qt::AlignCenter);
  background_->setMinimumSize(1, 1);
  background_->setStyleSheet(QStringLiteral("background: white;"));
  setCentralWidget(background_);
  auto* status = new QStatusBar(this);
  status->setObjectName(QStringLiteral("statusBar"));
  setStatusBar(status);

  buildMenus();
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);
  resize(platform::DialogUnits(font()).size(526, 320));
}

bool MainWindow::fileExists(const std::string& name) const {
  std::error_code error;
  return !name.empty() && std::filesystem::exists(program_.startFolder / name, error);
}

QAction* MainWindow::addCommand(QMenu* menu, const QString& caption, int commandNumber, const QKeySequence& shortcut) {
  // The shortcut is written into the caption after a tab, in its own words ("Ctrl+T"), as the menu shows it.
  auto* item = new QAction(shortcut.isEmpty() ? caption
                                              : caption + QLatin1Char('\t') + shortcut.toString(QKeySequence::PortableText),
                           this);
  item->setObjectName(QStringLiteral("command%1").arg(commandNumber));
  item->setData(commandNumber);
  item->setProperty(kAvailableProperty, true);
  if (!shortcut.isEmpty()) {
    item->setShortcut(shortcut);
    item->setShortcutContext(Qt::WindowShortcut);
  }
  menu->addAction(item);
  addAction(item);
  return item;
}

void MainWindow::buildMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("menuBar"));

  QMenu* lists = bar->addMenu(text("&Listados"));
  lists->setObjectName(QStringLiteral("menuListados"));
  static constexpr std::array<const char*, 7> kGuideCaptions = {
      "Guía &1 - Edificaciones",          "Guía &2 - Reparaciones y Mantenimiento",
      "Guía &3 - Urbanismo",              "Guía &4 - Electromecánica",
      "Guía &5 - Vialidad",               "Guía &6 - Eléctrica (Redes aéreas)",
      "Guía &7 - Saneamiento Ambiental"};
  bool anyGuide = false;
  for (int n = 0; n < 7; ++n) {
    const store::Guide guide = store::kCostGuides[static_cast<std::size_t>(n)];
    const bool present = fileExists(store::dataFileName(guide));
    anyGuide = anyGuide || present;
    QAction* item = addCommand(lists, text(kGuideCaptions[static_cast<std::size_t>(n)]), command::kGuide1 + n,
                               QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_1 + n)));
    item->setProperty(kAvailableProperty, present);
    item->setEnabled(present);
    connect(item, &QAction::triggered, this, [this, guide] { openGuide(guide); });
  }
  QAction* allGuides =
      addCommand(lists, text("Ver &Todas las Guías disponibles"), command::kAllGuides, QKeySequence(Qt::CTRL | Qt::Key_0));
  allGuides->setProperty(kAvailableProperty, anyGuide);
  allGuides->setEnabled(anyGuide);
  connect(allGuides, &QAction::triggered, this, &MainWindow::openAllGuides);
  lists->addSeparator();

  QAction* admin = addCommand(lists, text("Tabla de Valores Administrativos"), command::kAdminValues,
                              QKeySequence(Qt::CTRL | Qt::Key_T));
  connect(admin, &QAction::triggered, this, &MainWindow::openAdminValues);

  if (program_.switches.sortByCode && program_.switches.extraMenus) {
    lists->addSeparator();
    QAction* exportUsage = addCommand(lists, text("EXPORTAR INSUMOS USADOS EN PARTIDAS"), command::kInsumoUsageExport);
    connect(exportUsage, &QAction::triggered, this, &MainWindow::exportInsumoUsage);
  }
  lists->addSeparator();

  QAction* insumos = addCommand(lists, text("Listado de &Insumos"), command::kInsumoList, QKeySequence(Qt::CTRL | Qt::Key_I));
  insumos->setProperty(kAvailableProperty, fileExists(program_.insumoFileName));
  insumos->setEnabled(false);
  lists->addSeparator();

  QAction* exclude =
      addCommand(lists, text("E&xcluír Equipo"), command::kExcludeEquipment, QKeySequence(Qt::CTRL | Qt::Key_X));
  connect(exclude, &QAction::triggered, this, &MainWindow::openExcludeEquipment);
  lists->addSeparator();

  const bool ed = fileExists(store::dataFileName(store::Guide::Ed9000));
  const bool rm = fileExists(store::dataFileName(store::Guide::Rm9000));
  QAction* listEd = addCommand(lists, text("Partidas como Insumos - &Edificaciones/Urbanismo/Vialidad"),
                               command::kList9000Ed, QKeySequence(Qt::CTRL | Qt::Key_E));
  listEd->setProperty(kAvailableProperty, ed);
  listEd->setEnabled(false);
  QAction* listRm = addCommand(lists, text("Partidas como Insumos - &Reparaciones"), command::kList9000Rm,
                               QKeySequence(Qt::CTRL | Qt::Key_R));
  listRm->setProperty(kAvailableProperty, rm);
  listRm->setEnabled(false);
  if (ed && rm) {
    QAction* listBoth = addCommand(lists, text("Ver todas las Partidas como Insumos"), command::kList9000Both,
                                   QKeySequence(Qt::CTRL | Qt::Key_P));
    listBoth->setEnabled(false);
  }
  lists->addSeparator();
  QAction* exit = addCommand(lists, text("&Salir"), command::kExit);
  connect(exit, &QAction::triggered, this, &QWidget::close);

  QMenu* documents = bar->addMenu(text("&Documentos"));
  documents->setObjectName(QStringLiteral("menuDocumentos"));
  QAction* folder =
      addCommand(documents, text("Abrir la carpeta que contiene los documentos de esta edición"), command::kDocumentsFolder);
  connect(folder, &QAction::triggered, this, &MainWindow::openDocumentsFolder);
  QAction* library = addCommand(
      documents, text(">>>>>  Ir a la Biblioteca Online  <<<<<   ( se necesita conexión a Internet)"),
      command::kOnlineLibrary);
  connect(library, &QAction::triggered, this, [] { platform::openWebPage(QString::fromLatin1(kOnlineLibraryAddress)); });

  QMenu* help = bar->addMenu(text("A&yuda"));
  help->setObjectName(QStringLiteral("menuAyuda"));
  QAction* helpItem = addCommand(help, text("A&yuda"), command::kHelp, QKeySequence(Qt::Key_F1));
  connect(helpItem, &QAction::triggered, this, [this] { platform::showHelpTopic(QStringLiteral("0"), this); });
  QAction* quick = addCommand(help, text("G&uía Rápida"), command::kQuickGuide);
  connect(quick, &QAction::triggered, this,
          [this] { platform::showHelpTopic(QStringLiteral("GuiaRapidaDeUso"), this); });
  QAction* guides = addCommand(help, text("Breve explicación de las Guías Referenciales (.doc)"), command::kGuidesDocument);
  connect(guides, &QAction::triggered, this, &MainWindow::openGuidesDocument);
  help->addSeparator();
  QAction* revisions =
      addCommand(help, text("Revisiones, actualizaciones y/o correcciones hechas a Baltu 3"), command::kRevisions);
  connect(revisions, &QAction::triggered, this, &MainWindow::openRevisions);
  help->addSeparator();
  QAction* notice = addCommand(help, text("Comunicado de advertencia de Baltu"), command::kNotice);
  connect(notice, &QAction::triggered, this, [this] { runNoticeDialog(this); });
  help->addSeparator();
  QAction* about = addCommand(help, text("Acer&ca de ..."), command::kAbout);
  connect(about, &QAction::triggered, this, [this] { runAboutBox(program_.startFolder, ui_, this); });
}

QAction* MainWindow::action(int commandNumber) const {
  for (QAction* item : actions())
    if (item->data().toInt() == commandNumber) return item;
  return nullptr;
}

bool MainWindow::commandAvailable(int commandNumber) const {
  const QAction* item = action(commandNumber);
  return item != nullptr && item->property(kAvailableProperty).toBool();
}

bool MainWindow::showNoticeAtFirstRun() {
  if (!program_.pricing || !program_.pricing->settings().firstRun()) return false;
  runNoticeDialog(this);
  program_.pricing->settings().setFirstRun(false);
  const pricing::SettingsSaveResult saved = program_.pricing->saveSettings();
  if (!saved.ok) {
    store::Message message;
    message.text = saved.message;
    message.icon = store::MessageIcon::Error;
    ui_.showMessage(message);
  }
  return true;
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  fitBackground();
}

void MainWindow::fitBackground() {
  if (picture_.isNull()) return;
  background_->setPixmap(picture_.scaled(background_->size(), Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation));
}

void MainWindow::openAdminValues() {
  if (!program_.pricing) return;
  {
    platform::RecalculationProgress progress(ui_, this);
    pricing::ui::runAdminValuesDialog(*program_.pricing, ui_, std::nullopt, this);
  }
  update();
}

void MainWindow::openExcludeEquipment() {
  if (!program_.pricing) return;
  platform::RecalculationProgress progress(ui_, this);
  pricing::ui::runWinchDialog(*program_.pricing, ui_, std::nullopt, this);
}

void MainWindow::openGuide(store::Guide guide) {
  // A guide whose file was there at start but could not be loaded has no tables.
  if (!program_.pricing || !program_.guides[static_cast<std::size_t>(guide)] || !program_.pricing->hasGuide(guide))
    return;
  runPartidaListWindow(program_, browsing_, ui_, guide, this);
}

void MainWindow::openAllGuides() {
  if (store::ui::runGuideSelectionDialog(program_, ui_, this)) openGuide(store::Guide::Guia0);
}

void MainWindow::exportInsumoUsage() {
  insumos::ui::runInsumoUsageExport(program_, ui_, browsing_.currentGuide, this);
}

void MainWindow::openDocumentsFolder() { platform::openFolder(documentsFolder(program_)); }

void MainWindow::openGuidesDocument() {
  std::filesystem::path folder = documentsFolder(program_);
  if (folder.empty()) folder = program_.startFolder / "DOCUMENTOS";
  platform::openDocument(folder / "GUIAS REFERENCIALES.doc", platform::DocumentKind::WordProcessor, ui_);
}

void MainWindow::openRevisions() {
  platform::openDocument(program_.startFolder / "REVISIONES.TXT", platform::DocumentKind::Text, ui_);
}

}  // namespace baltu::browser::ui
