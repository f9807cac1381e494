// The about box "Acerca de Baltu": picture, version, links and the revisions file.
#pragma once

#include <filesystem>

#include "store/user_interface.h"

class QWidget;

namespace baltu::browser::ui {

// Shows the box modally; "&Ver historial de revisiones" opens REVISIONES.TXT of
// the program folder.
void runAboutBox(const std::filesystem::path& programFolder, store::UserInterface& ui, QWidget* parent);

}  // namespace baltu::browser::ui
