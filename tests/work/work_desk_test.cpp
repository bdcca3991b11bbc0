#include "work/work_desk.h"

#include <gtest/gtest.h>

#include "work/work_desk_test_host.h"

namespace lumena {
namespace {

using testing::DeskFixture;

constexpr Pixel kOpaque{50, 60, 70, 255};
constexpr Pixel kClear{50, 60, 70, 0};

TEST(WorkDesk, InsertByDepthPutsNewLayersInFrontOfEqualDepths) {
  DeskFixture f;
  for (auto [depth, name] : {std::pair{3, "a"}, {5, "b"}, {3, "c"}, {1, "d"}}) f.Add(0, 0, 2, 2, kOpaque, depth, name);
  std::string order;
  for (int i = 0; i < f.desk.Count(); ++i) order += f.desk.Layer(i).DisplayName();
  EXPECT_EQ(order, "bcad");
  f.desk.SetActive(2);
  auto extra = std::make_unique<TLayer>(f.desk);
  extra->Init(Picture(1, 1), nullptr, {"e", -1});
  EXPECT_EQ(f.desk.InsertLayer(std::move(extra), 1), 1);
  EXPECT_EQ(f.desk.ActiveLayer()->DisplayName(), "a") << "the active layer stays the same";
}

TEST(WorkDesk, HitTestLooksThroughTransparentPixelsAndHiddenLayers) {
  DeskFixture f;
  f.Add(100, 100, 50, 50, kClear, 3);   // 0: front, transparent
  f.Add(100, 100, 50, 50, kOpaque, 2);  // 1
  f.Add(90, 90, 80, 80, kOpaque, 1);    // 2: back
  EXPECT_EQ(f.desk.HitTest(120, 120, false, false), 1);
  f.desk.Layer(1).SetVisible(false);
  EXPECT_EQ(f.desk.HitTest(120, 120, false, false), 2);
  EXPECT_EQ(f.desk.HitTest(95, 95, false, false), 2);
  EXPECT_EQ(f.desk.HitTest(10, 10, false, false), -1);
  f.desk.SetActive(0);
  EXPECT_EQ(f.desk.HitTest(120, 120, true, false), 0) << "ctrl keeps the active layer in its rectangle";
}

TEST(WorkDesk, CtrlClicksCycleThroughTheStackAndReturnToTheFirst) {
  DeskFixture f;
  for (int depth : {4, 3, 2, 1}) f.Add(100, 100, 50, 50, depth == 3 ? kClear : kOpaque, depth);
  f.desk.SetActive(0);
  std::vector<int> seen;
  for (int i = 0; i < 4; ++i) {
    f.desk.SetActive(f.desk.HitTest(110, 110, true, true));
    seen.push_back(f.desk.ActiveIndex());
  }
  EXPECT_EQ(seen, (std::vector{2, 3, 0, 2}));
}

struct DeleteCase {
  int count, active, deleted;
  int expectedActive;
};

TEST(WorkDesk, DeletionMovesTheActiveIndex) {
  const DeleteCase cases[] = {
      {3, 1, 1, 0}, {3, 0, 0, 0}, {3, 2, 0, 1}, {3, 0, 2, 0}, {3, 2, 2, 1}, {1, 0, 0, -1}, {3, -1, 1, -1},
  };
  for (const DeleteCase& c : cases) {
    DeskFixture f;
    for (int i = 0; i < c.count; ++i)
      f.Add(10 * i, 0, 5, 5, kOpaque, c.count - i, std::string(1, static_cast<char>('0' + i)));
    f.desk.SetActive(c.active);
    f.desk.DeleteLayer(c.deleted);
    EXPECT_EQ(f.desk.ActiveIndex(), c.expectedActive) << c.count << " " << c.active << " " << c.deleted;
    EXPECT_EQ(f.desk.Count(), c.count - 1);
    EXPECT_EQ(f.desk.FindLayer(std::string(1, static_cast<char>('0' + c.deleted))), -1);
  }
}

TEST(WorkDesk, DeletingThePortraitClearsItsReference) {
  DeskFixture f;
  TLayer& portrait = f.Add(0, 0, 5, 5, kOpaque);
  f.desk.SetPortraitLayer(&portrait);
  f.desk.DeleteLayer(0);
  EXPECT_EQ(f.desk.PortraitLayer(), nullptr);
  EXPECT_EQ(f.observer.portraitChanges, 1);
  EXPECT_EQ(f.desk.LastAction(), EditingAction::LayersDeleted);
}

TEST(WorkDesk, DeleteGroupSparesSpecialLayersAndBlankLetters) {
  DeskFixture f;
  TLayer& body = f.Add(0, 0, 5, 5, kOpaque, 9, "body");
  body.SetTemplateType(2);
  f.desk.SetBodyLayer(&body);
  for (auto [type, name] : {std::pair{2, "b1"}, {0, "f1"}, {5, "b2"}, {3, "n1"}, {7, "f2"}}) {
    TLayer& l = f.Add(0, 0, 5, 5, kOpaque, 0, name);
    l.SetTemplateType(type);
  }
  f.desk.DeleteGroup("  ", -1, false);
  EXPECT_EQ(f.desk.Count(), 6);
  f.desk.SetActive(f.desk.IndexOf(&body));
  f.desk.DeleteGroup("b", -1, false);
  EXPECT_EQ(f.desk.Count(), 4);
  EXPECT_EQ(f.desk.BodyLayer(), &body);
  EXPECT_EQ(f.desk.ActiveLayer(), &body) << "the active layer kept its place";
  f.desk.DeleteGroup("", 7, true);
  EXPECT_EQ(f.desk.Count(), 3);
  EXPECT_EQ(f.desk.ActiveIndex(), 0);
}

TEST(WorkDesk, MoveLayerKeepsTheActiveLayerActive) {
  DeskFixture f;
  for (int depth : {3, 2, 1}) f.Add(0, 0, 5, 5, kOpaque, depth, std::to_string(depth));
  f.desk.SetActive(1);
  f.desk.MoveLayer(2, 0);
  EXPECT_EQ(f.desk.ActiveIndex(), 2);
  EXPECT_EQ(f.desk.ActiveLayer()->DisplayName(), "2");
  EXPECT_EQ(f.desk.LastAction(), EditingAction::LayerOrderChanged);
}

TEST(WorkDesk, ClearWorkEmptiesEverything) {
  DeskFixture f;
  TLayer& hand = f.Add(0, 0, 5, 5, kOpaque);
  f.desk.SetHandLayer(&hand);
  f.desk.SetActive(0);
  f.desk.ClearWork();
  EXPECT_EQ(f.desk.Count(), 0);
  EXPECT_EQ(f.desk.ActiveIndex(), -1);
  EXPECT_EQ(f.desk.HandLayer(), nullptr);
  EXPECT_EQ(f.observer.activeName, "");
}

TEST(WorkDesk, FullWorkImageIsClippedToTheTableAndEmptyWithoutVisibleLayers) {
  DeskFixture f;
  EXPECT_TRUE((f.desk.BuildFullWorkImage(), f.desk.FullWorkImage().Empty()));
  TLayer& half = f.Add(-40, 900, 100, 200, kOpaque);
  f.Add(-500, 10, 100, 100, kOpaque);  // wholly off the table: adds nothing
  f.desk.BuildFullWorkImage();
  EXPECT_EQ(f.desk.FullArea(), (Rect{0, 900, 60, 984}));
  EXPECT_EQ(f.desk.FullWorkImage().Width(), 60);
  EXPECT_EQ(f.desk.FullWorkImage().At(0, 0), (Pixel{50, 60, 70, 255}));
  EXPECT_TRUE(half.FullRendering().Image.Empty()) << "released after use";
  half.SetParameter(ColourField::Opacity, 50);
  f.desk.BuildFullWorkImage();
  EXPECT_EQ(f.desk.FullWorkImage().At(5, 5).a, 125) << "(126 * 255) >> 8 over a transparent background";
  for (int i = 0; i < f.desk.Count(); ++i) f.desk.Layer(i).SetVisible(false);
  f.desk.BuildFullWorkImage();
  EXPECT_TRUE(f.desk.FullWorkImage().Empty());
}

TEST(WorkDesk, DeskImageComposesVisibleLayersOverWhite) {
  DeskFixture f;
  f.Add(300, 300, 10, 10, {0, 0, 255, 255});
  f.desk.RefreshAll();
  const Pixel white{255, 255, 255, 255};
  EXPECT_EQ(f.desk.DeskImage().At(0, 0), white);
  EXPECT_EQ(f.desk.DeskImage().At(300 - 222, 300 - 246), (Pixel{0, 0, 255, 255}));
  ASSERT_TRUE(f.desk.ActiveFrameToDraw() == std::nullopt);
  f.desk.SetActive(0);
  EXPECT_EQ(f.desk.ActiveFrameToDraw()->area, (Rect{78, 54, 88, 64}));
}

TEST(WorkDesk, ScaleKeepsTheViewCentreWithinTheTable) {
  DeskFixture f;
  f.desk.SetScale(2.0);
  const DeskGeometry& g = f.desk.Geometry();
  EXPECT_EQ(g.viewWidth, 890);
  EXPECT_EQ(g.viewHeight, 984);
  EXPECT_EQ(g.viewLeft, 0);
  EXPECT_EQ(g.viewTop, 0);
  EXPECT_EQ(f.desk.LastAction(), EditingAction::ScaleChanged);
  f.desk.SetScale(1.5);
  EXPECT_EQ(g.viewWidth, 668) << "Round(667.5) goes to even";
  EXPECT_EQ(g.viewLeft, 111);
}

TEST(WorkDesk, PanningOverWholeLayersBuildsAndReusesThePanCache) {
  DeskFixture f;
  TLayer& a = f.Add(300, 300, 40, 30, kOpaque);
  f.Add(350, 320, 10, 10, kOpaque);
  f.desk.SetViewPosition(200, 250);
  ASSERT_FALSE(f.desk.PanCache().Empty());
  EXPECT_EQ(f.desk.PanCache().Width(), 60);
  EXPECT_EQ(f.desk.PanCachePosition(), (Point{100, 50}));
  f.desk.SetViewPosition(190, 250);
  EXPECT_EQ(f.desk.PanCachePosition(), (Point{110, 50}));
  EXPECT_EQ(a.DeskRendering().X, 110);
  EXPECT_EQ(f.desk.DeskImage().At(110, 50), (Pixel{50, 60, 70, 255}));
  a.SetParameter(ColourField::Red, 10);
  EXPECT_TRUE(f.desk.PanCache().Empty()) << "any other action drops the cache";
}

}  // namespace
}  // namespace lumena
