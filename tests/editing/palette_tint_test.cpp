#include <gtest/gtest.h>

#include "editing/editing_session.h"
#include "editing/scripted_questions.h"
#include "work/undo.h"
#include "work/work_desk_test_host.h"

namespace lumena {
namespace {

constexpr Pixel kOpaque{50, 60, 70, 255};
constexpr uint32_t kCopper = ColorValue(184, 92, 46);

struct PaletteFixture : testing::DeskFixture {
  testing::ScriptedQuestions questions;
  EditingSession session{desk, questions};
  Pixel brush{0, 0, 0, 255};
};

TEST(PaletteTint, TheSameSwatchTwiceMakesOneRecordOnALayerAndTwoOnARegion) {
  struct Case {
    const char* what;
    int region;
    size_t records;
  };
  const Case cases[] = {{"without a current region", 0, 1}, {"with a current region", 3, 2}};
  for (const Case& c : cases) {
    PaletteFixture f;
    TLayer& layer = f.Add(10, 10, 8, 8, kOpaque);
    f.desk.SetActive(0);
    f.session.SetLayerMode(LayerMode::Coloration);
    layer.Mask().SetCurrentRegion(c.region);
    f.session.ApplyPaletteColour(kCopper, f.brush);
    f.session.ApplyPaletteColour(kCopper, f.brush);
    EXPECT_EQ(layer.UndoList().Size(), c.records) << c.what;
    EXPECT_EQ(layer.UndoList().Newest().Kind, UndoKind::Colour) << c.what;
    EXPECT_EQ(f.desk.LastAction(), EditingAction::ParametersChanged) << c.what;
    const int32_t copper = static_cast<int32_t>(kCopper);
    EXPECT_EQ(layer.Params().Color, c.region ? -1 : copper) << c.what;
    if (c.region) {
      EXPECT_EQ(layer.Mask().Region(c.region).Color, copper) << c.what;
    }
    EXPECT_EQ(f.brush, (Pixel{0, 0, 0, 255})) << c.what << ": the brush keeps its colour";
    f.session.UndoActive();
    f.session.UndoActive();
    EXPECT_EQ(layer.Params().Color, -1) << c.what;
    if (c.region) {
      EXPECT_EQ(layer.Mask().Region(c.region).Color, -1) << c.what;
    }
  }
}

TEST(PaletteTint, TheTintShowsOnTheDesk) {
  PaletteFixture f;
  TLayer& layer = f.Add(10, 10, 8, 8, kOpaque);
  f.desk.SetActive(0);
  f.session.SetLayerMode(LayerMode::Appearance);
  const Pixel before = layer.DeskRendering().Image.At(0, 0);
  f.session.ApplyPaletteColour(kCopper, f.brush);
  // 140 parts of the picture and 115 of the colour, out of 256.
  const Pixel after = layer.DeskRendering().Image.At(0, 0);
  EXPECT_NE(after, before);
  EXPECT_EQ(after.r, (70 * 140 + 184 * 115) >> 8);
  EXPECT_EQ(after.b, (50 * 140 + 46 * 115) >> 8);
}

TEST(PaletteTint, ThePaintModeTakesTheColourForTheBrushAndLeavesTheLayer) {
  PaletteFixture f;
  TLayer& layer = f.Add(10, 10, 8, 8, kOpaque);
  f.desk.SetActive(0);
  f.session.SetLayerMode(LayerMode::Paint);
  f.session.ApplyPaletteColour(kCopper, f.brush);
  EXPECT_EQ(f.brush, (Pixel{46, 92, 184, 255}));
  EXPECT_EQ(layer.Params().Color, -1);
  EXPECT_EQ(layer.UndoList().Size(), 0u);
}

TEST(PaletteTint, NothingHappensWithoutAnActiveLayer) {
  PaletteFixture f;
  TLayer& layer = f.Add(10, 10, 8, 8, kOpaque);
  f.desk.SetActive(-1);
  f.session.SetLayerMode(LayerMode::Coloration);
  f.session.ApplyPaletteColour(kCopper, f.brush);
  EXPECT_EQ(layer.Params().Color, -1);
  EXPECT_EQ(layer.UndoList().Size(), 0u);
}

}  // namespace
}  // namespace lumena
