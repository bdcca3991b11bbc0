// Reads the default template collection as the program does: the template
// base, each picture and each mask.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>

#include "images/file_bytes.h"
#include "images/picture_file.h"
#include "images/zlib_stream.h"
#include "platform/ini_file.h"
#include "platform/stored_path.h"
#include "templates/template_base.h"
#include "work/mask.h"

namespace lumena {
namespace {

namespace fs = std::filesystem;

const fs::path kFolder = LUMENA_PROGRAM_FOLDER;
// The standard portrait and where the face anchor lies on it.
constexpr int kPortraitWidth = 445, kPortraitHeight = 492;
constexpr Point kAnchor{178, 225};

struct LoadedTemplate {
  const TPartInfoRecord* record;
  Picture picture;
  std::vector<uint8_t> cells;  // the mask, inflated
};

class DefaultCollectionTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    base_ = std::make_unique<TTemplateBase>();
    base_->LoadTemplateTypes(IniFile(kFolder / "Lumena.ini"));
    base_->LoadTemplateBase(kFolder / kTemplateBaseFileName, [](const std::string& m) { warnings_.push_back(m); });
    for (const TPartInfoRecord& record : base_->Templates())
      if (!record.IsTitle()) loaded_.push_back(Load(record));
  }
  static void TearDownTestSuite() {
    loaded_.clear();
    base_.reset();
  }

  static LoadedTemplate Load(const TPartInfoRecord& record) {
    LoadedTemplate loaded{&record, {}, {}};
    const auto file = ResolveStoredPath(kFolder, record.FileName);
    const auto mask = ResolveStoredPath(kFolder, ReplaceStoredExtension(record.FileName, ".msk"));
    if (file) loaded.picture = LoadPictureFile(*file);
    if (mask) loaded.cells = InflateStream(ReadFileBytes(*mask)).value_or(std::vector<uint8_t>{});
    return loaded;
  }

  static std::string GroupOf(const TPartInfoRecord& record) { return base_->GroupOf(record.TypeNumber); }

  static inline std::unique_ptr<TTemplateBase> base_;
  static inline std::vector<std::string> warnings_;
  static inline std::vector<LoadedTemplate> loaded_;
};

TEST_F(DefaultCollectionTest, TemplateBaseLoadsWithoutWarnings) {
  EXPECT_TRUE(warnings_.empty());
  EXPECT_EQ(base_->Types().size(), 10u);
  EXPECT_FALSE(loaded_.empty());
}

TEST_F(DefaultCollectionTest, EveryTypeOpensWithItsTitleAndHasEnoughTemplates) {
  const std::map<int, size_t> least = {{1, 10}, {2, 4}, {3, 8}, {4, 8}, {5, 8},
                                       {6, 6},  {7, 4}, {8, 8}, {9, 4}, {10, 4}};
  for (const auto& [type, count] : least) {
    const auto records = base_->TemplatesOfType(type);
    ASSERT_FALSE(records.empty()) << "type " << type;
    EXPECT_TRUE(records.front()->IsTitle()) << "type " << type;
    const auto titles = std::ranges::count_if(records, [](const TPartInfoRecord* r) { return r->IsTitle(); });
    EXPECT_EQ(titles, 1) << "type " << type;
    EXPECT_GE(records.size() - 1, count) << "type " << type;
  }
}

TEST_F(DefaultCollectionTest, EveryPictureHasClearAndDrawnPixels) {
  for (const LoadedTemplate& t : loaded_) {
    SCOPED_TRACE(t.record->FileName);
    ASSERT_FALSE(t.picture.Empty());
    const auto pixels = t.picture.Pixels();
    EXPECT_TRUE(std::ranges::any_of(pixels, [](const Pixel& p) { return p.a == 0; }));
    EXPECT_TRUE(std::ranges::any_of(pixels, [](const Pixel& p) { return p.a >= 40; }));
  }
}

TEST_F(DefaultCollectionTest, EveryMaskFitsItsPictureAndMarksRegionOneOnDrawnPixels) {
  for (const LoadedTemplate& t : loaded_) {
    SCOPED_TRACE(t.record->FileName);
    const auto pixels = t.picture.Pixels();
    ASSERT_EQ(t.cells.size(), pixels.size());
    EXPECT_TRUE(std::ranges::any_of(t.cells, [](uint8_t c) { return c & 1; }));
    size_t markedButClear = 0;
    for (size_t i = 0; i < pixels.size(); ++i)
      if (t.cells[i] != 0 && pixels[i].a == 0) ++markedButClear;
    EXPECT_EQ(markedButClear, 0u) << "regions must lie on the drawing";
    // The program's own reader agrees.
    TMask mask;
    mask.SetPicture(t.picture);
    mask.LoadMaskFile(ResolveStoredPath(kFolder, ReplaceStoredExtension(t.record->FileName, ".msk"))->string());
    EXPECT_TRUE(std::ranges::equal(mask.CellsView(), t.cells));
  }
}

TEST_F(DefaultCollectionTest, EachGroupPlacesItsPicturesWhereTheyBelong) {
  for (const LoadedTemplate& t : loaded_) {
    SCOPED_TRACE(t.record->FileName);
    const std::string group = GroupOf(*t.record);
    const int w = t.picture.Width(), h = t.picture.Height();
    if (group == "F") {
      // The picture's middle lies on the portrait placed at the anchor.
      const int middleX = kAnchor.x + t.record->X + w / 2, middleY = kAnchor.y + t.record->Y + h / 2;
      EXPECT_TRUE(middleX >= 0 && middleX < kPortraitWidth && middleY >= 0 && middleY < kPortraitHeight);
    } else if (group == "N") {
      EXPECT_EQ((Point{t.record->X, t.record->Y}), (Point{100, 100}));
      EXPECT_LT(w, h) << "a nail stands upright";
    } else {
      EXPECT_EQ(w, kPortraitWidth);
      EXPECT_EQ(h, kPortraitHeight);
      const Point place = group == "B" ? Point{0, 0} : Point{-223, -246};
      EXPECT_EQ((Point{t.record->X, t.record->Y}), place);
    }
  }
}

TEST_F(DefaultCollectionTest, GlassesHaveSeeThroughLenses) {
  size_t glasses = 0;
  for (const LoadedTemplate& t : loaded_) {
    if (t.record->TypeNumber != 8) continue;
    SCOPED_TRACE(t.record->FileName);
    ++glasses;
    const auto pixels = t.picture.Pixels();
    size_t seeThrough = 0;
    for (size_t i = 0; i < pixels.size(); ++i)
      if ((t.cells[i] & 2) && pixels[i].a >= 20 && pixels[i].a <= 220) ++seeThrough;
    EXPECT_GT(seeThrough, 500u);
  }
  EXPECT_GE(glasses, 8u);
}

}  // namespace
}  // namespace lumena
