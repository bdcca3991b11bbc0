#include "images/library_picture.h"

#include <Magick++.h>
#include <gtest/gtest.h>

#include <cmath>

#include "images/magick_setup.h"
#include "images_test_support.h"
#include "platform/file_error.h"

namespace lumena {
namespace {

namespace fs = std::filesystem;
using test::Quote;

TEST(LibraryPictureTest, FormatCodesFollowTheExtension) {
  const std::pair<const char*, int> cases[] = {
      {".BMP", 6}, {".bmp", 6}, {".JPG", 23}, {"jpg", 23},  {".Jpg", 23},  {".PSD", 76}, {".TIF", 3},
      {".PCX", 1}, {".TGA", 4}, {".PNG", 75}, {".png", 75}, {".jpeg", 23}, {".GIF", 2},  {".tiff", 3},
      {"", 6},     {".", 6},    {".fll", 6},  {".PNGX", 6}, {"PN", 6},
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
    const LibraryPicture read = ReadPictureThroughLibrary(file);
    EXPECT_EQ(read.format, c.libraryName);
    EXPECT_EQ(read.picture, sample);
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
  for (Pixel& p : sample.Pixels()) p = Pixel{40, 120, 200, 128};
  ASSERT_EQ(SavePictureThroughLibrary(sample, folder / "a.jpg", kFormatJpeg), 1);
  const auto bytes = test::ReadBytes(folder / "a.jpg");
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_EQ(bytes[0], 0xFF);
  EXPECT_EQ(bytes[1], 0xD8);
  Picture target;
  ASSERT_EQ(LoadPictureThroughLibrary(target, folder / "a.jpg"), 1);
  for (const Pixel& p : target.Pixels()) {
    EXPECT_NEAR(p.b, 40, 3);
    EXPECT_NEAR(p.g, 120, 3);
    EXPECT_NEAR(p.r, 200, 3);
    EXPECT_EQ(p.a, 255);
  }
}

// A name says what it holds: ".jpeg", ".gif" and ".tiff" write their own
// formats, as ImageMagick reads them back; a name without an export
// extension writes a Windows bitmap.
TEST(LibraryPictureTest, EveryExportNameWritesTheFormatItNames) {
  test::TempFolder folder;
  const std::pair<const char*, const char*> cases[] = {{"x.jpeg", "JPEG"}, {"x.gif", "GIF"}, {"x.tiff", "TIFF"},
                                                       {"x.JPG", "JPEG"},  {"x", "BMP"},     {"x.fll", "BMP"}};
  for (const auto& [name, kind] : cases) {
    const fs::path file = folder / name;
    ASSERT_EQ(
        SavePictureThroughLibrary(test::MakeTestPicture(4, 4), file, FormatCodeForExtension(file.extension().string())),
        1);
    const auto identify = test::RunCommand(std::string("/usr/bin/identify -format %m ") + Quote(file));
    EXPECT_EQ(identify.output, kind) << name;
  }
}

TEST(LibraryPictureTest, AnExportNameWithoutItsFormatGetsTheFiltersExtension) {
  const std::pair<const char*, const char*> cases[] = {
      {"look", "look.png"},       {"look.png", "look.png"}, {"look.JPEG", "look.JPEG"},
      {"my.look", "my.look.png"}, {"look.", "look..png"},   {"look.gif", "look.gif"},
  };
  for (const auto& [chosen, written] : cases) EXPECT_EQ(WithExportExtension(chosen, ".png"), fs::path(written));
}

// Another reader sees opacity in exported files exactly when the picture
// has some: a fully opaque picture is written with three channels.
TEST(LibraryPictureTest, ExportsKeepOpacityOnlyWhereThePictureHasIt) {
  test::TempFolder folder;
  const std::pair<const char*, int> formats[] = {{"a.tif", kFormatTiff}, {"a.png", kFormatPng}, {"a.tga", kFormatTga}};
  for (const auto& [name, code] : formats) {
    for (const auto& [sample, mode] :
         {std::pair{test::MakeTestPicture(6, 5), "RGBA"}, {test::MakeOpaquePicture(6, 5), "RGB"}}) {
      ASSERT_EQ(SavePictureThroughLibrary(sample, folder / name, code), 1);
      const auto result = test::RunCommand(
          std::string(test::kPython) +
          " -c \"import sys; from PIL import Image; print(Image.open(sys.argv[1]).mode)\" " + Quote(folder / name));
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
    EXPECT_TRUE(target.Empty()) << name;
  }
  EXPECT_THROW(ReadPictureThroughLibrary(folder / "missing.png"), EFileError);
  EXPECT_THROW(ReadPictureThroughLibrary(folder / "junk.png"), EFormatError);
  EXPECT_THROW(ReadPictureThroughLibrary(folder / "empty.bmp"), EFormatError);
  EXPECT_EQ(SavePictureThroughLibrary(Picture(), folder / "e.png", kFormatPng), 0);
  EXPECT_EQ(SavePictureThroughLibrary(test::MakeTestPicture(2, 2), folder / "e.png", 999), 0);
  EXPECT_EQ(SavePictureThroughLibrary(test::MakeTestPicture(2, 2), folder / "no" / "e.png", kFormatPng), 0);
}

struct ForeignCase {
  const char* name;
  const char* options;      // for convert when writing the file
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
                         testing::Values(ForeignCase{"a.png", ""}, ForeignCase{"a.bmp", ""}, ForeignCase{"a.gif", ""},
                                         ForeignCase{"a.tif", "-compress LZW"}, ForeignCase{"a.pcx", ""},
                                         ForeignCase{"a.jpg", "-quality 80"}, ForeignCase{"a.psd", "-compress RLE"},
                                         ForeignCase{"grey.png", "-colorspace Gray"},
                                         ForeignCase{"cmyk.tif", "-colorspace CMYK -alpha off"}),
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
    for (int channel = 0; channel < 4; ++channel)
      raw.insert(raw.end(), {static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v)});
  test::WriteBytes(folder / "in.rgba", raw);
  const std::string command = std::string(test::kConvert) +
                              " -size 12x1 -depth 16 -endian MSB rgba:" + Quote(folder / "in.rgba") + " " +
                              Quote(folder / "deep.png");
  ASSERT_EQ(test::RunCommand(command).exitCode, 0);
  Picture target;
  ASSERT_EQ(LoadPictureThroughLibrary(target, folder / "deep.png"), 1);
  for (int i = 0; i < 12; ++i) {
    const auto expected = static_cast<uint8_t>(std::lround(values[i] / 257.0));
    EXPECT_EQ(target.At(i, 0), (Pixel{expected, expected, expected, expected})) << values[i];
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
  ASSERT_EQ(LoadPictureThroughLibrary(target, folder / "a.eps", PictureSource::UserPicked), 1);
  EXPECT_EQ(target.Width(), 40);
  EXPECT_EQ(target.Height(), 20);
  EXPECT_EQ(target.At(20, 10), (Pixel{0, 0, 255, 255}));
}

// A placeable metafile of 40 x 20 units at 72 per inch: a red rectangle
// drawn over the whole window.
std::vector<uint8_t> RedRectangleMetafile() {
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
      {0x020B, 0, 0},             // window origin
      {0x020C, 20, 40},           // window extent
      {0x02FC, 0, 0x00FF, 0, 0},  // solid brush, red
      {0x012D, 0},                // select it
      {0x041B, 20, 40, 0, 0},     // rectangle
      {0x0000},                   // end
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
  test::WriteBytes(folder / "a.wmf", RedRectangleMetafile());
  Picture target;
  ASSERT_EQ(LoadPictureThroughLibrary(target, folder / "a.wmf", PictureSource::UserPicked), 1);
  EXPECT_EQ(target.Width(), 40);
  EXPECT_EQ(target.Height(), 20);
  EXPECT_EQ(target.At(20, 10), (Pixel{0, 0, 255, 255}));
}

TEST(LibraryPictureTest, FirstFrameOfAnAnimationIsRead) {
  test::TempFolder folder;
  const fs::path file = folder / "anim.gif";
  const std::string command = std::string(test::kConvert) + " -size 6x3 xc:red xc:blue " + Quote(file);
  ASSERT_EQ(test::RunCommand(command).exitCode, 0);
  Picture target;
  ASSERT_EQ(LoadPictureThroughLibrary(target, file), 1);
  EXPECT_EQ(target.Width(), 6);
  EXPECT_EQ(target.At(0, 0), (Pixel{0, 0, 255, 255}));
}

std::vector<uint8_t> BytesOf(std::string_view text) { return {text.begin(), text.end()}; }

const std::string kRedEps =
    "%!PS-Adobe-3.0 EPSF-3.0\n%%BoundingBox: 0 0 8 8\n%%EndComments\n"
    "1 0 0 setrgbcolor 0 0 8 8 rectfill\nshowpage\n%%EOF\n";

// Each file is refused before any coder sees it: the wrong source for the
// format, a content that is not what the extension says, or a format outside
// the open dialog's list whatever the source.
TEST(LibraryPictureTest, FilesOutsideTheirSourceOrSignatureAreRefused) {
  test::TempFolder folder;
  ASSERT_EQ(SavePictureThroughLibrary(test::MakeTestPicture(4, 4), folder / "real.png", kFormatPng), 1);
  const auto png = test::ReadBytes(folder / "real.png");
  const auto svg =
      BytesOf("<svg xmlns='http://www.w3.org/2000/svg' width='4' height='4'><rect width='4' height='4'/></svg>");
  const auto msl =
      BytesOf("<?xml version='1.0'?><image><read filename='real.png'/><write filename='out.png'/></image>");
  const auto mvg =
      BytesOf("push graphic-context\nviewbox 0 0 4 4\nimage over 0,0 0,0 'real.png'\npop graphic-context\n");
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
    PictureSource source;
  };
  const Case cases[] = {
      {"program.eps", BytesOf(kRedEps), PictureSource::ProgramData},
      {"program.wmf", RedRectangleMetafile(), PictureSource::ProgramData},
      {"png_named.jpg", png, PictureSource::UserPicked},
      {"png_named.gif", png, PictureSource::ProgramData},
      {"eps_named.png", BytesOf(kRedEps), PictureSource::UserPicked},
      {"eps_named.tga", BytesOf(kRedEps), PictureSource::UserPicked},
      {"svg_named.png", svg, PictureSource::UserPicked},
      {"msl_named.bmp", msl, PictureSource::UserPicked},
      {"mvg_named.pcx", mvg, PictureSource::UserPicked},
      {"a.svg", svg, PictureSource::UserPicked},
      {"a.msl", msl, PictureSource::UserPicked},
      {"a.mvg", mvg, PictureSource::UserPicked},
      {"a.ps", BytesOf(kRedEps), PictureSource::UserPicked},
      {"a.pcd", png, PictureSource::UserPicked},
  };
  for (const Case& c : cases) {
    test::WriteBytes(folder / c.name, c.bytes);
    Picture target = test::MakeTestPicture(2, 2);
    EXPECT_EQ(LoadPictureThroughLibrary(target, folder / c.name, c.source), 0) << c.name;
    EXPECT_TRUE(target.Empty()) << c.name;
  }
  EXPECT_FALSE(fs::exists(folder / "out.png"));
}

// Restores the working folder when the test ends.
class WorkingFolder {
 public:
  explicit WorkingFolder(const fs::path& folder) : previous_(fs::current_path()) { fs::current_path(folder); }
  ~WorkingFolder() { fs::current_path(previous_); }
  WorkingFolder(const WorkingFolder&) = delete;
  WorkingFolder& operator=(const WorkingFolder&) = delete;

 private:
  fs::path previous_;
};

// A name that begins like a coder prefix is only a name: the file is read
// as the PNG it is, and the "ephemeral" one is not deleted after reading.
TEST(LibraryPictureTest, CoderPrefixesInFileNamesAreNotInterpreted) {
  test::TempFolder folder;
  const Picture sample = test::MakeTestPicture(5, 3);
  ASSERT_EQ(SavePictureThroughLibrary(sample, folder / "real.png", kFormatPng), 1);
  const WorkingFolder inside(folder.Path());
  for (const char* name : {"ephemeral:a.png", "msl:a.png", "https:a.png", "mvg:a.png", "svg:a.png", "png:a.png"}) {
    fs::copy_file("real.png", name);
    Picture target;
    EXPECT_EQ(LoadPictureThroughLibrary(target, name, PictureSource::UserPicked), 1) << name;
    EXPECT_EQ(target, sample) << name;
    EXPECT_TRUE(fs::exists(name)) << name;
  }
}

// The policy set at start lets the library run only the coders of the open
// dialog and the exports, whatever asks it.
TEST(LibraryPictureTest, PolicyAllowsOnlyTheDialogsCoders) {
  EnsureImagingLibrary();
  using MagickCore::CoderPolicyDomain;
  for (const char* coder : {"BMP", "JPEG", "PSD", "GIF", "TIFF", "PCX", "TGA", "PNG", "EPS", "WMF"})
    EXPECT_TRUE(MagickCore::IsRightsAuthorized(CoderPolicyDomain, MagickCore::ReadPolicyRights, coder)) << coder;
  for (const char* coder : {"SVG", "MSVG", "MVG", "MSL", "URL", "HTTPS", "EPHEMERAL", "TXT", "TEXT", "LABEL", "PDF",
                            "XPS", "INLINE", "FTP", "SCREENSHOT", "X", "PS", "PCD", "MPEG"})
    EXPECT_FALSE(MagickCore::IsRightsAuthorized(CoderPolicyDomain, MagickCore::ReadPolicyRights, coder)) << coder;
  EXPECT_TRUE(MagickCore::IsRightsAuthorized(CoderPolicyDomain, MagickCore::WritePolicyRights, "GIF"));
  for (const char* coder : {"EPS", "WMF", "SVG"})
    EXPECT_FALSE(MagickCore::IsRightsAuthorized(CoderPolicyDomain, MagickCore::WritePolicyRights, coder)) << coder;
}

TEST(LibraryPictureTest, GhostscriptCommandsMustKeepSafeMode) {
  const std::pair<const char*, bool> cases[] = {
      {"\"gs\" -dQUIET -dSAFER -dBATCH \"-sDEVICE=pngalpha\"", true},
      {"\"gs\" -dQUIET -dBATCH \"-sDEVICE=pngalpha\"", false},
      {"\"gs\" -dSAFER -dNOSAFER -dBATCH", false},
      {"\"gs\" -dDELAYSAFER -dSAFER", false},
      {"\"gs\" -dSAFER=false", false},
  };
  for (const auto& [command, safe] : cases) EXPECT_EQ(GhostscriptCommandIsSafe(command), safe) << command;
  EXPECT_TRUE(PostScriptRunsSafely());  // the system's own delegates pass -dSAFER
}

// Ghostscript really runs in safe mode: a system file the PostScript tries
// to open stays closed, so the picture comes out green, not red. (Safe mode
// still lets it read the temporary folder, which Ghostscript needs.)
TEST(LibraryPictureTest, UserPickedPostScriptCannotOpenFiles) {
  test::TempFolder folder;
  const std::string eps =
      "%!PS-Adobe-3.0 EPSF-3.0\n%%Creator: lumena test\n%%BoundingBox: 0 0 8 8\n%%EndComments\n"
      "{ (/etc/passwd) (r) file closefile 1 0 0 setrgbcolor } stopped { 0 1 0 setrgbcolor } if\n"
      "0 0 8 8 rectfill\nshowpage\n%%EOF\n";
  test::WriteBytes(folder / "probe.eps", BytesOf(eps));
  Picture target;
  ASSERT_EQ(LoadPictureThroughLibrary(target, folder / "probe.eps", PictureSource::UserPicked), 1);
  ASSERT_EQ(target.Width(), 8);
  EXPECT_EQ(target.At(4, 4), (Pixel{0, 255, 0, 255}));
}

}  // namespace
}  // namespace lumena
