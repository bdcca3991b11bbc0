#include "images/element_picture.h"

#include <gtest/gtest.h>

#include "images/jpeg_alpha.h"
#include "images/zlib_stream.h"
#include "images_test_support.h"
#include "platform/text.h"

namespace lumena {
namespace {

namespace fs = std::filesystem;

class ElementPictureTest : public testing::Test {
 protected:
  // Writes a distinct picture of `width` x 1 in the form its extension names.
  void WriteElement(const std::string& name, int width) {
    const Picture picture = test::MakeTestPicture(width, 1);
    const std::string extension = ToLower(fs::path(name).extension().string());
    if (extension == ".fcc")
      test::WriteBytes(folder_ / name, DeflateStream(EncodePsd(picture)));
    else if (extension == ".fll")
      test::WriteBytes(folder_ / name, EncodeJpegAlpha(picture, 100));
    else
      SaveElementPicture(picture, folder_ / name);
  }

  int LoadedWidth(const std::string& name) {
    Picture target;
    LoadElementPicture(target, folder_ / name);
    return target.Width();
  }

  test::TempFolder folder_;
};

TEST_F(ElementPictureTest, SavedPicturesLoadBackIdentically) {
  const Picture sample = test::MakeTestPicture(37, 11);
  SaveElementPicture(sample, folder_ / "a.psd");
  EXPECT_EQ(fs::file_size(folder_ / "a.psd"), 40u + 4u * 37 * 11);
  Picture target;
  LoadElementPicture(target, folder_ / "a.psd");
  EXPECT_EQ(target, sample);
}

struct SearchCase {
  const char* name;
  std::vector<std::string> files;  // each written with a different width: 1, 2, 3 ...
  std::string asked;
  int expectedWidth;
};

class ElementSearchTest : public ElementPictureTest, public testing::WithParamInterface<SearchCase> {};

TEST_P(ElementSearchTest, ReadsTheFirstExistingForm) {
  const SearchCase& c = GetParam();
  for (size_t i = 0; i < c.files.size(); ++i) WriteElement(c.files[i], static_cast<int>(i) + 1);
  EXPECT_EQ(LoadedWidth(c.asked), c.expectedWidth);
}

INSTANTIATE_TEST_SUITE_P(Search, ElementSearchTest,
                         testing::Values(SearchCase{"exact_name_wins", {"a.fcc", "a.psd"}, "a.fcc", 1},
                                         SearchCase{"psd_missing_reads_fcc", {"a.fcc"}, "a.psd", 1},
                                         SearchCase{"psd_before_fll", {"a.fll", "a.psd"}, "a.tmp", 2},
                                         SearchCase{"psd_before_fcc", {"a.fcc", "a.psd"}, "a.fll", 2},
                                         SearchCase{"fcc_before_fll", {"a.fll", "a.fcc"}, "a.psd", 2},
                                         SearchCase{"fll_last", {"a.fll"}, "a.psd", 1},
                                         SearchCase{"name_without_extension", {"a.fll"}, "a", 1},
                                         SearchCase{"letter_case_ignored", {"A.FCC"}, "a.psd", 1},
                                         SearchCase{"letter_case_of_asked_name", {"a.fcc"}, "A.PSD", 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ElementPictureTest, ExistingFileWithOtherExtensionIsParsedAsPsd) {
  test::WriteBytes(folder_ / "b.bmp", std::vector<uint8_t>{'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                                           0,   0,   0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
  Picture target;
  EXPECT_THROW(LoadElementPicture(target, folder_ / "b.bmp"), EInvalidPicture);

  SaveElementPicture(test::MakeTestPicture(3, 2), folder_ / "c.bmp");
  LoadElementPicture(target, folder_ / "c.bmp");
  EXPECT_EQ(target, test::MakeTestPicture(3, 2));
}

TEST_F(ElementPictureTest, MissingFileRaisesAFileError) {
  Picture target = test::MakeTestPicture(2, 2);
  try {
    LoadElementPicture(target, folder_ / "none.psd");
    FAIL();
  } catch (const EFileError& e) {
    EXPECT_NE(std::string(e.what()).find("none.psd"), std::string::npos) << e.what();
  }
  EXPECT_EQ(target, test::MakeTestPicture(2, 2));
}

TEST_F(ElementPictureTest, CompressedPsdLoadsLikeThePsd) {
  const Picture sample = test::MakeTestPicture(20, 9);
  test::WriteBytes(folder_ / "d.fcc", DeflateStream(EncodePsd(sample)));
  Picture target;
  LoadElementPicture(target, folder_ / "d.fcc");
  EXPECT_EQ(target, sample);
}

TEST_F(ElementPictureTest, DamagedCompressedFilesAreAFormatErrorAndLeaveTheTargetUnchanged) {
  auto stream = DeflateStream(EncodePsd(test::MakeTestPicture(20, 9)));
  const std::vector<std::vector<uint8_t>> cases = {
      {},
      {1, 2, 3, 4},
      std::vector<uint8_t>(stream.begin(), stream.begin() + 10),
  };
  for (size_t i = 0; i < cases.size(); ++i) {
    test::WriteBytes(folder_ / "e.fcc", cases[i]);
    Picture target = test::MakeTestPicture(2, 2);
    EXPECT_THROW(LoadElementPicture(target, folder_ / "e.fcc"), EFormatError) << i;
    EXPECT_EQ(target, test::MakeTestPicture(2, 2)) << i;
  }
}

TEST_F(ElementPictureTest, CompressedFileWithBadPsdInsideIsRefused) {
  test::PsdFields f;
  f.mode = 4;
  test::WriteBytes(folder_ / "f.fcc", DeflateStream(test::BuildPsd(f, std::vector<uint8_t>(4, 0))));
  Picture target;
  EXPECT_THROW(LoadElementPicture(target, folder_ / "f.fcc"), EInvalidPicture);
}

TEST_F(ElementPictureTest, CompressedFileIsInflatedOnlyAsFarAsItsHeaderDeclares) {
  // A 2 x 1 picture followed by 64 MiB of zeros whose stream end is damaged:
  // inflating everything would fail, the picture needs only the first bytes.
  const Picture sample = test::MakeTestPicture(2, 1);
  std::vector<uint8_t> content = EncodePsd(sample);
  content.resize(content.size() + (size_t{64} << 20), 0);
  auto stream = DeflateStream(content);
  for (size_t i = stream.size() - 32; i < stream.size(); ++i) stream[i] = 0xFF;
  ASSERT_FALSE(InflateStream(stream).has_value());
  Picture target;
  DecodeCompressedPsd(stream, target);
  EXPECT_EQ(target, sample);
}

// Headers claiming the largest picture over data that cannot hold it: each
// is refused before the picture, or the zeros after the header, take memory.
TEST_F(ElementPictureTest, HostileHeadersAreRefusedWithoutLargeAllocations) {
  test::PsdFields f;
  f.width = f.height = kMaxPictureSide;
  const auto header = test::BuildPsd(f, {});
  f.width = f.height = 8192;  // 256 MiB of planes: within what a stream may give
  const auto withinLimit = test::BuildPsd(f, {});
  const std::pair<const char*, std::vector<uint8_t>> cases[] = {
      {"header.psd", header},
      {"header.fcc", DeflateStream(header)},
      {"zeros_after_header.fcc", test::DeflateWithZeros(header, size_t{96} << 20)},
      {"zeros_short_of_picture.fcc", test::DeflateWithZeros(withinLimit, size_t{8} << 20)},
  };
  for (const auto& [name, bytes] : cases) {
    test::WriteBytes(folder_ / name, bytes);
    const double before = test::PeakMemoryMiB();
    Picture target;
    try {
      LoadElementPicture(target, folder_ / name);
      ADD_FAILURE() << name << " accepted";
    } catch (const EInvalidPicture& e) {
      EXPECT_STREQ(e.what(), "Invalid PSD format") << name;
    }
    EXPECT_TRUE(target.Empty()) << name;
    // The last case inflates its 8 MiB before finding them short.
    EXPECT_LT(test::PeakMemoryMiB() - before, 32.0) << name;
  }
}

TEST_F(ElementPictureTest, ContainerFilesLoadWithExactOpacity) {
  const Picture sample = test::MakeTestPicture(16, 8);
  test::WriteBytes(folder_ / "g.fll", EncodeJpegAlpha(sample, 100));
  Picture target;
  LoadElementPicture(target, folder_ / "g.fll");
  ASSERT_EQ(target.Width(), 16);
  ASSERT_EQ(target.Height(), 8);
  for (size_t i = 0; i < sample.Pixels().size(); ++i) EXPECT_EQ(target.Pixels()[i].a, sample.Pixels()[i].a);
}

TEST_F(ElementPictureTest, DamagedContainerFilesAreAFormatErrorAndLeaveTheTargetUnchanged) {
  auto stream = EncodeJpegAlpha(test::MakeTestPicture(16, 8), 90);
  stream.resize(stream.size() / 2);
  test::WriteBytes(folder_ / "h.fll", stream);
  Picture target = test::MakeTestPicture(2, 2);
  EXPECT_THROW(LoadElementPicture(target, folder_ / "h.fll"), EFormatError);
  EXPECT_EQ(target, test::MakeTestPicture(2, 2));
}

}  // namespace
}  // namespace lumena
