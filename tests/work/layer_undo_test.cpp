#include <gtest/gtest.h>

#include <new>

#include "region_fields.h"
#include "work/layer.h"
#include "work/work_desk_test_host.h"

namespace lumena {
namespace {

using testing::DeskFixture;

Picture Gradient(int w, int h) {
  Picture p(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      p.At(x, y) = {static_cast<uint8_t>(x * 7), static_cast<uint8_t>(y * 5), static_cast<uint8_t>(x + y), 255};
  return p;
}

struct UndoTest : ::testing::Test {
  DeskFixture f;
  TLayer& layer = f.Add(300, 300, 120, 90, {10, 20, 30, 255});
  void Drag(ColourField field, int value) {
    f.desk.SetUndoPending(true);
    layer.EditParameter(field, value);
  }
};

TEST_F(UndoTest, ThirtyOneDragsKeepThirtyAndTheFirstIsLost) {
  for (int i = 0; i <= 30; ++i) Drag(ColourField::Red, i);
  EXPECT_EQ(layer.UndoList().Size(), 30u);
  while (!layer.UndoList().Empty()) layer.Undo();
  EXPECT_EQ(layer.Params().Red, 0) << "the value before the second drag";
}

TEST_F(UndoTest, OneDragMakesOneRecordHoldingTheValueBeforeIt) {
  f.desk.SetUndoPending(true);
  for (int v : {60, 70, 80}) layer.EditParameter(ColourField::Hue, v);
  ASSERT_EQ(layer.UndoList().Size(), 1u);
  EXPECT_EQ(layer.UndoList().Newest().Kind, UndoKind::Colour);
  layer.Undo();
  EXPECT_EQ(layer.Params().Hue, 100);
  EXPECT_EQ(f.desk.LastAction(), EditingAction::Undo);
}

TEST_F(UndoTest, RegionEditingGoesToTheCurrentRegionAndUndoesThere) {
  layer.Mask().SetCurrentRegion(2);
  Drag(ColourField::Saturation, 150);
  EXPECT_EQ(layer.Mask().Region(2).Saturation, 150);
  EXPECT_EQ(layer.Params().Saturation, 100);
  EXPECT_EQ(layer.UndoList().Newest().Region, 2);
  layer.Undo();
  EXPECT_EQ(layer.Mask().Region(2).Saturation, 100);
}

TEST_F(UndoTest, ResetOfThreeRegionsMakesFourRecordsAndOneUndoRestoresAll) {
  layer.SetParameter(ColourField::Hue, 40);
  layer.SetParameter(ColourField::Opacity, 30);
  for (int region : {1, 4, 8}) test::SetRegionField(layer.Mask(), region, ColourField::Red, region * 10);
  layer.Mask().SetCurrentRegion(4);
  layer.Reset();
  ASSERT_EQ(layer.UndoList().Size(), 4u);
  EXPECT_EQ(layer.UndoList()[0].Kind, UndoKind::Reset);
  for (size_t i = 1; i < 4; ++i) EXPECT_EQ(layer.UndoList()[i].Kind, UndoKind::RegionReset);
  EXPECT_TRUE(IsNeutral(layer.Params()));
  EXPECT_EQ(layer.Mask().Region(8).Red, 50);
  EXPECT_EQ(layer.Mask().CurrentRegion(), 4) << "the remembered region comes back";
  layer.Undo();
  EXPECT_TRUE(layer.UndoList().Empty());
  EXPECT_EQ(layer.Params().Hue, 40);
  EXPECT_EQ(layer.Params().Opacity, 30);
  for (int region : {1, 4, 8}) EXPECT_EQ(layer.Mask().Region(region).Red, region * 10);
}

TEST_F(UndoTest, ResetChainStopsAtItsResetRecord) {
  Drag(ColourField::Blue, 10);
  test::SetRegionField(layer.Mask(), 3, ColourField::Green, 0);
  layer.Reset();
  layer.Undo();
  ASSERT_EQ(layer.UndoList().Size(), 1u) << "the colour record below the chain stays";
  EXPECT_EQ(layer.Params().Blue, 10);
}

TEST_F(UndoTest, MoveDragMakesOneRecordAndUndoRestoresPosition) {
  f.desk.SetUndoPending(true);
  for (int i = 0; i < 3; ++i) layer.MoveBy(5, -2);
  EXPECT_EQ(layer.X(), 315);
  ASSERT_EQ(layer.UndoList().Size(), 1u);
  layer.Undo();
  EXPECT_EQ(layer.X(), 300);
  EXPECT_EQ(layer.Y(), 300);
}

struct RotationTest : ::testing::Test {
  DeskFixture f;
  TLayer& Make() {
    TLayer& l = f.Add(200, 200, 150, 120, {});
    l.WorkPicture() = Gradient(150, 120);
    l.SetTransformMode(kModeNormal);
    return l;
  }
};

TEST_F(RotationTest, ThreeHundredSeventyIsTen) {
  TLayer& a = Make();
  TLayer& b = Make();
  a.RotateTo(370);
  b.RotateTo(10);
  EXPECT_EQ(a.Angle(), 10);
  EXPECT_EQ(a.WorkPicture(), b.WorkPicture());
  EXPECT_EQ(a.X(), b.X());
  EXPECT_EQ(a.TransformMode(), kModeRotated);
  EXPECT_EQ(a.PivotX(), 200 + 75);
}

TEST_F(RotationTest, RotatingBackToZeroRestoresTheBaseExactly) {
  TLayer& l = Make();
  const Picture original = l.WorkPicture();
  l.RotateTo(-45);
  EXPECT_NE(l.WorkPicture().Width(), 150);
  l.RotateTo(0);
  EXPECT_EQ(l.WorkPicture(), original);
  EXPECT_EQ(l.X(), 200);
  EXPECT_EQ(l.Y(), 200);
}

TEST_F(RotationTest, UndoOfARotatingDragTurnsBackByTheDragsRotation) {
  TLayer& l = Make();
  const Picture original = l.WorkPicture();
  f.desk.SetUndoPending(true);
  l.PushUndo(UndoKind::Rotate, true);
  l.RotateTo(12);
  l.RotateTo(30);
  l.EndRotationDrag();
  EXPECT_EQ(l.UndoList().Newest().Angle, 30);
  f.desk.SetUndoPending(true);
  l.PushUndo(UndoKind::Rotate, true);
  l.RotateTo(50);
  l.EndRotationDrag();
  l.Undo();
  EXPECT_EQ(l.Angle(), 30);
  EXPECT_EQ(l.TransformMode(), kModeRotated);
  l.Undo();
  EXPECT_EQ(l.Angle(), 0);
  EXPECT_EQ(l.WorkPicture(), original);
  EXPECT_EQ(l.TransformMode(), kModeNormal);
}

TEST_F(RotationTest, FlipAndItsUndoMirrorTheRows) {
  TLayer& l = Make();
  const Picture original = l.WorkPicture();
  l.FlipHorizontal();
  EXPECT_EQ(l.WorkPicture().At(0, 3), original.At(149, 3));
  EXPECT_EQ(l.TransformMode(), kModeFlipped);
  l.Undo();
  EXPECT_EQ(l.WorkPicture(), original);
  EXPECT_EQ(l.TransformMode(), kModeNormal);
}

TEST_F(RotationTest, UndoOfAResizeResamplesTheBaseToTheOldSize) {
  TLayer& l = Make();
  const Picture original = l.WorkPicture();
  f.desk.SetUndoPending(true);
  l.PushUndo(UndoKind::Resize, true);
  l.SetTransformMode(kModeResized);
  l.WorkPicture().Resize(60, 40);
  l.SetPosition(210, 190);
  l.Undo();
  EXPECT_EQ(l.WorkPicture(), original);
  EXPECT_EQ(l.X(), 200);
  EXPECT_EQ(l.Y(), 200);
  EXPECT_EQ(l.Mask().Columns(), 150);
}

TEST_F(RotationTest, UndoOfCalibrationBringsTheWholePictureBack) {
  TLayer& l = Make();
  const Picture original = l.WorkPicture();
  l.PushUndo(UndoKind::Calibration);
  EXPECT_EQ(l.UndoList().Newest().Area, (Rect{890, 984, -1, -1}));
  for (Pixel& p : l.WorkPicture().Pixels()) p.r = 0;
  l.Undo();
  EXPECT_EQ(l.WorkPicture(), original);
}

TEST(UndoList, OutOfMemoryDropsOldRecordsUntilTheNewOneFits) {
  TUndoList list;
  for (int i = 0; i < 5; ++i) list.Push([i](TUndoRecord& r) { r.X = i; });
  int failures = 2;
  const TUndoRecord* added = list.Push([&](TUndoRecord& r) {
    if (failures-- > 0) throw std::bad_alloc();
    r.X = 99;
  });
  ASSERT_NE(added, nullptr);
  EXPECT_EQ(list.Size(), 4u);
  EXPECT_EQ(list[0].X, 2);
  EXPECT_EQ(list.Newest().X, 99);
  TUndoList empty;
  EXPECT_EQ(empty.Push([](TUndoRecord&) { throw std::bad_alloc(); }), nullptr);
  EXPECT_TRUE(empty.Empty());
}

}  // namespace
}  // namespace lumena
