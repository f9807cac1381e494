// Helpers of the window tests: a tiny edition started up in throw-away
// folders, answering modal windows, and screenshots for a person to look at.
#pragma once

#include <QApplication>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <cstdlib>
#include <functional>
#include <memory>

#include "mkedition/sample_edition.h"
#include "store/startup.h"
#include "support/scripted_ui.h"
#include "support/temp_folder.h"
#include "support/tiny_edition.h"

namespace baltu::test {

// A tiny edition in its own folder, started up with its settings in another.
struct StartedEdition {
  TempFolder programFolder;
  TempFolder commonDocuments;
  ScriptedUi startupUi;
  std::unique_ptr<store::Program> program;

  explicit StartedEdition(const TinyEdition& edition, std::vector<std::string> arguments = {}) {
    writeTinyEdition(programFolder.path(), edition);
    start(std::move(arguments));
  }

  // A small sample edition of the generator (about a hundred partidas a guide).
  explicit StartedEdition(const mkedition::SampleEditionOptions& sample, std::vector<std::string> arguments = {}) {
    if (!mkedition::writeSampleEdition(programFolder.path(), sample)) return;
    start(std::move(arguments));
  }

 private:
  void start(std::vector<std::string> arguments) {
    setenv("BALTU_COMMON_DOCUMENTS", commonDocuments.path().c_str(), 1);
    store::StartupOptions options;
    options.startFolder = programFolder.path();
    options.commonDocumentsFolder = commonDocuments.path();
    options.arguments = std::move(arguments);
    options.availableMemoryMb = [] { return 4096LL; };
    program = store::runStartup(options, startupUi);
  }
};

// Runs `handle` on the next modal window once it is open (for windows shown with exec()).
inline void whenModalOpens(std::function<void(QWidget*)> handle) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, handle = std::move(handle)] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      timer->stop();
      timer->deleteLater();
      handle(modal);
    }
  });
  timer->start();
}

// Saves a picture of the widget into $BALTU_SCREENSHOTS, when that is set.
inline void screenshot(QWidget& widget, const QString& name) {
  const QByteArray folder = qgetenv("BALTU_SCREENSHOTS");
  if (folder.isEmpty()) return;
  widget.grab().save(QString::fromLocal8Bit(folder) + QStringLiteral("/") + name + QStringLiteral(".png"));
}

}  // namespace baltu::test
