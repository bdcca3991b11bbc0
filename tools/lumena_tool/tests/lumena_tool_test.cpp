// Runs the built lumena-tool program as a user would.
#include <gtest/gtest.h>

#include <chrono>

#include "images/element_picture.h"
#include "images/jpeg_alpha.h"
#include "images/library_picture.h"
#include "images/zlib_stream.h"
#include "images_test_support.h"

namespace lumena {
namespace {

namespace fs = std::filesystem;
using test::Quote;

struct ToolResult {
  int exitCode = -1;
  std::string output;
  std::string errors;
};

class LumenaToolTest : public testing::Test {
 protected:
  ToolResult Run(const std::string& arguments) {
    const fs::path errors = folder_ / "stderr.txt";
    const auto result = test::RunCommand(std::string(LUMENA_TOOL_PATH) + " " + arguments + " 2>" + Quote(errors));
    const auto bytes = test::ReadBytes(errors);
    return {result.exitCode, result.output, std::string(bytes.begin(), bytes.end())};
  }
  std::string Path(const std::string& name) { return Quote(folder_ / name); }

  test::TempFolder folder_;
  const Picture sample_ = test::MakeTestPicture(23, 9);
};

TEST_F(LumenaToolTest, InfoNamesSizeAndKind) {
  SaveElementPicture(sample_, folder_ / "a.psd");
  test::WriteBytes(folder_ / "b.fcc", DeflateStream(EncodePsd(sample_)));
  test::WriteBytes(folder_ / "c.fll", EncodeJpegAlpha(sample_, 80));
  ASSERT_EQ(SavePictureThroughLibrary(sample_, folder_ / "d.png", kFormatPng), 1);
  ASSERT_EQ(SavePictureThroughLibrary(sample_, folder_ / "e.jpg", kFormatJpeg), 1);
  ASSERT_EQ(SavePictureThroughLibrary(sample_, folder_ / "f.tga", kFormatTga), 1);
  const std::pair<const char*, const char*> cases[] = {
      {"a.psd", "23x9 PSD\n"},  {"b.fcc", "23x9 FCC\n"}, {"c.fll", "23x9 FLL\n"}, {"d.png", "23x9 PNG\n"},
      {"e.jpg", "23x9 JPEG\n"}, {"f.tga", "23x9 TGA\n"}, {"b.psd", "23x9 FCC\n"},  // the ".psd" name finds b.fcc
  };
  for (const auto& [name, expected] : cases) {
    const ToolResult result = Run("info " + Path(name));
    EXPECT_EQ(result.exitCode, 0) << name << ": " << result.errors;
    EXPECT_EQ(result.output, expected) << name;
  }
}

TEST_F(LumenaToolTest, ConvertsBetweenElementKindsWithoutLoss) {
  SaveElementPicture(sample_, folder_ / "a.psd");
  ASSERT_EQ(Run("convert " + Path("a.psd") + " " + Path("b.fcc")).exitCode, 0);
  ASSERT_EQ(Run("convert " + Path("b.fcc") + " " + Path("c.png")).exitCode, 0);
  ASSERT_EQ(Run("convert " + Path("c.png") + " " + Path("d.psd")).exitCode, 0);
  EXPECT_EQ(test::ReadBytes(folder_ / "d.psd"), test::ReadBytes(folder_ / "a.psd"));
  const auto inflated = InflateStream(test::ReadBytes(folder_ / "b.fcc"));
  ASSERT_TRUE(inflated.has_value());
  EXPECT_EQ(*inflated, EncodePsd(sample_));
  EXPECT_EQ(test::RgbaByConvert(folder_ / "c.png"), test::ToRgba(sample_));
}

TEST_F(LumenaToolTest, ContainerOutputHonoursTheQuality) {
  SaveElementPicture(sample_, folder_ / "a.psd");
  ASSERT_EQ(Run("convert " + Path("a.psd") + " " + Path("best.fll") + " --quality 100").exitCode, 0);
  ASSERT_EQ(Run("convert --quality=5 " + Path("a.psd") + " " + Path("worst.fll")).exitCode, 0);
  ASSERT_EQ(Run("convert " + Path("a.psd") + " " + Path("default.fll")).exitCode, 0);
  const auto best = DecodeJpegAlpha(test::ReadBytes(folder_ / "best.fll"));
  ASSERT_TRUE(best.has_value());
  for (size_t i = 0; i < sample_.Pixels().size(); ++i) EXPECT_EQ(best->Pixels()[i].a, sample_.Pixels()[i].a);
  const auto content = [&](const char* name) { return InflateStream(test::ReadBytes(folder_ / name))->size(); };
  EXPECT_LT(content("worst.fll"), content("default.fll"));
  EXPECT_LT(content("default.fll"), content("best.fll"));
  EXPECT_EQ(test::ReadBytes(folder_ / "default.fll"), EncodeJpegAlpha(sample_, 90)) << "quality 90 by default";
}

TEST_F(LumenaToolTest, LibraryOutputFollowsTheExtension) {
  SaveElementPicture(sample_, folder_ / "a.psd");
  const std::pair<const char*, std::string> cases[] = {
      {"o.png", "\x89PNG"}, {"o.bmp", "BM"},   {"o.jpg", "\xFF\xD8"}, {"o.jpeg", "\xFF\xD8"}, {"o.tif", "II*"},
      {"o.PNG", "\x89PNG"}, {"o.psd", "8BPS"}, {"o.gif", "GIF8"},     {"o.out", "BM"},
  };
  for (const auto& [name, signature] : cases) {
    ASSERT_EQ(Run("convert " + Path("a.psd") + " " + Path(name)).exitCode, 0) << name;
    const auto bytes = test::ReadBytes(folder_ / name);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + static_cast<long>(signature.size())), signature) << name;
  }
}

