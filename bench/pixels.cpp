// Our resampling and rotation against pixman on the same pixels, side by
// side in one program. Prints the ratio of our time to pixman's.
#include <benchmark/benchmark.h>
#include <pixman.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <numbers>
#include <random>
#include <string>

#include "images/rotate.h"
#include "images/stretch.h"
#include "support/ratio_reporter.h"

namespace {

using lumena::Picture;

constexpr int kWidth = 890;
constexpr int kHeight = 984;

const Picture& Portrait() {
  static const Picture picture = [] {
    Picture p(kWidth, kHeight);
    std::mt19937 random(42);
    std::uniform_int_distribution<int> byte(0, 255);
    // Like a template element: a noisy opaque body cut out as an ellipse with
    // a soft edge a few pixels wide, transparent around it.
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) {
        const double dx = (x - kWidth / 2.0) / (kWidth / 2.0 - 20), dy = (y - kHeight / 2.0) / (kHeight / 2.0 - 20);
        const double edge = (1.0 - std::sqrt(dx * dx + dy * dy)) * (kWidth / 2.0 - 20) / 3.0;
        const auto alpha = static_cast<uint8_t>(std::clamp(edge, 0.0, 1.0) * 255);
        p.At(x, y) = {static_cast<uint8_t>(x / 4 + byte(random) % 16), static_cast<uint8_t>(y / 4 + byte(random) % 16),
                      static_cast<uint8_t>((x + y) / 8), alpha};
      }
    return p;
  }();
  return picture;
}

struct PixmanImage {
  std::unique_ptr<pixman_image_t, decltype(&pixman_image_unref)> image{nullptr, pixman_image_unref};
  explicit PixmanImage(Picture& picture)
      : image(pixman_image_create_bits(PIXMAN_a8r8g8b8, picture.Width(), picture.Height(),
                                       reinterpret_cast<uint32_t*>(picture.Bytes()), picture.Width() * 4),
              pixman_image_unref) {}
  pixman_image_t* Get() const { return image.get(); }
};

void Composite(pixman_image_t* source, pixman_image_t* target, int width, int height) {
  pixman_image_composite32(PIXMAN_OP_SRC, source, nullptr, target, 0, 0, 0, 0, 0, 0, width, height);
}

// Arguments: the target's width and height.
void OursStretch(benchmark::State& state) {
  const auto width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
  Picture target(width, height);
  for (auto _ : state) {
    lumena::StretchAlpha(target, {0, 0, width, height}, Portrait(), false);
    benchmark::DoNotOptimize(target.Bytes());
  }
}

void PixmanStretch(benchmark::State& state) {
  const auto width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
  Picture source = Portrait(), target(width, height);
  PixmanImage src(source), dst(target);
  pixman_transform_t scale;
  pixman_transform_init_scale(&scale, pixman_double_to_fixed(double{kWidth} / width),
                              pixman_double_to_fixed(double{kHeight} / height));
  pixman_image_set_transform(src.Get(), &scale);
  pixman_image_set_filter(src.Get(), PIXMAN_FILTER_BILINEAR, nullptr, 0);
  for (auto _ : state) {
    Composite(src.Get(), dst.Get(), width, height);
    benchmark::DoNotOptimize(target.Bytes());
  }
}

void OursRotate(benchmark::State& state) {
  for (auto _ : state) {
    Picture result = lumena::RotatePicture(Portrait(), -30, kWidth / 2, kHeight / 2);
    benchmark::DoNotOptimize(result.Bytes());
  }
}

// The same turn about the centre into a target of our result's size; the
// filter is given by the argument (0 nearest, 1 bilinear).
void PixmanRotate(benchmark::State& state) {
  const Picture sized = lumena::RotatePicture(Portrait(), -30, kWidth / 2, kHeight / 2);
  Picture source = Portrait();
  PixmanImage src(source);
  const double theta = -30 * std::numbers::pi / 180;
  pixman_transform_t t;
  pixman_transform_init_translate(&t, pixman_double_to_fixed(-sized.Width() / 2.0),
                                  pixman_double_to_fixed(-sized.Height() / 2.0));
  pixman_transform_rotate(&t, nullptr, pixman_double_to_fixed(std::cos(theta)),
                          pixman_double_to_fixed(std::sin(theta)));
  pixman_transform_translate(&t, nullptr, pixman_double_to_fixed(kWidth / 2.0), pixman_double_to_fixed(kHeight / 2.0));
  pixman_image_set_transform(src.Get(), &t);
  pixman_image_set_filter(src.Get(), state.range(0) ? PIXMAN_FILTER_BILINEAR : PIXMAN_FILTER_NEAREST, nullptr, 0);
  for (auto _ : state) {
    // Allocating the result is part of our routine too.
    Picture target(sized.Width(), sized.Height());
    PixmanImage dst(target);
    Composite(src.Get(), dst.Get(), target.Width(), target.Height());
    benchmark::DoNotOptimize(target.Bytes());
  }
}

// Half size, double size, and a size whose steps are not powers of two.
constexpr int kHalf[] = {kWidth / 2, kHeight / 2};
constexpr int kDouble[] = {kWidth * 2, kHeight * 2};
constexpr int kOdd[] = {1000, 1100};

// Other programs share the machine; the fastest of several repetitions is
// the least disturbed measurement.
constexpr int kRepetitions = 5;

#define LUMENA_STRETCH(name)           \
  BENCHMARK(name)                      \
      ->Args({kHalf[0], kHalf[1]})     \
      ->Args({kDouble[0], kDouble[1]}) \
      ->Args({kOdd[0], kOdd[1]})       \
      ->Repetitions(kRepetitions)      \
      ->ReportAggregatesOnly(false)    \
      ->Unit(benchmark::kMillisecond)  \
      ->UseRealTime()
LUMENA_STRETCH(OursStretch);
LUMENA_STRETCH(PixmanStretch);
BENCHMARK(OursRotate)->Repetitions(kRepetitions)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(PixmanRotate)->Arg(0)->Arg(1)->Repetitions(kRepetitions)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  lumena::bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  auto size = [](const int* s) { return std::to_string(s[0]) + "/" + std::to_string(s[1]); };
  for (const auto& [label, s] : {std::pair{"half", kHalf}, std::pair{"double", kDouble}, std::pair{"1000x1100", kOdd}})
    reporter.PrintRatio(std::string("StretchAlpha/pixman ") + label, "OursStretch/" + size(s),
                        "PixmanStretch/" + size(s));
  reporter.PrintRatio("RotatePicture/pixman nearest", "OursRotate/", "PixmanRotate/0");
  reporter.PrintRatio("RotatePicture/pixman bilinear", "OursRotate/", "PixmanRotate/1");
  benchmark::Shutdown();
  return 0;
}
