// How the partida list window is laid out: its frames, rows and buttons, and
// the main list's columns. What the controls do is in partida_list_window.cpp.
#include "browser/ui/partida_list_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QIcon>
#include <QTableView>
#include <QTextDocument>
#include <QVBoxLayout>

#include "browser/list_settings.h"
#include "browser/ui/detail_panel.h"
#include "browser/ui/partida_list_model.h"
#include "platform/help.h"
#include "platform/screen.h"
#include "platform/shell.h"
#include "platform/sound.h"
#include "platform/text_conversion.h"
#include "reports/banner_file.h"
#include "reports/ui/banner_widget.h"

namespace baltu::browser::ui {
namespace {

// Help page of the window (resources/help/index.txt).
constexpr int kHelpContext = 10109;
constexpr const char* kDistributorAddress = "https://baltu.example/distribuidores";

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

QLabel* valueLabel(const char* objectName) {
  auto* label = new QLabel;
  label->setObjectName(QString::fromLatin1(objectName));
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, QColor(0, 0, 128));
  label->setPalette(palette);
  return label;
}

// Frames hold their rows close together, as the dialog lays them out.
void tighten(QGridLayout* grid) {
  grid->setVerticalSpacing(1);
  grid->setContentsMargins(6, 4, 6, 4);
}

QPushButton* button(const char* caption, const char* objectName) {
  auto* b = new QPushButton(text(caption));
  b->setObjectName(QString::fromLatin1(objectName));
  b->setAutoDefault(false);
  return b;
}

// A picture button with its label beside it, as in the right column.
QWidget* pictureButton(QPushButton* b, const char* picture, const char* labelText) {
  auto* box = new QWidget;
  auto* layout = new QHBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  b->setIcon(QIcon(QStringLiteral(":/images/") + QLatin1String(picture)));
  b->setIconSize(QSize(24, 24));
  layout->addWidget(b);
  auto* label = new QLabel(text(labelText));
  label->setBuddy(b);
  layout->addWidget(label, 1);
  return box;
}

bool wholeScreenAtLeast(const QWidget* widget, int width, int height) {
  const QScreen* screen = platform::screenOf(widget);
  return screen != nullptr && screen->geometry().width() >= width && screen->geometry().height() >= height;
}

}  // namespace

void PartidaListWindow::buildControls() {
  auto* root = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  root->addLayout(left, 1);

  auto* top = new QHBoxLayout;
  top->addWidget(buildSelectedFrame(), 3);
  top->addWidget(buildAdminFrame(), 2);
  const reports::BannerChoice banner = reports::bannerFileName(platform::screenWidth(this));
  top->addWidget(buildSearchFrame(QSize(banner.controlWidth, banner.controlHeight)), 3);
  // The frames keep their own height; the lists take what is left.
  for (int i = 0; i < top->count(); ++i)
    top->itemAt(i)->widget()->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
  left->addLayout(top);
  left->addWidget(buildMarkingRow());

  view_ = new QTableView;
  view_->setObjectName(QStringLiteral("partidaList"));
  left->addWidget(view_, 3);
  left->addWidget(buildCounterRow());

  detail_ = new DetailPanel(program_, guide_, ui_, this);
  detail_->setObjectName(QStringLiteral("detailPanel"));
  left->addWidget(detail_, 2);

  root->addWidget(buildRightColumn());
}

QWidget* PartidaListWindow::buildSelectedFrame() {
  auto* frame = new QGroupBox(text("Detalle de la partida seleccionada"));
  frame->setObjectName(QStringLiteral("selectedFrame"));
  auto* grid = new QGridLayout(frame);
  tighten(grid);
  const bool guide6 = guide_ == store::Guide::Guia6;
  coveninValue_ = valueLabel("coveninValue");
  unitValue_ = valueLabel("unitValue");
  rendimientoValue_ = valueLabel("rendimientoValue");
  basePriceValue_ = valueLabel("basePriceValue");
  fcasValue_ = valueLabel("fcasValue");
  const std::array<std::pair<const char*, QLabel*>, 5> rows = {{{guide6 ? "Código: " : "Código COVENIN: ", coveninValue_},
                                                                {"Unidad de medida: ", unitValue_},
                                                                {"Rendimiento: ", rendimientoValue_},
                                                                {"P. Unitario Base Bs.: ", basePriceValue_},
                                                                {"F.C.A.S. (%): ", fcasValue_}}};
  for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
    grid->addWidget(new QLabel(text(rows[static_cast<std::size_t>(i)].first)), i, 0);
    grid->addWidget(rows[static_cast<std::size_t>(i)].second, i, 1);
  }
  description_ = new QPlainTextEdit;
  description_->setObjectName(QStringLiteral("description"));
  description_->setReadOnly(true);
  // Five lines of the description, whole.
  const int margins = 2 * (description_->frameWidth() + static_cast<int>(description_->document()->documentMargin()));
  description_->setFixedHeight(QFontMetrics(font()).lineSpacing() * 5 + margins);
  description_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->addWidget(description_, 5, 0, 1, 2);
  grid->setColumnStretch(1, 1);
  return frame;
}

