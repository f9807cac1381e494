#include "browser/ui/detail_panel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "browser/ui/insumo_detail_dialog.h"
#include "platform/text_conversion.h"

namespace baltu::browser::ui {
namespace {

constexpr std::array<InsumoKind, 3> kKinds = {InsumoKind::Material, InsumoKind::Equipment, InsumoKind::Labour};

Qt::Alignment alignmentOf(ColumnAlignment alignment) {
  switch (alignment) {
    case ColumnAlignment::Centre: return Qt::AlignHCenter | Qt::AlignVCenter;
    case ColumnAlignment::Right: return Qt::AlignRight | Qt::AlignVCenter;
    case ColumnAlignment::Left: break;
  }
  return Qt::AlignLeft | Qt::AlignVCenter;
}

}  // namespace

DetailPanel::DetailPanel(store::Program& program, store::Guide guide, platform::QtUserInterface& ui, QWidget* parent)
    : QWidget(parent), program_(program), guide_(guide), ui_(ui), withCodes_(program.switches.sortByCode) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  static constexpr std::array<const char*, 3> kNames = {"materials", "equipment", "labour"};
  for (InsumoKind kind : kKinds) {
    const auto k = static_cast<std::size_t>(kind);
    auto* column = new QVBoxLayout;
    titles_[k] = new QLabel;
    titles_[k]->setObjectName(QStringLiteral("%1Title").arg(QLatin1String(kNames[k])));
    auto* list = new QTableWidget(this);
    list->setObjectName(QStringLiteral("%1List").arg(QLatin1String(kNames[k])));
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setShowGrid(true);
    list->setWordWrap(false);
    list->verticalHeader()->hide();
    list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list->verticalHeader()->setDefaultSectionSize(list->fontMetrics().height() + 4);
    list->setMinimumHeight((list->fontMetrics().height() + 4) * 6);
    list->horizontalHeader()->setHighlightSections(false);
    const std::vector<DetailColumn> columns = shownDetailColumns(kind, withCodes_);
    list->setColumnCount(static_cast<int>(columns.size()));
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
      const DetailColumn& shown = columns[static_cast<std::size_t>(c)];
      auto* header = new QTableWidgetItem(platform::fromCp1252(shown.title));
      list->setHorizontalHeaderItem(c, header);
      list->setColumnWidth(c, shown.width);
    }
    connect(list, &QTableWidget::cellDoubleClicked, this, [this, kind](int row, int) { openInsumo(kind, row); });
    lists_[k] = list;
    column->addWidget(titles_[k]);
    column->addWidget(list, 1);
    layout->addLayout(column, 1);
  }
  blank();
}

void DetailPanel::showPartida(std::string_view partidaCode) {
  pricing::PricingSession& session = *program_.pricing;
  const DetailSources sources = detailSources(session.context(ui_), session.guide(guide_));
  lines_ = buildDetailLines(sources, partidaCode);
  for (InsumoKind kind : kKinds) fill(kind);
}

void DetailPanel::blank() {
  lines_ = {};
  for (InsumoKind kind : kKinds) fill(kind);
}

void DetailPanel::fill(InsumoKind kind) {
  const auto k = static_cast<std::size_t>(kind);
  QTableWidget* list = lists_[k];
  const std::vector<store::Record>& lines = lines_.of(kind);
  const std::vector<DetailColumn> columns = shownDetailColumns(kind, withCodes_);
  list->setUpdatesEnabled(false);
  list->clearContents();
  list->setRowCount(static_cast<int>(lines.size()));
  for (int row = 0; row < static_cast<int>(lines.size()); ++row) {
    const store::Record& line = lines[static_cast<std::size_t>(row)];
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
      const DetailColumn& shown = columns[static_cast<std::size_t>(c)];
      auto* item = new QTableWidgetItem(platform::fromCp1252(line.field(shown.field)));
      item->setTextAlignment(alignmentOf(shown.alignment));
      list->setItem(row, c, item);
    }
  }
  list->setUpdatesEnabled(true);
  titles_[k]->setText(platform::fromCp1252(detailListTitle(kind, lines.size())));
}

void DetailPanel::openInsumo(InsumoKind kind, int row) {
  const std::vector<store::Record>& lines = lines_.of(kind);
  if (row < 0 || static_cast<std::size_t>(row) >= lines.size()) return;
  runInsumoDetailDialog(kind, lines[static_cast<std::size_t>(row)], withCodes_, this);
}

}  // namespace baltu::browser::ui
