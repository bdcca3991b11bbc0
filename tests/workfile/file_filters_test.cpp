// The load and save window's file filters.
#include "workfile/file_filters.h"

#include <gtest/gtest.h>

#include "interface/interface_context.h"
#include "workfile/work_kind.h"

namespace lumena {
namespace {

std::vector<std::string> Texts(const std::vector<FileFilter>& filters) {
  std::vector<std::string> texts;
  for (const FileFilter& f : filters) texts.push_back(FilterText(f));
  return texts;
}

TEST(FileFilters, PortraitsOfferEveryFormatTogetherThenEachThenAllFiles) {
  const std::vector<std::string> texts = Texts(PortraitOpenFilters());
  ASSERT_EQ(texts.size(), 12u);
  EXPECT_EQ(texts[0],
            "All supported graphical formats (*.bmp *.jpg *.jpeg *.psd *.gif *.tif *.pcx *.tga *.png *.eps *.wmf)");
  EXPECT_EQ(texts[1], "Bitmaps (*.bmp)");
  EXPECT_EQ(texts[2], "JPEG image files (*.jpg *.jpeg)");
  EXPECT_EQ(texts[10], "Metafiles (*.wmf)");
  EXPECT_EQ(texts[11], "All files (*)");
}

TEST(FileFilters, ExportsAndWorksOfferTheirFormatsWithTheExtensionAddedToBareNames) {
  const std::vector<FileFilter> exports = PictureExportFilters();
  std::vector<std::string> extensions;
  for (const FileFilter& f : exports) extensions.push_back(FilterExtension(f));
  EXPECT_EQ(extensions, (std::vector<std::string>{".bmp", ".jpg", ".psd", ".tif", ".pcx", ".tga", ".png"}));
  EXPECT_EQ(Texts(WorkOpenFilters("Lumena")),
            (std::vector<std::string>{"All saved works formats (*.lmc *.lmu)", "Lumena compressed work (*.lmc)",
                                      "Lumena uncompressed work (*.lmu)"}));
  EXPECT_EQ(FilterExtension(WorkSaveFilters("Lumena")[1]), ".lmu");
  EXPECT_EQ(FilterExtension(PortraitOpenFilters().back()), "");
}

TEST(FileFilters, TheTextTableNamesThem) {
  CurrentInterface().Termins = {{"BMP_GraphicFilterName", "Bilder (*.bmp)"}, {"AllFilesFilterName", "Alles"}};
  const std::vector<std::string> texts = Texts(PortraitOpenFilters());
  CurrentInterface().Termins.clear();
  EXPECT_EQ(texts[1], "Bilder (*.bmp)");
  EXPECT_EQ(texts.back(), "Alles (*)");
}

TEST(WithWorkExtension, ANameThatNamesNoKindOfWorkGetsTheFiltersExtension) {
  const std::pair<const char*, const char*> cases[] = {
      {"look", "look.lmu"},       {"look.lmc", "look.lmc"},     {"look.LMU", "look.LMU"},
      {"my.look", "my.look.lmu"}, {"look.png", "look.png.lmu"}, {"look.", "look..lmu"},
  };
  for (const auto& [chosen, written] : cases)
    EXPECT_EQ(WithWorkExtension(chosen, ".lmu"), std::filesystem::path(written)) << chosen;
}

}  // namespace
}  // namespace lumena
