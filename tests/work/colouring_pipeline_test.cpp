// The table-driven renderer against the per-pixel arithmetic written out
// step by step, on random pictures, masks and parameters.
#include "work/colouring_pipeline.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "images/rounding.h"
#include "region_fields.h"
#include "work/colouring.h"
#include "work/layer_rendering.h"

namespace lumena {
namespace {

template <typename Step, typename NonNeutral>
void ApplyFirstOrLayer(const std::vector<const ColourParameters*>& in, const ColourParameters& layer,
                       NonNeutral nonNeutral, Step step) {
  bool applied = false;
  for (const ColourParameters* q : in)
    if (nonNeutral(*q)) {
      step(*q);
      applied = true;
    }
  if (!applied && nonNeutral(layer)) step(layer);
}

Pixel ReferencePixel(Pixel p, int row, int column, const ColourParameters& layer, const TMask& mask, int pivot) {
  if (p.a == 0) return p;
  std::vector<const ColourParameters*> in;
  for (int region : mask.UsedRegions())
    if (mask.HasRegionAt(row, column, region)) in.push_back(&mask.Region(region));
  ApplyFirstOrLayer(
      in, layer, [](auto& q) { return q.Color != -1; }, [&](auto& q) { Tint(p, q.Color); });
  ApplyFirstOrLayer(
      in, layer, [](auto& q) { return q.Red != 50; }, [&](auto& q) { p.r = ScaleChannel(p.r, q.Red * 255 / 100); });
  ApplyFirstOrLayer(
      in, layer, [](auto& q) { return q.Green != 50; }, [&](auto& q) { p.g = ScaleChannel(p.g, q.Green * 255 / 100); });
  ApplyFirstOrLayer(
      in, layer, [](auto& q) { return q.Blue != 50; }, [&](auto& q) { p.b = ScaleChannel(p.b, q.Blue * 255 / 100); });
  ApplyFirstOrLayer(
      in, layer, [](auto& q) { return q.Hue != 100 || q.Saturation != 100 || q.Brightness != 100; },
      [&](auto& q) {
        const HsvColour c = RGBtoHSV(p);
        p = HSVtoRGB(q.Hue + c.h - 100, q.Saturation + c.s - 100, q.Brightness + c.v - 100, c.a);
      });
  ApplyFirstOrLayer(
      in, layer, [](auto& q) { return q.Contrast != 100; },
      [&](auto& q) { p = ApplyContrast(p, q.Contrast, pivot & 0xFF); });
  return p;
}

void ReferenceColouring(Picture& rendering, const ColouringSource& s) {
  const int pivot = MeanLuminance(s.work);
  for (int r = 0; r < rendering.Height(); ++r)
    for (int c = 0; c < rendering.Width(); ++c) {
      int row = 0, column = 0;
      if (s.mask.HasCells()) {
        row = static_cast<int>(std::clamp<int64_t>(Round(r * s.scale) + s.source.top, 0, s.mask.MaxY()));
        column = static_cast<int>(std::clamp<int64_t>(Round(c * s.scale) + s.source.left, 0, s.mask.MaxX()));
      }
      rendering.At(c, r) = ReferencePixel(rendering.At(c, r), row, column, s.layer, s.mask, pivot);
    }
}

class Random {
 public:
  explicit Random(unsigned seed) : engine_(seed) {}
  int Between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(engine_); }
  bool Chance(int percent) { return Between(1, 100) <= percent; }
  ColourParameters Parameters() {
    ColourParameters p;
    if (Chance(30)) p.Color = Between(0, 0xFFFFFF);
    if (Chance(40)) p.Red = Between(0, 100);
    if (Chance(40)) p.Green = Between(0, 100);
    if (Chance(40)) p.Blue = Between(0, 100);
    if (Chance(50)) p.Hue = Between(0, 200);
    if (Chance(40)) p.Saturation = Between(0, 200);
    if (Chance(40)) p.Brightness = Between(0, 200);
    if (Chance(40)) p.Contrast = Between(0, 200);
    return p;
  }
  Picture RandomPicture(int w, int h) {
    Picture p(w, h);
    for (Pixel& x : p.Pixels())
      x = {static_cast<uint8_t>(Between(0, 255)), static_cast<uint8_t>(Between(0, 255)),
           static_cast<uint8_t>(Between(0, 255)), static_cast<uint8_t>(Chance(20) ? 0 : Between(0, 255))};
    return p;
  }

