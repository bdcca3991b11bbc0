#include "images/library_picture.h"

#include <gtest/gtest.h>

#include <cmath>

#include "images_test_support.h"

namespace lumena {
namespace {

namespace fs = std::filesystem;
using test::Quote;

TEST(LibraryPictureTest, FormatCodesFollowTheExtension) {
  const std::pair<const char*, int> cases[] = {
      {".BMP", 6}, {".bmp", 6},  {".JPG", 23}, {"jpg", 23},  {".Jpg", 23}, {".PSD", 76}, {".TIF", 3},
      {".PCX", 1}, {".TGA", 4},  {".PNG", 75}, {".png", 75}, {".jpeg", 6}, {".gif", 6},  {".tiff", 6},
      {"", 6},     {".", 6},     {".fll", 6},  {".PNGX", 6}, {"PN", 6},
  };
  for (const auto& [extension, code] : cases) EXPECT_EQ(FormatCodeForExtension(extension), code) << extension;
}

struct LosslessCase {
  const char* extension;
  const char* libraryName;
};

class LibraryLosslessTest : public testing::TestWithParam<LosslessCase> {};

TEST_P(LibraryLosslessTest, SavedPicturesLoadBackExactlyWithOpacity) {
  const LosslessCase& c = GetParam();
  test::TempFolder folder;
  for (const Picture& sample : {test::MakeTestPicture(23, 9), test::MakeOpaquePicture(23, 9)}) {
    const fs::path file = folder / (std::string("out") + c.extension);
    ASSERT_EQ(SavePictureThroughLibrary(sample, file, FormatCodeForExtension(c.extension)), 1);
    const auto read = ReadPictureThroughLibrary(file);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->format, c.libraryName);
    EXPECT_EQ(read->picture, sample);
    // ImageMagick's own reading agrees (top row first, opacity kept).
    EXPECT_EQ(test::RgbaByConvert(file), test::ToRgba(sample));
  }
}

INSTANTIATE_TEST_SUITE_P(Formats, LibraryLosslessTest,
                         testing::Values(LosslessCase{".png", "PNG"}, LosslessCase{".bmp", "BMP"},
                                         LosslessCase{".tif", "TIFF"}, LosslessCase{".tga", "TGA"},
                                         LosslessCase{".pcx", "PCX"}, LosslessCase{".psd", "PSD"}),
                         [](const auto& info) { return std::string(info.param.extension + 1); });

TEST(LibraryPictureTest, JpegExportIsCloseAndOpaque) {
  test::TempFolder folder;
  Picture sample(32, 16);
  for (Pixel& p : sample.pixels()) p = Pixel{40, 120, 200, 128};
  ASSERT_EQ(SavePictureThroughLibrary(sample, folder / "a.jpg", kFormatJpeg), 1);
  const auto bytes = test::ReadBytes(folder / "a.jpg");
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_EQ(bytes[0], 0xFF);
  EXPECT_EQ(bytes[1], 0xD8);
  Picture target;
  ASSERT_EQ(LoadPictureThroughLibrary(target, folder / "a.jpg"), 1);
  for (const Pixel& p : target.pixels()) {
    EXPECT_NEAR(p.b, 40, 3);
    EXPECT_NEAR(p.g, 120, 3);
    EXPECT_NEAR(p.r, 200, 3);
    EXPECT_EQ(p.a, 255);
  }
}

TEST(LibraryPictureTest, UnlistedExtensionsWriteAWindowsBitmap) {
  test::TempFolder folder;
  for (const char* name : {"x.jpeg", "x.gif", "x.tiff", "x"}) {
    const fs::path file = folder / name;
    ASSERT_EQ(SavePictureThroughLibrary(test::MakeTestPicture(4, 4), file,
                                        FormatCodeForExtension(file.extension().string())),
              1);
    const auto bytes = test::ReadBytes(file);
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 2), "BM") << name;
  }
}

// Another reader sees opacity in exported files exactly when the picture
// has some: a fully opaque picture is written with three channels.
TEST(LibraryPictureTest, ExportsKeepOpacityOnlyWhereThePictureHasIt) {
  test::TempFolder folder;
  const std::pair<const char*, int> formats[] = {{"a.tif", kFormatTiff}, {"a.png", kFormatPng}, {"a.tga", kFormatTga}};
  for (const auto& [name, code] : formats) {
    for (const auto& [sample, mode] : {std::pair{test::MakeTestPicture(6, 5), "RGBA"}, {test::MakeOpaquePicture(6, 5), "RGB"}}) {
      ASSERT_EQ(SavePictureThroughLibrary(sample, folder / name, code), 1);
      const auto result = test::RunCommand(std::string(test::kPython) +
                                           " -c \"import sys; from PIL import Image; print(Image.open(sys.argv[1]).mode)\" " +
                                           Quote(folder / name));
      EXPECT_EQ(result.output, std::string(mode) + "\n") << name;
    }
  }
}

