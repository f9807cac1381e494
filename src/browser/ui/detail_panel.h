// The three lists under the partida list: the materials, equipment and labour
// of the selected partida, each line priced from the insumo tables. A double
// click on a line shows that insumo's detail window.
#pragma once

#include <QWidget>

#include <array>
#include <string_view>

#include "browser/detail_lines.h"
#include "platform/qt_user_interface.h"
#include "store/startup.h"

class QLabel;
class QTableWidget;

namespace baltu::browser::ui {

class DetailPanel : public QWidget {
  Q_OBJECT

 public:
  DetailPanel(store::Program& program, store::Guide guide, platform::QtUserInterface& ui, QWidget* parent = nullptr);

  // The lines of the partida whose code (F1) is `partidaCode`.
  void showPartida(std::string_view partidaCode);
  // Empty lists titled "Materiales (0)", "Equipos (0)" and "Mano de Obra (0)".
  void blank();

  QTableWidget* list(InsumoKind kind) const { return lists_[static_cast<std::size_t>(kind)]; }
  QLabel* title(InsumoKind kind) const { return titles_[static_cast<std::size_t>(kind)]; }
  const DetailLines& lines() const { return lines_; }

 private:
  void fill(InsumoKind kind);
  void openInsumo(InsumoKind kind, int row);

  store::Program& program_;
  store::Guide guide_;
  platform::QtUserInterface& ui_;
  bool withCodes_;
  DetailLines lines_;
  std::array<QLabel*, 3> titles_{};
  std::array<QTableWidget*, 3> lists_{};
};

}  // namespace baltu::browser::ui
