// Which video input the camera window connects, and the snapshot's size and
// cut.
#include "media/video_capture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <vector>

#include "media/snapshot.h"

namespace lumena {
namespace {

struct ConnectCase {
  const char* name;
  int inputs;
  std::set<int> starting;  // the inputs that start
  std::optional<int> connected;
  std::vector<int> tried;
};

class FirstConnectingTest : public ::testing::TestWithParam<ConnectCase> {};

TEST_P(FirstConnectingTest, TriesInOrderAndKeepsTheFirstThatStarts) {
  const ConnectCase& c = GetParam();
  std::vector<int> tried;
  const std::optional<int> connected = FirstConnecting(c.inputs, [&](int i) {
    tried.push_back(i);
    return c.starting.contains(i);
  });
  EXPECT_EQ(connected, c.connected);
  EXPECT_EQ(tried, c.tried);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, FirstConnectingTest,
    ::testing::Values(
        ConnectCase{"FirstStarts", 3, {0, 1}, 0, {0}}, ConnectCase{"FirstFailsSecondStarts", 3, {1, 2}, 1, {0, 1}},
        ConnectCase{"NoneStarts", 4, {}, std::nullopt, {0, 1, 2, 3}}, ConnectCase{"NoInputs", 0, {}, std::nullopt, {}},
        ConnectCase{"TheTenthIsTheLastTried", 12, {9, 10}, 9, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
        ConnectCase{"InputsPastTenAreIgnored", 12, {10, 11}, std::nullopt, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}}),
    [](const auto& info) { return std::string(info.param.name); });

constexpr Pixel kFrameColour{10, 200, 77, 255};

Picture Filled(int width, int height, Pixel colour) {
  Picture frame(width, height);
  std::ranges::fill(frame.Pixels(), colour);
  return frame;
}

// Bilinear sampling truncates: a byte may come out one less.
bool Near(const Pixel& p, const Pixel& q) {
  return std::abs(p.b - q.b) <= 1 && std::abs(p.g - q.g) <= 1 && std::abs(p.r - q.r) <= 1 && p.a == q.a;
}

struct SnapshotCase {
  int width, height;
};

class SnapshotSizeTest : public ::testing::TestWithParam<SnapshotCase> {};

TEST_P(SnapshotSizeTest, IsAlways640By480AndFilledFromTheFrame) {
  const auto [width, height] = GetParam();
  const Picture shot = SnapshotOf(Filled(width, height, kFrameColour));
  ASSERT_EQ(shot.Width(), kSnapshotWidth);
  ASSERT_EQ(shot.Height(), kSnapshotHeight);
  EXPECT_TRUE(std::ranges::all_of(shot.Pixels(), [](const Pixel& p) { return Near(p, kFrameColour); }));
}

INSTANTIATE_TEST_SUITE_P(FrameSizes, SnapshotSizeTest,
                         ::testing::Values(SnapshotCase{640, 480}, SnapshotCase{160, 120}, SnapshotCase{1280, 720},
                                           SnapshotCase{1920, 1080}, SnapshotCase{480, 640}, SnapshotCase{720, 1280},
                                           SnapshotCase{641, 479}, SnapshotCase{3, 2}, SnapshotCase{1, 1},
                                           SnapshotCase{1, 40}, SnapshotCase{40, 1}),
                         [](const auto& info) {
                           return std::to_string(info.param.width) + "x" + std::to_string(info.param.height);
                         });

TEST(SnapshotTest, AFrameOfTheSnapshotsSizeIsTakenAsItIsButOpaque) {
  Picture frame(kSnapshotWidth, kSnapshotHeight);
  for (int y = 0; y < frame.Height(); ++y)
    for (int x = 0; x < frame.Width(); ++x) frame.At(x, y) = {static_cast<uint8_t>(x), static_cast<uint8_t>(y), 9, 0};
  Picture opaque = frame;
  for (Pixel& p : opaque.Pixels()) p.a = 255;
  EXPECT_EQ(SnapshotOf(frame), opaque);
}

// Three bands across the overhanging side: only the middle one is kept.
Picture Bands(int width, int height, bool across) {
  Picture frame(width, height);
  const int side = across ? width : height;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const int band = (across ? x : y) * 3 / side;
      frame.At(x, y) = band == 1 ? Pixel{0, 255, 0, 255} : Pixel{0, 0, 255, 255};
    }
  return frame;
}

TEST(SnapshotTest, TheOverhangIsCutEvenlyAndTheMiddleKept) {
  for (const auto& [width, height, across] : {std::tuple{1920, 480, true}, std::tuple{480, 1920, false}}) {
    const Picture shot = SnapshotOf(Bands(width, height, across));
    EXPECT_TRUE(std::ranges::all_of(shot.Pixels(),
                                    [](const Pixel& p) {
                                      return p == Pixel{0, 255, 0, 255};
                                    }))
        << width << "x" << height << ": the middle third covers the snapshot";
  }
  // Wider than 4:3 by half: a quarter of the overhang is cut at each side.
  EXPECT_EQ(CoverCut(960, 480, kSnapshotWidth, kSnapshotHeight), (Rect{160, 0, 800, 480}));
  EXPECT_EQ(CoverCut(480, 960, kSnapshotWidth, kSnapshotHeight), (Rect{0, 300, 480, 660}));
  EXPECT_TRUE(SnapshotOf(Picture()).Empty()) << "no frame, no snapshot";
}

TEST(SnapshotTest, TheFormatOfTheSnapshotsSizeIsPreferred) {
  const std::vector<CaptureFormat> formats = {
      {1280, 720, "YUYV", 10, 10}, {640, 480, "MJPG", 30, 30}, {640, 480, "YUYV", 30, 30}};
  EXPECT_EQ(SnapshotFormat(formats), 1u);
  EXPECT_EQ(SnapshotFormat(std::span(formats).first(1)), std::nullopt);
}

}  // namespace
}  // namespace lumena
