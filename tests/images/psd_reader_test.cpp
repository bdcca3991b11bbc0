#include <gtest/gtest.h>

#include "images/psd_codec.h"
#include "images_test_support.h"

namespace lumena {
namespace {

using test::BuildPsd;
using test::PsdFields;

// The byte of the pixel each file channel goes to: red, green, blue, opacity.
uint8_t& ChannelByte(Picture& picture, size_t pixel, int channel) {
  return picture.Bytes()[pixel * 4 + static_cast<size_t>(kPsdChannelByte[channel])];
}

// Planes of `channels` channels of the sample picture; channels after the
// fourth hold filler values.
std::vector<uint8_t> RawPlanes(const Picture& picture, int channels) {
  Picture copy = picture;
  std::vector<uint8_t> data;
  for (int c = 0; c < channels; ++c)
    for (size_t i = 0; i < copy.Pixels().size(); ++i) data.push_back(c < 4 ? ChannelByte(copy, i, c) : 0x5A);
  return data;
}

// Each row one literal code: the simplest run-length data of a picture.
std::vector<uint8_t> LiteralRows(const Picture& picture, int channels) {
  Picture copy = picture;
  std::vector<uint8_t> data(2u * static_cast<size_t>(picture.Height() * channels), 0);  // row byte counts, unused
  for (int c = 0; c < channels; ++c) {
    for (int y = 0; y < picture.Height(); ++y) {
      data.push_back(static_cast<uint8_t>(picture.Width() - 1));
      for (int x = 0; x < picture.Width(); ++x)
        data.push_back(c < 4 ? ChannelByte(copy, static_cast<size_t>(y * picture.Width() + x), c) : 0xA5);
    }
  }
  return data;
}

PsdFields FieldsFor(const Picture& picture, int channels, uint16_t compression) {
  PsdFields f;
  f.channels = static_cast<uint16_t>(channels);
  f.width = static_cast<uint32_t>(picture.Width());
  f.height = static_cast<uint32_t>(picture.Height());
  f.compression = compression;
  return f;
}

// The sample picture with only the first `channels` channels (others zero).
Picture FirstChannels(const Picture& source, int channels) {
  Picture copy = source;
  Picture expected(source.Width(), source.Height());
  for (int c = 0; c < std::min(channels, 4); ++c)
    for (size_t i = 0; i < copy.Pixels().size(); ++i) ChannelByte(expected, i, c) = ChannelByte(copy, i, c);
  return expected;
}

Picture DecodeNew(std::span<const uint8_t> file) {
  Picture target;
  DecodePsd(file, target);
  return target;
}

// --- header checks ---------------------------------------------------------

struct HeaderCase {
  const char* name;
  PsdFields fields;
};

PsdFields With(void (*change)(PsdFields&)) {
  PsdFields f;
  change(f);
  return f;
}

class PsdHeaderRefusalTest : public testing::TestWithParam<HeaderCase> {};

TEST_P(PsdHeaderRefusalTest, RefusesWithoutTouchingTheTarget) {
  const auto file = BuildPsd(GetParam().fields, std::vector<uint8_t>(64, 1));
  const Picture before = test::MakeTestPicture(2, 2);
  Picture target = before;
  try {
    DecodePsd(file, target);
    FAIL() << "accepted";
  } catch (const EInvalidPicture& e) {
    EXPECT_STREQ(e.what(), "Invalid PSD format");
  }
  EXPECT_EQ(target, before);
}

INSTANTIATE_TEST_SUITE_P(
    Headers, PsdHeaderRefusalTest,
    testing::Values(HeaderCase{"signature", With([](PsdFields& f) { f.signature = "8BPX"; })},
                    HeaderCase{"signature_case", With([](PsdFields& f) { f.signature = "8bps"; })},
                    HeaderCase{"version_2", With([](PsdFields& f) { f.version = 2; })},
                    HeaderCase{"version_0", With([](PsdFields& f) { f.version = 0; })},
                    HeaderCase{"sixteen_bits", With([](PsdFields& f) { f.depth = 16; })},
                    HeaderCase{"one_bit", With([](PsdFields& f) { f.depth = 1; })},
                    HeaderCase{"cmyk", With([](PsdFields& f) { f.mode = 4; })},
                    HeaderCase{"grayscale", With([](PsdFields& f) { f.mode = 1; })},
                    HeaderCase{"lab", With([](PsdFields& f) { f.mode = 9; })},
                    HeaderCase{"zero_width", With([](PsdFields& f) { f.width = 0; })},
                    HeaderCase{"zero_height", With([](PsdFields& f) { f.height = 0; })},
                    HeaderCase{"too_wide", With([](PsdFields& f) { f.width = kMaxPictureSide + 1; })},
                    HeaderCase{"too_high", With([](PsdFields& f) { f.height = kMaxPictureSide + 1; })},
                    HeaderCase{"huge", With([](PsdFields& f) { f.width = f.height = 0xFFFFFFFF; })}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PsdReaderTest, FilesShorterThanTheHeaderAreRefused) {
  const auto file = BuildPsd(PsdFields{}, {});
  for (size_t size : {size_t{0}, size_t{4}, size_t{25}}) {
    Picture target;
    EXPECT_THROW(DecodePsd(std::span(file).first(size), target), EInvalidPicture) << size;
  }
}

TEST(PsdReaderTest, LargestAllowedSideIsRead) {
  PsdFields f;
  f.width = kMaxPictureSide;
  f.channels = 1;
  const Picture target = DecodeNew(BuildPsd(f, std::vector<uint8_t>(kMaxPictureSide, 9)));
  EXPECT_EQ(target.Width(), kMaxPictureSide);
  EXPECT_EQ(target.At(kMaxPictureSide - 1, 0), (Pixel{0, 0, 9, 0}));
}

// --- channels --------------------------------------------------------------

TEST(PsdReaderTest, ChannelsGoToRedGreenBlueOpacity) {
  PsdFields f = FieldsFor(Picture(2, 1), 4, 0);
  const std::vector<uint8_t> planes = {10, 11, 20, 21, 30, 31, 40, 41};
  const Picture target = DecodeNew(BuildPsd(f, planes));
  EXPECT_EQ(target.At(0, 0), (Pixel{30, 20, 10, 40}));
  EXPECT_EQ(target.At(1, 0), (Pixel{31, 21, 11, 41}));
}

TEST(PsdReaderTest, EachChannelCountReadsItsChannelsAndSkipsExtraOnes) {
  const Picture sample = test::MakeTestPicture(5, 3);
  for (uint16_t compression : {0, 1}) {
    for (int channels = 1; channels <= 7; ++channels) {
      const auto data = compression == 0 ? RawPlanes(sample, channels) : LiteralRows(sample, channels);
      const Picture target = DecodeNew(BuildPsd(FieldsFor(sample, channels, compression), data));
      EXPECT_EQ(target, FirstChannels(sample, channels)) << channels << " channels, compression " << compression;
    }
  }
}

TEST(PsdReaderTest, MultichannelModeReadsLikeRgb) {
  const Picture sample = test::MakeTestPicture(4, 2);
  PsdFields f = FieldsFor(sample, 4, 0);
  f.mode = 7;
  EXPECT_EQ(DecodeNew(BuildPsd(f, RawPlanes(sample, 4))), sample);
}

TEST(PsdReaderTest, ThreeChannelsKeepTheOpacityTheTargetHeld) {
  const Picture sample = test::MakeTestPicture(4, 2);
  const auto file = BuildPsd(FieldsFor(sample, 3, 0), RawPlanes(sample, 3));

  const Picture fresh = DecodeNew(file);
  for (const Pixel& p : fresh.Pixels()) EXPECT_EQ(p.a, 0);

  Picture sameSize(4, 2);
  for (Pixel& p : sameSize.Pixels()) p.a = 77;
  DecodePsd(file, sameSize);
  for (size_t i = 0; i < sample.Pixels().size(); ++i) {
    const Pixel expected{sample.Pixels()[i].b, sample.Pixels()[i].g, sample.Pixels()[i].r, 77};
    EXPECT_EQ(sameSize.Pixels()[i], expected);
  }

  Picture otherSize = test::MakeTestPicture(3, 3);
  DecodePsd(file, otherSize);
  EXPECT_EQ(otherSize, fresh);
}

TEST(PsdReaderTest, SectionContentsAreSkipped) {
  const Picture sample = test::MakeTestPicture(3, 2);
  PsdFields f = FieldsFor(sample, 4, 0);
  f.sections[0] = {1, 2, 3};
  f.sections[1] = std::vector<uint8_t>(1000, 0xFF);
  f.sections[2] = {'8', 'B', 'P', 'S', 0, 1};
  EXPECT_EQ(DecodeNew(BuildPsd(f, RawPlanes(sample, 4))), sample);
}

TEST(PsdReaderTest, AnyNonZeroCompressionIsRunLength) {
  const Picture sample = test::MakeTestPicture(3, 2);
  for (uint16_t compression : {1, 2, 0xFFFF})
    EXPECT_EQ(DecodeNew(BuildPsd(FieldsFor(sample, 4, compression), LiteralRows(sample, 4))), sample) << compression;
}

TEST(PsdReaderTest, RunLengthRowsOvershootingAndNoOpsDecodeCleanly) {
  PsdFields f;
  f.channels = 1;
  f.width = 3;
  f.height = 2;
  f.compression = 1;
  const std::vector<uint8_t> data = {0,    0,    0, 0,            // row byte counts
                                     0x80, 0xFC, 7,               // no-op, then five 7s: two dropped
                                     0x80, 0x80, 2, 1, 2, 3, 4};  // literal of three, one dropped
  const Picture target = DecodeNew(BuildPsd(f, data));
  const uint8_t expectedRed[] = {7, 7, 7, 1, 2, 3};
  for (size_t i = 0; i < 6; ++i) EXPECT_EQ(target.Pixels()[i], (Pixel{0, 0, expectedRed[i], 0})) << i;
}

// --- data that cannot hold the picture ------------------------------------

void ExpectRefusedUntouched(std::span<const uint8_t> file, const std::string& what) {
  const Picture before = test::MakeTestPicture(2, 2);
  Picture target = before;
  EXPECT_THROW(DecodePsd(file, target), EInvalidPicture) << what;
  EXPECT_EQ(target, before) << what;
}

TEST(PsdReaderTest, TruncatedRawDataIsRefused) {
  const Picture sample = test::MakeTestPicture(3, 2);
  const auto file = BuildPsd(FieldsFor(sample, 4, 0), RawPlanes(sample, 4));
  ASSERT_EQ(file.size(), 64u);
  for (size_t size : {26, 29, 30, 37, 38, 39, 40, 41, 45, 46, 47, 52, 63})
    ExpectRefusedUntouched(std::span(file).first(size), std::to_string(size));
  EXPECT_EQ(DecodeNew(file), sample);
}

TEST(PsdReaderTest, TruncatedRunLengthDataIsRefused) {
  const Picture sample = test::MakeTestPicture(3, 2);
  const auto file = BuildPsd(FieldsFor(sample, 4, 1), LiteralRows(sample, 4));
  // Every cut: in the sections, in the row table (45), in the rows.
  for (size_t size = 26; size < file.size(); ++size)
    ExpectRefusedUntouched(std::span(file).first(size), std::to_string(size));
  EXPECT_EQ(DecodeNew(file), sample);
}

// Every case claims pixels its data cannot hold; the big ones would take a
// gigabyte if the picture were made before the check.
TEST(PsdReaderTest, PicturesClaimingMoreThanTheirDataAreRefusedBeforeAllocation) {
  auto fields = [](uint16_t channels, uint32_t side, uint16_t compression) {
    PsdFields f;
    f.channels = channels;
    f.width = f.height = side;
    f.compression = compression;
    return f;
  };
  const uint32_t big = kMaxPictureSide;
  auto headerOnly = BuildPsd(fields(4, big, 0), {});
  headerOnly.resize(26);
  std::vector<uint8_t> zeroRowTable(2u * big * 4, 0);
  // Two complete rows of three bytes each, but the table declares four each.
  const std::vector<uint8_t> overstatedTable = {0, 4, 0, 4, 1, 1, 2, 1, 3, 4};
  struct Case {
    const char* name;
    std::vector<uint8_t> file;
  };
  const Case cases[] = {
      {"header_only_raw", BuildPsd(fields(4, big, 0), {})},
      {"header_only_run_length", BuildPsd(fields(4, big, 1), {})},
      {"header_without_sections", headerOnly},
      {"one_plane_of_four", BuildPsd(fields(4, 64, 0), std::vector<uint8_t>(64 * 64, 1))},
      {"row_table_without_rows", BuildPsd(fields(4, big, 1), zeroRowTable)},
      {"row_table_counts_beyond_data", BuildPsd(fields(1, 2, 1), overstatedTable)},
      {"no_channels", BuildPsd(fields(0, big, 0), std::vector<uint8_t>(64, 1))},
      {"many_channels_raw", BuildPsd(fields(0xFFFF, big, 0), std::vector<uint8_t>(4096, 1))},
  };
  std::vector<uint8_t> trueTable = overstatedTable;
  trueTable[1] = trueTable[3] = 3;
  EXPECT_EQ(DecodeNew(BuildPsd(fields(1, 2, 1), trueTable)).At(1, 1), (Pixel{0, 0, 4, 0}));
  for (const Case& c : cases) {
    const double before = test::PeakMemoryMiB();
    ExpectRefusedUntouched(c.file, c.name);
    EXPECT_LT(test::PeakMemoryMiB() - before, 32.0) << c.name;
  }
}

// --- the writer and the size bound ----------------------------------------

TEST(PsdWriterTest, WritesTheFortyByteHeaderAndFourPlanes) {
  Picture picture(2, 1);
  picture.At(0, 0) = Pixel{3, 2, 1, 4};
  picture.At(1, 0) = Pixel{13, 12, 11, 14};
  const std::vector<uint8_t> expected = {'8', 'B', 'P', 'S', 0, 1,  0, 0, 0, 0, 0, 0, 0, 4,  // .. channels
                                         0,   0,   0,   1,   0, 0,  0, 2, 0, 8, 0, 3,  // height, width, depth, mode
                                         0,   0,   0,   0,   0, 0,  0, 0, 0, 0, 0, 0, 0, 0,  // sections, raw
                                         1,   11,  2,   12,  3, 13, 4, 14};
  EXPECT_EQ(EncodePsd(picture), expected);
}

TEST(PsdWriterTest, WrittenFilesReadBackIdentically) {
  for (auto [w, h] : {std::pair{1, 1}, {7, 3}, {64, 65}}) {
    const Picture sample = test::MakeTestPicture(w, h);
    EXPECT_EQ(DecodeNew(EncodePsd(sample)), sample);
  }
}

TEST(PsdSizeBoundTest, GrowsWithWhatThePrefixReveals) {
  const Picture sample = test::MakeTestPicture(3, 2);
  PsdFields f = FieldsFor(sample, 5, 0);
  f.sections[1] = std::vector<uint8_t>(10, 0);
  const auto raw = BuildPsd(f, RawPlanes(sample, 5));
  const size_t compressionAt = 26 + 4 + 4 + 10 + 4;
  struct Case {
    size_t prefix;
    uint64_t bound;
  };
  for (const Case& c : {Case{0, 26}, Case{25, 26}, Case{26, 30}, Case{30, 34}, Case{33, 34}, Case{34, 48}, Case{47, 48},
                        Case{48, 50}, Case{50, compressionAt + 2 + 4 * 6}, Case{raw.size(), compressionAt + 2 + 24}})
    EXPECT_EQ(PsdSizeBound(std::span(raw).first(c.prefix)), c.bound) << c.prefix;

  f.compression = 1;
  const auto rle = BuildPsd(f, {});
  // Row table of all five channels, then at most two bytes a value for four.
  EXPECT_EQ(PsdSizeBound(rle), compressionAt + 2 + 2 * 2 * 5 + 4 * 2 * 2 * 3);
}

TEST(PsdSizeBoundTest, BadHeaderNeedsOnlyTheHeader) {
  PsdFields f;
  f.depth = 16;
  EXPECT_EQ(PsdSizeBound(BuildPsd(f, std::vector<uint8_t>(100))), 26u);
}

}  // namespace
}  // namespace lumena
