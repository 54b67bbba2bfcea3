// How long one click takes in the editor alone, and through the whole Qt window.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <memory>

#include "editor/editing.h"
#include "forms/qt/qt_form.h"
#include "window/main_window.h"

namespace velmora {
namespace {

void BM_ToggleCell(benchmark::State& state) {
  GlyphGrid grid;
  LoadWindow(grid);
  int cell = 0;
  for (auto _ : state) {
    ToggleCell(grid, cell);
    cell = (cell + 11) % kCellCount;
    benchmark::DoNotOptimize(grid);
  }
}
BENCHMARK(BM_ToggleCell);

void BM_SelectInk(benchmark::State& state) {
  GlyphGrid grid;
  LoadWindow(grid);
  int entry = 1;
  for (auto _ : state) {
    SelectInk(grid, entry);
    entry = entry % 47 + 1;
  }
}
BENCHMARK(BM_SelectInk);

// A click on a matrix button, from the button's signal to every widget updated
// (painting happens later, when the event loop runs).
void BM_WindowCellClick(benchmark::State& state) {
  forms::qt::QtForm form;
  MainWindow window(form);
  form.Show();
  auto* cell = static_cast<QAbstractButton*>(form.Find("Command2", 20)->widget());
  for (auto _ : state) cell->click();
}
BENCHMARK(BM_WindowCellClick);

// Creating the whole window with its 151 controls, shown.
void BM_WindowCreation(benchmark::State& state) {
  for (auto _ : state) {
    forms::qt::QtForm form;
    MainWindow window(form);
    form.Show();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_WindowCreation)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