struct FailureCase {
  const char* name;
  std::string arguments;
  int exitCode;
  const char* message;  // part of the error text
};

TEST_F(LumenaToolTest, FailuresAreReportedWithoutACrash) {
  SaveElementPicture(sample_, folder_ / "good.psd");
  test::WriteBytes(folder_ / "bad.psd", std::vector<uint8_t>(60, 'x'));
  test::WriteBytes(folder_ / "bad.fcc", std::vector<uint8_t>(60, 'x'));
  test::WriteBytes(folder_ / "bad.fll", std::vector<uint8_t>(60, 'x'));
  test::WriteBytes(folder_ / "bad.png", std::vector<uint8_t>(60, 'x'));
  fs::create_directory(folder_ / "folder.psd");
  const std::string good = Path("good.psd");
  const FailureCase cases[] = {
      {"no_command", "", 2, "usage"},
      {"unknown_command", "frobnicate", 2, "unknown command"},
      {"convert_one_file", "convert " + good, 2, "usage"},
      {"convert_three_files", "convert " + good + " " + Path("a.png") + " " + Path("b.png"), 2, "usage"},
      {"quality_text", "convert " + good + " " + Path("a.fll") + " --quality abc", 2, "--quality"},
      {"quality_high", "convert " + good + " " + Path("a.fll") + " --quality 101", 2, "--quality"},
      {"quality_negative", "convert " + good + " " + Path("a.fll") + " --quality=-1", 2, "--quality"},
      {"quality_missing", "convert " + good + " " + Path("a.fll") + " --quality", 2, "--quality"},
      {"unknown_option", "convert --fast " + good + " " + Path("a.png"), 2, "--fast"},
      {"missing_element", "convert " + Path("none.psd") + " " + Path("a.png"), 1, "none.psd"},
      {"missing_library", "convert " + Path("none.png") + " " + Path("a.png"), 1, "none.png"},
      {"invalid_psd", "convert " + Path("bad.psd") + " " + Path("a.png"), 1, "Invalid PSD format"},
      {"damaged_fcc", "info " + Path("bad.fcc"), 1, "bad.fcc"},
      {"damaged_fll", "info " + Path("bad.fll"), 1, "bad.fll"},
      {"not_a_picture", "info " + Path("bad.png"), 1, "bad.png"},
      {"folder_as_input", "info " + Path("folder.psd"), 1, "folder.psd"},
      {"unwritable_output", "convert " + good + " " + Path("no/such/folder/a.png"), 1, "a.png"},
      {"unwritable_element", "convert " + good + " " + Path("no/such/folder/a.psd"), 1, "a.psd"},
      {"info_no_file", "info", 2, "usage"},
  };
  for (const FailureCase& c : cases) {
    const ToolResult result = Run(c.arguments);
    EXPECT_EQ(result.exitCode, c.exitCode) << c.name << ": " << result.errors;
    EXPECT_NE(result.errors.find(c.message), std::string::npos) << c.name << ": " << result.errors;
    EXPECT_EQ(result.output, "") << c.name;
  }
  EXPECT_FALSE(fs::exists(folder_ / "a.fll"));
}

