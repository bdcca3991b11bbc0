#include "work/composition.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "images/rounding.h"
#include "region_fields.h"
#include "work/composition_blend.h"

namespace lumena {
namespace {

// Every target pixel on its own, the layers from the back to the front.
void ReferenceCompose(Picture& target, const Rect& rect, const std::vector<CompositionLayer>& layers,
                      CompositionTarget kind) {
  const bool desk = kind == CompositionTarget::Desk;
  for (int y = std::max(0, rect.top); y < std::min(target.Height(), rect.bottom); ++y)
    for (int x = std::max(0, rect.left); x < std::min(target.Width(), rect.right); ++x) {
      int s[4] = {255, 255, 255, desk ? 255 : 0};
      for (auto it = layers.rbegin(); it != layers.rend(); ++it) {
        const int c = x - it->x, r = y - it->y;
        if (c < 0 || r < 0 || c >= it->image->Width() || r >= it->image->Height()) continue;
        const Pixel b = it->image->At(c, r);
        int a = b.a;
        if (a == 0) continue;
        bool applied = false;
        if (it->mask) {
          const TMask& m = *it->mask;
          const int row = static_cast<int>(std::clamp<int64_t>(Round(r * it->scale) + it->source.top, 0, m.MaxY()));
          const int col = static_cast<int>(std::clamp<int64_t>(Round(c * it->scale) + it->source.left, 0, m.MaxX()));
          for (int region : m.UsedRegions())
            if (m.Region(region).Opacity < 100 && m.HasRegionAt(row, col, region)) {
              a = ((m.Region(region).Opacity * 255 / 100) * a) >> 8;
              applied = true;
            }
        }
        if (!applied && it->opacity < 100) a = ((it->opacity * 255 / 100) * a) >> 8;
        if (a == 0) continue;
        if (a == 255) {
          s[0] = b.b, s[1] = b.g, s[2] = b.r, s[3] = 255;
          continue;
        }
        const int bc[3] = {b.b, b.g, b.r};
        for (int k = 0; k < 3; ++k) s[k] = (bc[k] * a + s[k] * (255 - a)) >> 8;
        s[3] = desk ? a : ((255 - a) * s[3] + a * 255) >> 8;
      }
      target.At(x, y) = {static_cast<uint8_t>(s[0]), static_cast<uint8_t>(s[1]), static_cast<uint8_t>(s[2]),
                         static_cast<uint8_t>(s[3])};
    }
}

struct RandomLayer {
  Picture image;
  TMask mask;
  bool regions = false;
};

TEST(Composition, MatchesThePixelByPixelRuleOnRandomLayers) {
  std::mt19937 random(77);
  const auto between = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
  for (int round = 0; round < 200; ++round) {
    std::vector<RandomLayer> owned(static_cast<size_t>(between(0, 6)));
    std::vector<CompositionLayer> layers;
    for (RandomLayer& l : owned) {
      l.image.Resize(between(1, 40), between(1, 30));
      const int alphaKind = between(0, 3);  // opaque, clear, mixed, any
      for (Pixel& p : l.image.Pixels()) {
        const int pick = alphaKind == 3 ? between(0, 2) : alphaKind;
        p = {static_cast<uint8_t>(between(0, 255)), static_cast<uint8_t>(between(0, 255)),
             static_cast<uint8_t>(between(0, 255)),
             static_cast<uint8_t>(pick == 0   ? 255
                                  : pick == 1 ? 0
                                              : between(0, 255))};
      }
      l.regions = between(0, 1) == 1;
      if (l.regions) {
        Picture maskPicture(between(1, 40), between(1, 30));
        l.mask.SetPicture(maskPicture);
        for (uint8_t& c : l.mask.CellsView()) c = static_cast<uint8_t>(between(0, 7));
        for (int region = 1; region <= 3; ++region)
          test::SetRegionField(l.mask, region, ColourField::Opacity,
                               static_cast<uint8_t>(between(0, 1) ? 100 : between(0, 99)));
        l.mask.CollectUsedRegions();
      }
      layers.push_back({&l.image,
                        between(-10, 40),
                        between(-10, 30),
                        l.regions ? &l.mask : nullptr,
                        {between(0, 5), between(0, 5), 0, 0},
                        between(50, 200) / 100.0,
                        static_cast<uint8_t>(between(0, 1) ? 100 : between(0, 99))});
    }
    const Rect rect{between(-5, 20), between(-5, 20), between(0, 50), between(0, 40)};
    for (CompositionTarget kind : {CompositionTarget::Desk, CompositionTarget::FullImage}) {
      Picture fast(37, 29), expected(37, 29);
      for (size_t i = 0; i < fast.Pixels().size(); ++i)
        fast.Pixels()[i] = expected.Pixels()[i] = {static_cast<uint8_t>(i), 1, 2, 3};
      ComposeLayers(fast, rect, layers, kind);
      ReferenceCompose(expected, rect, layers, kind);
      ASSERT_EQ(fast, expected) << "round " << round << (kind == CompositionTarget::Desk ? " desk" : " full");
    }
  }
}

TEST(Composition, BlendRowMatchesTheSinglePixelRuleForEveryAlpha) {
  std::vector<Pixel> layer(256), target(256), expected(256);
  std::vector<uint8_t> alpha(256);
  for (CompositionTarget kind : {CompositionTarget::Desk, CompositionTarget::FullImage})
    for (int shift = 0; shift < 256; shift += 51) {
      for (int i = 0; i < 256; ++i) {
        layer[i] = {static_cast<uint8_t>(i), static_cast<uint8_t>(255 - i), static_cast<uint8_t>(i * 7), 13};
        target[i] = expected[i] = {static_cast<uint8_t>(i * 3 + shift), static_cast<uint8_t>(shift), 200,
                                   static_cast<uint8_t>(i + shift)};
        alpha[i] = static_cast<uint8_t>(i);
        expected[i] = BlendPixel(expected[i], layer[i], alpha[i], kind);
      }
      BlendRow(target.data(), layer.data(), alpha.data(), 256, kind);
      ASSERT_EQ(target, expected);
    }
}

TEST(Composition, RegionAtHalfOpacityShowsHalfTransparentThereOnly) {
  Picture black(2, 1);
  black.At(0, 0) = black.At(1, 0) = {0, 0, 0, 255};
  TMask mask;
  mask.SetPicture(black);
  mask.CellsView()[0] = 1;
  test::SetRegionField(mask, 1, ColourField::Opacity, 50);
  mask.CollectUsedRegions();
  Picture target(2, 1);
  const CompositionLayer layer{&black, 0, 0, &mask, {0, 0, 2, 1}, 1.0, 100};
  ComposeLayers(target, {0, 0, 2, 1}, {&layer, 1}, CompositionTarget::Desk);
  // a = (127 * 255) >> 8 = 126; colour = (255 * 129) >> 8 = 128.
  EXPECT_EQ(target.At(0, 0), (Pixel{128, 128, 128, 126}));
  EXPECT_EQ(target.At(1, 0), (Pixel{0, 0, 0, 255}));
}

TEST(Composition, EmptyAreaIsWhiteOpaqueOnTheDeskAndClearInTheFullImage) {
  Picture desk(3, 2), full(3, 2);
  ComposeLayers(desk, {0, 0, 3, 2}, {}, CompositionTarget::Desk);
  ComposeLayers(full, {-4, -4, 9, 9}, {}, CompositionTarget::FullImage);
  for (const Pixel& p : desk.Pixels()) EXPECT_EQ(p, (Pixel{255, 255, 255, 255}));
  for (const Pixel& p : full.Pixels()) EXPECT_EQ(p, (Pixel{255, 255, 255, 0}));
}

}  // namespace
}  // namespace lumena
