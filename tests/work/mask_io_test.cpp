#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "images/zlib_stream.h"
#include "region_fields.h"
#include "work/mask.h"

namespace lumena {
namespace {

namespace fs = std::filesystem;

class MaskFiles : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("lumena_mask_" + std::to_string(::getpid()));
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }
  std::string Path(const char* name) const { return (folder_ / name).string(); }
  void Write(const std::string& file, const std::vector<uint8_t>& bytes) const {
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  fs::path folder_;
};

std::vector<uint8_t> Counting(size_t size, int start = 1) {
  std::vector<uint8_t> v(size);
  for (size_t i = 0; i < size; ++i) v[i] = static_cast<uint8_t>(start + i);
  return v;
}

void Fill(TMask& mask, uint8_t value) {
  for (uint8_t& c : mask.CellsView()) c = value;
}

std::vector<uint8_t> Cells(const TMask& mask) { return {mask.CellsView().begin(), mask.CellsView().end()}; }

TEST_F(MaskFiles, SavedFileIsTheCellsCompressed) {
  Picture picture(6, 4);
  TMask mask;
  mask.SetPicture(picture);
  std::copy_n(Counting(24).begin(), 24, mask.CellsView().begin());
  mask.LoadMaskFile(Path("a.msk"));  // missing: cells stay, name kept
  EXPECT_EQ(mask.FileName(), Path("a.msk"));
  EXPECT_EQ(Cells(mask), Counting(24));
  mask.SaveMaskFile();
  std::ifstream in(Path("a.msk"), std::ios::binary);
  const std::vector<uint8_t> file{std::istreambuf_iterator<char>(in), {}};
  EXPECT_EQ(InflateStreamPrefix(file, 1000), Counting(24));
  TMask other;
  other.SetPicture(picture);
  other.LoadMaskFile(Path("a.msk"));
  EXPECT_EQ(Cells(other), Counting(24));
}

TEST_F(MaskFiles, ShortFileLeavesTheLastRowsAsTheyWere) {
  Picture small(10, 10), tall(10, 12);
  TMask writer;
  writer.SetPicture(small);
  Fill(writer, 1);
  writer.LoadMaskFile(Path("short.msk"));
  writer.SaveMaskFile();
  TMask reader;
  reader.SetPicture(tall);
  Fill(reader, 0x40);
  reader.LoadMaskFile(Path("short.msk"));
  for (int row = 0; row < 12; ++row) EXPECT_EQ(reader.CellsView()[row * 10 + 3], row < 10 ? 1 : 0x40) << row;
}

struct BadFileCase {
  const char* name;
  std::vector<uint8_t> bytes;
  uint8_t expectedFirst, expectedLast;
};

class MaskFileContents : public MaskFiles, public testing::WithParamInterface<BadFileCase> {};

// The mask is 4 x 2 and starts at 9 everywhere.
TEST_P(MaskFileContents, NeverReachBeyondTheCells) {
  Picture picture(4, 2);
  TMask mask;
  mask.SetPicture(picture);
  Fill(mask, 9);
  Write(Path("m.msk"), GetParam().bytes);
  mask.LoadMaskFile(Path("m.msk"));
  EXPECT_EQ(mask.CellsView().front(), GetParam().expectedFirst) << GetParam().name;
  EXPECT_EQ(mask.CellsView().back(), GetParam().expectedLast) << GetParam().name;
  EXPECT_EQ(mask.CellsView().size(), 8u);
}

std::vector<uint8_t> Truncated(std::vector<uint8_t> v, size_t keep) {
  v.resize(keep);
  return v;
}

std::vector<uint8_t> Flipped(std::vector<uint8_t> v, size_t at) {
  v[at] ^= 0xFF;
  return v;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MaskFileContents,
    testing::Values(BadFileCase{"long", DeflateStream(Counting(5000)), 1, 8},
                    BadFileCase{"short", DeflateStream(Counting(3)), 1, 9},
                    BadFileCase{"empty content", DeflateStream({}), 9, 9},
                    BadFileCase{"not zlib", {1, 2, 3, 4, 5}, 9, 9}, BadFileCase{"empty file", {}, 9, 9},
                    BadFileCase{"cut short", Truncated(DeflateStream(Counting(8)), 6), 9, 9},
                    BadFileCase{"damaged checksum", Flipped(DeflateStream(Counting(8)), 12), 9, 9}),
    [](const auto& info) {
      std::string name = info.param.name;
      for (char& ch : name) ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
      return name;
    });

TEST_F(MaskFiles, NothingIsSavedWithoutCells) {
  TMask mask;
  mask.LoadMaskFile(Path("none.msk"));
  mask.SaveMaskFile();
  EXPECT_FALSE(fs::exists(Path("none.msk")));
}

// A mask with something in every part of its stream.
TMask FilledMask(const Picture& picture) {
  TMask mask;
  mask.SetPicture(picture);
  std::copy_n(Counting(picture.Width() * picture.Height(), 7).begin(), picture.Width() * picture.Height(),
              mask.CellsView().begin());
  for (int region = 1; region <= 8; ++region)
    // Distinct values within the documented ranges (values outside them are
    // clamped on reading: layer_limits_test.cpp).
    mask.SetRegion(region, {region * 1000 + 70000, region, 10 + region, region * 3, 200 - region, region * 11, 5, 150,
                            static_cast<uint8_t>(region * 12)});
  return mask;
}

TEST(MaskStream, RoundTripKeepsCellsParametersAndState) {
  Picture picture(13, 7);
  const TMask written = FilledMask(picture);
  std::vector<uint8_t> stream{0xAB};  // whatever the work file wrote before
  written.WriteMaskStream(stream);
  EXPECT_EQ(stream.front(), 0xAB);
  const auto content = InflateStreamPrefix(std::span(stream).subspan(1), 100000);
  ASSERT_TRUE(content);
  EXPECT_EQ(content->size(), 13u * 7 + 1 + 8 * 33 + 4);
  EXPECT_EQ((*content)[13 * 7], 0);  // no second cells

  TMask read;
  read.SetPicture(picture);
  read.SetState(5);
  read.ReadMaskStream(std::span(stream).subspan(1));
  EXPECT_EQ(Cells(read), Cells(written));
  for (int region = 1; region <= 8; ++region) EXPECT_EQ(read.Region(region), written.Region(region)) << region;
  EXPECT_EQ(read.State(), 0);
}

TEST(MaskStream, RegionRecordsAreLittleEndian) {
  Picture picture(1, 1);
  TMask mask;
  mask.SetPicture(picture);
  test::SetRegionField(mask, 1, ColourField::Color, 0x01020304);
  test::SetRegionField(mask, 1, ColourField::Opacity, 77);
  std::vector<uint8_t> stream;
  mask.WriteMaskStream(stream);
  const auto content = InflateStreamPrefix(stream, 1000);
  ASSERT_TRUE(content);
  EXPECT_EQ(std::vector<uint8_t>(content->begin() + 2, content->begin() + 6), (std::vector<uint8_t>{4, 3, 2, 1}));
  EXPECT_EQ((*content)[2 + 32], 77);
  EXPECT_EQ((*content)[2 + 33], 0xFF);  // region 2's colour -1
}

struct StreamCase {
  const char* name;
  size_t keep;   // bytes of the content kept
  uint8_t flag;  // second-cells flag written
  bool cellsRead, regionsRead;
};

class MaskStreamContents : public testing::TestWithParam<StreamCase> {};

TEST_P(MaskStreamContents, ReadsWhatIsWhollyThere) {
  const StreamCase& c = GetParam();
  Picture picture(5, 3);
  const TMask source = FilledMask(picture);
  std::vector<uint8_t> stream;
  source.WriteMaskStream(stream);
  std::vector<uint8_t> content = *InflateStreamPrefix(stream, 100000);
  content[15] = c.flag;
  content.resize(std::min(content.size(), c.keep));
  TMask read;
  read.SetPicture(picture);
  Fill(read, 0x55);
  read.ReadMaskStream(DeflateStream(content));
  EXPECT_EQ(read.CellsView()[0], 7) << c.name;
  EXPECT_EQ(read.CellsView()[14], c.cellsRead ? 7 + 14 : 0x55) << c.name;
  EXPECT_EQ(read.Region(8), c.regionsRead ? source.Region(8) : ColourParameters{}) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Cases, MaskStreamContents,
                         testing::Values(StreamCase{"whole", 1000, 0, true, true},
                                         StreamCase{"cells only", 15, 0, true, false},
                                         StreamCase{"part of the cells", 10, 0, false, false},
                                         StreamCase{"last record cut", 15 + 1 + 8 * 33 - 1, 0, true, false},
                                         StreamCase{"without state", 15 + 1 + 8 * 33, 0, true, true},
                                         StreamCase{"second cells", 1000, 1, true, false}));

TEST(MaskStream, DamagedStreamLeavesTheMaskUnchanged) {
  Picture picture(5, 3);
  const TMask source = FilledMask(picture);
  std::vector<uint8_t> stream;
  source.WriteMaskStream(stream);
  stream.resize(stream.size() / 2);
  TMask read;
  read.SetPicture(picture);
  Fill(read, 0x55);
  read.ReadMaskStream(stream);
  for (uint8_t c : read.CellsView()) EXPECT_EQ(c, 0x55);
  EXPECT_EQ(read.Region(1), ColourParameters{});
}

TEST(MaskStream, NothingIsWrittenOrReadWithoutCells) {
  TMask empty;
  std::vector<uint8_t> stream;
  empty.WriteMaskStream(stream);
  EXPECT_TRUE(stream.empty());
  Picture picture(5, 3);
  const TMask source = FilledMask(picture);
  source.WriteMaskStream(stream);
  empty.ReadMaskStream(stream);
  EXPECT_EQ(empty.Region(1), ColourParameters{});
}

}  // namespace
}  // namespace lumena