// Pictures made to exhaust memory or to reach risky decoders: each is
// refused with its reason, quickly.
TEST_F(LumenaToolTest, HostilePicturesAreRefusedWithinASecond) {
  test::PsdFields big;
  big.width = big.height = kMaxPictureSide;
  const auto header = test::BuildPsd(big, {});
  big.compression = 1;
  const auto rowTableOnly = test::BuildPsd(big, std::vector<uint8_t>(size_t{2} * kMaxPictureSide * 4, 0));
  std::vector<uint8_t> hugePlane = {0, 0, 0, 0, 0, 0, 0, 0x10};  // no JPEG, a 256 MiB plane
  const std::string eps = "%!PS-Adobe-3.0 EPSF-3.0\n%%Creator: t\n%%BoundingBox: 0 0 8 8\nshowpage\n";
  ASSERT_EQ(SavePictureThroughLibrary(sample_, folder_ / "real.png", kFormatPng), 1);
  test::WriteBytes(folder_ / "header.psd", header);
  test::WriteBytes(folder_ / "header.fcc", DeflateStream(header));
  test::WriteBytes(folder_ / "zeros.fcc", test::DeflateWithZeros(header, size_t{64} << 20));
  test::WriteBytes(folder_ / "rows.psd", rowTableOnly);
  test::WriteBytes(folder_ / "plane.fll", test::DeflateWithZeros(hugePlane, size_t{64} << 20));
  test::WriteBytes(folder_ / "eps.png", std::vector<uint8_t>(eps.begin(), eps.end()));
  test::WriteBytes(folder_ / "a.eps", std::vector<uint8_t>(eps.begin(), eps.end()));
  fs::copy_file(folder_ / "real.png", folder_ / "png.jpg");
  fs::copy_file(folder_ / "real.png", folder_ / "a.svg");
  fs::create_symlink("/dev/zero", folder_ / "zero.psd");
  ASSERT_EQ(test::RunCommand("mkfifo " + Path("pipe.fcc")).exitCode, 0);
  const std::pair<const char*, const char*> cases[] = {
      {"header.psd", "Invalid PSD format"},
      {"header.fcc", "Invalid PSD format"},
      {"zeros.fcc", "Invalid PSD format"},
      {"rows.psd", "Invalid PSD format"},
      {"plane.fll", "Damaged JPEG-with-opacity picture"},
      {"eps.png", "does not hold a PNG picture"},
      {"png.jpg", "does not hold a JPEG picture"},
      {"a.eps", "only when picked in the program's open dialog"},
      {"a.svg", "not a picture format"},
      {"zero.psd", "zero.psd"},
      {"pipe.fcc", "pipe.fcc"},
  };
  for (const auto& [name, message] : cases) {
    const auto start = std::chrono::steady_clock::now();
    const ToolResult result = Run("convert " + Path(name) + " " + Path("out.png"));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1)) << name;
    EXPECT_EQ(result.exitCode, 1) << name << ": " << result.errors;
    EXPECT_NE(result.errors.find(message), std::string::npos) << name << ": " << result.errors;
  }
  EXPECT_FALSE(fs::exists(folder_ / "out.png"));
}

TEST_F(LumenaToolTest, HelpListsTheCommands) {
  const ToolResult result = Run("--help");
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_NE(result.output.find("convert IN OUT"), std::string::npos);
  EXPECT_NE(result.output.find("info FILE"), std::string::npos);
}

}  // namespace
}  // namespace lumena

namespace lumena {
namespace {

TEST_F(LumenaToolTest, CheckInterfaceSaysOkOrGivesTheDescriptionsError) {
  const auto write = [&](const char* name, std::string_view text) {
    test::WriteBytes(folder_ / name, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
  };
  write("good.txt", "DesktopTableWidth = 890;\r\nSECTION FormMessage TFormMessage\r\n  Left = 10;\r\nEND\r\n");
  write("bad.txt", "# comment\r\nSECTION FormMessage TFormMessage\r\n  Left = 10, Top = 5;\r\n");
  ToolResult result = Run("check-interface " + Path("good.txt"));
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.output, "OK\n");
  result = Run("check-interface " + Path("bad.txt"));
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.output,
            "Error in contents of file INTFACE.TXT (line #3)\n"
            "After value <10> of parameter <Left> expression delimiter <;> is missing\n");
  result = Run("check-interface " + Path("missing.txt"));
  EXPECT_NE(result.exitCode, 0);
  EXPECT_NE(result.errors.find("is missing"), std::string::npos) << result.errors;
}

}  // namespace
}  // namespace lumena