 private:
  std::mt19937 engine_;
};

TEST(ColouringPipeline, MatchesTheStepByStepArithmeticOnRandomPictures) {
  Random random(20240611);
  for (int round = 0; round < 300; ++round) {
    const int w = random.Between(1, 40), h = random.Between(1, 30);
    const Picture work = random.RandomPicture(w, h);
    TMask mask;
    mask.SetPicture(work);
    const bool regions = random.Chance(70);
    if (regions) {
      for (uint8_t& cell : mask.CellsView())
        cell = static_cast<uint8_t>(random.Between(0, 15) & random.Between(0, 255));
      for (int region = 1; region <= 8; ++region) mask.SetRegion(region, random.Parameters());
      mask.CollectUsedRegions();
    }
    const ColourParameters layer = random.Parameters();
    const Rect source{random.Between(0, w - 1), random.Between(0, h - 1), 0, 0};
    const Rect from{source.left, source.top, random.Between(source.left + 1, w), random.Between(source.top + 1, h)};
    const double scale = random.Between(25, 300) / 100.0;
    Picture fast(random.Between(1, 50), random.Between(1, 50));
    StretchNearest(work, from, fast);
    Picture expected = fast;
    const ColouringSource input{layer, mask, work, from, scale};
    ColourRendering(fast, input);
    ReferenceColouring(expected, input);
    ASSERT_EQ(fast, expected) << "round " << round;
  }
}

TEST(ColouringPipeline, TwoTintedRegionsTintTwiceInRegionOrder) {
  Picture work(2, 1);
  work.At(0, 0) = work.At(1, 0) = {200, 100, 0, 255};
  TMask mask;
  mask.SetPicture(work);
  mask.CellsView()[0] = 0b011;  // regions 1 and 2
  mask.CellsView()[1] = 0b010;  // region 2 only
  test::SetRegionField(mask, 1, ColourField::Color, 0x0000FF);
  test::SetRegionField(mask, 2, ColourField::Color, 0xFF0000);
  mask.CollectUsedRegions();
  ColourParameters layer;
  layer.Color = 0x00FF00;  // not used where a region tints
  Picture rendering = work;
  ColourRendering(rendering, {layer, mask, work, {0, 0, 2, 1}, 1.0});
  Pixel twice = work.At(0, 0);
  Tint(twice, 0x0000FF);
  Tint(twice, 0xFF0000);
  Pixel once = work.At(1, 0);
  Tint(once, 0xFF0000);
  EXPECT_EQ(rendering.At(0, 0), twice);
  EXPECT_EQ(rendering.At(1, 0), once);
}

TEST(ColouringPipeline, NeutralRegionValueLeavesTheDecisionToTheLayer) {
  Picture work(1, 1);
  work.At(0, 0) = {10, 20, 200, 255};
  TMask mask;
  mask.SetPicture(work);
  mask.CellsView()[0] = 1;
  test::SetRegionField(mask, 1, ColourField::Blue, 0);  // region 1 only changes blue
  mask.CollectUsedRegions();
  ColourParameters layer;
  layer.Red = 0;
  layer.Blue = 100;
  Picture rendering = work;
  ColourRendering(rendering, {layer, mask, work, {0, 0, 1, 1}, 1.0});
  EXPECT_EQ(rendering.At(0, 0), (Pixel{0, 20, 0, 255})) << "blue from the region, red from the layer";
}

}  // namespace
}  // namespace lumena