QWidget* PartidaListWindow::buildAdminFrame() {
  auto* frame = new QGroupBox(text("Tabla de Valores Administrativos"));
  frame->setObjectName(QStringLiteral("adminFrame"));
  auto* grid = new QGridLayout(frame);
  tighten(grid);
  static constexpr std::array<const char*, 5> kCaptions = {"Administración (%): ", "Utilidad (%): ", "I.V.A. (%): ",
                                                           "F.C.A.S. (%): ", "Bono Alimenticio (Bs): "};
  for (std::size_t i = 0; i < kCaptions.size(); ++i) {
    const int row = static_cast<int>(i);
    grid->addWidget(new QLabel(text(kCaptions[i])), row, 0);
    adminValues_[i] = valueLabel("adminValue");
    adminValues_[i]->setObjectName(QStringLiteral("adminValue%1").arg(i));
    adminValues_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(adminValues_[i], row, 1);
    adminMarkers_[i] = new QLabel;
    adminMarkers_[i]->setObjectName(QStringLiteral("adminMarker%1").arg(i));
    grid->addWidget(adminMarkers_[i], row, 2);
  }
  auto* change = button("Cambia&r Valores", "changeValues");
  connect(change, &QPushButton::clicked, this, &PartidaListWindow::changeValues);
  grid->addWidget(change, 5, 0, 1, 3);
  auto* exclude = button("Excluír Equipo", "excludeEquipment");
  connect(exclude, &QPushButton::clicked, this, &PartidaListWindow::excludeEquipment);
  equipmentSquare_ = new QLabel;
  equipmentSquare_->setObjectName(QStringLiteral("equipmentSquare"));
  equipmentSquare_->setFixedSize(12, 12);
  auto* excludeRow = new QHBoxLayout;
  excludeRow->addWidget(exclude, 1);
  excludeRow->addWidget(equipmentSquare_);
  grid->addLayout(excludeRow, 6, 0, 1, 3);
  grid->setColumnStretch(1, 1);
  return frame;
}

QWidget* PartidaListWindow::buildSearchFrame(QSize bannerSize) {
  auto* frame = new QGroupBox(text("Ventana de Búsquedas"));
  frame->setObjectName(QStringLiteral("searchFrame"));
  auto* layout = new QVBoxLayout(frame);
  layout->setSpacing(2);
  layout->setContentsMargins(6, 4, 6, 4);

  auto* boxRow = new QHBoxLayout;
  auto* searchLabel = new QLabel(text("Buscar: "));
  searchBox_ = new QLineEdit;
  searchBox_->setObjectName(QStringLiteral("searchBox"));
  searchBox_->installEventFilter(this);
  searchLabel->setBuddy(searchBox_);
  auto* searchButton = button("&Buscar", "searchButton");
  connect(searchButton, &QPushButton::clicked, this, &PartidaListWindow::search);
  connect(searchBox_, &QLineEdit::returnPressed, this, [this, searchButton] {
    searchBox_->selectAll();
    searchButton->click();
  });
  boxRow->addWidget(searchLabel);
  boxRow->addWidget(searchBox_, 1);
  boxRow->addWidget(searchButton);
  layout->addLayout(boxRow);

  oneStepBox_ = new QCheckBox(text("Buscar -> Seleccionar -> Nueva búsqueda"));
  oneStepBox_->setObjectName(QStringLiteral("oneStep"));
  oneStepBox_->setToolTip(text("Esta opción permite que la acción repetitiva de BUSCAR, MARCAR\n"
                               "RECUADRO y efectuar NUEVA BÚSQUEDA se haga en un solo paso.\n"
                               "Esta acción sólo funciona si el resultado de la busqueda es una sola partida."));
  keepTextBox_ = new QCheckBox(text("No borrar texto a buscar"));
  keepTextBox_->setObjectName(QStringLiteral("keepText"));
  keepTextBox_->setToolTip(text("Para facilitar el uso de la opción BUSCAR, MARCAR y NUEVA BÚSQUEDA,\n"
                                " esta casilla evita que se borre el texto a buscar cuando está marcada."));
  layout->addWidget(oneStepBox_);
  layout->addWidget(keepTextBox_);

  auto* buttons = new QHBoxLayout;
  auto* newSearchButton = button("&Nueva Búsqueda", "newSearch");
  connect(newSearchButton, &QPushButton::clicked, this, &PartidaListWindow::newSearch);
  filterButton_ = button("&Filtrar Búsqueda", "filterButton");
  connect(filterButton_, &QPushButton::clicked, this, &PartidaListWindow::filterRows);
  auto* reset = button("Reinici&ar Listado", "resetButton");
  connect(reset, &QPushButton::clicked, this, &PartidaListWindow::resetRows);
  buttons->addWidget(newSearchButton);
  buttons->addWidget(filterButton_);
  buttons->addWidget(reset);
  layout->addLayout(buttons);

  auto* options = new QGroupBox(text("Opciones de búsqueda"));
  options->setObjectName(QStringLiteral("searchOptions"));
  auto* optionLayout = new QHBoxLayout(options);
  optionLayout->setContentsMargins(6, 2, 6, 2);
  auto* group = new QButtonGroup(options);
  // The option by code exists only with /I; without it the other two move up.
  if (program_.switches.sortByCode) {
    byCode_ = new QRadioButton(text("Por Códi&go"));
    byCode_->setObjectName(QStringLiteral("byCode"));
    group->addButton(byCode_);
    optionLayout->addWidget(byCode_);
  }
  byDescription_ = new QRadioButton(text("Por D&escripción"));
  byDescription_->setObjectName(QStringLiteral("byDescription"));
  byCovenin_ = new QRadioButton(text(guide_ == store::Guide::Guia6 ? "Por Código" : "Por Código C&OVENIN"));
  byCovenin_->setObjectName(QStringLiteral("byCovenin"));
  group->addButton(byDescription_);
  group->addButton(byCovenin_);
  optionLayout->addWidget(byDescription_);
  optionLayout->addWidget(byCovenin_);
  layout->addWidget(options);
  for (QAbstractButton* option : group->buttons())
    connect(option, &QAbstractButton::clicked, this, &PartidaListWindow::chooseSearchKind);

  banner_ = new reports::ui::BannerWidget(program_, bannerSize, ui_);
  banner_->setObjectName(QStringLiteral("banner"));
  connect(banner_, &reports::ui::BannerWidget::clicked, this, [this] {
    platform::playClickSound(this);
    platform::openWebPage(QString::fromLatin1(kDistributorAddress));
  });
  layout->addWidget(banner_, 0, Qt::AlignHCenter);
  return frame;
}