TEST(LibraryPictureTest, FailuresLeaveAnEmptyTargetAndReturnZero) {
  test::TempFolder folder;
  test::WriteBytes(folder / "junk.png", std::vector<uint8_t>(100, 0x33));
  test::WriteBytes(folder / "empty.bmp", std::vector<uint8_t>{});
  for (const char* name : {"missing.png", "junk.png", "empty.bmp"}) {
    Picture target = test::MakeTestPicture(3, 3);
    EXPECT_EQ(LoadPictureThroughLibrary(target, folder / name), 0) << name;
    EXPECT_TRUE(target.empty()) << name;
  }
  EXPECT_EQ(SavePictureThroughLibrary(Picture(), folder / "e.png", kFormatPng), 0);
  EXPECT_EQ(SavePictureThroughLibrary(test::MakeTestPicture(2, 2), folder / "e.png", 999), 0);
  EXPECT_EQ(SavePictureThroughLibrary(test::MakeTestPicture(2, 2), folder / "no" / "e.png", kFormatPng), 0);
}

struct ForeignCase {
  const char* name;
  const char* options;  // for convert when writing the file
  const char* format = "";  // written in this format whatever the name says
};

class LibraryForeignFileTest : public testing::TestWithParam<ForeignCase> {};

// Files written by ImageMagick's convert read the same as convert reads them.
TEST_P(LibraryForeignFileTest, ReadsLikeImageMagick) {
  const ForeignCase& c = GetParam();
  test::TempFolder folder;
  test::WriteBytes(folder / "in.rgba", test::ToRgba(test::MakeTestPicture(19, 7)));
  const fs::path file = folder / c.name;
  const std::string command = std::string(test::kConvert) + " -size 19x7 -depth 8 rgba:" + Quote(folder / "in.rgba") +
                              " " + c.options + " " + c.format + Quote(file);
  ASSERT_EQ(test::RunCommand(command).exitCode, 0) << command;
  Picture target;
  ASSERT_EQ(LoadPictureThroughLibrary(target, file), 1);
  EXPECT_EQ(test::ToRgba(target), test::RgbaByConvert(file));
}

INSTANTIATE_TEST_SUITE_P(Files, LibraryForeignFileTest,
                         testing::Values(ForeignCase{"a.png", ""}, ForeignCase{"a.bmp", ""},
                                         ForeignCase{"a.gif", ""}, ForeignCase{"a.tif", "-compress LZW"},
                                         ForeignCase{"a.pcx", ""}, ForeignCase{"a.jpg", "-quality 80"},
                                         ForeignCase{"a.psd", "-compress RLE"},
                                         ForeignCase{"grey.png", "-colorspace Gray"},
                                         ForeignCase{"cmyk.tif", "-colorspace CMYK -alpha off"},
                                         ForeignCase{"mislabelled.jpg", "", "png:"}),
                         [](const auto& info) {
                           std::string name = info.param.name;
                           name[name.find('.')] = '_';
                           return name;
                         });

TEST(LibraryPictureTest, SixteenBitSamplesAreRoundedToEightBits) {
  test::TempFolder folder;
  const uint16_t values[] = {0, 128, 129, 385, 386, 0x7FFF, 0x8080, 0xFF7F, 0xFF80, 0xFFFF, 0x1234, 0xABCD};
  std::vector<uint8_t> raw;  // big-endian 16-bit RGBA, one pixel per value
  for (uint16_t v : values)
    for (int channel = 0; channel < 4; ++channel) raw.insert(raw.end(), {static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v)});
  test::WriteBytes(folder / "in.rgba", raw);
  const std::string command = std::string(test::kConvert) + " -size 12x1 -depth 16 -endian MSB rgba:" +
                              Quote(folder / "in.rgba") + " " + Quote(folder / "deep.png");
  ASSERT_EQ(test::RunCommand(command).exitCode, 0);
  Picture target;
  ASSERT_EQ(LoadPictureThroughLibrary(target, folder / "deep.png"), 1);
  for (int i = 0; i < 12; ++i) {
    const auto expected = static_cast<uint8_t>(std::lround(values[i] / 257.0));
    EXPECT_EQ(target.at(i, 0), (Pixel{expected, expected, expected, expected})) << values[i];
  }
}

