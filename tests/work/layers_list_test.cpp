// The layers list's arithmetic: thumbnails, entries, the commands' states
// and the mouse's click and drag rules.
#include "work/layers_list.h"

#include <gtest/gtest.h>

#include "work/work_desk_test_host.h"

namespace lumena {
namespace {

constexpr Pixel kRed{0, 0, 255, 255};

Picture Filled(int w, int h, Pixel colour) {
  Picture picture(w, h);
  for (Pixel& p : picture.Pixels()) p = colour;
  return picture;
}

struct PlaceCase {
  int width, height;
  Rect place;
};

TEST(LayersList, ThumbnailsStandCentredAtTheirOwnSizeOrScaledToTheSquare) {
  const PlaceCase cases[] = {
      {200, 100, {0, 11, 44, 33}},  // wide: 44 x 22 at y 11
      {30, 20, {7, 12, 37, 32}},    // fits: its own size
      {100, 200, {11, 0, 33, 44}},  // tall
      {44, 44, {0, 0, 44, 44}},
      {45, 10, {0, 17, 44, 27}},
      {1, 200, {22, 0, 23, 44}},  // thinner than a pixel: one pixel
      {200, 1, {0, 22, 44, 23}},
      {0, 0, {}},
      {0, 30, {}},
  };
  for (const PlaceCase& c : cases)
    EXPECT_EQ(ThumbnailPlace(c.width, c.height), c.place) << c.width << " x " << c.height;
}

TEST(LayersList, ThumbnailShowsThePictureOnBlack) {
  const Picture wide = LayerThumbnail(Filled(200, 100, kRed));
  ASSERT_EQ(wide.Width(), kThumbnailSide);
  ASSERT_EQ(wide.Height(), kThumbnailSide);
  EXPECT_EQ(wide.At(22, 11), kRed);
  EXPECT_EQ(wide.At(22, 32), kRed);
  EXPECT_EQ(wide.At(22, 10), Pixel{}) << "the margin";
  EXPECT_EQ(wide.At(22, 33), Pixel{});

  const Picture glass = LayerThumbnail(Filled(30, 20, Pixel{0, 0, 255, 0}));
  EXPECT_EQ(glass.At(20, 20).r, 0) << "transparent parts are black";

  const Picture thin = LayerThumbnail(Filled(1, 200, kRed));
  EXPECT_EQ(thin.At(22, 0), kRed);
  EXPECT_EQ(thin.At(22, 43), kRed);

  EXPECT_EQ(LayerThumbnail(Picture{}), Picture(kThumbnailSide, kThumbnailSide)) << "an empty picture: blank";
}

TEST(LayersList, EntriesFollowTheDeskFrontFirst) {
  testing::DeskFixture f;
  f.Add(0, 0, 200, 100, kRed, 0, "Back");
  f.Add(0, 0, 30, 20, kRed, 0, "Front");  // among equal depths a new layer goes in front
  f.desk.InsertLayer(std::make_unique<TLayer>(f.desk), 1);
  const std::vector<LayersListEntry> entries = ListEntriesOf(f.desk);
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].name, "Front");
  EXPECT_EQ(entries[0].thumbnail.At(7, 12), kRed);
  EXPECT_EQ(entries[1].thumbnail, Picture(kThumbnailSide, kThumbnailSide)) << "a layer without a picture";
  EXPECT_EQ(entries[2].name, "Back");
  EXPECT_EQ(entries[2].thumbnail.At(22, 11), kRed);
}

struct CommandsCase {
  int selected, count;
  bool visible;
  LayerCommandStates states;
};

TEST(LayersList, CommandsFollowTheSelectedEntry) {
  constexpr CommandState on{true, true}, off{true, false}, hidden{false, false};
  const CommandsCase cases[] = {
      {-1, 0, false, {off, off, off, hidden, off}}, {-1, 3, true, {off, off, off, hidden, off}},
      {0, 3, true, {off, on, on, on, hidden}},      {1, 3, false, {on, on, on, hidden, on}},
      {2, 3, true, {on, off, on, on, hidden}},      {0, 1, true, {off, off, on, on, hidden}},
  };
  for (const CommandsCase& c : cases)
    EXPECT_EQ(LayerCommandsFor(c.selected, c.count, c.visible), c.states)
        << "entry " << c.selected << " of " << c.count << (c.visible ? ", shown" : ", hidden");
}

struct DragCase {
  Point to;
  bool left;
  int count, entry;
  bool starts;
};

