// The open dialog's preview: its label, where the picture is drawn, and
// which files give a picture.
#include "workfile/open_preview.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>

#include "images/element_picture.h"
#include "images/jpeg_codec.h"
#include "images/library_picture.h"
#include "support/temp_folder.h"
#include "work_fixture.h"
#include "workfile/compressed_work.h"
#include "workfile/work_file_writer.h"

namespace lumena {
namespace {

using testing::TempFolder;

TEST(OpenPreviewLabel, GivesTheSizeOrAskForAPicture) {
  EXPECT_EQ(OpenPreviewLabel(512, 384), " (512x384)");
  EXPECT_EQ(OpenPreviewLabel(1, 1), " (1x1)");
  EXPECT_EQ(kNoPreviewLabel, "Picture:");
}

struct PlaceCase {
  int width, height, boxWidth, boxHeight;
  Rect expected;
};

class OpenPreviewPlace : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(OpenPreviewPlace, FitsCentredOrScalesFromTheTopLeft) {
  const PlaceCase& c = GetParam();
  EXPECT_EQ(lumena::OpenPreviewPlace(c.width, c.height, c.boxWidth, c.boxHeight), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, OpenPreviewPlace,
    ::testing::Values(PlaceCase{100, 50, 188, 129, {44, 39, 144, 89}},  // fits: centred at its own size
                      PlaceCase{188, 129, 188, 129, {0, 0, 188, 129}},  // exactly the box
                      PlaceCase{101, 51, 188, 129, {43, 39, 144, 90}},  // odd margins round down
                      PlaceCase{400, 100, 188, 129, {0, 0, 188, 47}},   // wider: the box's width
                      PlaceCase{100, 400, 188, 129, {0, 0, 32, 129}},   // higher: the box's height
                      PlaceCase{512, 512, 188, 129, {0, 0, 129, 129}},  // square: the box's height
                      PlaceCase{200, 100, 188, 129, {0, 0, 188, 94}},   // only too wide
                      PlaceCase{300, 200, 188, 100, {0, 0, 188, 125}},  // wider, yet overhangs below
                      PlaceCase{3, 1000, 188, 129, {0, 0, 0, 129}},     // 3 * 129 / 1000 truncates to 0
                      PlaceCase{1000, 7, 188, 129, {0, 0, 188, 1}}));   // multiply first: 7 * 188 / 1000

// A smooth opaque picture that every format keeps recognisable.
Picture Sample(int w, int h) {
  Picture p(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) p.At(x, y) = {static_cast<uint8_t>(x * 3), static_cast<uint8_t>(y * 4), 120, 255};
  return p;
}

void WriteBytes(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

void WriteWork(const std::filesystem::path& path) {
  testing::WorkFixture work;
  work.Fill();
  if (path.extension() == ".lmc")
    WriteCompressedWork(path, work.Snapshot());
  else
    WriteWorkFile(path, work.Snapshot());
}

struct FileCase {
  const char* name;
  std::function<void(const std::filesystem::path&)> write;
  std::optional<std::pair<int, int>> size;  // nothing: no preview
  bool exact;                               // the pixels come back unchanged
};

std::vector<FileCase> FileCases() {
  const Picture sample = Sample(64, 48);
  const auto library = [sample](int code) {
    return [sample, code](const std::filesystem::path& p) { ASSERT_EQ(SavePictureThroughLibrary(sample, p, code), 1); };
  };
  const auto text = [](std::string_view contents) {
    return [contents](const std::filesystem::path& p) { std::ofstream(p, std::ios::binary) << contents; };
  };
  const auto jpeg = [sample](const std::filesystem::path& p) { WriteBytes(p, EncodeJpeg(sample, 90)); };
  const auto psd = [sample](const std::filesystem::path& p) { SaveElementPicture(sample, p); };
  const std::pair<int, int> sampleSize{64, 48}, workSize{150, 150};
  return {
      {"portrait.jpg", jpeg, sampleSize, false},
      {"PORTRAIT.JPEG", jpeg, sampleSize, false},
      {"portrait.png", library(kFormatPng), sampleSize, true},
      {"portrait.gif", library(kFormatGif), sampleSize, false},
      {"portrait.bmp", library(kFormatBmp), sampleSize, true},
      {"element.psd", psd, sampleSize, true},
      {"element.PSD", psd, sampleSize, true},
      {"work.lmc", WriteWork, workSize, false},
      {"work.LMU", WriteWork, workSize, false},
      {"missing.png", [](const std::filesystem::path&) {}, std::nullopt, false},
      {"damaged.jpg", text("\xFF\xD8\xFF\xE0 not a picture"), std::nullopt, false},
      {"damaged.png", text("\x89PNG\r\n\x1A\n broken chunks"), std::nullopt, false},
      {"damaged.psd", text("8BPS short"), std::nullopt, false},
      {"damaged.lmc", text("not a work"), std::nullopt, false},
      {"damaged.lmu", text("not a compound file"), std::nullopt, false},
      {"notes.png", text("just some text\n"), std::nullopt, false},
      {"notes.txt", text("just some text\n"), std::nullopt, false},
  };
}

TEST(LoadOpenPreview, ReadsEachKindByItsExtensionAndRefusesTheRest) {
  TempFolder folder;
  const Picture sample = Sample(64, 48);
  for (const FileCase& c : FileCases()) {
    SCOPED_TRACE(c.name);
    const std::filesystem::path path = folder / c.name;
    c.write(path);
    const std::optional<Picture> preview = LoadOpenPreview(path);
    ASSERT_EQ(preview.has_value(), c.size.has_value());
    if (!preview) continue;
    EXPECT_EQ((std::pair{preview->Width(), preview->Height()}), *c.size);
    if (c.exact) {
      EXPECT_EQ(*preview, sample);
    }
  }
}

TEST(LoadOpenPreview, AFolderGivesNothing) {
  TempFolder folder;
  std::filesystem::create_directory(folder / "pictures.png");
  EXPECT_EQ(LoadOpenPreview(folder / "pictures.png"), std::nullopt);
}

}  // namespace
}  // namespace lumena
