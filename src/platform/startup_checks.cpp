#include "platform/startup_checks.h"

#include <QGuiApplication>
#include <QScreen>

#include <cstdlib>

#include "store/text.h"

namespace baltu::platform {

std::string narrowScreenWarning() {
  return store::cp(
      "Baltu ha sido diseñado para utilizar una resolución mínima de pantalla de "
      "800x600 pixeles. Si continúa, el programa se ejecutará pero parte de las "
      "ventanas no podrán mostrarse correctamente y no podrá utilizarlo.\r\n\r\n"
      "Seleccione Cancelar para salir del programa, cambie la resolución de su "
      "pantalla y vuelva a ejecutar Baltu.");
}

bool runPlatformChecks(store::UserInterface& ui, bool hasScreen, int screenWidth) {
  if (!hasScreen) {
    store::Message message;
    message.text = store::cp("Baltu necesita una pantalla gráfica para ejecutarse.");
    message.icon = store::MessageIcon::Error;
    ui.showMessage(message);
    return false;
  }
  if (screenWidth >= 800) return true;
  store::Message message;
  message.text = narrowScreenWarning();
  message.icon = store::MessageIcon::Exclamation;
  message.buttons = store::MessageButtons::OkCancel;
  message.defaultButton = 1;
  return ui.showMessage(message) != store::Answer::Cancel;
}

bool runPlatformChecks(store::UserInterface& ui) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return runPlatformChecks(ui, screen != nullptr, screen != nullptr ? screen->geometry().width() : 0);
}

bool displayAvailable() {
  for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return true;
  }
  return false;
}

}  // namespace baltu::platform
