// The main list of the partida list window: eleven columns answered from the
// window's PartidaList, so a guide of thousands of rows costs nothing to show.
#pragma once

#include <QAbstractTableModel>
#include <QPixmap>

#include "browser/partida_list.h"
#include "pricing/pricing_session.h"
#include "store/user_interface.h"

namespace baltu::browser::ui {

struct ListColumn {
  const char* title;  // UTF-8
  int width;          // pixels
  Qt::Alignment alignment;
};

// Columns 0..10; the code column's width is 0 without /I (the window hides it).
const ListColumn& listColumn(int column, store::Guide guide);

// The picture of the mark column's header and of "Partidas Marcadas:".
QPixmap checkPicture();

class PartidaListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  PartidaListModel(PartidaList& list, pricing::PricingSession& session, store::UserInterface& ui,
                   QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // Rows reordered, cut or grown (search, filter, sort, reset).
  void rowsRearranged();
  // Marks or recalculated prices changed; every row is drawn again.
  void rowsChanged();
  // "Ocultar líneas guía": even rows lose their grey.
  void setShadingHidden(bool hidden);
  bool shadingHidden() const { return shadingHidden_; }

 private:
  PartidaList& list_;
  pricing::PricingSession& session_;
  store::UserInterface& ui_;
  bool shadingHidden_ = false;
};

}  // namespace baltu::browser::ui
