#include "insumos/ui/insumo_usage_export.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>

#include <system_error>

#include "insumos/insumo_usage_export.h"
#include "insumos/where_used.h"
#include "platform/text_conversion.h"
#include "store/atomic_file.h"
#include "store/text.h"

namespace baltu::insumos::ui {
namespace {

using store::cp;

store::Message question(std::string text) {
  return store::Message{"Baltu", std::move(text), store::MessageIcon::Information, store::MessageButtons::YesNo};
}

// Restores the arrow pointer however the export ends.
class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

void runInsumoUsageExport(const store::Program& program, store::UserInterface& ui,
                          std::optional<store::Guide> currentGuide, QWidget* /*parent*/) {
  const std::filesystem::path folder = program.editionFolder / kUsageExportFolder;
  const std::string folderText = platform::toCp1252(QString::fromStdString(folder.string()));
  if (ui.showMessage(question(
          cp("ANTES DE EXPORTAR LOS INSUMOS USADOS EN LAS PARTIDAS DE LAS GUÍAS DISPONIBLES DEBE ANTES HABER ABIERTO "
             "TODAS LAS GUIAS\r\n\r\nPUEDE TAMBIEN ABRIR UNA O MAS GUIAS EN DONDE BUSCAR LOS INSUMOS USADOS\r\n\r\n"
             "¿Desea exportar los insumos usados en las guías?\r\n\r\n(Serán Guardados en ") +
          folderText + ")")) != store::Answer::Yes)
    return;

  // A folder that cannot be made leaves the files in the edition folder itself.
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  const std::filesystem::path target = std::filesystem::is_directory(folder, error) ? folder : program.editionFolder;

  std::vector<std::string> failed;
  {
    WaitCursor wait;
    const store::GuideTables* context = guideContext(program.guides, currentGuide);
    for (const UsageExportFile& file : buildInsumoUsageExport(program.insumos, context)) {
      ui.processEvents();
      if (!store::writeFileAtomically(target / file.name, file.bytes).ok) failed.push_back(file.name);
    }
  }

  if (!failed.empty()) {
    std::string text = cp("No se pudieron guardar los siguientes archivos en la carpeta ") +
                       platform::toCp1252(QString::fromStdString(target.string())) + ":\r\n";
    for (const std::string& name : failed) text += "\r\n" + name;
    ui.showMessage(store::Message{"Baltu", text, store::MessageIcon::Error});
    return;
  }
  const std::string targetText = platform::toCp1252(QString::fromStdString(target.string()));
  if (ui.showMessage(question(cp("Los archivos de los Insumos usados en las partidas y los insumos no usados por "
                                 "ellas han sido guardados en diferentes archivos\r\n\r\n¿Desea abrir en "
                                 "elexplorador de Windows la carpeta ") +
                              targetText + "?")) == store::Answer::Yes)
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(target.string())));
}

}  // namespace baltu::insumos::ui
