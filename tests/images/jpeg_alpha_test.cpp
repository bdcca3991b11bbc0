#include "images/jpeg_alpha.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "images/byte_cursor.h"
#include "images/jpeg_codec.h"
#include "images/zlib_stream.h"
#include "images_test_support.h"

namespace lumena {
namespace {

// A smooth picture, so that JPEG at quality 100 stays very close.
Picture SmoothPicture(int width, int height) {
  Picture picture(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      picture.At(x, y) = Pixel{static_cast<uint8_t>(x * 4), static_cast<uint8_t>(y * 4), 128,
                               static_cast<uint8_t>((x * 37 + y * 11) % 256)};
  return picture;
}

int LargestColourDifference(const Picture& a, const Picture& b) {
  int largest = 0;
  for (size_t i = 0; i < a.Pixels().size(); ++i) {
    const Pixel p = a.Pixels()[i], q = b.Pixels()[i];
    largest = std::max({largest, std::abs(p.r - q.r), std::abs(p.g - q.g), std::abs(p.b - q.b)});
  }
  return largest;
}

void PutLittleEndian(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

std::vector<uint8_t> Container(std::span<const uint8_t> jpeg, std::span<const uint8_t> plane, uint32_t declaredJpeg,
                               uint32_t declaredPlane) {
  std::vector<uint8_t> content;
  PutLittleEndian(content, declaredJpeg);
  PutLittleEndian(content, declaredPlane);
  content.insert(content.end(), jpeg.begin(), jpeg.end());
  content.insert(content.end(), plane.begin(), plane.end());
  return DeflateStream(content);
}

TEST(JpegAlphaTest, QualityHundredKeepsOpacityExactlyAndColoursClose) {
  for (auto [w, h] : {std::pair{1, 1}, {17, 9}, {64, 48}}) {
    const Picture sample = SmoothPicture(w, h);
    const auto decoded = DecodeJpegAlpha(EncodeJpegAlpha(sample, 100));
    ASSERT_TRUE(decoded.has_value());
    ASSERT_EQ(decoded->Width(), w);
    ASSERT_EQ(decoded->Height(), h);
    for (size_t i = 0; i < sample.Pixels().size(); ++i) ASSERT_EQ(decoded->Pixels()[i].a, sample.Pixels()[i].a) << i;
    EXPECT_LE(LargestColourDifference(*decoded, sample), 4);
  }
}

TEST(JpegAlphaTest, ContainerHoldsTheLengthsTheJpegAndThePlane) {
  const Picture sample = SmoothPicture(5, 3);
  const auto content = InflateStream(EncodeJpegAlpha(sample, 90));
  ASSERT_TRUE(content.has_value());
  ByteCursor in(*content);
  const uint32_t jpegSize = *in.U32le();
  const uint32_t planeSize = *in.U32le();
  EXPECT_EQ(planeSize, 15u);
  ASSERT_EQ(content->size(), 8u + jpegSize + planeSize);
  EXPECT_EQ((*content)[8], 0xFF);
  EXPECT_EQ((*content)[9], 0xD8) << "a JPEG file starts the data";
  EXPECT_EQ((*content)[8 + jpegSize - 2], 0xFF);
  EXPECT_EQ((*content)[8 + jpegSize - 1], 0xD9);
  for (size_t i = 0; i < 15; ++i) EXPECT_EQ((*content)[8 + jpegSize + i], sample.Pixels()[i].a);
}

TEST(JpegAlphaTest, LowerQualityGivesSmallerData) {
  const Picture sample = test::MakeTestPicture(64, 64);
  EXPECT_LT(EncodeJpegAlpha(sample, 10).size(), EncodeJpegAlpha(sample, 100).size());
  EXPECT_TRUE(DecodeJpegAlpha(EncodeJpegAlpha(sample, 0)).has_value());
}

TEST(JpegAlphaTest, EmptyPictureCannotBeEncoded) { EXPECT_THROW(EncodeJpegAlpha(Picture(), 90), std::runtime_error); }

TEST(JpegAlphaTest, BadContainersGiveNothing) {
  const Picture sample = SmoothPicture(4, 2);
  const auto jpeg = EncodeJpeg(sample, 90);
  const std::vector<uint8_t> plane(8, 200);
  const auto jpegSize = static_cast<uint32_t>(jpeg.size());
  auto truncated = EncodeJpegAlpha(sample, 90);
  truncated.resize(truncated.size() / 2);
  std::vector<uint8_t> notJpeg(jpeg.size(), 0x42);
  struct Case {
    const char* name;
    std::vector<uint8_t> stream;
  };
  const Case cases[] = {
      {"empty", {}},
      {"not_zlib", {1, 2, 3, 4, 5, 6, 7, 8, 9}},
      {"truncated_stream", truncated},
      {"lengths_cut", DeflateStream(std::vector<uint8_t>{1, 0, 0})},
      {"jpeg_longer_than_data", Container(jpeg, plane, jpegSize + 100, 8)},
      {"plane_longer_than_data", Container(jpeg, plane, jpegSize, 9)},
      {"plane_shorter_than_picture", Container(jpeg, std::span(plane).first(7), jpegSize, 7)},
      {"plane_longer_than_picture", Container(jpeg, std::vector<uint8_t>(9, 1), jpegSize, 9)},
      {"huge_lengths", Container(jpeg, plane, 0xFFFFFFFF, 0xFFFFFFFF)},
      {"not_a_jpeg", Container(notJpeg, plane, jpegSize, 8)},
      {"jpeg_cut_to_header", Container(std::span(jpeg).first(2), plane, 2, 8)},
  };
  for (const Case& c : cases) EXPECT_FALSE(DecodeJpegAlpha(c.stream).has_value()) << c.name;
}

// The plane must have exactly one byte a pixel; one that declares more is
// refused before it is inflated.
TEST(JpegAlphaTest, PlanesOfAnotherSizeAreRefusedBeforeInflating) {
  const Picture sample = SmoothPicture(4, 2);
  const auto jpeg = EncodeJpeg(sample, 90);
  const auto jpegSize = static_cast<uint32_t>(jpeg.size());
  EXPECT_FALSE(DecodeJpegAlpha(Container(jpeg, std::vector<uint8_t>(12, 0), jpegSize, 12)).has_value());

  std::vector<uint8_t> head;
  const uint32_t hugePlane = 128u << 20;
  PutLittleEndian(head, jpegSize);
  PutLittleEndian(head, hugePlane);
  head.insert(head.end(), jpeg.begin(), jpeg.end());
  const auto stream = test::DeflateWithZeros(head, hugePlane);
  const double before = test::PeakMemoryMiB();
  EXPECT_FALSE(DecodeJpegAlpha(stream).has_value());
  EXPECT_LT(test::PeakMemoryMiB() - before, 32.0);
}

TEST(JpegAlphaTest, ContainerIsInflatedOnlyAsFarAsItsLengthsDeclare) {
  // Zeros after the declared data with a damaged stream end: only the
  // declared part is ever inflated.
  const Picture sample = SmoothPicture(4, 2);
  const auto jpeg = EncodeJpeg(sample, 90);
  std::vector<uint8_t> plane(8, 99);
  plane.resize(8 + (size_t{32} << 20), 0);
  auto stream = Container(jpeg, plane, static_cast<uint32_t>(jpeg.size()), 8);
  for (size_t i = stream.size() - 32; i < stream.size(); ++i) stream[i] = 0xFF;
  const auto decoded = DecodeJpegAlpha(stream);
  ASSERT_TRUE(decoded.has_value());
  EXPECT_EQ(decoded->Pixels()[7].a, 99);
}

TEST(JpegCodecTest, GreyJpegDecodesToOpaqueGrey) {
  // A grey picture survives the colour conversion as equal channels.
  Picture grey(8, 8);
  for (Pixel& p : grey.Pixels()) p = Pixel{90, 90, 90, 255};
  const auto decoded = TryDecodeJpeg(EncodeJpeg(grey, 100));
  ASSERT_TRUE(decoded.has_value());
  for (const Pixel& p : decoded->Pixels()) {
    EXPECT_NEAR(p.r, 90, 1);
    EXPECT_EQ(p.a, 255);
  }
}

TEST(JpegCodecTest, PixelLimitIsCheckedFromTheHeader) {
  const auto jpeg = EncodeJpeg(SmoothPicture(10, 10), 50);
  EXPECT_TRUE(TryDecodeJpeg(jpeg, 100).has_value());
  EXPECT_FALSE(TryDecodeJpeg(jpeg, 99).has_value());
}

}  // namespace
}  // namespace lumena
