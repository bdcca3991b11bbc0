#pragma once
// Works made for the tests: a desk holding layers with every stored field
// set to something other than its default, masks with regions and their
// parameters, roles, anchors and nail marks.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "portrait/placement_anchors.h"
#include "work/work_desk_test_host.h"
#include "workfile/work_snapshot.h"

namespace lumena::testing {

// A picture whose colours and opacity vary smoothly (JPEG keeps it close).
inline Picture GradientPicture(int w, int h, int seed) {
  Picture p(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      p.At(x, y) = {static_cast<uint8_t>((x * 4 + seed) & 255), static_cast<uint8_t>((y * 3 + seed * 7) & 255),
                    static_cast<uint8_t>((x + y + seed * 13) & 255),
                    static_cast<uint8_t>((x * 7 + y * 5 + seed) & 255)};
  return p;
}

struct WorkFixture : DeskFixture {
  PlacementAnchors anchors;

  // Four layers; every field of each differs from the defaults and from the
  // other layers'.
  void Fill() {
    for (int i = 0; i < 4; ++i) {
      TLayer& l = Add(10 + i * 30, 20 + i * 11, 40 + i * 7, 30 + i * 5, {}, 0, "Layer " + std::to_string(i));
      l.WorkPicture() = GradientPicture(l.WidthOf(), l.HeightOf(), i);
      l.SetTemplateType(i == 0 ? -1 : 10 + i);
      l.SetSourcePath(i == 0 ? "" : "Hair\\hair_0" + std::to_string(i) + ".psd");
      ColourParameters p{i == 2 ? -1 : 0x102030 * (i + 1), 40 + i, 45 + i, 55 + i, 90 + i, 110 + i, 120 + i, 80 + i,
                         static_cast<uint8_t>(60 + i * 10)};
      for (ColourField field :
           {ColourField::Color, ColourField::Red, ColourField::Green, ColourField::Blue, ColourField::Hue,
            ColourField::Saturation, ColourField::Brightness, ColourField::Contrast, ColourField::Opacity})
        l.SetParameter(field, GetField(p, field));
      l.SetDepth(5 - i);
      if (i == 3) l.SetVisible(false);
      l.Mask().SetPicture(l.WorkPicture());
      MarkRegions(l.Mask(), i);
    }
    desk.SetPortraitLayer(&desk.Layer(3));
    desk.SetHandLayer(&desk.Layer(1));
    desk.SetActive(2);
    anchors.face = {123, 77};
    anchors.nails[0] = {100, 110, 27, 57, 15};
    anchors.nails[1] = {130, 105, 30, 60, -20};
    anchors.body = {-1, -1};
  }

  static void MarkRegions(TMask& mask, int seed) {
    mask.SetCurrentRegion(1 + seed % 8);
    mask.SetOpRect({1, 1, 5 + seed, 6});
    mask.SetRect();
    mask.SetCurrentRegion(8);
    mask.SetOpRect({2, 3, 9, 12});
    mask.SetRect();
    mask.SetCurrentRegion(0);
    mask.SetRegion(8, {0x00FF00 + seed, 10, 20, 30, 40, 50, 60, 70, static_cast<uint8_t>(80 + seed)});
    mask.CollectUsedRegions();
  }

  WorkSnapshot Snapshot() { return SnapshotWork(desk, anchors, "Lumena 5.10"); }
};

inline void ExpectSameRecord(const TLayerRecord& a, const TLayerRecord& b, bool exactSize = true) {
  EXPECT_EQ(a.Name, b.Name);
  EXPECT_EQ(a.DisplayName, b.DisplayName);
  EXPECT_EQ(a.TemplateType, b.TemplateType);
  EXPECT_EQ(a.X, b.X);
  EXPECT_EQ(a.Y, b.Y);
  if (exactSize) {
    EXPECT_EQ(a.Width, b.Width);
    EXPECT_EQ(a.Height, b.Height);
  }
  EXPECT_EQ(a.Visible, b.Visible);
  EXPECT_EQ(a.Params, b.Params);
  EXPECT_EQ(a.Depth, b.Depth);
  EXPECT_EQ(a.SourcePath, b.SourcePath);
}

// Everything a work file stores of two desks is the same; pictures exactly
// or within `tolerance` per colour byte (opacity always exact).
inline void ExpectSameWork(TWorkDesk& a, const PlacementAnchors& anchorsA, TWorkDesk& b,
                           const PlacementAnchors& anchorsB, int tolerance) {
  ASSERT_EQ(a.Count(), b.Count());
  for (int i = 0; i < a.Count(); ++i) {
    SCOPED_TRACE("layer " + std::to_string(i));
    const TLayer& x = a.Layer(i);
    const TLayer& y = b.Layer(i);
    ExpectSameRecord(x.Record(), y.Record());
    ASSERT_EQ(x.WorkPicture().Width(), y.WorkPicture().Width());
    ASSERT_EQ(x.WorkPicture().Height(), y.WorkPicture().Height());
    int worst = 0;
    for (size_t k = 0; k < x.WorkPicture().Pixels().size(); ++k) {
      const Pixel p = x.WorkPicture().Pixels()[k], q = y.WorkPicture().Pixels()[k];
      ASSERT_EQ(p.a, q.a) << "opacity is exact";
      worst = std::max({worst, std::abs(p.r - q.r), std::abs(p.g - q.g), std::abs(p.b - q.b)});
    }
    EXPECT_LE(worst, tolerance);
    EXPECT_TRUE(std::equal(x.Mask().CellsView().begin(), x.Mask().CellsView().end(), y.Mask().CellsView().begin(),
                           y.Mask().CellsView().end()));
    for (int r = 1; r <= kMaskRegionCount; ++r) EXPECT_EQ(x.Mask().Region(r), y.Mask().Region(r)) << r;
    EXPECT_EQ(x.Mask().UsedRegions(), y.Mask().UsedRegions());
    EXPECT_EQ(y.Mask().FileName(), y.Name() + ".msk");
  }
  EXPECT_EQ(a.IndexOf(a.PortraitLayer()), b.IndexOf(b.PortraitLayer()));
  EXPECT_EQ(a.IndexOf(a.HandLayer()), b.IndexOf(b.HandLayer()));
  EXPECT_EQ(a.IndexOf(a.BodyLayer()), b.IndexOf(b.BodyLayer()));
  EXPECT_EQ(a.ActiveIndex(), b.ActiveIndex());
  EXPECT_EQ(anchorsA, anchorsB);
}

}  // namespace lumena::testing
