#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "images/stretch.h"

namespace lumena {
namespace {

enum class Kind { Alpha, AlphaAlways, Thumbnail, Opaque };

// The sampling written out pixel by pixel, as a yardstick for the fast path.
Picture ReferenceStretch(const Picture& source, int width, int height, Kind kind) {
  const int ws = source.Width(), hs = source.Height();
  Picture work(width, height);
  for (int r = 0; r < height; ++r) {
    const long double sy = static_cast<long double>(r) * hs / height;
    const int y0 = static_cast<int>(sy);
    const double fy = y0 == hs - 1 ? 0.0 : static_cast<double>(sy - y0);
    const int y1 = y0 == hs - 1 ? y0 : y0 + 1;
    for (int c = 0; c < width; ++c) {
      const long double sx = static_cast<long double>(c) * ws / width;
      const int x0 = static_cast<int>(sx);
      const double fx = static_cast<double>(sx - x0);
      const bool next = !(c == 0 || x0 == ws - 1);
      const int x1 = next ? x0 + 1 : x0;
      const Pixel q[4] = {source.At(x0, y0), source.At(x1, y0), source.At(x0, y1), source.At(x1, y1)};
      int v[4];
      for (int k = 0; k < 4; ++k) {
        auto byte = [&](int i) { return static_cast<double>(reinterpret_cast<const uint8_t*>(&q[i])[k]); };
        v[k] =
            static_cast<int>((1 - fy) * ((1 - fx) * byte(0) + fx * byte(1)) + fy * ((1 - fx) * byte(2) + fx * byte(3)));
      }
      Pixel& out = work.At(c, r);
      int alpha = v[3];
      if (kind == Kind::Alpha && (q[0].a == 0 || q[0].a == 255)) alpha = q[0].a;
      if (kind == Kind::Opaque) alpha = 255;
      const Pixel under = (next && kind != Kind::Thumbnail) ? work.At(c - 1, r) : Pixel{};
      const bool blend = kind == Kind::Thumbnail || (kind != Kind::Opaque && alpha != 0 && alpha != 255);
      auto channel = [&](int value, int n) {
        return static_cast<uint8_t>(blend ? (value * alpha + (255 - alpha) * n) / 255 : value);
      };
      out = {channel(v[0], under.b), channel(v[1], under.g), channel(v[2], under.r), static_cast<uint8_t>(alpha)};
    }
  }
  return work;
}

void StretchBy(Kind kind, Picture& target, const Rect& rect, const Picture& source) {
  switch (kind) {
    case Kind::Alpha:
      return StretchAlpha(target, rect, source, false);
    case Kind::AlphaAlways:
      return StretchAlpha(target, rect, source, true);
    case Kind::Thumbnail:
      return StretchThumbnail(target, rect, source);
    case Kind::Opaque:
      return StretchOpaque(target, rect, source);
  }
}

// Random colours with alpha drawn from 0, 255 and everything between, in
// patches, so that all branches of the alpha rules occur.
Picture RandomPicture(int width, int height, std::mt19937& random) {
  Picture p(width, height);
  std::uniform_int_distribution<int> byte(0, 255), choice(0, 3);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const int pick = choice(random);
      const auto a = static_cast<uint8_t>(pick == 0 ? 0 : pick == 1 ? 255 : byte(random));
      p.At(x, y) = {static_cast<uint8_t>(byte(random)), static_cast<uint8_t>(byte(random)),
                    static_cast<uint8_t>(byte(random)), a};
    }
  return p;
}

Picture Filled(int width, int height, Pixel value) {
  Picture p(width, height);
  for (Pixel& px : p.Pixels()) px = value;
  return p;
}

struct RandomCase {
  int sourceWidth, sourceHeight, width, height;
  Rect at;  // where to draw into the target
  int targetWidth, targetHeight;
};

class StretchAgainstReference : public testing::TestWithParam<RandomCase> {};

TEST_P(StretchAgainstReference, MatchesBitForBit) {
  const RandomCase& c = GetParam();
  std::mt19937 random(static_cast<unsigned>(c.sourceWidth * 7919 + c.width));
  const Picture source = RandomPicture(c.sourceWidth, c.sourceHeight, random);
  for (Kind kind : {Kind::Alpha, Kind::AlphaAlways, Kind::Thumbnail, Kind::Opaque}) {
    const Picture expected = ReferenceStretch(source, c.width, c.height, kind);
    const Pixel background{1, 2, 3, 4};
    Picture target = Filled(c.targetWidth, c.targetHeight, background);
    StretchBy(kind, target, c.at, source);
    int mismatches = 0;
    for (int y = 0; y < c.targetHeight; ++y)
      for (int x = 0; x < c.targetWidth; ++x) {
        const int rx = x - c.at.left, ry = y - c.at.top;
        const bool inside = rx >= 0 && ry >= 0 && rx < c.width && ry < c.height;
        mismatches += target.At(x, y) != (inside ? expected.At(rx, ry) : background);
      }
    EXPECT_EQ(mismatches, 0) << "kind " << static_cast<int>(kind);
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, StretchAgainstReference,
                         testing::Values(RandomCase{37, 23, 74, 46, {0, 0, 74, 46}, 74, 46},     // double
                                         RandomCase{89, 98, 44, 49, {0, 0, 44, 49}, 44, 49},     // half
                                         RandomCase{50, 40, 77, 31, {0, 0, 77, 31}, 77, 31},     // odd ratios
                                         RandomCase{13, 17, 13, 17, {0, 0, 13, 17}, 13, 17},     // same size
                                         RandomCase{1, 9, 5, 20, {0, 0, 5, 20}, 5, 20},          // one column
                                         RandomCase{30, 30, 60, 60, {-17, -9, 43, 51}, 50, 40},  // clipped left and top
                                         RandomCase{
                                             30, 30, 60, 60, {12, 8, 72, 68}, 50, 40},  // clipped right and bottom
                                         // Starting further left and up than the target is wide and high.
                                         RandomCase{30, 30, 90, 80, {-70, -55, 20, 25}, 16, 12},
                                         RandomCase{300, 280, 410, 333, {0, 0, 410, 333}, 410, 333},  // two bands
                                         RandomCase{400, 390, 201, 195, {0, 0, 201, 195}, 201, 195},
                                         // Steps of powers of two take the whole-number path.
                                         RandomCase{30, 21, 120, 84, {0, 0, 120, 84}, 120, 84},
                                         RandomCase{64, 48, 16, 12, {0, 0, 16, 12}, 16, 12},
                                         RandomCase{40, 30, 80, 15, {-3, 0, 77, 15}, 70, 15},
                                         RandomCase{420, 410, 210, 205, {0, 0, 210, 205}, 210, 205},
                                         RandomCase{300, 290, 600, 580, {0, 0, 600, 580}, 600, 580}));

TEST(Stretch, SameSizeReproducesAnOpaquePicture) {
  std::mt19937 random(5);
  Picture source = RandomPicture(31, 17, random);
  for (Pixel& p : source.Pixels()) p.a = 255;
  Picture target(31, 17);
  StretchAlpha(target, {0, 0, 31, 17}, source, false);
  EXPECT_EQ(target, source);
  StretchAlpha(target, {0, 0, 31, 17}, source, true);
  EXPECT_EQ(target, source);
}

TEST(Stretch, OneColumnSourceSamplesItsColumnEverywhere) {
  Picture source(1, 2);
  source.At(0, 0) = {10, 20, 30, 255};
  source.At(0, 1) = {10, 20, 30, 255};
  Picture target(6, 2);
  StretchAlpha(target, {0, 0, 6, 2}, source, false);
  for (const Pixel& p : target.Pixels()) EXPECT_EQ(p, (Pixel{10, 20, 30, 255}));
}

struct RowCase {
  const char* name;
  Kind kind;
  std::vector<Pixel> source;  // one row
  std::vector<Pixel> expected;
};

class StretchRow : public testing::TestWithParam<RowCase> {};

// Hand-worked rows of two source pixels widened to four.
TEST_P(StretchRow, FollowsTheAlphaRules) {
  const RowCase& c = GetParam();
  Picture source(2, 1);
  source.At(0, 0) = c.source[0];
  source.At(1, 0) = c.source[1];
  Picture target(4, 1);
  StretchBy(c.kind, target, {0, 0, 4, 1}, source);
  for (int x = 0; x < 4; ++x) EXPECT_EQ(target.At(x, 0), c.expected[x]) << c.name << " column " << x;
}

const Pixel kOpaque{200, 100, 50, 255};
const Pixel kClear{0, 0, 0, 0};
const Pixel kHalf{100, 100, 100, 100};

INSTANTIATE_TEST_SUITE_P(
    Cases, StretchRow,
    testing::Values(
        // Column 1 is half transparent and takes part of column 0's colour.
        RowCase{"left neighbour", Kind::AlphaAlways, {kOpaque, kClear}, {kOpaque, {150, 75, 37, 127}, kClear, kClear}},
        // The nearest sample is opaque, so alpha stays 255.
        RowCase{"nearest alpha kept", Kind::Alpha, {kOpaque, kClear}, {kOpaque, {100, 50, 25, 255}, kClear, kClear}},
        // At the last column the work pixel itself (0) is mixed in.
        RowCase{"zeroed work pixel",
                Kind::Alpha,
                {kOpaque, kHalf},
                {kOpaque, {150, 100, 75, 255}, {39, 39, 39, 100}, {39, 39, 39, 100}}},
        RowCase{"thumbnail", Kind::Thumbnail, {kOpaque, kClear}, {kOpaque, {49, 24, 12, 127}, kClear, kClear}},
        RowCase{
            "opaque", Kind::Opaque, {kOpaque, kClear}, {kOpaque, {100, 50, 25, 255}, {0, 0, 0, 255}, {0, 0, 0, 255}}}),
    [](const auto& info) {
      std::string name = info.param.name;
      for (char& ch : name) ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
      return name;
    });

TEST(Stretch, EmptySourceOrRectangleDrawsNothing) {
  const Pixel background{9, 9, 9, 9};
  Picture target = Filled(4, 4, background);
  StretchOpaque(target, {0, 0, 4, 4}, Picture());
  StretchAlpha(target, {0, 0, 4, 4}, Picture(0, 3), true);
  StretchThumbnail(target, {2, 2, 2, 4}, Filled(2, 2, kOpaque));
  StretchAlpha(target, {3, 3, 1, 1}, Filled(2, 2, kOpaque), false);
  EXPECT_EQ(target, Filled(4, 4, background));
}

}  // namespace
}  // namespace lumena
