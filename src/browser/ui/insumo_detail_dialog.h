// The detail window of one insumo as a partida uses it, opened from a line of
// the detail lists.
#pragma once

#include "browser/detail_lines.h"
#include "store/record.h"

class QWidget;

namespace baltu::browser::ui {

// Shows the window modally; nothing happens for a line whose first shown text is empty.
void runInsumoDetailDialog(InsumoKind kind, const store::Record& line, bool withCodes, QWidget* parent);

}  // namespace baltu::browser::ui
