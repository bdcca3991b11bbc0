// The bytes of both kinds of work file, and what peer readers make of them.
#include <gtest/gtest.h>

#include <algorithm>

#include "images/jpeg_alpha.h"
#include "images/jpeg_codec.h"
#include "images/zlib_stream.h"
#include "peer_tools.h"
#include "support/temp_folder.h"
#include "work_fixture.h"
#include "workfile/bmp_stream.h"
#include "workfile/compound_file.h"
#include "workfile/compressed_work.h"
#include "workfile/work_file_error.h"
#include "workfile/work_file_reader.h"
#include "workfile/work_file_writer.h"
#include "workfile/work_preview.h"

namespace lumena {
namespace {

using testing::TempFolder;
using testing::WorkFixture;

std::string AsText(const std::vector<uint8_t>& bytes) { return {bytes.begin(), bytes.end()}; }

uint32_t U32At(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (uint32_t{b[at + 3]} << 24);
}

TEST(WorkFileFormat, UncompressedStreamsAndTheirContents) {
  TempFolder folder;
  WorkFixture work;
  work.Fill();
  const WorkSnapshot snapshot = work.Snapshot();
  WriteWorkFile(folder / "w.lmu", snapshot);
  CompoundReader file(folder / "w.lmu");
  const auto toc = AsText(*file.FindStream("listfile.TXT", SIZE_MAX));
  EXPECT_EQ(toc, UncompressedTocText(snapshot.TocLines()));
  EXPECT_EQ(toc.find('\n'), std::string::npos) << "lines end with CR alone";
  EXPECT_TRUE(toc.starts_with("VERSION=Lumena 5.10;\rPORTRAIT=" + work.desk.Layer(3).Name() + ";123;77;\r"));
  // Layer lines from the last layer to the first.
  for (int k = 0; k < 4; ++k)
    EXPECT_EQ(ReadWorkToc(folder / "w.lmu")[5 + k].substr(6, 8), work.desk.Layer(3 - k).Name());
  for (int i = 0; i < 4; ++i) {
    const TLayer& layer = work.desk.Layer(i);
    EXPECT_EQ(*file.FindStream(layer.Name() + ".bmp", SIZE_MAX), EncodeBmp32(layer.WorkPicture()));
    std::vector<uint8_t> mask;
    layer.Mask().WriteMaskStream(mask);
    EXPECT_EQ(*file.FindStream(layer.Name() + ".msk", SIZE_MAX), mask);
  }
  EXPECT_EQ(*file.FindStream("preview.jpg", SIZE_MAX), MakePreviewJpeg(snapshot.workPicture, 150, 150, kWhite));
}

TEST(WorkFileFormat, CompressedLayout) {
  WorkFixture work;
  work.Fill();
  const WorkSnapshot snapshot = work.Snapshot();
  const std::vector<uint8_t> bytes = EncodeCompressedWork(snapshot);
  EXPECT_EQ(U32At(bytes, 0), 4u);
  const CompressedWork parts = ParseCompressedWork(bytes);
  std::string crlf;
  for (const auto& line : snapshot.TocLines()) crlf += line + "\r\n";
  EXPECT_EQ(parts.toc, crlf);
  EXPECT_EQ(parts.preview, MakePreviewJpeg(snapshot.workPicture, 150, 150, kWhite));
  ASSERT_EQ(parts.layers.size(), 4u);
  for (size_t k = 0; k < 4; ++k) {
    const TLayer& layer = *snapshot.layers[k];
    EXPECT_TRUE(std::ranges::equal(parts.layers[k].picture, EncodeJpegAlpha(layer.WorkPicture(), 90)));
    std::vector<uint8_t> mask;
    layer.Mask().WriteMaskStream(mask);
    EXPECT_TRUE(std::ranges::equal(parts.layers[k].mask, mask));
  }
  EXPECT_EQ(InflateStream(std::span(bytes).subspan(8, U32At(bytes, 4)))->size(), crlf.size()) << "zlib at offset 8";
}

TEST(WorkFileFormat, OneThreadAndTwoWriteTheSameBytes) {
  WorkFixture work;
  work.Fill();
  const WorkSnapshot snapshot = work.Snapshot();
  EXPECT_EQ(EncodeCompressedWork(snapshot, 1), EncodeCompressedWork(snapshot, 2));
  EXPECT_EQ(EncodeCompressedWork(snapshot, 1), EncodeCompressedWork(snapshot, 5));
}

TEST(WorkFileFormat, OlefileListsExactlyOurStreams) {
  TempFolder folder;
  WorkFixture work;
  work.Fill();
  WriteWorkFile(folder / "w.lmu", work.Snapshot());
  CompoundReader file(folder / "w.lmu");
  std::vector<std::string> expected;
  for (const std::string& name : file.StreamNames())
    expected.push_back(name + " " + std::to_string(file.FindStream(name, SIZE_MAX)->size()));
  std::sort(expected.begin(), expected.end());
  std::string listing;
  for (const auto& line : expected) listing += line + "\n";
  EXPECT_EQ(expected.size(), 2u + 2 * 4);
  for (int i = 0; i < 4; ++i) {
    const std::string name = work.desk.Layer(i).Name();
    EXPECT_NE(listing.find(name + ".bmp "), std::string::npos);
    EXPECT_NE(listing.find(name + ".msk "), std::string::npos);
  }
  EXPECT_NE(listing.find("ListFile.txt "), std::string::npos);
  EXPECT_NE(listing.find("preview.jpg "), std::string::npos);
  EXPECT_EQ(testing::OlefileListing(folder / "w.lmu"), listing);
}

TEST(WorkFileFormat, ImageMagickReadsTheLayerBitmapWithAlphaAndThePreview) {
  TempFolder folder;
  WorkFixture work;
  work.Fill();
  WriteWorkFile(folder / "w.lmu", work.Snapshot());
  CompoundReader file(folder / "w.lmu");
  const TLayer& layer = work.desk.Layer(1);
  const auto bmp = *file.FindStream(layer.Name() + ".bmp", SIZE_MAX);
  folder.Write("layer.bmp", AsText(bmp));
  std::string rgba;
  for (const Pixel& p : layer.WorkPicture().Pixels()) rgba += {char(p.r), char(p.g), char(p.b), char(p.a)};
  EXPECT_EQ(testing::MagickRgba(folder / "layer.bmp"), rgba);
  folder.Write("preview.jpg", AsText(*file.FindStream("preview.jpg", SIZE_MAX)));
  EXPECT_EQ(testing::MagickSize(folder / "preview.jpg"), "150x150");
}

TEST(BmpStream, BottomUpRowsWithFileHeader) {
  Picture p(2, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 2; ++x) p.At(x, y) = {uint8_t(x), uint8_t(y), 7, uint8_t(100 + y)};
  const auto bytes = EncodeBmp32(p);
  EXPECT_EQ(bytes[0], 'B');
  EXPECT_EQ(bytes[1], 'M');
  EXPECT_EQ(U32At(bytes, 2), bytes.size());
  const uint32_t offset = U32At(bytes, 10);
  EXPECT_EQ(bytes.size(), offset + 2 * 3 * 4);
  EXPECT_EQ(bytes[28], 32) << "bits per pixel";
  EXPECT_EQ(bytes[offset + 1], 2) << "the first stored row is the bottom one";
  EXPECT_EQ(bytes[offset + 3], 102) << "opacity in the fourth byte";
  EXPECT_EQ(DecodeBmp32(bytes), p);
}

TEST(BmpStream, ReadsPlainTopDownBitmapsToo) {
  // A 40-byte info header, BI_RGB, rows from the top (negative height).
  std::vector<uint8_t> b = {'B', 'M', 0, 0, 0, 0,    0,    0,    0,    0, 54, 0,  0, 0, 40, 0, 0,
                            0,   1,   0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF, 1, 0,  32, 0, 0, 0,  0, 0};
  b.resize(54, 0);
  for (uint8_t v : {1, 2, 3, 4, 5, 6, 7, 8}) b.push_back(v);
  const Picture p = DecodeBmp32(b);
  ASSERT_EQ(p.Height(), 2);
  EXPECT_EQ(p.At(0, 0), (Pixel{1, 2, 3, 4}));
  EXPECT_EQ(p.At(0, 1), (Pixel{5, 6, 7, 8}));
}

TEST(BmpStream, DamagedBitmapsAreErrors) {
  Picture p(3, 3);
  const auto good = EncodeBmp32(p);
  const auto changed = [&](size_t at, std::vector<uint8_t> value) {
    auto b = good;
    std::copy(value.begin(), value.end(), b.begin() + static_cast<long>(at));
    return b;
  };
  const std::vector<std::vector<uint8_t>> cases = {
      {},
      std::vector<uint8_t>(good.begin(), good.begin() + 30),
      std::vector<uint8_t>(good.begin(), good.end() - 1),
      changed(0, {'X'}),
      changed(28, {24}),                      // not 32-bit
      changed(30, {1}),                       // run-length compressed
      changed(18, {0xFF, 0xFF, 0xFF, 0x7F}),  // width beyond the cap
      changed(22, {0, 0, 0, 0x80}),           // height of -2^31
      changed(10, {0xFF, 0xFF, 0xFF, 0xFF}),  // pixel data beyond the file
      changed(14, {12, 0, 0, 0}),             // an old core header
  };
  for (size_t i = 0; i < cases.size(); ++i) EXPECT_THROW(DecodeBmp32(cases[i]), EWorkFileError) << i;
}

TEST(WorkPreview, SmallPictureIsCentredUnscaledOnWhite) {
  Picture p(10, 6);
  for (Pixel& px : p.Pixels()) px = {0, 0, 255, 255};
  const auto preview = TryDecodeJpeg(MakePreviewJpeg(p, 150, 150, kWhite));
  ASSERT_TRUE(preview);
  ASSERT_EQ(preview->Width(), 150);
  // Inside the block and off it by two pixels: JPEG blurs the edges.
  const auto red = [&](int x, int y) { return preview->At(x, y).r > 200 && preview->At(x, y).g < 80; };
  const auto white = [&](int x, int y) { return preview->At(x, y).r > 240 && preview->At(x, y).g > 240; };
  EXPECT_TRUE(red(72, 73));
  EXPECT_TRUE(red(77, 76));
  EXPECT_TRUE(white(67, 74));
  EXPECT_TRUE(white(82, 74));
  EXPECT_TRUE(white(75, 69));
  EXPECT_TRUE(white(75, 80));
  EXPECT_TRUE(white(0, 0));
}

TEST(WorkPreview, LargePictureFitsItsLongerSideAndTransparencyTurnsBlack) {
  Picture p(300, 100);  // fits as 150 x 50, rows 50 to 99
  for (Pixel& px : p.Pixels()) px = {255, 255, 255, 0};
  const auto preview = TryDecodeJpeg(MakePreviewJpeg(p, 150, 150, kWhite));
  ASSERT_TRUE(preview);
  EXPECT_LT(preview->At(75, 75).r, 20);
  EXPECT_LT(preview->At(2, 52).g, 20);
  EXPECT_GT(preview->At(75, 45).r, 235);
  EXPECT_GT(preview->At(75, 104).r, 235);
}

TEST(WorkPreview, ReadWithoutLoadingFromBothKinds) {
  TempFolder folder;
  WorkFixture work;
  work.Fill();
  const WorkSnapshot snapshot = work.Snapshot();
  WriteWorkFile(folder / "w.lmu", snapshot);
  WriteCompressedWork(folder / "w.lmc", snapshot);
  const auto expected = MakePreviewJpeg(snapshot.workPicture, 150, 150, kWhite);
  EXPECT_EQ(ReadWorkPreview(folder / "w.lmu"), expected);
  EXPECT_EQ(ReadWorkPreview(folder / "w.lmc"), expected);
  folder.Write("bad.lmc", "\x01\0\0\0\xff\xff\xff\x7f");
  EXPECT_FALSE(ReadWorkPreview(folder / "bad.lmc"));
  EXPECT_FALSE(ReadWorkPreview(folder / "missing.lmu"));
}

TEST(UnpackCompressedWork, MakesTheUncompressedWork) {
  TempFolder folder;
  WorkFixture work;
  work.Fill();
  WriteCompressedWork(folder / "w.lmc", work.Snapshot());
  ASSERT_TRUE(UnpackCompressedWork(folder / "w.lmc", folder / "u.lmu"));
  EXPECT_EQ(ReadWorkToc(folder / "u.lmu"), ReadWorkToc(folder / "w.lmc"));
  CompoundReader file(folder / "u.lmu");
  const auto decoded = DecodeBmp32(*file.FindStream(work.desk.Layer(0).Name() + ".bmp", SIZE_MAX));
  EXPECT_EQ(decoded, *DecodeJpegAlpha(EncodeJpegAlpha(work.desk.Layer(0).WorkPicture(), 90)));
  EXPECT_FALSE(UnpackCompressedWork(folder / "none.lmc", folder / "v.lmu"));
  folder.Write("bad.lmc", "\x02\0\0\0");
  EXPECT_FALSE(UnpackCompressedWork(folder / "bad.lmc", folder / "v.lmu"));
  EXPECT_FALSE(std::filesystem::exists(folder / "v.lmu")) << "no incomplete target is left";
}

// Every cut of a compressed work, and every single-byte change in its head,
// is an error or a work; never a crash.
TEST(UnpackCompressedWork, DamagedFilesAreErrors) {
  WorkFixture work;
  work.Add(0, 0, 6, 5, {1, 2, 3, 200});
  work.Add(3, 3, 4, 4, {4, 5, 6, 100});
  const std::vector<uint8_t> bytes = EncodeCompressedWork(work.Snapshot());
  for (size_t cut = 0; cut < bytes.size(); ++cut) {
    CompoundWriter writer;
    EXPECT_THROW(UnpackCompressedWork(std::span(bytes).first(cut), writer), EWorkFileError) << cut;
  }
  for (size_t at = 0; at < 12; ++at) {
    auto damaged = bytes;
    damaged[at] ^= 0xA5;
    CompoundWriter writer;
    try {
      UnpackCompressedWork(damaged, writer);
    } catch (const EWorkFileError&) {
    }
  }
  std::vector<uint8_t> huge = {0xFF, 0xFF, 0xFF, 0x7F};
  huge.insert(huge.end(), bytes.begin() + 4, bytes.end());
  CompoundWriter writer;
  EXPECT_THROW(UnpackCompressedWork(huge, writer), EWorkFileError);
}

TEST(UnpackCompressedWork, UnpacksInMemoryToAWorkTheDeskLoads) {
  WorkFixture work;
  work.Fill();
  const std::vector<uint8_t> bytes = EncodeCompressedWork(work.Snapshot());
  CompoundWriter writer;
  UnpackCompressedWork(bytes, writer);
  const std::vector<uint8_t> compound = writer.MemoryBytes();
  WorkFixture loaded;
  LoadWorkFromCompound(CompoundReader(compound), loaded.desk, loaded.anchors);
  testing::ExpectSameWork(work.desk, work.anchors, loaded.desk, loaded.anchors, 24);
}

}  // namespace
}  // namespace lumena
