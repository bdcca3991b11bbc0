// Saving a compressed work of 10 layers against the bare codecs on the same
// data: JPEG at quality 90 of each layer's colours, and zlib at level 9 of
// each layer's container payload and mask. The save spends its time there,
// so the ratio shows what the format's own work and the file cost.
#include <benchmark/benchmark.h>
#include <unistd.h>
#include <zlib.h>

#include <filesystem>
#include <random>

#include "images/jpeg_codec.h"
#include "support/ratio_reporter.h"
#include "work/desk_observer.h"
#include "work/work_desk.h"
#include "workfile/compressed_work.h"

namespace {

using namespace lumena;

constexpr int kLayers = 10;

// Soft colour fields with some noise and a feathered opacity, as template
// elements look.
Picture ElementPicture(int w, int h, uint32_t seed) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> noise(-6, 6);
  Picture p(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const int edge = std::min({x, y, w - 1 - x, h - 1 - y});
      p.At(x, y) = {static_cast<uint8_t>(std::clamp(x * 255 / w + noise(random), 0, 255)),
                    static_cast<uint8_t>(std::clamp(y * 255 / h + noise(random), 0, 255)),
                    static_cast<uint8_t>(std::clamp(int(seed * 37 % 255) + noise(random), 0, 255)),
                    static_cast<uint8_t>(std::min(255, edge * 16))};
    }
  return p;
}

struct BenchWork {
  DeskObserver observer;
  TWorkDesk desk{observer, [] {
                   DeskGeometry g;
                   g.CentreView();
                   return g;
                 }()};
  PlacementAnchors anchors;
  WorkSnapshot snapshot;
  BenchWork() {
    desk.SeedNames(3);
    for (int i = 0; i < kLayers; ++i) {
      auto layer = std::make_unique<TLayer>(desk);
      layer->Init(ElementPicture(300 + 20 * i, 400 - 10 * i, static_cast<uint32_t>(i + 1)), nullptr);
      layer->Mask().SetPicture(layer->WorkPicture());
      layer->Mask().SetCurrentRegion(1);
      layer->Mask().SetOpRect({10, 10, 120, 90});
      layer->Mask().SetRect();
      layer->SetTransformMode(kModeNormal);
      desk.InsertLayer(std::move(layer), desk.Count());
    }
    snapshot = SnapshotWork(desk, anchors, "Lumena 5.10");
  }
};

BenchWork& Work() {
  static BenchWork w;
  return w;
}

std::vector<uint8_t> Deflate9(std::span<const uint8_t> data) {
  uLongf size = compressBound(static_cast<uLong>(data.size()));
  std::vector<uint8_t> out(size);
  compress2(out.data(), &size, data.data(), static_cast<uLong>(data.size()), 9);
  out.resize(size);
  return out;
}

void OursWriteCompressedWork(benchmark::State& state) {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("lumena-bench-" + std::to_string(::getpid()) + ".lmc");
  for (auto _ : state) WriteCompressedWork(path, Work().snapshot);
  std::filesystem::remove(path);
}

void OursWriteCompressedWorkOneThread(benchmark::State& state) {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("lumena-bench-1-" + std::to_string(::getpid()) + ".lmc");
  for (auto _ : state) WriteCompressedWork(path, Work().snapshot, {}, 1);
  std::filesystem::remove(path);
}

void OursEncodeCompressedWork(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(EncodeCompressedWork(Work().snapshot, static_cast<unsigned>(state.range(0))));
}

void CodecsJpeg90Zlib9(benchmark::State& state) {
  for (auto _ : state) {
    for (const TLayer* layer : Work().snapshot.layers) {
      const Picture& picture = layer->WorkPicture();
      std::vector<uint8_t> payload = EncodeJpeg(picture, 90);
      for (const Pixel& p : picture.Pixels()) payload.push_back(p.a);
      benchmark::DoNotOptimize(Deflate9(payload));
      benchmark::DoNotOptimize(Deflate9(layer->Mask().CellsView()));
    }
  }
}

}  // namespace

BENCHMARK(OursWriteCompressedWork)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(OursWriteCompressedWorkOneThread)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(OursEncodeCompressedWork)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(CodecsJpeg90Zlib9)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  lumena::bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatio("WriteCompressedWork (two threads)/bare JPEG 90 + zlib 9, 10 layers", "OursWriteCompressedWork/",
                      "CodecsJpeg90Zlib9/");
  reporter.PrintRatio("WriteCompressedWork (one thread)/bare JPEG 90 + zlib 9", "OursWriteCompressedWorkOneThread/",
                      "CodecsJpeg90Zlib9/");
  benchmark::Shutdown();
  return 0;
}
