#include "work/paint_stroke.h"

#include <gtest/gtest.h>

#include "work/undo.h"
#include "work/work_desk_test_host.h"

namespace lumena {
namespace {

using testing::DeskFixture;

constexpr Pixel kGrey{100, 100, 100, 255};
constexpr Pixel kRed{0, 0, 255, 255};

// A layer of 60 x 40 pixels at (200, 300), each pixel's blue byte its column.
TLayer& Striped(DeskFixture& f) {
  TLayer& layer = f.Add(200, 300, 60, 40, kGrey);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 60; ++x) layer.WorkPicture().At(x, y) = {static_cast<uint8_t>(x * 4), 100, 100, 255};
  f.desk.SetActive(f.desk.IndexOf(&layer));
  return layer;
}

// Press, the moves, release.
void Stroke(DeskFixture& f, TLayer& layer, PaintTool tool, bool restore, PaintToolSettings settings,
            std::initializer_list<Point> points) {
  PaintStroke stroke(f.desk, layer, tool, restore, settings, kRed, *points.begin());
  for (auto p = points.begin() + 1; p != points.end(); ++p) stroke.MoveTo(*p);
  stroke.Finish();
}

TEST(PaintStroke, AFullPowerBrushColoursTheCentreAndStopsAtItsRadius) {
  DeskFixture f;
  TLayer& layer = Striped(f);
  const Picture before = layer.WorkPicture();
  Stroke(f, layer, PaintTool::Brush, false, {10, 100}, {{229, 320}, {230, 320}});
  const Picture& after = layer.WorkPicture();
  EXPECT_EQ(after.At(30, 20), kRed);
  for (Point p : {Point{40, 20}, Point{20, 20}, Point{30, 30}, Point{30, 10}, Point{38, 28}})
    EXPECT_EQ(after.At(p.x, p.y), before.At(p.x, p.y)) << p.x << "," << p.y;
  EXPECT_NE(after.At(35, 20), before.At(35, 20));
  EXPECT_EQ(after.At(35, 20).a, 255) << "the brush leaves alpha alone";
  EXPECT_EQ(layer.TransformMode(), kModePainted);
  EXPECT_EQ(f.desk.LastAction(), EditingAction::ParametersChanged);
}

TEST(PaintStroke, HalfPowerMixesByDistanceWithBankersRounding) {
  DeskFixture f;
  TLayer& layer = f.Add(0, 0, 20, 20, Pixel{0, 0, 0, 255});
  f.desk.SetActive(0);
  Stroke(f, layer, PaintTool::Brush, false, {4, 50}, {{9, 10}, {10, 10}});
  // Centre: G = 0.5, so 255 * 0.5 = 127.5 rounds to 128; two pixels away
  // G = 0.75: 63.75 -> 64.
  EXPECT_EQ(layer.WorkPicture().At(10, 10).r, 128);
  EXPECT_EQ(layer.WorkPicture().At(12, 10).r, 64);
}

TEST(PaintStroke, TheEraserClearsTheCentreAndTheRightButtonBringsItBack) {
  DeskFixture f;
  TLayer& layer = Striped(f);
  Stroke(f, layer, PaintTool::Eraser, false, {10, 100}, {{229, 320}, {230, 320}});
  EXPECT_EQ(layer.WorkPicture().At(30, 20).a, 0);
  EXPECT_EQ(layer.WorkPicture().At(30, 20).b, 120) << "colours stay";
  Stroke(f, layer, PaintTool::Eraser, true, {10, 100}, {{229, 320}, {230, 320}});
  EXPECT_EQ(layer.WorkPicture().At(30, 20).a, 255);
  EXPECT_EQ(layer.UndoList().Size(), 2u) << "one record a stroke";
}

TEST(PaintStroke, AStrokeOutsideTheLayerLeavesNoUndoRecord) {
  DeskFixture f;
  TLayer& layer = Striped(f);
  Stroke(f, layer, PaintTool::Brush, false, {5, 100}, {{100, 100}, {110, 100}, {120, 105}});
  EXPECT_TRUE(layer.UndoList().Empty());
}

TEST(PaintStroke, UndoRestoresTheTouchedAreaToItsLastColumnAndRow) {
  DeskFixture f;
  TLayer& layer = Striped(f);
  const Picture before = layer.WorkPicture();
  // Dabs reaching past the layer's right and bottom edges.
  Stroke(f, layer, PaintTool::Brush, false, {8, 100}, {{250, 330}, {255, 335}, {259, 339}});
  ASSERT_EQ(layer.UndoList().Size(), 1u);
  const TUndoRecord& record = layer.UndoList().Newest();
  EXPECT_EQ(record.Area, (Rect{47, 27, 60, 40})) << "cut to the layer, in picture pixels";
  EXPECT_NE(layer.WorkPicture().At(59, 39), before.At(59, 39));
  layer.Undo();
  EXPECT_EQ(layer.WorkPicture(), before);
}

TEST(PaintStroke, TheModifierDragsTheCentreAlongAndLeavesTheRim) {
  DeskFixture f;
  TLayer& layer = Striped(f);
  const Picture before = layer.WorkPicture();
  f.desk.Displacement().Allocate();
  // Ten pixels to the right in one move at power 100 (k = 1).
  Stroke(f, layer, PaintTool::Modifier, false, {20, 100}, {{220, 320}, {230, 320}});
  const Picture& after = layer.WorkPicture();
  EXPECT_EQ(after.At(30, 20), before.At(20, 20)) << "the centre shows what was 10 pixels to its left";
  EXPECT_EQ(after.At(50, 20), before.At(50, 20)) << "the rim does not move";
  EXPECT_EQ(layer.TransformMode(), kModeModified);
}

TEST(PaintStroke, ARightModifierStrokeAddsNoRecordAndOneUndoGoesBackBeforeTheLeftStroke) {
  DeskFixture f;
  TLayer& layer = Striped(f);
  const Picture before = layer.WorkPicture();
  f.desk.Displacement().Allocate();
  Stroke(f, layer, PaintTool::Modifier, false, {20, 100}, {{220, 320}, {230, 320}});
  Stroke(f, layer, PaintTool::Modifier, true, {20, 100}, {{230, 320}, {231, 320}, {230, 321}});
  ASSERT_EQ(layer.UndoList().Size(), 1u);
  EXPECT_EQ(layer.UndoList().Newest().Kind, UndoKind::Modifier);
  layer.Undo();
  EXPECT_EQ(layer.WorkPicture(), before);
  EXPECT_EQ(layer.BasePicture(), before) << "the base goes back too";
}

TEST(PaintStroke, SamplingAtTheBorderUsesTheLastTwoColumns) {
  DeskFixture f;
  TLayer& layer = Striped(f);
  f.desk.Displacement().Allocate();
  // Pulling from the right border: the sample index is clamped to 58.
  Stroke(f, layer, PaintTool::Modifier, false, {6, 100}, {{262, 320}, {259, 320}});
  const Pixel edge = layer.WorkPicture().At(59, 20);
  EXPECT_GE(edge.b, 58 * 4);
  EXPECT_LE(edge.b, 59 * 4);
}

TEST(PaintDabs, RadiusIsHalfTheSliderAndAtLeastOne) {
  EXPECT_EQ(RadiusFromSlider(50), 25);
  EXPECT_EQ(RadiusFromSlider(1), 1);
  EXPECT_EQ(RadiusFromSlider(3), 1);
  EXPECT_EQ(RadiusFromSlider(100), 50);
}

}  // namespace
}  // namespace lumena
