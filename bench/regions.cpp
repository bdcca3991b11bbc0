// What a user feels in the region editor: dragging the tolerance slider
// with Shift held on a 1024 x 1024 layer, each step a colour-range
// selection over the whole picture and a redraw of the part the editor's
// scroll box shows; and the layers list refreshed over a full desk.
#include <benchmark/benchmark.h>

#include <iomanip>
#include <iostream>
#include <memory>

#include "editing/region_edit.h"
#include "editing/region_edit_window_layout.h"
#include "support/ratio_reporter.h"
#include "work/desk_observer.h"
#include "work/layers_list.h"
#include "work/work_desk.h"

namespace {

using lumena::Picture;

constexpr int kSide = 1024;
constexpr int kDragSteps = 100;

// Soft gradients, so that every tolerance step takes and drops pixels.
Picture Portrait() {
  Picture p(kSide, kSide);
  for (int y = 0; y < kSide; ++y)
    for (int x = 0; x < kSide; ++x)
      p.At(x, y) = {static_cast<uint8_t>(x / 4), static_cast<uint8_t>(y / 4), static_cast<uint8_t>((x + y) / 8), 255};
  return p;
}

struct EditorOnALayer {
  lumena::DeskObserver observer;
  lumena::TWorkDesk desk{observer, lumena::DeskGeometry{}};
  lumena::RegionEdit edit;
  Picture shown;
  const lumena::Rect box{0, 0, lumena::kScrollBoxWidth, lumena::kScrollBoxHeight};

  EditorOnALayer() {
    auto layer = std::make_unique<lumena::TLayer>(desk);
    layer->Init(Portrait(), nullptr);
    layer->Mask().SetPicture(layer->WorkPicture());
    layer->Mask().SetCurrentRegion(1);
    edit.Load(*layer);
    desk.InsertLayer(std::move(layer));
    edit.Click({300, 300}, {}, lumena::ClickButton::Left);
  }
};

void ShiftToleranceDrag(benchmark::State& state) {
  EditorOnALayer e;
  int value = lumena::kToleranceStart, direction = 1;
  for (auto _ : state) {
    for (int step = 0; step < kDragSteps; ++step) {
      if (value >= lumena::kToleranceMax || value <= 0) direction = -direction;
      value += direction;
      e.edit.ChangeTolerance(value, true);
      e.edit.DrawDisplay(e.shown, e.box);
    }
    benchmark::DoNotOptimize(e.shown.Bytes());
  }
  state.counters["steps_per_second"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * kDragSteps, benchmark::Counter::kIsRate);
}

BENCHMARK(ShiftToleranceDrag)->Unit(benchmark::kMillisecond)->UseRealTime();

// The layers list's refresh: an entry with its thumbnail for every layer of
// a full desk.
void LayersListRefresh(benchmark::State& state) {
  lumena::DeskObserver observer;
  lumena::TWorkDesk desk{observer, lumena::DeskGeometry{}};
  const Picture full = [] {
    Picture p(890, 984);
    for (int y = 0; y < p.Height(); ++y)
      for (int x = 0; x < p.Width(); ++x) p.At(x, y) = {static_cast<uint8_t>(x), static_cast<uint8_t>(y), 90, 255};
    return p;
  }();
  for (int i = 0; i < 30; ++i) {
    auto layer = std::make_unique<lumena::TLayer>(desk);
    layer->Init(full, nullptr);
    desk.InsertLayer(std::move(layer));
  }
  for (auto _ : state) benchmark::DoNotOptimize(lumena::ListEntriesOf(desk));
}

BENCHMARK(LayersListRefresh)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  lumena::bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  // Fastest run, in milliseconds per iteration.
  const double drag = reporter.Time("ShiftToleranceDrag/");
  if (drag > 0)
    std::cout << "region editor shift-tolerance drag, layer 1024x1024: " << static_cast<int>(kDragSteps * 1000.0 / drag)
              << " steps per second\n";
  if (const double refresh = reporter.Time("LayersListRefresh/"); refresh > 0)
    std::cout << "layers list refresh, 30 layers 890x984: " << std::fixed << std::setprecision(1) << refresh << " ms\n";
  benchmark::Shutdown();
  return 0;
}
