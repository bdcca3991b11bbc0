// The eye detector on the largest picture it is meant for: a 40-megapixel
// portrait (the sample, enlarged), run as the adjustment window runs it.
// Aim: within 2 seconds.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

#include "images/library_picture.h"
#include "images/picture_file.h"
#include "support/ratio_reporter.h"

namespace {

const std::filesystem::path kFolder = std::filesystem::temp_directory_path() / "lumena-bench-eyes";
const std::filesystem::path kPicture = kFolder / "portrait-40mp.jpg";

// 7300 x 5480 pixels: 40 megapixels, the sample portrait in its middle.
void WriteLargePortrait() {
  const lumena::Picture sample = lumena::LoadPictureFile(LUMENA_SAMPLE_PORTRAIT);
  lumena::Picture large(7300, 5480);
  const int side = large.Height(), left = (large.Width() - side) / 2;
  for (int y = 0; y < large.Height(); ++y)
    for (int x = 0; x < large.Width(); ++x) {
      const int sx = (x - left) * sample.Width() / side;
      large.At(x, y) = sx >= 0 && sx < sample.Width() ? sample.At(sx, y * sample.Height() / side)
                                                      : lumena::Pixel{200, 200, 200, 255};
    }
  std::filesystem::create_directories(kFolder);
  if (!lumena::SavePictureThroughLibrary(large, kPicture, lumena::kFormatJpeg)) std::abort();
}

void eyechecker_40mp(benchmark::State& state) {
  const std::string command = std::string(EYECHECKER_PATH) + " " + kPicture.string() + " 2>/dev/null";
  for (auto _ : state)
    if (std::system(command.c_str()) != 0) state.SkipWithError("eyechecker failed");
}
BENCHMARK(eyechecker_40mp)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  WriteLargePortrait();
  benchmark::Initialize(&argc, argv);
  lumena::bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::cout << "eyechecker, 40-megapixel JPEG: " << reporter.Time("eyechecker_40mp/") << " ms (aim 2000 ms)\n";
  std::filesystem::remove_all(kFolder);
  return 0;
}
