// Our ".psd" reader and writer against files and readers we did not write:
// ImageMagick's convert and Python's PIL.
#include <gtest/gtest.h>

#include "images/element_picture.h"
#include "images_test_support.h"

namespace lumena {
namespace {

using test::Quote;

// Runs of equal pixels (so run-length coding has runs to find) next to
// single pixels, with every kind of opacity.
Picture RunsAndSingles(int width, int height) {
  Picture picture = test::MakeTestPicture(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = width / 2; x < width; ++x)
      picture.At(x, y) =
          Pixel{static_cast<uint8_t>(x / 9 * 40), static_cast<uint8_t>(y * 3), 200, static_cast<uint8_t>(x / 13 * 60)};
  return picture;
}

// The compression word after the three length-prefixed sections.
int CompressionOf(std::span<const uint8_t> file) {
  auto number = [&](size_t at, int size) {
    uint32_t value = 0;
    for (int i = 0; i < size; ++i) value = value << 8 | file[at + static_cast<size_t>(i)];
    return value;
  };
  size_t offset = 26;
  for (int section = 0; section < 3; ++section) offset += 4 + number(offset, 4);
  return offset + 2 <= file.size() ? static_cast<int>(number(offset, 2)) : -1;
}

struct MagickCase {
  const char* name;
  const char* compression;  // convert's -compress
  bool withOpacity;
};

class PsdByImageMagickTest : public testing::TestWithParam<MagickCase> {};

TEST_P(PsdByImageMagickTest, DecodesToTheSamePixelsAsImageMagick) {
  const MagickCase& c = GetParam();
  test::TempFolder folder;
  const Picture sample = RunsAndSingles(150, 40);
  const std::vector<uint8_t> rgba = test::ToRgba(sample);
  test::WriteBytes(folder / "in.rgba", rgba);
  const auto psd = folder / "made.psd";
  const std::string command = std::string(test::kConvert) + " -size 150x40 -depth 8 rgba:" + Quote(folder / "in.rgba") +
                              (c.withOpacity ? "" : " -alpha off") + " -compress " + c.compression + " " + Quote(psd);
  ASSERT_EQ(test::RunCommand(command).exitCode, 0) << command;
  const auto header = test::ReadBytes(psd);
  ASSERT_GT(header.size(), 26u);
  ASSERT_EQ(header[13], c.withOpacity ? 4 : 3) << "channel count of the file";
  EXPECT_EQ(CompressionOf(header), std::string(c.compression) == "RLE" ? 1 : 0);

  Picture target;
  LoadElementPicture(target, psd);
  const std::vector<uint8_t> expected = test::RgbaByConvert(psd);
  const std::vector<uint8_t> ours = test::ToRgba(target);
  ASSERT_EQ(ours.size(), expected.size());
  for (size_t i = 0; i < ours.size(); ++i) {
    const bool opacity = i % 4 == 3;
    ASSERT_EQ(ours[i], opacity && !c.withOpacity ? 0 : expected[i]) << "byte " << i;
  }
  if (c.withOpacity) {
    EXPECT_EQ(ours, rgba);
  }
}

INSTANTIATE_TEST_SUITE_P(Files, PsdByImageMagickTest,
                         testing::Values(MagickCase{"rle_rgba", "RLE", true}, MagickCase{"raw_rgba", "None", true},
                                         MagickCase{"rle_rgb", "RLE", false}, MagickCase{"raw_rgb", "None", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PsdInteropTest, OurFilesReadTheSameInImageMagickAndPil) {
  test::TempFolder folder;
  const Picture sample = RunsAndSingles(61, 17);
  const auto psd = folder / "ours.psd";
  SaveElementPicture(sample, psd);
  const std::vector<uint8_t> expected = test::ToRgba(sample);

  // ImageMagick takes the fourth channel of a file without layers for an
  // extra channel, not opacity: its colours must agree, its opacity is 255.
  std::vector<uint8_t> opaque = expected;
  for (size_t i = 3; i < opaque.size(); i += 4) opaque[i] = 255;
  EXPECT_EQ(test::RgbaByConvert(psd), opaque) << "ImageMagick";

  const std::string pil = std::string(test::kPython) +
                          " -c \"import sys; from PIL import Image; im = Image.open(sys.argv[1]); "
                          "assert im.mode == 'RGBA' and im.size == (61, 17), (im.mode, im.size); "
                          "sys.stdout.buffer.write(im.tobytes())\" " +
                          Quote(psd);
  const auto result = test::RunCommand(pil);
  ASSERT_EQ(result.exitCode, 0);
  EXPECT_EQ(std::vector<uint8_t>(result.output.begin(), result.output.end()), expected) << "PIL";
}

}  // namespace
}  // namespace lumena
