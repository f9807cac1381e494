// The notice "COMUNICADO": the legal notice and the edition's notes.
#pragma once

class QWidget;

namespace baltu::browser::ui {

// Shows the notice modally until "Cerrar".
void runNoticeDialog(QWidget* parent);

}  // namespace baltu::browser::ui