// Targa files may store rows from the top or from the bottom.
TEST(LibraryPictureTest, TargaRowsComeOutTopFirstInBothOrientations) {
  test::TempFolder folder;
  const Picture sample = test::MakeOpaquePicture(5, 4);
  test::WriteBytes(folder / "in.rgba", test::ToRgba(sample));
  for (int orientation : {1, -1}) {
    const fs::path file = folder / ("o" + std::to_string(orientation + 1) + ".tga");
    const std::string command = std::string(test::kPython) +
                                " -c \"import sys; from PIL import Image; "
                                "Image.frombytes('RGBA', (5, 4), open(sys.argv[1], 'rb').read()).convert('RGB')"
                                ".save(sys.argv[2], orientation=" +
                                std::to_string(orientation) + ")\" " + Quote(folder / "in.rgba") + " " + Quote(file);
    ASSERT_EQ(test::RunCommand(command).exitCode, 0) << command;
    Picture target;
    ASSERT_EQ(LoadPictureThroughLibrary(target, file), 1);
    EXPECT_EQ(target, sample) << "orientation " << orientation;
  }
}

TEST(LibraryPictureTest, EpsIsRendered) {
  test::TempFolder folder;
  const std::string eps =
      "%!PS-Adobe-3.0 EPSF-3.0\n%%Creator: lumena test\n%%BoundingBox: 0 0 40 20\n%%EndComments\n"
      "1 0 0 setrgbcolor 0 0 40 20 rectfill\nshowpage\n%%EOF\n";
  test::WriteBytes(folder / "a.eps", std::vector<uint8_t>(eps.begin(), eps.end()));
  Picture target;
  ASSERT_EQ(LoadPictureThroughLibrary(target, folder / "a.eps"), 1);
  EXPECT_EQ(target.width(), 40);
  EXPECT_EQ(target.height(), 20);
  EXPECT_EQ(target.at(20, 10), (Pixel{0, 0, 255, 255}));
}

// A placeable metafile of 40 x 20 units at 72 per inch: a red rectangle
// drawn over the whole window.
std::vector<uint8_t> redRectangleMetafile() {
  std::vector<uint8_t> out;
  auto put = [&](uint32_t value, int size) {
    for (int i = 0; i < size; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
  };
  const uint16_t placeable[] = {0xCDD7, 0x9AC6, 0, 0, 0, 40, 20, 72, 0, 0};  // key, handle, box, inch, reserved
  uint16_t checksum = 0;
  for (uint16_t word : placeable) {
    put(word, 2);
    checksum ^= word;
  }
  put(checksum, 2);
  const std::vector<std::vector<uint16_t>> records = {
      {0x020B, 0, 0},              // window origin
      {0x020C, 20, 40},            // window extent
      {0x02FC, 0, 0x00FF, 0, 0},   // solid brush, red
      {0x012D, 0},                 // select it
      {0x041B, 20, 40, 0, 0},      // rectangle
      {0x0000},                    // end
  };
  uint32_t words = 9;
  for (const auto& r : records) words += 2 + static_cast<uint32_t>(r.size());
  // Type, header words, version, size in words, objects, largest record, unused.
  for (auto [value, size] : {std::pair<uint32_t, int>{1, 2}, {9, 2}, {0x0300, 2}, {words, 4}, {1, 2}, {7, 4}, {0, 2}})
    put(value, size);
  for (const auto& r : records) {
    put(2 + static_cast<uint32_t>(r.size()), 4);
    for (uint16_t word : r) put(word, 2);
  }
  return out;
}

TEST(LibraryPictureTest, WmfIsRendered) {
  test::TempFolder folder;
  test::WriteBytes(folder / "a.wmf", redRectangleMetafile());
  Picture target;
  ASSERT_EQ(LoadPictureThroughLibrary(target, folder / "a.wmf"), 1);
  EXPECT_EQ(target.width(), 40);
  EXPECT_EQ(target.height(), 20);
  EXPECT_EQ(target.at(20, 10), (Pixel{0, 0, 255, 255}));
}

TEST(LibraryPictureTest, FirstFrameOfAnAnimationIsRead) {
  test::TempFolder folder;
  const fs::path file = folder / "anim.gif";
  const std::string command = std::string(test::kConvert) + " -size 6x3 xc:red xc:blue " + Quote(file);
  ASSERT_EQ(test::RunCommand(command).exitCode, 0);
  Picture target;
  ASSERT_EQ(LoadPictureThroughLibrary(target, file), 1);
  EXPECT_EQ(target.width(), 6);
  EXPECT_EQ(target.at(0, 0), (Pixel{0, 0, 255, 255}));
}

}  // namespace
}  // namespace lumena
