// The main window's layout on both screens: controls that show together
// do not cover each other, everything stays inside its holder, and no two
// controls cut different pictures from the same place of a sheet.
#include "shell/main_window_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "portrait/adjust_window_layout.h"

namespace lumena {
namespace {

bool Overlap(const ControlPlace& a, const ControlPlace& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height && b.top < a.top + a.height;
}

bool Inside(const ControlPlace& inner, int width, int height) {
  return inner.left >= 0 && inner.top >= 0 && inner.left + inner.width <= width && inner.top + inner.height <= height;
}

// Controls that never show at their table place at the same time as the
// rest: thumbs (drawn by their sliders), the strip's buttons (placed in the
// slots), the panels' open buttons (in a closed panel's place) and the
// hidden catalog button.
bool ShowsAtItsPlace(const ControlLayout& c) {
  if (c.icon == ButtonIcon::SliderThumb || c.pictureKey == kTemplateSheet.key) return false;
  return c.name != "BBLayerTools" && c.name != "BBDesktopTools" && c.name != "ButtonCatalog";
}

struct Placed {
  std::string_view name;
  ControlPlace place;
};

// The top-level controls where a screen of that width puts them.
std::vector<Placed> TopLevelPlaces(bool smallScreen) {
  std::vector<Placed> placed;
  for (const ControlLayout& c : kMainWindowLayout.controls) {
    if (!c.parent.empty() || c.kind == ControlKind::CaptionBar || !ShowsAtItsPlace(c)) continue;
    ControlPlace place{c.left, c.top, c.width, c.height};
    if (smallScreen)
      for (const SmallScreenPlace& s : kSmallScreenPlaces)
        if (s.name == c.name)
          place = {s.place.left, s.place.top, s.place.width ? s.place.width : c.width,
                   s.place.height ? s.place.height : c.height};
    placed.push_back({c.name, place});
  }
  placed.push_back({"desk", smallScreen ? kSmallScreenDesk : kDeskPlace});
  const auto slots = [&](auto& points) {
    for (const Point& p : points) placed.push_back({"template slot", {p.x, p.y, kTemplateSide, kTemplateSide}});
  };
  if (smallScreen)
    slots(kSmallScreenTemplateSlots);
  else
    slots(kTemplateSlots);
  return placed;
}

TEST(MainWindowLayout, TopLevelControlsStayInsideTheWindowAndApart) {
  for (const bool small : {false, true}) {
    const int width = small ? kSmallScreenWidth : kMainWindowLayout.width;
    const int height = small ? kSmallScreenHeight : kMainWindowLayout.height;
    const std::vector<Placed> placed = TopLevelPlaces(small);
    for (size_t i = 0; i < placed.size(); ++i) {
      EXPECT_TRUE(Inside(placed[i].place, width, height)) << placed[i].name << " on the " << width << " screen";
      for (size_t j = i + 1; j < placed.size(); ++j)
        EXPECT_FALSE(Overlap(placed[i].place, placed[j].place))
            << placed[i].name << " and " << placed[j].name << " on the " << width << " screen";
    }
  }
}

TEST(MainWindowLayout, SmallScreenPlacesNameTopLevelControls) {
  for (const SmallScreenPlace& s : kSmallScreenPlaces) {
    const ControlLayout* c = kMainWindowLayout.Control(s.name);
    ASSERT_NE(c, nullptr) << s.name;
    EXPECT_TRUE(c->parent.empty()) << s.name << " moves with its holder";
  }
}

TEST(MainWindowLayout, PanelControlsStayInsideTheirPanel) {
  for (const ControlLayout& c : kMainWindowLayout.controls) {
    const ControlLayout* holder = kMainWindowLayout.Control(c.parent);
    if (!holder || holder->kind != ControlKind::Panel || !ShowsAtItsPlace(c)) continue;
    EXPECT_TRUE(Inside({c.left, c.top, c.width, c.height}, holder->width, holder->height)) << c.name;
  }
}

TEST(MainWindowLayout, PlaceInWindowAddsTheHoldersPlaces) {
  const ControlLayout* reset = kMainWindowLayout.Control("ButtonLayerReset");
  ASSERT_NE(reset, nullptr);
  EXPECT_EQ(kMainWindowLayout.PlaceInWindow(*reset),
            (ControlPlace{kLayerPanelPlace.left + 95, kLayerPanelPlace.top + 240, kToolSide, kToolSide}));
}

// Two controls may share a cell grid (the same picture), but never cut
// different pictures from overlapping places of one sheet.
TEST(MainWindowLayout, CellsOfOneSheetDoNotOverlap) {
  std::map<std::string_view, std::vector<const ControlLayout*>> sheets;
  for (const WindowLayout* layout : {&kMainWindowLayout, &kMessageWindowLayout, &kAdjustWindowLayout})
    for (const ControlLayout& c : layout->controls)
      if (c.cells.width > 0) sheets[c.pictureKey].push_back(&c);
  const auto area = [](const CellGrid& g) { return ControlPlace{g.left, g.top, g.width * g.cols, g.height * g.rows}; };
  for (const auto& [sheet, controls] : sheets)
    for (size_t i = 0; i < controls.size(); ++i)
      for (size_t j = i + 1; j < controls.size(); ++j) {
        const CellGrid& a = controls[i]->cells;
        const CellGrid& b = controls[j]->cells;
        if (area(a) == area(b) && controls[i]->icon == controls[j]->icon) continue;
        EXPECT_FALSE(Overlap(area(a), area(b))) << sheet << ": " << controls[i]->name << " and " << controls[j]->name;
      }
}

}  // namespace
}  // namespace lumena
