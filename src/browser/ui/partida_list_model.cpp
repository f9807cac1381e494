#include "browser/ui/partida_list_model.h"

#include <QBrush>
#include <QColor>
#include <QPainter>
#include <QPen>

#include <array>

#include "platform/text_conversion.h"
#include "store/text.h"

namespace baltu::browser::ui {
namespace {

constexpr Qt::Alignment kLeft = Qt::AlignLeft;
constexpr Qt::Alignment kCentre = Qt::AlignHCenter;
constexpr Qt::Alignment kRight = Qt::AlignRight;

// The title of column 9 holds a soft hyphen before "Bono".
const std::array<ListColumn, 11> kColumns = {{{"", 24, kRight},
                                              {"Código ", 60, kCentre},
                                              {"Descripción", 430, kLeft},
                                              {"COVENIN", 92, kCentre},
                                              {"Unidad", 60, kCentre},
                                              {"Rendimiento", 82, kRight},
                                              {"P.U. Base (Bs.)", 107, kRight},
                                              {"P.U. Recalculado (Bs.)", 128, kRight},
                                              {"FCAS1 (+ Bono)", 89, kRight},
                                              {"FCAS2 (\u00AD Bono)", 89, kRight},
                                              {"Unid./Cant./Rend.", 105, kCentre}}};
const ListColumn kGuide6Covenin = {"CODIGO", 92, kCentre};

const QColor kShading(225, 225, 225);

}  // namespace

const ListColumn& listColumn(int column, store::Guide guide) {
  if (column == static_cast<int>(store::field::kCovenin) && guide == store::Guide::Guia6) return kGuide6Covenin;
  return kColumns.at(static_cast<std::size_t>(column));
}

QPixmap checkPicture() {
  QPixmap picture(16, 16);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(96, 96, 96), 1));
  painter.setBrush(Qt::white);
  painter.drawRect(QRectF(1.5, 1.5, 12, 12));
  painter.setPen(QPen(QColor(0, 128, 0), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  const QPointF tick[] = {{4, 8}, {7, 11}, {13, 3}};
  painter.drawPolyline(tick, 3);
  return picture;
}

PartidaListModel::PartidaListModel(PartidaList& list, pricing::PricingSession& session, store::UserInterface& ui,
                                   QObject* parent)
    : QAbstractTableModel(parent), list_(list), session_(session), ui_(ui) {}

int PartidaListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(list_.rowCount());
}

int PartidaListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kLastColumn + 1; }

QVariant PartidaListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const auto row = static_cast<std::size_t>(index.row());
  const int column = index.column();
  switch (role) {
    case Qt::DisplayRole: {
      if (column == kMarkColumn) return {};
      std::string_view field;
      if (column == kRecalculatedColumn) {
        // Recalculated prices are computed for the rows drawn, when first drawn.
        field = list_.recalculatedPrice(row, session_.context(ui_), session_.guide(list_.guide()));
      } else {
        field = list_.row(row).field(static_cast<std::size_t>(column));
      }
      // Numbers are stored right-aligned to a fixed width; the column aligns them
      // itself, so the padding would only push the digits out of a narrow column.
      return QString(QLatin1Char(' ') + platform::fromCp1252(store::trim(field)) + QLatin1Char(' '));
    }
    case Qt::CheckStateRole:
      if (column == kMarkColumn) return list_.isMarked(row) ? Qt::Checked : Qt::Unchecked;
      return {};
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(listColumn(column, list_.guide()).alignment | Qt::AlignVCenter);
    case Qt::BackgroundRole:
      if (!shadingHidden_ && row % 2 == 0) return QBrush(kShading);
      return QBrush(Qt::white);
    default:
      return {};
  }
}

QVariant PartidaListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section > kLastColumn) return {};
  if (role == Qt::DisplayRole) return QString::fromUtf8(listColumn(section, list_.guide()).title);
  if (role == Qt::DecorationRole && section == kMarkColumn) return checkPicture();
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
  return {};
}

void PartidaListModel::rowsRearranged() {
  beginResetModel();
  endResetModel();
}

void PartidaListModel::rowsChanged() {
  if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, kLastColumn));
}

void PartidaListModel::setShadingHidden(bool hidden) {
  shadingHidden_ = hidden;
  rowsChanged();
}

}  // namespace baltu::browser::ui
