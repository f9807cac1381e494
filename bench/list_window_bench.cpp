// The partida list window on guide 1 of a full-scale sample edition: opening
// it, scrolling a page of rows never drawn before (their recalculated prices
// are computed as they are drawn), selecting every row, and a search typed in
// the box. Runs offscreen unless QT_QPA_PLATFORM says otherwise.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

#include <memory>

#include "bench_edition.h"
#include "browser/ui/partida_list_window.h"
#include "platform/qt_user_interface.h"
#include "platform/screen.h"
#include "store/startup.h"

namespace {

using namespace baltu;

store::Program& program() { return bench::startedEdition(); }

struct Window {
  platform::QtUserInterface ui;
  browser::BrowsingState browsing;
  browser::ui::PartidaListWindow window{program(), browsing, ui, store::Guide::Guia1};

  Window() {
    window.show();
    QApplication::processEvents();
  }
  // Paints the list's visible rows now, as the screen would.
  void draw() { window.view()->viewport()->grab(); }
};

void openWindow(benchmark::State& state) {
  program();
  for (auto _ : state) {
    Window open;
    open.draw();
  }
}
BENCHMARK(openWindow)->Unit(benchmark::kMillisecond);

void scrollPageFirstDraw(benchmark::State& state) {
  Window open;
  QScrollBar* bar = open.window.view()->verticalScrollBar();
  for (auto _ : state) {
    if (bar->value() >= bar->maximum()) {
      state.PauseTiming();
      open.window.view()->scrollToTop();
      state.ResumeTiming();
    }
    bar->setValue(bar->value() + bar->pageStep());
    open.draw();
  }
  state.counters["rowsPerPage"] = bar->pageStep();
}
// One pass down the list: every page is drawn for the first time.
BENCHMARK(scrollPageFirstDraw)->Unit(benchmark::kMillisecond)->Iterations(200);

void selectEveryRow(benchmark::State& state) {
  Window open;
  QTableView* view = open.window.view();
  for (auto _ : state) {
    view->selectAll();
    view->clearSelection();
  }
}
BENCHMARK(selectEveryRow)->Unit(benchmark::kMillisecond);

void searchTypedInTheBox(benchmark::State& state) {
  Window open;
  auto* box = open.window.findChild<QLineEdit*>(QStringLiteral("searchBox"));
  for (auto _ : state) {
    box->setText(QStringLiteral("concreto"));
    QTest::keyClick(box, Qt::Key_Return);
    open.draw();
  }
}
BENCHMARK(searchTypedInTheBox)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  platform::initResources();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