QWidget* PartidaListWindow::buildMarkingRow() {
  auto* row = new QWidget;
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* unmark = button("&Desmarcar todas", "unmarkAll");
  connect(unmark, &QPushButton::clicked, this, &PartidaListWindow::unmarkAll);
  auto* mark = button("&Marcar todas", "markAll");
  connect(mark, &QPushButton::clicked, this, &PartidaListWindow::markAll);
  layout->addWidget(unmark);
  layout->addWidget(mark);
  layout->addSpacing(12);
  layout->addWidget(new QLabel(text("Partidas Marcadas:")));
  markedCount_ = valueLabel("markedCount");
  layout->addWidget(markedCount_);
  auto* picture = new QLabel;
  picture->setPixmap(checkPicture());
  layout->addWidget(picture);
  layout->addStretch(1);
  return row;
}

QWidget* PartidaListWindow::buildCounterRow() {
  auto* row = new QWidget;
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  counterLabel_ = new QLabel;
  counterLabel_->setObjectName(QStringLiteral("counterLabel"));
  hideShading_ = new QCheckBox(text("Ocultar líneas guía"));
  hideShading_->setObjectName(QStringLiteral("hideShading"));
  connect(hideShading_, &QCheckBox::toggled, this, &PartidaListWindow::hideShadingToggled);
  selectedCount_ = valueLabel("selectedCount");
  totalCount_ = valueLabel("totalCount");
  layout->addWidget(counterLabel_);
  layout->addSpacing(12);
  layout->addWidget(hideShading_);
  layout->addStretch(1);
  layout->addWidget(new QLabel(text("Seleccionadas: ")));
  layout->addWidget(selectedCount_);
  layout->addSpacing(12);
  layout->addWidget(new QLabel(text("Total Partidas: ")));
  layout->addWidget(totalCount_);
  return row;
}

