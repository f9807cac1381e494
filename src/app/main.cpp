// The desktop program: one running copy, the start-up sequence behind the
// splash window, then the main window until the user leaves.
#include <QApplication>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "browser/ui/main_window.h"
#include "browser/ui/splash_window.h"
#include "platform/qt_user_interface.h"
#include "platform/screen.h"
#include "platform/startup_checks.h"
#include "store/instance_lock.h"
#include "store/startup.h"

int main(int argc, char** argv) {
  using namespace baltu;
  if (!platform::displayAvailable()) {
    std::fputs("Baltu necesita una pantalla gráfica (DISPLAY o WAYLAND_DISPLAY) para ejecutarse.\n", stderr);
    return 1;
  }
  QApplication application(argc, argv);
  platform::initResources();
  QApplication::setApplicationName(QStringLiteral("Baltu"));
  QApplication::setDesktopFileName(QStringLiteral("baltu"));
  QApplication::setWindowIcon(platform::programIcon());
  platform::installSpanishTranslations(application);

  store::InstanceLock lock;
  if (lock.anotherRunning()) return 0;

  platform::QtUserInterface ui;
  store::StartupOptions options;
  std::error_code error;
  options.startFolder = std::filesystem::current_path(error);
  for (int i = 1; i < argc; ++i) options.arguments.emplace_back(argv[i]);
  const bool sortByCode = store::parseSwitches(options.arguments).sortByCode;

  std::unique_ptr<browser::ui::SplashWindow> splash;
  options.platformChecks = [&ui] { return platform::runPlatformChecks(ui); };
  options.openSplash = [&] {
    splash = std::make_unique<browser::ui::SplashWindow>(sortByCode);
    splash->show();
    ui.attachProgress(splash.get());
    QApplication::processEvents();
  };

  std::unique_ptr<store::Program> program = store::runStartup(options, ui);
  ui.attachProgress(nullptr);
  splash.reset();
  if (!program) return 1;

  browser::ui::MainWindow window(*program, ui);
  ui.setParentWidget(&window);
  window.showMaximized();
  QApplication::processEvents();
  window.showNoticeAtFirstRun();
  return application.exec();
}
