// Handing documents, folders and web pages to the desktop's own applications,
// with the program's messages when that fails.
#pragma once

#include <QString>
#include <QUrl>

#include <filesystem>
#include <functional>

#include "store/user_interface.h"

namespace baltu::platform {

// The kind of application a document needs; it names the program in the message
// shown when none is there.
enum class DocumentKind { Spreadsheet, Text, WordProcessor };

// Opens a document with the desktop's application for its type. A missing file
// gives "No se encuentra el documento que intenta ver", a type no application
// takes the two-line message naming the program. True when it was handed over.
bool openDocument(const std::filesystem::path& file, DocumentKind kind, store::UserInterface& ui);

// Shows a folder in the file manager; an empty path shows the home folder.
bool openFolder(const std::filesystem::path& folder);

// Opens a web address in the default browser.
bool openWebPage(const QString& address);

// The text of the message for a document no application takes.
std::string noApplicationMessage(DocumentKind kind);

// Replaces QDesktopServices::openUrl (window tests); an empty function restores it.
using UrlOpener = std::function<bool(const QUrl&)>;
void setUrlOpener(UrlOpener opener);

}  // namespace baltu::platform
