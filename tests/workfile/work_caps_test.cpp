// Works claiming more than a work may hold are refused, from their table
// before anything is decoded, and from each picture before it is decoded.
#include "workfile/work_caps.h"

#include <gtest/gtest.h>

#include "images/jpeg_alpha.h"
#include "support/temp_folder.h"
#include "work_fixture.h"
#include "work_rewriting.h"
#include "workfile/bmp_stream.h"
#include "workfile/work_file_error.h"
#include "workfile/work_file_limits.h"
#include "workfile/work_file_reader.h"
#include "workfile/work_file_writer.h"

namespace lumena {
namespace {

using testing::TempFolder;
using testing::WorkFixture;

std::string LayerLine(const std::string& name, int32_t width, int32_t height) {
  TLayerRecord record;
  record.Name = name;
  record.Width = width;
  record.Height = height;
  return LayerTocLine(record);
}

std::vector<std::string> LayerLines(int count, int32_t width, int32_t height) {
  std::vector<std::string> lines;
  for (int i = 0; i < count; ++i) lines.push_back(LayerLine(std::to_string(10000000 + i), width, height));
  return lines;
}

// What the message of a refusal names; empty: accepted.
void ExpectRefusal(const std::function<void()>& read, const std::string& reason) {
  if (reason.empty()) {
    EXPECT_NO_THROW(read());
    return;
  }
  try {
    read();
    ADD_FAILURE() << "not refused: " << reason;
  } catch (const EWorkFileError& e) {
    EXPECT_NE(std::string(e.what()).find(reason), std::string::npos) << e.what();
  }
}

struct TocCase {
  const char* name;
  std::vector<std::string> layers;
  const char* refusal;
};

std::vector<TocCase> TocCases() {
  std::vector<std::string> twins = {LayerLine("AbCd1234", 4, 4), LayerLine("abcd1234", 4, 4)};
  std::vector<std::string> bigAndSmall = {LayerLine("10000000", 8192, 8192), LayerLine("10000001", 8193, 8192)};
  return {
      {"FourLayersOfTheLargestSize", LayerLines(4, 8192, 8192), ""},
      {"OneLayerOverItsCap", {LayerLine("10000000", 8193, 8192)}, "more than 64 megapixels"},
      {"SideBeyondThePictureCap", {LayerLine("10000000", INT32_MAX, 1)}, ""},  // clamped to 16384 x 1
      {"HugeBothWays", {LayerLine("10000000", INT32_MAX, INT32_MAX)}, "more than 64 megapixels"},
      {"LayersTogetherOverTheWorkCap", LayerLines(5, 8192, 7000), "more than 256 megapixels together"},
      {"CapReachedByTheLastLayer", bigAndSmall, "layer 10000001 has more than 64 megapixels"},
      {"TooManyLayers", LayerLines(kMaxWorkLayers + 1, 1, 1), "more than 4096 layers"},
      {"MostLayers", LayerLines(kMaxWorkLayers, 1, 1), ""},
      {"TwoLayersOfOneName", twins, "two layers are named abcd1234"},
  };
}

class TocCaps : public ::testing::TestWithParam<TocCase> {};

TEST_P(TocCaps, AreCheckedFromTheTable) {
  std::vector<std::string> lines = FixedTocLines({});
  lines.insert(lines.end(), GetParam().layers.begin(), GetParam().layers.end());
  ExpectRefusal([&] { CheckedLayerRecords(lines); }, GetParam().refusal);
}

// The same tables in files of both kinds: the tool's "info", the loader.
TEST_P(TocCaps, RefuseWorksOfBothKindsBeforeAnyPictureIsRead) {
  TempFolder folder;
  WorkFixture saved;
  saved.Add(0, 0, 4, 4, {1, 2, 3, 255});
  WriteWorkFile(folder / "w.lmu", saved.Snapshot());
  std::vector<std::string> lines = FixedTocLines({});
  lines.insert(lines.end(), GetParam().layers.begin(), GetParam().layers.end());
  testing::CopyWithToc(folder / "w.lmu", folder / "x.lmu", UncompressedTocText(lines));

  auto parts = testing::CompressedParts::Of(EncodeCompressedWork(saved.Snapshot()));
  parts.toc.clear();
  for (const std::string& line : lines) parts.toc += line + "\r\n";
  parts.pictures.resize(GetParam().layers.size(), parts.pictures[0]);
  parts.masks.resize(GetParam().layers.size(), parts.masks[0]);
  const auto lmc = parts.Bytes();
  folder.Write("x.lmc", std::string_view(reinterpret_cast<const char*>(lmc.data()), lmc.size()));

  const std::string refusal = GetParam().refusal;
  for (const char* name : {"x.lmu", "x.lmc"}) {
    SCOPED_TRACE(name);
    ExpectRefusal([&] { ReadWorkToc(folder / name); }, refusal);
    if (refusal.empty()) continue;
    WorkFixture loaded;
    ExpectRefusal([&] { ReadWorkFile(folder / name, loaded.desk, loaded.anchors); }, refusal);
    EXPECT_EQ(loaded.desk.Count(), 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Table, TocCaps, ::testing::ValuesIn(TocCases()),
                         [](const auto& info) { return std::string(info.param.name); });

// A bitmap whose headers claim a picture over the cap, under a table that
// claims a small one: refused before it is decoded.
TEST(PictureCaps, BitmapOverTheCapIsRefusedBeforeDecoding) {
  TempFolder folder;
  WorkFixture saved;
  TLayer& layer = saved.Add(0, 0, 4, 4, {1, 2, 3, 255});
  WriteWorkFile(folder / "w.lmu", saved.Snapshot());
  const std::string bitmapName = layer.Name() + ".bmp";
  testing::CopyCompound(folder / "w.lmu", folder / "x.lmu", [&](const std::string& name, std::vector<uint8_t>& bytes) {
    if (name != bitmapName) return;
    for (size_t at : {18u, 22u}) {  // width and height: 16384
      bytes[at] = 0;
      bytes[at + 1] = 0x40;
    }
  });
  WorkFixture loaded;
  ExpectRefusal([&] { ReadWorkFile(folder / "x.lmu", loaded.desk, loaded.anchors); }, "has more than 64 megapixels");
}

std::vector<uint8_t> ContainerHead(uint32_t jpegBytes, uint32_t planeBytes) {
  std::vector<uint8_t> head;
  for (uint32_t v : {jpegBytes, planeBytes})
    for (int shift = 0; shift < 32; shift += 8) head.push_back(static_cast<uint8_t>(v >> shift));
  head.resize(4096, 0);  // some of the content, not all it claims
  return DeflateStream(head);
}

struct BlockCase {
  const char* name;
  std::vector<uint8_t> picture;  // empty: the real one
  std::vector<uint8_t> mask;     // empty: the real one
  const char* refusal;
};

std::vector<BlockCase> BlockCases() {
  return {
      {"PlaneOverTheLayerCap", ContainerHead(1000, (64u << 20) + 1), {}, "has more than 64 megapixels"},
      {"JpegTooLargeForItsPlane", ContainerHead(200u << 20, 16), {}, "claims a JPEG too large"},
      {"MaskInflatingFarBeyondItsPicture", {}, DeflateStream(std::vector<uint8_t>(8u << 20, 0)), "mask of layer"},
  };
}

class CompressedBlockCaps : public ::testing::TestWithParam<BlockCase> {};

TEST_P(CompressedBlockCaps, AreRefusedBeforeTheBlockIsInflatedWhole) {
  WorkFixture saved;
  saved.Add(0, 0, 4, 4, {1, 2, 3, 255});
  auto parts = testing::CompressedParts::Of(EncodeCompressedWork(saved.Snapshot()));
  if (!GetParam().picture.empty()) parts.pictures[0] = GetParam().picture;
  if (!GetParam().mask.empty()) parts.masks[0] = GetParam().mask;
  CompoundWriter writer;
  ExpectRefusal([&] { UnpackCompressedWork(parts.Bytes(), writer); }, GetParam().refusal);
}

INSTANTIATE_TEST_SUITE_P(Table, CompressedBlockCaps, ::testing::ValuesIn(BlockCases()),
                         [](const auto& info) { return std::string(info.param.name); });

// The uncompressed kind checks its mask streams the same way.
TEST(PictureCaps, MaskStreamFarLargerThanItsPictureIsRefusedInBothKinds) {
  TempFolder folder;
  WorkFixture saved;
  TLayer& layer = saved.Add(0, 0, 4, 4, {1, 2, 3, 255});
  WriteWorkFile(folder / "w.lmu", saved.Snapshot());
  const std::string maskName = layer.Name() + ".msk";
  testing::CopyCompound(folder / "w.lmu", folder / "x.lmu", [&](const std::string& name, std::vector<uint8_t>& bytes) {
    if (name == maskName) bytes = DeflateStream(std::vector<uint8_t>(1000, 0));
  });
  WorkFixture loaded;
  ExpectRefusal([&] { ReadWorkFile(folder / "x.lmu", loaded.desk, loaded.anchors); }, "mask of layer");
}

TEST(InflationBudget, TakesUpToTheCapAndNoMore) {
  InflationBudget budget;
  budget.Take(kMaxCompressedWorkInflatedBytes - 10, "most");
  EXPECT_EQ(budget.Left(), 10u);
  budget.Take(10, "the rest");
  EXPECT_THROW(budget.Take(1, "one more byte"), EWorkFileError);
}

// The JPEG allowance holds for the worst pictures the writer makes.
TEST(InflationBudget, NoiseAtTheWritersQualityStaysWithinTheJpegAllowance) {
  Picture noise(256, 256);
  uint32_t state = 12345;
  for (Pixel& p : noise.Pixels()) {
    state = state * 1664525u + 1013904223u;
    p = {static_cast<uint8_t>(state >> 8), static_cast<uint8_t>(state >> 16), static_cast<uint8_t>(state >> 24), 255};
  }
  const auto container = InflateStream(EncodeJpegAlpha(noise, 100));
  ASSERT_TRUE(container);
  EXPECT_LE(container->size(), kLayerContainerHeadBytes + MaxLayerJpegBytes(256 * 256) + 256 * 256);
}

}  // namespace
}  // namespace lumena
