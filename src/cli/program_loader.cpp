#include "cli/program_loader.h"

#include "store/text.h"

namespace baltu::cli {

std::unique_ptr<store::Program> loadProgram(const Invocation& invocation, store::UserInterface& ui) {
  store::StartupOptions options;
  options.startFolder = invocation.folder;
  options.arguments = invocation.switchWords;
  return store::runStartup(options, ui);
}

std::optional<store::Guide> loadedGuide(const store::Program& program, const std::string& name, std::ostream& err) {
  const auto guide = store::guideFromBaseName(name);
  if (!guide) {
    err << "Guía desconocida: " << name << " (GUIA1 ... GUIA7, 9000ED, 9000RM)\n";
    return std::nullopt;
  }
  if (program.guide(*guide) == nullptr) {
    err << "La guía " << name << " no está disponible en esta edición.\n";
    return std::nullopt;
  }
  return guide;
}

}  // namespace baltu::cli
