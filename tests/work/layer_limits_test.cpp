// Values from files are brought into their ranges, and a layer refuses to
// grow beyond the caps.
#include <gtest/gtest.h>

#include <climits>

#include "images/zlib_stream.h"
#include "work/layer.h"
#include "work/layer_errors.h"
#include "work/value_ranges.h"
#include "work/work_desk_test_host.h"

namespace lumena {
namespace {

using testing::DeskFixture;

struct ParameterCase {
  ColourParameters stored;
  ColourParameters inRange;
};

class ParameterRanges : public ::testing::TestWithParam<ParameterCase> {};

TEST_P(ParameterRanges, AreClampedOnTheLayerAndInMaskStreams) {
  const ParameterCase& c = GetParam();
  ColourParameters clamped = c.stored;
  ClampToRanges(clamped);
  EXPECT_EQ(clamped, c.inRange);

  // A layer made from a stored record.
  DeskFixture f;
  TLayerRecord record;
  record.Name = "12345678";
  record.Params = c.stored;
  TLayer layer(f.desk);
  layer.Init(Picture(2, 2), &record);
  EXPECT_EQ(layer.Params(), c.inRange);

  // A region record of a mask stream.
  TMask written;
  Picture picture(2, 2);
  written.SetPicture(picture);
  for (int region = 1; region <= kMaskRegionCount; ++region) written.SetRegion(region, c.stored);
  std::vector<uint8_t> stream;
  written.WriteMaskStream(stream);
  TMask read;
  read.SetPicture(picture);
  read.ReadMaskStream(stream);
  for (int region = 1; region <= kMaskRegionCount; ++region) EXPECT_EQ(read.Region(region), c.inRange) << region;
}

constexpr int32_t kMin = INT32_MIN, kMax = INT32_MAX;

INSTANTIATE_TEST_SUITE_P(
    HostileRecords, ParameterRanges,
    ::testing::Values(ParameterCase{{kMax, kMax, kMax, kMax, kMax, kMax, kMax, kMax, 255},
                                    {0xFFFFFF, 100, 100, 100, 200, 200, 200, 200, 100}},
                      ParameterCase{{kMin, kMin, kMin, kMin, kMin, kMin, kMin, kMin, 0}, {-1, 0, 0, 0, 0, 0, 0, 0, 0}},
                      ParameterCase{{-2, -1, 101, 50, 201, -5, 199, 300, 101}, {-1, 0, 100, 50, 200, 0, 199, 200, 100}},
                      // In range: unchanged.
                      ParameterCase{{0x123456, 0, 100, 50, 0, 200, 100, 150, 37},
                                    {0x123456, 0, 100, 50, 0, 200, 100, 150, 37}}));

struct PlacementCase {
  int32_t x, y, width, height;
  int32_t expectedX, expectedY, expectedWidth, expectedHeight;
};

class PlacementRanges : public ::testing::TestWithParam<PlacementCase> {};

// Positions and sizes at the ends of 32 bits: the layer's rectangle is
// computed without overflow.
TEST_P(PlacementRanges, AreClampedSoThatSumsCannotOverflow) {
  const PlacementCase& c = GetParam();
  TLayerRecord record;
  record.X = c.x;
  record.Y = c.y;
  record.Width = c.width;
  record.Height = c.height;
  record.Visible = 7;
  ClampToRanges(record);
  EXPECT_EQ(record.X, c.expectedX);
  EXPECT_EQ(record.Y, c.expectedY);
  EXPECT_EQ(record.Width, c.expectedWidth);
  EXPECT_EQ(record.Height, c.expectedHeight);
  EXPECT_EQ(record.Visible, 1);

  DeskFixture f;
  record.Name = "12345678";
  TLayer layer(f.desk);
  layer.Init(Picture(3, 2), &record);
  EXPECT_EQ(layer.X(), c.expectedX);
  EXPECT_EQ(layer.Y(), c.expectedY);
  const Rect area = layer.TableRect();
  EXPECT_EQ(int64_t{area.right} - area.left, 3);
  EXPECT_EQ(int64_t{area.bottom} - area.top, 2);
  layer.RenderDesk();  // far off the view: nothing to show, no overflow
  layer.MoveBy(1, 1);
}

INSTANTIATE_TEST_SUITE_P(HostileRecords, PlacementRanges,
                         ::testing::Values(PlacementCase{kMax, kMax, kMax, kMax, kMaxTablePosition, kMaxTablePosition,
                                                         kMaxPictureSide, kMaxPictureSide},
                                           PlacementCase{kMin, kMin, kMin, kMin, -kMaxTablePosition, -kMaxTablePosition,
                                                         0, 0},
                                           PlacementCase{kMax, kMin, -1, kMaxPictureSide + 1, kMaxTablePosition,
                                                         -kMaxTablePosition, 0, kMaxPictureSide},
                                           PlacementCase{-5, 7, 640, 480, -5, 7, 640, 480}));

struct RotationCase {
  int width, height, angle;
  bool refused;
};

class LayerRotationCaps : public ::testing::TestWithParam<RotationCase> {};

TEST_P(LayerRotationCaps, ARotationOverTheCapsIsRefusedAndChangesNothing) {
  const RotationCase& c = GetParam();
  DeskFixture f;
  TLayer& layer = f.Add(10, 20, c.width, c.height, {1, 2, 3, 255});
  layer.RotateTo(0);  // nothing: the angle is 0 already
  const Picture work = layer.WorkPicture(), base = layer.BasePicture();
  const auto mode = layer.TransformMode();
  const auto actions = f.observer.actions.size();
  if (!c.refused) {
    layer.RotateTo(c.angle);
    EXPECT_EQ(layer.Angle(), c.angle % 360);
    EXPECT_EQ(layer.TransformMode(), kModeRotated);
    return;
  }
  try {
    layer.RotateTo(c.angle);
    FAIL() << "the rotation was not refused";
  } catch (const ELayerTooLarge& e) {
    EXPECT_NE(std::string(e.what()).find("cannot be rotated"), std::string::npos) << e.what();
  }
  EXPECT_EQ(layer.Angle(), 0);
  EXPECT_EQ(layer.TransformMode(), mode);
  EXPECT_EQ(layer.WorkPicture(), work);
  EXPECT_EQ(layer.BasePicture(), base);
  EXPECT_EQ(layer.X(), 10);
  EXPECT_EQ(layer.Y(), 20);
  EXPECT_EQ(layer.PivotX(), -1);
  EXPECT_EQ(f.observer.actions.size(), actions) << "nothing recorded";
}

INSTANTIATE_TEST_SUITE_P(Table, LayerRotationCaps,
                         ::testing::Values(RotationCase{16000, 101, 45, true},    // over the pixel cap
                                           RotationCase{16000, 101, 370, false},  // 10 degrees: within the caps
                                           RotationCase{16384, 120, 1, true},     // over the largest side
                                           RotationCase{16000, 101, 90, false}));

TEST(LayerRotationCaps, ARefusedRotationOfARotatedLayerKeepsItsAngle) {
  DeskFixture f;
  TLayer& layer = f.Add(0, 0, 16000, 101, {1, 2, 3, 255});
  layer.RotateTo(5);
  const Picture rotated = layer.WorkPicture();
  const int32_t x = layer.X(), pivotX = layer.PivotX();
  EXPECT_THROW(layer.RotateTo(45), ELayerTooLarge);
  EXPECT_EQ(layer.Angle(), 5);
  EXPECT_EQ(layer.WorkPicture(), rotated);
  EXPECT_EQ(layer.X(), x);
  EXPECT_EQ(layer.PivotX(), pivotX);
  layer.RotateTo(0);
  EXPECT_EQ(layer.WorkPicture().Width(), 16000);
}

}  // namespace
}  // namespace lumena
