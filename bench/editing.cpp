// What a user feels while editing: a hue-slider drag and a brush stroke on a
// desk of ten layers, each step through the whole path (the action, the
// layer's RenderDesk, ComposeArea of its area, and the window's paint of
// that area into an offscreen buffer, as the desk window paints it).
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <iostream>
#include <memory>

#include "editing/editing_questions.h"
#include "editing/editing_session.h"
#include "support/ratio_reporter.h"
#include "work/paint_stroke.h"

namespace {

using lumena::Picture;
using lumena::Pixel;

constexpr int kSliderSteps = 200;
constexpr int kStrokeDabs = 100;

Picture Pattern(int width, int height, int seed, bool holes) {
  Picture p(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const bool clear = holes && ((x / 16 + y / 16 + seed) % 3 == 0);
      p.At(x, y) = {static_cast<uint8_t>(x + seed * 20), static_cast<uint8_t>(y / 2 + seed),
                    static_cast<uint8_t>((x + y) / 4), static_cast<uint8_t>(clear ? 0 : 255 - (x * y) % 90)};
    }
  return p;
}

// The desk window's paint: the changed area of the desk picture drawn into
// the window's offscreen buffer.
class PaintingObserver : public lumena::DeskObserver {
 public:
  explicit PaintingObserver(const lumena::TWorkDesk*& desk) : desk_(desk) {}
  void AreaChanged(const lumena::Rect& area) override {
    const Picture& image = desk_->DeskImage();
    if (screen_.size() != QSize(image.Width(), image.Height()))
      screen_ = QImage(image.Width(), image.Height(), QImage::Format_ARGB32_Premultiplied);
    const QImage desk(image.Bytes(), image.Width(), image.Height(), image.Width() * 4, QImage::Format_ARGB32);
    QPainter painter(&screen_);
    const QRect rect(area.left, area.top, static_cast<int>(area.Width()), static_cast<int>(area.Height()));
    painter.drawImage(rect.topLeft(), desk, rect);
  }

 private:
  const lumena::TWorkDesk*& desk_;
  QImage screen_;
};

class NoQuestions : public lumena::EditingQuestions {
 public:
  bool Confirm(std::string_view) override { return false; }
  bool ConfirmText(std::string_view) override { return false; }
};

// Ten layers on a desk of 890 x 984 shown at 200 %: the portrait over the
// whole table, nine templates with holes over it; the portrait is active.
struct TenLayerDesk {
  const lumena::TWorkDesk* shown = nullptr;
  PaintingObserver observer{shown};
  lumena::TWorkDesk desk{observer, [] {
                           lumena::DeskGeometry g;
                           g.scale = 2.0;
                           g.CentreView();
                           return g;
                         }()};
  NoQuestions questions;
  lumena::EditingSession session{desk, questions};
  lumena::TLayer* portrait = nullptr;

  TenLayerDesk() {
    shown = &desk;
    desk.SetDeskVisible(true);
    for (int i = 0; i < 10; ++i) {
      auto layer = std::make_unique<lumena::TLayer>(desk);
      const bool back = i == 0;
      layer->Init(back ? Pattern(890, 984, 0, false) : Pattern(300, 260, i, true), nullptr);
      layer->SetPosition(back ? 0 : 60 * i, back ? 0 : 80 * i);
      layer->SetDepth(i);
      layer->Mask().SetPicture(layer->WorkPicture());
      layer->SetTransformMode(lumena::kModeNormal);
      if (back) portrait = layer.get();
      desk.InsertLayer(std::move(layer));
    }
    desk.RenderAll();
    desk.RefreshAll();
    desk.SetActive(desk.IndexOf(portrait));
  }
};

void SliderDrag(benchmark::State& state) {
  TenLayerDesk d;
  int value = 100;
  for (auto _ : state) {
    for (int step = 0; step < kSliderSteps; ++step) {
      value = value >= 199 ? 1 : value + 1;
      d.session.ChangeParameter(lumena::ColourField::Hue, value);
    }
  }
  state.counters["steps_per_second"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * kSliderSteps, benchmark::Counter::kIsRate);
}

void BrushStroke(benchmark::State& state) {
  TenLayerDesk d;
  d.session.SetLayerMode(lumena::LayerMode::Paint);
  for (auto _ : state) {
    lumena::PaintStroke stroke(d.desk, *d.portrait, lumena::PaintTool::Brush, false, {50, 60}, Pixel{40, 90, 200, 255},
                               {100, 100});
    for (int dab = 1; dab <= kStrokeDabs; ++dab) stroke.MoveTo({100 + dab * 6, 100 + dab * 7});
    stroke.Finish();
  }
  state.counters["dabs_per_second"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * kStrokeDabs, benchmark::Counter::kIsRate);
}

BENCHMARK(SliderDrag)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BrushStroke)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  lumena::bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  // Fastest run, in milliseconds per iteration.
  const double drag = reporter.Time("SliderDrag/"), stroke = reporter.Time("BrushStroke/");
  if (drag > 0)
    std::cout << "slider drag, 10 layers, desk 890x984 at 200%: " << static_cast<int>(kSliderSteps * 1000.0 / drag)
              << " steps per second\n";
  if (stroke > 0)
    std::cout << "brush stroke radius 50, 10 layers: " << static_cast<int>(kStrokeDabs * 1000.0 / stroke)
              << " dabs per second\n";
  benchmark::Shutdown();
  return 0;
}
