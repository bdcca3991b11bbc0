#include "editing/desk_pointer.h"

#include <gtest/gtest.h>

#include "editing/scripted_questions.h"
#include "work/undo.h"
#include "work/work_desk_test_host.h"

namespace lumena {
namespace {

constexpr Pixel kOpaque{50, 60, 70, 255};
constexpr Pixel kClear{50, 60, 70, 0};
constexpr PointerKeys kNoKeys{};

// A desk at scale 1 with the view at the table's corner, so window and
// table points are the same.
struct PointerFixture : testing::DeskFixture {
  testing::ScriptedQuestions questions;
  EditingSession session{desk, questions};
  DeskPointer pointer{session};
  PointerFixture() {
    desk.SetViewPosition(0, 0);
    session.SetLayerMode(LayerMode::Actions);
  }
  void Click(Point p, PointerButton button = PointerButton::Left, PointerKeys keys = {}) {
    pointer.Press(p, button, keys);
    pointer.Release(p, button, keys);
  }
  void Drag(Point from, Point to, PointerKeys keys = {}) {
    pointer.Press(from, PointerButton::Left, keys);
    pointer.Move(to, true, true, keys);
    pointer.Release(to, PointerButton::Left, keys);
  }
};

TEST(DeskPointer, AClickThroughATransparentPixelSelectsTheLayerBehind) {
  PointerFixture f;
  f.Add(100, 100, 50, 50, kOpaque, 1, "back");
  f.Add(100, 100, 50, 50, kClear, 2, "front");
  f.Click({120, 120});
  EXPECT_EQ(f.desk.ActiveLayer()->DisplayName(), "back");
  f.Click({10, 10});
  EXPECT_EQ(f.desk.ActiveLayer(), nullptr) << "a click on the empty table deactivates";
}

TEST(DeskPointer, CtrlClicksCycleThroughTheStackedLayers) {
  PointerFixture f;
  for (int depth : {3, 2, 1}) f.Add(100, 100, 50, 50, kOpaque, depth, std::string(1, static_cast<char>('a' + depth)));
  f.Click({120, 120});
  std::string seen = f.desk.ActiveLayer()->DisplayName();
  const PointerKeys ctrl{.ctrl = true};
  for (int i = 0; i < 3; ++i) {
    f.Click({120, 120}, PointerButton::Left, ctrl);
    seen += f.desk.ActiveLayer()->DisplayName();
  }
  EXPECT_EQ(seen, "dcbd");
}

TEST(DeskPointer, DraggingMovesTheLayerWithOneUndoRecord) {
  PointerFixture f;
  TLayer& layer = f.Add(100, 100, 50, 50, kOpaque);
  f.Click({120, 120});
  f.pointer.Press({120, 120}, PointerButton::Left, kNoKeys);
  f.pointer.Move({125, 121}, true, true, kNoKeys);
  EXPECT_FALSE(f.desk.ShowActiveFrame) << "no frame while dragging";
  f.pointer.Move({140, 150}, true, true, kNoKeys);
  f.pointer.Release({140, 150}, PointerButton::Left, kNoKeys);
  EXPECT_TRUE(f.desk.ShowActiveFrame);
  EXPECT_EQ(layer.X(), 120);
  EXPECT_EQ(layer.Y(), 130);
  EXPECT_EQ(layer.UndoList().Size(), 1u);
  f.session.UndoActive();
  EXPECT_EQ(layer.X(), 100);
  EXPECT_EQ(layer.Y(), 100);
}

struct ResizeCase {
  const char* name;
  ResizeHandle handle;
  int32_t dx, dy;
  std::optional<Rect> expected;
};

class ResizeTable : public ::testing::TestWithParam<ResizeCase> {};

TEST_P(ResizeTable, HandlesGrowAwayFromTheLayerAndStopAboveNinePixels) {
  const ResizeCase& c = GetParam();
  // 40 x 20 at (100, 100), aspect 2.
  EXPECT_EQ(ResizedRect({100, 100, 140, 120}, c.handle, c.dx, c.dy, 2.0, 890, 984), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ResizeTable,
    ::testing::Values(ResizeCase{"right_edge_out", ResizeHandle::Right, -10, 0, Rect{100, 100, 150, 120}},
                      ResizeCase{"left_edge_out", ResizeHandle::Left, 10, 0, Rect{90, 100, 140, 120}},
                      ResizeCase{"right_edge_to_ten", ResizeHandle::Right, 30, 0, Rect{100, 100, 110, 120}},
                      ResizeCase{"right_edge_to_nine_refused", ResizeHandle::Right, 31, 0, std::nullopt},
                      ResizeCase{"bottom_edge_in", ResizeHandle::Bottom, 0, 5, Rect{100, 100, 140, 115}},
                      ResizeCase{"top_edge_to_nine_refused", ResizeHandle::Top, 0, -11, std::nullopt},
                      ResizeCase{"bottom_right_keeps_aspect", ResizeHandle::BottomRight, -10, -3,
                                 Rect{100, 100, 150, 125}},
                      ResizeCase{"top_left_keeps_aspect", ResizeHandle::TopLeft, 10, 2, Rect{90, 95, 140, 120}},
                      ResizeCase{"top_right_vertical", ResizeHandle::TopRight, 1, 8, Rect{100, 96, 148, 120}},
                      ResizeCase{"bottom_left_vertical", ResizeHandle::BottomLeft, 0, -8, Rect{92, 100, 140, 124}},
                      ResizeCase{"beyond_the_table_refused", ResizeHandle::Right, -900, 0, std::nullopt},
                      ResizeCase{"no_movement", ResizeHandle::Right, 0, 0, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DeskPointer, HandlesAreTheCornersFirstThenTheEdgeStrips) {
  const Rect r{100, 100, 140, 120};
  EXPECT_EQ(HandleAt(r, {100, 100}), ResizeHandle::TopLeft);
  EXPECT_EQ(HandleAt(r, {139, 119}), ResizeHandle::BottomRight);
  EXPECT_EQ(HandleAt(r, {133, 106}), ResizeHandle::TopRight);
  EXPECT_EQ(HandleAt(r, {106, 113}), ResizeHandle::BottomLeft);
  EXPECT_EQ(HandleAt(r, {103, 110}), ResizeHandle::Left);
  EXPECT_EQ(HandleAt(r, {120, 103}), ResizeHandle::Top);
  EXPECT_EQ(HandleAt(r, {120, 110}), ResizeHandle::None);
  EXPECT_EQ(HandleAt(r, {140, 110}), ResizeHandle::None) << "outside";
}

TEST(DeskPointer, ACornerDragResizesTheLayerAndTheReleaseResamplesIt) {
  PointerFixture f;
  TLayer& layer = f.Add(100, 100, 40, 20, kOpaque);
  f.Click({120, 110});
  f.pointer.Press({139, 119}, PointerButton::Left, kNoKeys);
  EXPECT_EQ(f.pointer.Cursor(), DeskCursor::SizeFrontDiagonal);
  f.pointer.Move({159, 125}, true, true, kNoKeys);
  EXPECT_EQ(layer.TableRect(), (Rect{100, 100, 160, 130}));
  f.pointer.Release({159, 125}, PointerButton::Left, kNoKeys);
  EXPECT_EQ(layer.TransformMode(), kModeResized);
  EXPECT_EQ(layer.WorkPicture().At(59, 29), kOpaque);
  EXPECT_EQ(f.desk.LastAction(), EditingAction::LayerResized);
  f.session.UndoActive();
  EXPECT_EQ(layer.TableRect(), (Rect{100, 100, 140, 120}));
}

TEST(DeskPointer, ShiftDragRotatesHalfADegreeAWindowPixelForSmallMoves) {
  PointerFixture f;
  TLayer& layer = f.Add(100, 100, 40, 40, kOpaque);
  f.Click({120, 120});
  const PointerKeys shift{.shift = true};
  f.pointer.Press({120, 120}, PointerButton::Left, shift);
  EXPECT_EQ(f.pointer.Cursor(), DeskCursor::Rotate);
  f.pointer.Move({130, 120}, true, true, shift);
  EXPECT_EQ(layer.Angle(), 5);
  f.pointer.Move({150, 120}, true, true, shift);
  EXPECT_EQ(layer.Angle(), 25) << "20 pixels at once: a degree each";
  f.pointer.Release({150, 120}, PointerButton::Left, shift);
  f.session.UndoActive();
  EXPECT_EQ(layer.Angle(), 0);
}

TEST(DeskPointer, ARightClickOnALayerAsksForThePopupMenu) {
  PointerFixture f;
  f.Add(100, 100, 50, 50, kOpaque);
  f.Click({120, 120}, PointerButton::Right);
  EXPECT_EQ(f.pointer.TakePopupTarget(), 0);
  EXPECT_EQ(f.pointer.TakePopupTarget(), std::nullopt) << "taken once";
  f.Click({10, 10}, PointerButton::Right);
  EXPECT_EQ(f.pointer.TakePopupTarget(), std::nullopt);
}

TEST(DeskPointer, AltPansTheViewWithTheHand) {
  PointerFixture f;
  f.desk.SetScale(2.0);
  f.desk.SetViewPosition(0, 0);
  f.desk.SetScale(1.0);
  f.desk.SetViewPosition(200, 300);
  const PointerKeys alt{.alt = true};
  f.pointer.Press({50, 50}, PointerButton::Left, alt);
  EXPECT_EQ(f.pointer.Cursor(), DeskCursor::HandGrabAll);
  f.pointer.Move({40, 45}, true, true, alt);
  EXPECT_EQ(f.desk.Geometry().viewLeft, 210);
  EXPECT_EQ(f.desk.Geometry().viewTop, 305);
  f.pointer.Release({40, 45}, PointerButton::Left, alt);
  EXPECT_EQ(f.desk.LastAction(), EditingAction::ViewMoved);
}

TEST(DeskPointer, WithoutAModeTheDeskOnlyPans) {
  PointerFixture f;
  f.session.SetLayerMode(LayerMode::None);
  TLayer& layer = f.Add(100, 100, 50, 50, kOpaque);
  f.Drag({120, 120}, {140, 140});
  EXPECT_EQ(layer.X(), 100);
  EXPECT_EQ(f.desk.ActiveLayer(), nullptr);
}

TEST(DeskPointer, ABrushStrokePaintsAndOneUndoRemovesIt) {
  PointerFixture f;
  TLayer& layer = f.Add(100, 100, 50, 50, kOpaque);
  f.Click({120, 120});
  f.session.SetLayerMode(LayerMode::Paint);
  f.pointer.brush = {5, 100};
  f.pointer.brushColour = {0, 0, 255, 255};
  const Picture before = layer.WorkPicture();
  f.pointer.Press({110, 110}, PointerButton::Left, kNoKeys);
  for (int x = 112; x <= 130; x += 2) f.pointer.Move({x, 110}, true, true, kNoKeys);
  f.pointer.Release({130, 110}, PointerButton::Left, kNoKeys);
  EXPECT_EQ(layer.WorkPicture().At(20, 10), (Pixel{0, 0, 255, 255}));
  EXPECT_EQ(layer.UndoList().Size(), 1u);
  f.session.UndoActive();
  EXPECT_EQ(layer.WorkPicture(), before);
}

TEST(DeskPointer, TheShiftPipettePicksTheAverageOfNineShownPixels) {
  PointerFixture f;
  f.Add(100, 100, 50, 50, Pixel{30, 60, 90, 255});
  f.desk.RefreshAll();
  f.Click({120, 120});
  f.session.SetLayerMode(LayerMode::Paint);
  const PointerKeys shift{.shift = true};
  f.pointer.Press({120, 120}, PointerButton::Left, shift);
  f.pointer.Move({121, 121}, true, true, shift);
  EXPECT_EQ(f.pointer.brushColour, (Pixel{30, 60, 90, 255}));
  f.pointer.Move({100, 120}, true, true, shift);
  // Three of the nine pixels are the desk's white.
  EXPECT_EQ(f.pointer.brushColour,
            (Pixel{(6 * 30 + 3 * 255) / 9, (6 * 60 + 3 * 255) / 9, (6 * 90 + 3 * 255) / 9, 255}));
  f.pointer.Release({100, 120}, PointerButton::Left, shift);
  EXPECT_TRUE(f.desk.ActiveLayer()->UndoList().Empty()) << "the pipette paints nothing";
}

}  // namespace
}  // namespace lumena
