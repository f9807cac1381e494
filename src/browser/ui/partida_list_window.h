// The partida list window of one guide (or of GUIA 0): the partidas in a large
// list, the selected one's data and analysis lines, the administrative values
// in force, the search tools and the marks. A new window is built at each
// opening; marks and search results last while it is open.
#pragma once

#include <QDialog>

#include <array>
#include <memory>

#include "browser/partida_list.h"
#include "platform/qt_user_interface.h"
#include "store/guide_id.h"
#include "store/startup.h"

class QCheckBox;
class QItemSelection;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTableView;

namespace baltu::reports::ui {
class BannerWidget;
}

namespace baltu::browser::ui {

class DetailPanel;
class PartidaListModel;

class PartidaListWindow : public QDialog {
  Q_OBJECT

 public:
  // The guide must be loaded and priced (GUIA 0 built by the guide selection).
  PartidaListWindow(store::Program& program, BrowsingState& browsing, platform::QtUserInterface& ui,
                    store::Guide guide, QWidget* parent = nullptr);
  ~PartidaListWindow() override;

  const PartidaList& list() const { return list_; }
  QTableView* view() const { return view_; }

 protected:
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void buildControls();
  QWidget* buildSelectedFrame();
  QWidget* buildAdminFrame();
  QWidget* buildSearchFrame(QSize bannerSize);
  QWidget* buildMarkingRow();
  QWidget* buildCounterRow();
  QWidget* buildRightColumn();
  void setUpView();
  void loadOptions();

  // Search, filter and marks.
  void search();
  void newSearch();
  void applyNewSearch(bool clearText);
  void filterRows();
  void resetRows();
  void markAll();
  void unmarkAll();
  void toggleSelectedMarks();
  void markClicked(const QModelIndex& index);
  void sortByHeader(int column);
  void chooseSearchKind();
  void oneStepToggled(bool ticked);
  void keepTextToggled(bool ticked);
  void hideShadingToggled(bool ticked);

  // Values.
  void changeValues();
  void excludeEquipment();
  void valuesDialogClosed(bool saved);
  void pricesChanged();
  void writeAdminPanel();
  void paintEquipmentSquare();

  // Keeping the view, the counters and the panel in step with the list.
  void viewSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);
  void showListSelection();
  void showCounters();
  void showMarkedCount();
  void showSelectedRow();
  void showRow(std::size_t row);
  void blankSelectedRow();
  void scrollToTop();
  void disableFilter();
  void saveSettings();
  SearchOptions searchOptions() const;

  store::Program& program_;
  pricing::PricingSession& session_;
  BrowsingState& browsing_;
  platform::QtUserInterface& ui_;
  const store::Guide guide_;
  PartidaList list_;
  bool searching_ = false;
  bool syncingSelection_ = false;

  PartidaListModel* model_ = nullptr;
  QTableView* view_ = nullptr;
  DetailPanel* detail_ = nullptr;
  reports::ui::BannerWidget* banner_ = nullptr;

  QLabel* coveninValue_ = nullptr;
  QLabel* unitValue_ = nullptr;
  QLabel* rendimientoValue_ = nullptr;
  QLabel* basePriceValue_ = nullptr;
  QLabel* fcasValue_ = nullptr;
  QPlainTextEdit* description_ = nullptr;

  std::array<QLabel*, 5> adminValues_{};
  std::array<QLabel*, 5> adminMarkers_{};
  QLabel* equipmentSquare_ = nullptr;

  QLineEdit* searchBox_ = nullptr;
  QPushButton* filterButton_ = nullptr;
  QCheckBox* oneStepBox_ = nullptr;
  QCheckBox* keepTextBox_ = nullptr;
  QRadioButton* byCode_ = nullptr;
  QRadioButton* byDescription_ = nullptr;
  QRadioButton* byCovenin_ = nullptr;

  QLabel* markedCount_ = nullptr;
  QLabel* counterLabel_ = nullptr;
  QCheckBox* hideShading_ = nullptr;
  QLabel* selectedCount_ = nullptr;
  QLabel* totalCount_ = nullptr;
  QPushButton* analysisButton_ = nullptr;
};

// Opens the list of a guide modally; the guide becomes the current guide.
void runPartidaListWindow(store::Program& program, BrowsingState& browsing, platform::QtUserInterface& ui,
                          store::Guide guide, QWidget* parent);

}  // namespace baltu::browser::ui
