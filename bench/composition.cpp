// The desk's composition of ten layers against pixman's OVER of the same
// ten pictures, side by side on the same pixels. Prints the ratio of our
// time to pixman's.
#include "work/composition.h"

#include <benchmark/benchmark.h>
#include <pixman.h>

#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "support/ratio_reporter.h"

namespace {

using lumena::Picture;

constexpr int kWidth = 445;
constexpr int kHeight = 492;
constexpr int kLayers = 10;
constexpr uint8_t kOpacities[kLayers] = {100, 100, 80, 100, 50, 100, 65, 100, 100, 30};

// Cut-out elements of different sizes and places: opaque inside, a soft
// edge, transparent outside.
const std::vector<Picture>& Layers() {
  static const std::vector<Picture> pictures = [] {
    std::vector<Picture> out;
    std::mt19937 random(5);
    for (int i = 0; i < kLayers; ++i) {
      Picture p(kWidth, kHeight);
      const int cx = 80 + 30 * i, cy = 100 + 30 * i, r = 120 + 10 * i;
      for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
          const int d = (x - cx) * (x - cx) + (y - cy) * (y - cy);
          const int edge = r * r - d;
          const uint8_t a = edge > 2000 ? 255 : edge <= 0 ? 0 : static_cast<uint8_t>(edge * 255 / 2000);
          p.At(x, y) = {static_cast<uint8_t>(x + i * 20), static_cast<uint8_t>(y / 2 + random() % 16),
                        static_cast<uint8_t>((x + y) / 4), a};
        }
      out.push_back(std::move(p));
    }
    return out;
  }();
  return pictures;
}

void OursCompose(benchmark::State& state) {
  std::vector<lumena::CompositionLayer> list;
  for (int i = 0; i < kLayers; ++i) list.push_back({&Layers()[i], 0, 0, nullptr, {}, 1.0, kOpacities[i]});
  Picture desk(kWidth, kHeight);
  for (auto _ : state) {
    lumena::ComposeLayers(desk, {0, 0, kWidth, kHeight}, list, lumena::CompositionTarget::Desk);
    benchmark::DoNotOptimize(desk.Bytes());
  }
}

// The same work on one core: row by row, each too small for a second
// thread.
void OursComposeOneCore(benchmark::State& state) {
  std::vector<lumena::CompositionLayer> list;
  for (int i = 0; i < kLayers; ++i) list.push_back({&Layers()[i], 0, 0, nullptr, {}, 1.0, kOpacities[i]});
  Picture desk(kWidth, kHeight);
  for (auto _ : state) {
    for (int y = 0; y < kHeight; ++y)
      lumena::ComposeLayers(desk, {0, y, kWidth, y + 1}, list, lumena::CompositionTarget::Desk);
    benchmark::DoNotOptimize(desk.Bytes());
  }
}

using PixmanPointer = std::unique_ptr<pixman_image_t, decltype(&pixman_image_unref)>;

// pixman wants premultiplied colours; the conversion is not timed.
struct PixmanLayer {
  std::vector<uint32_t> bits;
  PixmanPointer image{nullptr, pixman_image_unref};
  PixmanPointer opacity{nullptr, pixman_image_unref};
};

void PixmanCompose(benchmark::State& state) {
  std::vector<PixmanLayer> list(kLayers);
  for (int i = 0; i < kLayers; ++i) {
    PixmanLayer& l = list[i];
    for (const lumena::Pixel& p : Layers()[i].Pixels())
      l.bits.push_back(static_cast<uint32_t>(p.a) << 24 | (p.r * p.a / 255) << 16 | (p.g * p.a / 255) << 8 |
                       (p.b * p.a / 255));
    l.image.reset(pixman_image_create_bits(PIXMAN_a8r8g8b8, kWidth, kHeight, l.bits.data(), kWidth * 4));
    if (kOpacities[i] < 100) {
      const pixman_color_t grey{0, 0, 0, static_cast<uint16_t>(kOpacities[i] * 65535 / 100)};
      l.opacity.reset(pixman_image_create_solid_fill(&grey));
    }
  }
  std::vector<uint32_t> deskBits(static_cast<size_t>(kWidth) * kHeight);
  PixmanPointer desk(pixman_image_create_bits(PIXMAN_a8r8g8b8, kWidth, kHeight, deskBits.data(), kWidth * 4),
                     pixman_image_unref);
  const pixman_color_t white{0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF};
  PixmanPointer fill(pixman_image_create_solid_fill(&white), pixman_image_unref);
  for (auto _ : state) {
    pixman_image_composite32(PIXMAN_OP_SRC, fill.get(), nullptr, desk.get(), 0, 0, 0, 0, 0, 0, kWidth, kHeight);
    for (auto it = list.rbegin(); it != list.rend(); ++it)
      pixman_image_composite32(PIXMAN_OP_OVER, it->image.get(), it->opacity.get(), desk.get(), 0, 0, 0, 0, 0, 0, kWidth,
                               kHeight);
    benchmark::DoNotOptimize(deskBits.data());
  }
}

BENCHMARK(OursCompose)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(OursComposeOneCore)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(PixmanCompose)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  lumena::bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatio("ComposeArea/pixman OVER, 10 layers 445 x 492", "OursCompose/", "PixmanCompose/");
  reporter.PrintRatio("ComposeArea on one core/pixman OVER", "OursComposeOneCore/", "PixmanCompose/");
  benchmark::Shutdown();
  return 0;
}
