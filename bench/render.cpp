// A slider step: RenderDesk of an 890 x 984 layer with hue, saturation,
// brightness and contrast all changed, then the desk's composition; against
// ImageMagick doing the same steps on the same pixels in the same run: the
// part of the table the desk window shows, brought to the window's size,
// recoloured and laid over the desk's white. Run again on one core (the
// program starts itself a second time, bound to the first processor).
#include <Magick++.h>
#include <benchmark/benchmark.h>
#include <sched.h>
#include <unistd.h>

#include <cstring>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "images/magick_setup.h"
#include "support/ratio_reporter.h"
#include "work/desk_observer.h"
#include "work/layer.h"
#include "work/work_desk.h"

namespace {

using lumena::Picture;

constexpr int kWidth = 890;
constexpr int kHeight = 984;

const Picture& Portrait() {
  static const Picture picture = [] {
    Picture p(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) {
        const bool inside = x > 40 && y > 40 && x < kWidth - 40 && y < kHeight - 40;
        p.At(x, y) = {static_cast<uint8_t>(x / 4 + (x * y) % 13), static_cast<uint8_t>(y / 4 + x % 7),
                      static_cast<uint8_t>((x + y) / 8), static_cast<uint8_t>(inside ? 255 : (x * 3 + y) % 256)};
      }
    return p;
  }();
  return picture;
}

lumena::DeskGeometry DeskAtScale(int64_t percent) {
  lumena::DeskGeometry geometry;
  geometry.scale = static_cast<double>(percent) / 100.0;
  geometry.CentreView();
  return geometry;
}

// The windows are not there: nothing to show.
void OursRenderAndCompose(benchmark::State& state) {
  lumena::DeskObserver observer;
  const lumena::DeskGeometry geometry = DeskAtScale(state.range(0));
  lumena::TWorkDesk desk(observer, geometry);
  desk.SetDeskVisible(true);
  auto layer = std::make_unique<lumena::TLayer>(desk);
  layer->Init(Portrait(), nullptr);
  layer->Mask().SetPicture(layer->WorkPicture());
  layer->SetParameter(lumena::ColourField::Hue, 130);
  layer->SetParameter(lumena::ColourField::Saturation, 80);
  layer->SetParameter(lumena::ColourField::Brightness, 115);
  layer->SetParameter(lumena::ColourField::Contrast, 120);
  lumena::TLayer& ref = *layer;
  desk.InsertLayer(std::move(layer));
  const lumena::Rect window{0, 0, geometry.windowWidth, geometry.windowHeight};
  for (auto _ : state) {
    ref.RenderDesk();
    desk.ComposeArea(window, lumena::DeskTarget::DeskImage);
    benchmark::DoNotOptimize(desk.DeskImage().Bytes());
  }
  state.counters["per_second"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void MagickSameSteps(benchmark::State& state) {
  lumena::EnsureImagingLibrary();
  const lumena::DeskGeometry g = DeskAtScale(state.range(0));
  const Magick::Image source(kWidth, kHeight, "BGRA", Magick::CharPixel, Portrait().Bytes());
  // The desk's white from pixels: the program's policy allows no pseudo-picture coders.
  const std::vector<uint8_t> white(size_t{4} * g.windowWidth * g.windowHeight, 255);
  const Magick::Image desk(g.windowWidth, g.windowHeight, "BGRA", Magick::CharPixel, white.data());
  const Magick::Geometry view(g.viewWidth, g.viewHeight, g.viewLeft, g.viewTop);
  Magick::Geometry window(g.windowWidth, g.windowHeight);
  window.aspect(true);
  for (auto _ : state) {
    Magick::Image image = source;
    image.crop(view);
    if (g.scale != 1.0) image.resize(window);
    image.modulate(115, 80, 130);
    image.contrast(true);
    Magick::Image shown = desk;
    shown.composite(image, 0, 0, Magick::OverCompositeOp);
    benchmark::DoNotOptimize(shown.constImageInfo());
  }
}

BENCHMARK(OursRenderAndCompose)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(MagickSameSteps)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond)->UseRealTime();

constexpr const char* kOneCoreFlag = "--one-core";

// The same program again, every thread of it bound to the first processor.
void RunAgainOnOneCore(char* program) {
  cpu_set_t one;
  CPU_ZERO(&one);
  CPU_SET(0, &one);
  if (sched_setaffinity(0, sizeof one, &one) != 0) return;
  std::cout.flush();
  char* arguments[] = {program, const_cast<char*>(kOneCoreFlag), nullptr};
  execv("/proc/self/exe", arguments);
}

}  // namespace

int main(int argc, char** argv) {
  const bool oneCore = argc > 1 && std::strcmp(argv[argc - 1], kOneCoreFlag) == 0;
  if (oneCore) --argc;
  benchmark::Initialize(&argc, argv);
  lumena::bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  for (const char* scale : {"100", "200"}) {
    const double ours = reporter.Time(std::string("OursRenderAndCompose/") + scale);
    const double peer = reporter.Time(std::string("MagickSameSteps/") + scale);
    if (ours <= 0) continue;
    std::cout << "RenderDesk + ComposeArea at scale " << scale << "%" << (oneCore ? " on one core" : "") << ": "
              << 1000.0 / ours << " per second";
    if (peer > 0) std::cout << ", ratio to ImageMagick doing the same steps: " << ours / peer;
    std::cout << '\n';
  }
  benchmark::Shutdown();
  if (!oneCore) RunAgainOnOneCore(argv[0]);
  return 0;
}