TEST(LayersList, ADragStartsPastTheThresholdFromAnEntryOfTwoOrMore) {
  const DragCase cases[] = {
      {{12, 10}, true, 2, 0, false},  {{13, 10}, true, 2, 0, true}, {{7, 10}, true, 2, 0, true},
      {{10, 12}, true, 2, 0, false},  {{10, 13}, true, 2, 0, true}, {{12, 12}, true, 2, 0, false},
      {{10, 40}, true, 1, 0, false},   // a single layer stays
      {{10, 40}, false, 2, 0, false},  // only the left button drags
      {{10, 40}, true, 2, -1, false},  // from below the entries
  };
  for (const DragCase& c : cases) {
    LayersListPointer pointer;
    pointer.Press({10, 10}, true, c.entry);
    EXPECT_EQ(pointer.Move(c.to, c.left, c.count), c.starts) << c.to.x << ", " << c.to.y << " of " << c.count;
    EXPECT_EQ(pointer.Dragging(), c.starts);
  }
}

TEST(LayersList, ADropMovesTheDraggedEntryOntoAnotherOnly) {
  LayersListPointer pointer;
  pointer.Press({10, 10}, true, 0);
  ASSERT_TRUE(pointer.Move({10, 60}, true, 3));
  EXPECT_TRUE(pointer.DragOver(0));
  EXPECT_FALSE(pointer.DropAllowed()) << "onto itself";
  EXPECT_FALSE(pointer.DragOver(0)) << "the same target";
  EXPECT_TRUE(pointer.DragOver(-1));
  EXPECT_FALSE(pointer.DropAllowed()) << "onto no entry";
  EXPECT_TRUE(pointer.DragOver(2));
  EXPECT_TRUE(pointer.DropAllowed());
  EXPECT_EQ(pointer.Drop(), (LayerMove{0, 2}));
  EXPECT_FALSE(pointer.Dragging());
  EXPECT_EQ(pointer.PressedEntry(), -1);
  EXPECT_EQ(pointer.DropTarget(), -1);

  pointer.Press({10, 10}, true, 1);
  ASSERT_TRUE(pointer.Move({10, 20}, true, 3));
  pointer.DragOver(1);
  EXPECT_EQ(pointer.Drop(), std::nullopt) << "dropped on itself";
  EXPECT_EQ(pointer.Release({10, 10}), ListClick{}) << "the drop ended the press";
}

struct ClickCase {
  bool left;
  int entry;
  Point release;
  ListClick click;
};

TEST(LayersList, AStillReleaseActivatesWithTheLeftButtonAndOpensTheMenuWithAnother) {
  using Kind = ListClick::Kind;
  const ClickCase cases[] = {
      {true, 1, {12, 8}, {Kind::Activate, 1}},
      {false, 1, {10, 10}, {Kind::OpenMenu, 1}},  // the menu, without activating
      {true, 1, {13, 10}, {}},                    // moved
      {true, -1, {10, 10}, {}},                   // outside the entries
      {false, -1, {10, 10}, {}},
  };
  for (const ClickCase& c : cases) {
    LayersListPointer pointer;
    pointer.Press({10, 10}, c.left, c.entry);
    EXPECT_EQ(pointer.PressedEntry(), c.entry);
    EXPECT_EQ(pointer.Release(c.release), c.click) << (c.left ? "left" : "right") << " on " << c.entry;
    EXPECT_EQ(pointer.PressedEntry(), -1);
  }
}

TEST(LayersList, ACancelledDragDropsNothing) {
  LayersListPointer pointer;
  pointer.Press({10, 10}, true, 0);
  ASSERT_TRUE(pointer.Move({10, 70}, true, 2));
  pointer.DragOver(1);
  pointer.Cancel();
  EXPECT_FALSE(pointer.Dragging());
  EXPECT_EQ(pointer.Drop(), std::nullopt);
}

TEST(LayersList, ADragNearTheListsEdgesScrollsIt) {
  const std::pair<int, AutoScroll> cases[] = {{0, AutoScroll::Up},     {19, AutoScroll::Up},    {20, AutoScroll::None},
                                              {279, AutoScroll::None}, {280, AutoScroll::Down}, {299, AutoScroll::Down},
                                              {300, AutoScroll::None}, {-1, AutoScroll::None}};
  for (const auto& [y, scroll] : cases) EXPECT_EQ(AutoScrollAt(y, 300), scroll) << y;
}

}  // namespace
}  // namespace lumena