QWidget* PartidaListWindow::buildRightColumn() {
  auto* column = new QWidget;
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  // The analysis, partidas-as-insumos, insumo, budget and print windows come
  // with their own work; their buttons stay disabled until then.
  analysisButton_ = button("       &U", "analysisButton");
  analysisButton_->setEnabled(false);
  layout->addWidget(pictureButton(analysisButton_, "boton_analisis.png", "Análisis de\nPrecios\n&Unitarios"));
  auto* asInsumos = button("       &S", "asInsumosButton");
  asInsumos->setEnabled(false);
  layout->addWidget(pictureButton(asInsumos, "boton_partidas_insumos.png", "Partidas como\nIn&sumos"));
  auto* insumos = button("        &I", "insumosButton");
  insumos->setEnabled(false);
  layout->addWidget(pictureButton(insumos, "boton_insumos.png", "&Insumos"));
  layout->addSpacing(12);

  auto* budget = new QGroupBox(text("Presupuesto"));
  budget->setObjectName(QStringLiteral("budgetFrame"));
  auto* budgetLayout = new QHBoxLayout(budget);
  auto* byList = button("L", "budgetL");
  byList->setToolTip(text("Pulsando el botón \"L\" de Presupuesto, se colocan las partidas\n"
                          "marcadas en el orden en el que se muestran en el listado."));
  auto* byMarks = button("M", "budgetM");
  byMarks->setToolTip(text("Pulsando el botón \"M\" de Presupuesto, se colocan\n"
                           "las partidas marcadas en el orden en el que se marcaron."));
  byList->setEnabled(false);
  byMarks->setEnabled(false);
  budgetLayout->addWidget(byList);
  budgetLayout->addWidget(byMarks);
  layout->addWidget(budget);
  layout->addStretch(1);

  auto* print = button("Im&primir", "printButton");
  print->setEnabled(false);
  auto* close = button("&Cerrar", "closeButton");
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  auto* help = button("Ayuda", "helpButton");
  platform::connectHelp(this, help, kHelpContext);
  layout->addWidget(print);
  layout->addWidget(close);
  layout->addWidget(help);
  return column;
}

void PartidaListWindow::setUpView() {
  model_ = new PartidaListModel(list_, session_, ui_, this);
  view_->setModel(model_);
  view_->setSelectionBehavior(QAbstractItemView::SelectRows);
  view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view_->setShowGrid(true);
  view_->setWordWrap(false);
  view_->setTextElideMode(Qt::ElideRight);
  view_->setCornerButtonEnabled(false);
  view_->verticalHeader()->hide();
  view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  const int rowHeight = view_->fontMetrics().height() + 4;
  view_->verticalHeader()->setDefaultSectionSize(rowHeight);
  view_->setMinimumHeight(rowHeight * 14);
  QHeaderView* header = view_->horizontalHeader();
  header->setSectionsMovable(true);
  header->setSectionsClickable(true);
  header->setHighlightSections(false);
  header->setMinimumSectionSize(0);
  header->setStretchLastSection(false);
  for (int column = 0; column <= kLastColumn; ++column) header->resizeSection(column, listColumn(column, guide_).width);
  if (!program_.switches.sortByCode) {
    header->resizeSection(static_cast<int>(store::field::kCode), 0);
    header->hideSection(static_cast<int>(store::field::kCode));
  }
  if (wholeScreenAtLeast(this, 1280, 1024))
    header->resizeSection(static_cast<int>(store::field::kDescription), program_.switches.sortByCode ? 469 : 420);

  // Without the focus the selected rows take the button face, as the list shows them.
  QPalette palette = view_->palette();
  palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Active, QPalette::Button));
  palette.setColor(QPalette::Inactive, QPalette::HighlightedText, palette.color(QPalette::Active, QPalette::ButtonText));
  view_->setPalette(palette);

  connect(header, &QHeaderView::sectionClicked, this, &PartidaListWindow::sortByHeader);
  connect(view_, &QTableView::clicked, this, &PartidaListWindow::markClicked);
  connect(view_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
    if (index.column() != kMarkColumn && analysisButton_->isEnabled()) analysisButton_->click();
  });
  connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &PartidaListWindow::viewSelectionChanged);
  view_->installEventFilter(this);
}

void PartidaListWindow::loadOptions() {
  const pricing::ProgramSettings& settings = session_.settings();
  const SearchOptions options = storedSearchOptions(settings);
  switch (options.kind) {
    case SearchKind::Code:
      if (byCode_ != nullptr) byCode_->setChecked(true);
      break;
    case SearchKind::Description:
      byDescription_->setChecked(true);
      break;
    case SearchKind::Covenin:
      byCovenin_->setChecked(true);
      break;
  }
  const QSignalBlocker blockOneStep(oneStepBox_);
  const QSignalBlocker blockKeep(keepTextBox_);
  const QSignalBlocker blockShading(hideShading_);
  oneStepBox_->setChecked(options.oneStep);
  keepTextBox_->setChecked(options.keepText);
  keepTextBox_->setEnabled(options.oneStep);
  connect(oneStepBox_, &QCheckBox::toggled, this, &PartidaListWindow::oneStepToggled);
  connect(keepTextBox_, &QCheckBox::toggled, this, &PartidaListWindow::keepTextToggled);
  hideShading_->setChecked(shadingHidden(settings));
  model_->setShadingHidden(hideShading_->isChecked());
}

}  // namespace baltu::browser::ui
