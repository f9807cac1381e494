#include "platform/shell.h"

#include <QDesktopServices>
#include <QDir>

#include <system_error>

namespace baltu::platform {
namespace {

UrlOpener& urlOpener() {
  static UrlOpener opener;
  return opener;
}

bool openUrl(const QUrl& url) {
  if (urlOpener()) return urlOpener()(url);
  return QDesktopServices::openUrl(url);
}

QUrl fileUrl(const std::filesystem::path& path) {
  return QUrl::fromLocalFile(QString::fromStdString(std::filesystem::absolute(path).string()));
}

}  // namespace

std::string noApplicationMessage(DocumentKind kind) {
  std::string program;
  switch (kind) {
    case DocumentKind::Spreadsheet: program = "que tener instalado Microsoft Excel"; break;
    case DocumentKind::Text: program = "que tener instalado el Block de Notas de Microsoft."; break;
    case DocumentKind::WordProcessor: program = "que tener instalado Microsoft Word"; break;
  }
  return "Para poder visualizar este documento tiene\r\n" + program;
}

bool openDocument(const std::filesystem::path& file, DocumentKind kind, store::UserInterface& ui) {
  std::error_code error;
  if (file.empty() || !std::filesystem::is_regular_file(file, error)) {
    store::Message message;
    message.text = "No se encuentra el documento que intenta ver";
    message.icon = store::MessageIcon::Error;
    ui.showMessage(message);
    return false;
  }
  if (openUrl(fileUrl(file))) return true;
  store::Message message;
  message.text = noApplicationMessage(kind);
  message.icon = store::MessageIcon::Exclamation;
  ui.showMessage(message);
  return false;
}

bool openFolder(const std::filesystem::path& folder) {
  if (folder.empty()) return openUrl(QUrl::fromLocalFile(QDir::homePath()));
  return openUrl(fileUrl(folder));
}

bool openWebPage(const QString& address) { return openUrl(QUrl(address)); }

void setUrlOpener(UrlOpener opener) { urlOpener() = std::move(opener); }

}  // namespace baltu::platform
