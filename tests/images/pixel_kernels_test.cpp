// The vector kernels of the bilinear sampling against the plain ones.
#include <gtest/gtest.h>

#include <random>

#include "images/bilinear_sampler.h"

namespace lumena {
namespace {

Picture Noise(int width, int height, unsigned seed) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> byte(0, 255);
  Picture p(width, height);
  for (Pixel& px : p.Pixels())
    px = {static_cast<uint8_t>(byte(random)), static_cast<uint8_t>(byte(random)), static_cast<uint8_t>(byte(random)),
          static_cast<uint8_t>(byte(random))};
  return p;
}

struct KernelCase {
  int sourceWidth, sourceHeight, width, height;
};

class KernelsAgree : public testing::TestWithParam<KernelCase> {};

TEST_P(KernelsAgree, OnEveryRow) {
  const KernelCase& c = GetParam();
  const Picture source = Noise(c.sourceWidth, c.sourceHeight, static_cast<unsigned>(c.width * 31 + c.height));
  const SampleAxis columns = SampleAxis::Columns(c.sourceWidth, c.width, c.width);
  const SampleAxis rows = SampleAxis::Rows(c.sourceHeight, c.height, c.height);
  BilinearSampler fast(source, columns, rows, SelectBilinearKernels());
  BilinearSampler plain(source, columns, rows, SelectBilinearKernels(true));
  std::vector<Pixel> a(c.width), b(c.width);
  for (int r = 0; r < c.height; ++r) {
    const uint8_t* alphaA = fast.SampleRow(r, a);
    const uint8_t* alphaB = plain.SampleRow(r, b);
    ASSERT_EQ(a, b) << "row " << r;
    ASSERT_TRUE(std::equal(alphaA, alphaA + c.width, alphaB)) << "row " << r;
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, KernelsAgree,
                         testing::Values(KernelCase{33, 17, 101, 53},  // double path
                                         KernelCase{101, 53, 33, 17},
                                         KernelCase{33, 17, 66, 34},   // whole numbers, 1 + 1 bits
                                         KernelCase{16, 16, 128, 4},   // 3 + 0 bits
                                         KernelCase{20, 20, 320, 20},  // 4 bits
                                         KernelCase{7, 9, 7, 9}));

TEST(SampleAxis, FindsTheSmallestPowerOfTwo) {
  EXPECT_EQ(SampleAxis::Columns(10, 10, 10).exactBits, 0);
  EXPECT_EQ(SampleAxis::Columns(10, 5, 5).exactBits, 0);
  EXPECT_EQ(SampleAxis::Columns(10, 20, 20).exactBits, 1);
  EXPECT_EQ(SampleAxis::Columns(10, 40, 40).exactBits, 2);
  EXPECT_EQ(SampleAxis::Columns(10, 30, 30).exactBits, -1);
  EXPECT_EQ(SampleAxis::Columns(10, 20, 20).scaledFraction[1], 1);
}

}  // namespace
}  // namespace lumena
