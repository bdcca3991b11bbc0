// The nail marks: which one the pointer is on, and what each drag does.
#include "portrait/nail_markers.h"

#include <gtest/gtest.h>

namespace lumena {
namespace {

constexpr int kW = 445, kH = 492;

TEST(NailMarkers, StartInAnArcAboutTheMiddle) {
  const NailMarkers m = StartingMarkers(kW, kH);
  EXPECT_EQ(m[0].centre, (Point{162, 246}));
  EXPECT_EQ(m[2].centre, (Point{222, 206}));
  EXPECT_EQ(m[4].centre, (Point{282, 246}));
  EXPECT_EQ(MarkerPictureWidth(m[0]), 27);
  EXPECT_EQ(MarkerPictureHeight(m[0]), 57);
}

struct HitCase {
  const char* what;
  Point point;
  int marker;
};

class MarkerAtTest : public ::testing::TestWithParam<HitCase> {};

TEST_P(MarkerAtTest, FindsTheFirstMarkerWhoseSquareHoldsThePoint) {
  NailMarkers m = StartingMarkers(kW, kH);
  m[1].centre = m[0].centre;  // 2 lies on 1: 1 is found first
  m[1].centre.x += 10;
  EXPECT_EQ(MarkerAt(m, GetParam().point), GetParam().marker) << GetParam().what;
}

// Half side 27 div 2 = 13 at scale 1.
INSTANTIATE_TEST_SUITE_P(Table, MarkerAtTest,
                         ::testing::Values(HitCase{"the centre", {162, 246}, 1},
                                           HitCase{"the square's edge", {175, 259}, 1},
                                           HitCase{"just outside", {162, 260}, 0},
                                           HitCase{"where two overlap, the lower number", {170, 246}, 1},
                                           HitCase{"only the second", {184, 246}, 2},
                                           HitCase{"the middle one", {222, 206}, 3}, HitCase{"nowhere", {10, 10}, 0}));

TEST(NailMarkers, MovesKeepTheCentreInsideTheView) {
  const NailMarker m = StartingMarkers(kW, kH)[0];
  EXPECT_EQ(MoveMarker(m, {100, 100}, {5, -3}, kW, kH).centre, (Point{95, 103}));
  EXPECT_EQ(MoveMarker(m, {-50, 900}, {0, 0}, kW, kH).centre, (Point{0, kH - 1}));
}

TEST(NailMarkers, StretchingAndTurningFollowTheDrag) {
  const NailMarker m = StartingMarkers(kW, kH)[0];
  EXPECT_DOUBLE_EQ(StretchMarker(m, 30, 0, true).scaleX, 1.3) << "right button: wider to the right";
  EXPECT_DOUBLE_EQ(StretchMarker(m, 0, -20, false).scaleY, 1.2) << "left button: taller upwards";
  EXPECT_DOUBLE_EQ(StretchMarker(m, 500, 0, true).scaleX, kMaxMarkerScale);
  EXPECT_DOUBLE_EQ(StretchMarker(m, 0, 500, false).scaleY, kMinMarkerScale);
  EXPECT_EQ(TurnMarker(m, 21).angle, 10);
  EXPECT_EQ(TurnMarker(m, -21).angle, -10) << "the remainder keeps the sign";
  NailMarker turned = m;
  turned.angle = 350;
  EXPECT_EQ(TurnMarker(turned, 40).angle, 10);
}

TEST(NailMarkers, AnchorsAreInTablePixelsOfTheEnlargedFrame) {
  NailMarker m = StartingMarkers(kW, kH)[2];  // (222, 206)
  m.scaleX = 1.5;
  ZoomFrame frame = StartingFrame(kW, kH);  // (20, 22), zoom 1.1
  frame.zoom = 2.0;
  EXPECT_EQ(NailAnchor(m, frame, {222, 246}, 890, 984), (NailMark{222 + 404, 246 + 368, 81, 114, 0}));
  m.centre = {440, 490};
  const NailMark clamped = NailAnchor(m, frame, {700, 900}, 890, 984);
  EXPECT_EQ(clamped.x, 890);
  EXPECT_EQ(clamped.y, 984);
}

}  // namespace
}  // namespace lumena
