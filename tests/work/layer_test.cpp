#include "work/layer.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "images/element_picture.h"
#include "platform/stored_path.h"
#include "work/work_desk_test_host.h"

namespace lumena {
namespace {

using testing::DeskFixture;

TEST(Layer, StoredNamesInUseGetAFreshName) {
  DeskFixture f;
  TLayer& first = f.Add(0, 0, 4, 4, {});
  TLayerRecord record;
  record.Name = first.Name();
  TLayer second(f.desk);
  second.Init(Picture(2, 2), &record);
  EXPECT_NE(second.Name(), first.Name());
  EXPECT_EQ(second.Name().size(), 8u);
  record.Name = "AbC12345";
  TLayer third(f.desk);
  third.Init(Picture(2, 2), &record);
  EXPECT_EQ(third.Name(), "AbC12345");
}

TEST(Layer, GroupLetterByTemplateType) {
  DeskFixture f;
  TLayer& layer = f.Add(0, 0, 2, 2, {});
  const struct {
    int32_t type;
    const char* letter;
  } cases[] = {{-1, "???"}, {0, "F"}, {2, "B"}, {3, "N"}, {4, "F"}, {5, "B"}, {9, "F"}};
  for (const auto& c : cases) {
    layer.SetTemplateType(c.type);
    EXPECT_EQ(layer.GroupLetter(), c.letter) << c.type;
  }
}

TEST(Layer, SettersRecordTheirActionOnlyWhenTheValueChanges) {
  DeskFixture f;
  TLayer& layer = f.Add(10, 10, 20, 20, {1, 2, 3, 255});
  f.observer.actions.clear();
  layer.SetParameter(ColourField::Red, 50);
  EXPECT_TRUE(f.observer.actions.empty());
  layer.SetParameter(ColourField::Red, 80);
  layer.SetVisible(false);
  layer.SetDepth(4);
  EXPECT_EQ(f.observer.actions, (std::vector{EditingAction::ParametersChanged, EditingAction::LayerShownOrHidden}));
  EXPECT_NE(layer.DeskRendering().Image.At(0, 0).r, 3) << "re-rendered with the new red";
}

TEST(Layer, PortraitIsMadeOpaqueUnlessItHadAlpha) {
  DeskFixture f;
  Picture photo(3, 2);
  auto opaque = TLayer::CreateFromPicture(f.desk, photo, "Portrait", false);
  auto keeps = TLayer::CreateFromPicture(f.desk, photo, "Portrait", true);
  EXPECT_EQ(opaque->WorkPicture().At(2, 1).a, 255);
  EXPECT_EQ(keeps->WorkPicture().At(2, 1).a, 0);
  EXPECT_EQ(opaque->TemplateType(), -1);
  EXPECT_EQ(opaque->DisplayName(), "Portrait");
  EXPECT_EQ(opaque->BasePicture(), opaque->WorkPicture());
}

TEST(Layer, ElementFileBringsItsMaskAndStoresItsPathRelativeToTheDataRoot) {
  const auto root = std::filesystem::temp_directory_path() / "lumena_layer_test";
  std::filesystem::create_directories(root / "Hair.v2");
  Picture picture(6, 4);
  for (Pixel& p : picture.Pixels()) p = {9, 8, 7, 255};
  SaveElementPicture(picture, root / "Hair.v2" / "curly.psd");
  TMask mask;
  mask.SetPicture(picture);
  mask.CellsView()[5] = 0b100;
  mask.LoadMaskFile((root / "Hair.v2" / "CURLY.MSK").string());
  mask.SaveMaskFile();
  DeskFixture f;
  auto layer = TLayer::CreateFromFile(f.desk, root / "Hair.v2" / "curly.psd", DataRoots(root, "/nonexistent", "/"),
                                      {"Curly", 7});
  EXPECT_EQ(layer->SourcePath(), "Hair.v2\\curly.psd");
  EXPECT_EQ(layer->WorkPicture(), picture);
  EXPECT_EQ(layer->Mask().UsedRegions(), std::vector<int>{3});
  EXPECT_EQ(layer->TemplateType(), 7);
  EXPECT_EQ(layer->TransformMode(), kModeNormal);
  std::filesystem::remove_all(root);
}

struct RenderCase {
  const char* what;
  int x, y, w, h;
  uint8_t state;
  Rect expected;  // position and size as left, top, right, bottom
};

TEST(LayerRendering, GeometryOfWholeAndPartRenderings) {
  // View (222, 246, 445, 492) at scale 1 in a 445 x 492 window.
  const RenderView view{1.0, 222, 246, 445, 492, 445, 492};
  const RenderCase cases[] = {
      {"small layer whole", 300, 300, 100, 50, kWholeRendered, {78, 54, 178, 104}},
      {"small layer off screen still whole", 0, 0, 10, 10, kWholeRendered, {-222, -246, -212, -236}},
      {"large layer clipped to the window", 0, 0, 890, 984, kPartRendered, {0, 0, 445, 492}},
      {"large layer partly in view", 500, 600, 800, 600, kPartRendered, {278, 354, 445, 492}},
      {"large layer outside", 700, 0, 800, 700, kNotOnScreen, {-1, -1, -1, -1}},
  };
  for (const RenderCase& c : cases) {
    const RenderingPlacement p = PlaceRendering(c.x, c.y, c.w, c.h, view);
    EXPECT_EQ(p.state, c.state) << c.what;
    EXPECT_EQ((Rect{p.x, p.y, p.x + p.width, p.y + p.height}), c.expected) << c.what;
  }
  const RenderingPlacement half = PlaceRendering(0, 0, 890, 984, {2.0, 0, 0, 890, 984, 445, 492});
  EXPECT_EQ(half.state, kWholeRendered);
  EXPECT_EQ(half.width, 445);
}

TEST(LayerRendering, NeutralLayerRendersAsItsPictureAndTemplateRenderingIsWhole) {
  DeskFixture f;
  TLayer& layer = f.Add(-200, 100, 1000, 800, {});
  for (int i = 0; auto& p : layer.WorkPicture().Pixels()) p = {static_cast<uint8_t>(i++), 5, 6, 255};
  layer.RenderDesk();
  EXPECT_EQ(layer.DeskRendering().State, kPartRendered);
  const Rect source = layer.DeskRendering().Source;
  EXPECT_EQ(layer.DeskRendering().Image.At(0, 0), layer.WorkPicture().At(source.left, source.top));
  layer.RenderTemplate();
  EXPECT_EQ(layer.DeskRendering().Image, layer.WorkPicture());
  EXPECT_EQ(layer.DeskRendering().State, kWholeRendered);
}

TEST(LayerRendering, LayerOutsideTheViewHasAnEmptyRendering) {
  DeskFixture f;
  TLayer& layer = f.Add(0, -400, 890, 600, {1, 1, 1, 255});  // above the view
  EXPECT_EQ(layer.DeskRendering().State, kNotOnScreen);
  EXPECT_TRUE(layer.DeskRendering().Image.Empty());
  EXPECT_EQ(layer.DeskRendering().X, -1);
}

}  // namespace
}  // namespace lumena
