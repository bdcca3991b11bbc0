// A slider step: RenderDesk of an 890 x 984 layer with hue, saturation,
// brightness and contrast all changed, then the desk's composition; against
// ImageMagick's modulate of the same picture in the same run.
#include <benchmark/benchmark.h>

#include "support/ratio_reporter.h"

#include <Magick++.h>

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "images/magick_setup.h"
#include "work/desk_host.h"
#include "work/quiet_desk_host.h"
#include "work/layer.h"
#include "work/work_desk.h"

namespace {

using lumena::Picture;

constexpr int kWidth = 890;
constexpr int kHeight = 984;

const Picture& portrait() {
  static const Picture picture = [] {
    Picture p(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) {
        const bool inside = x > 40 && y > 40 && x < kWidth - 40 && y < kHeight - 40;
        p.at(x, y) = {static_cast<uint8_t>(x / 4 + (x * y) % 13), static_cast<uint8_t>(y / 4 + x % 7),
                      static_cast<uint8_t>((x + y) / 8), static_cast<uint8_t>(inside ? 255 : (x * 3 + y) % 256)};
      }
    return p;
  }();
  return picture;
}

// The windows are not there: nothing to show.
void ours_render_and_compose(benchmark::State& state) {
  lumena::QuietDeskHost host(true);
  lumena::DeskGeometry geometry;
  geometry.scale = state.range(0) / 100.0;
  geometry.centreView();
  lumena::TWorkDesk desk(host, geometry);
  auto layer = std::make_unique<lumena::TLayer>(desk);
  layer->Init(portrait(), nullptr);
  layer->Mask().SetPicture(layer->WorkPicture());
  layer->SetHue(130);
  layer->SetSaturation(80);
  layer->SetBrightness(115);
  layer->SetContrast(120);
  lumena::TLayer& ref = *layer;
  desk.InsertLayer(std::move(layer));
  const lumena::Rect window{0, 0, geometry.windowWidth, geometry.windowHeight};
  for (auto _ : state) {
    ref.RenderDesk();
    desk.ComposeArea(window, lumena::DeskTarget::DeskImage);
    benchmark::DoNotOptimize(desk.DeskImage().bytes());
  }
  state.counters["per_second"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void magick_modulate(benchmark::State& state) {
  lumena::EnsureImagingLibrary();
  Magick::Image source(kWidth, kHeight, "BGRA", Magick::CharPixel, portrait().bytes());
  for (auto _ : state) {
    Magick::Image image = source;
    image.modulate(115, 80, 130);
    image.contrast(true);
    benchmark::DoNotOptimize(image.constImageInfo());
  }
}

BENCHMARK(ours_render_and_compose)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(magick_modulate)->Unit(benchmark::kMillisecond)->UseRealTime();


}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  lumena::bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const double peer = reporter.time("magick_modulate/");
  for (const char* scale : {"100", "200"}) {
    const double ours = reporter.time(std::string("ours_render_and_compose/") + scale);
    if (ours > 0) std::cout << "RenderDesk + ComposeArea at scale " << scale << "%: " << 1000.0 / ours << " per second";
    if (ours > 0 && peer > 0) std::cout << ", ratio to ImageMagick modulate of the whole picture: " << ours / peer;
    std::cout << '\n';
  }
  benchmark::Shutdown();
  return 0;
}
