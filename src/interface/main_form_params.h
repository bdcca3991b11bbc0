#pragma once
// The main window's list parameters in the interface description: token
// lists of names or integers, read in pairs and triples.
#include <string>
#include <string_view>
#include <vector>

#include "images/rect.h"

namespace lumena {

class TOrvInterfaceInfo;

// A template type's preview grid in the templates window.
struct TemplatePreviewGrid {
  int type = 0;
  int columns = 2;
  int rows = 4;
  friend bool operator==(const TemplatePreviewGrid&, const TemplatePreviewGrid&) = default;
};

inline constexpr std::string_view kDefaultPaletteBtnShowPos = "11,105; 52,105; 93,105; 11,130; 52,130; 93,130";
inline constexpr int kDefaultPaletteBtnCols = 3;
inline constexpr int kDefaultPaletteBtnRows = 2;

// The tokens that are integers, in order; the others are skipped.
std::vector<int> InterfaceIntegerList(std::string_view value);
// Integers taken two by two; an odd last one is ignored.
std::vector<Point> PointList(std::string_view value);
// Integers taken three by three (type, columns, rows); an incomplete last
// triple is ignored.
std::vector<TemplatePreviewGrid> TemplatePreviewGrids(std::string_view value);
// The grid of a template type: its triple, or 2 columns and 4 rows.
TemplatePreviewGrid PreviewGridFor(const std::vector<TemplatePreviewGrid>& grids, int type);

struct FormMainListParams {
  std::vector<std::string> templateButtons;
  std::vector<Point> templateBtnShowPos;
  std::vector<TemplatePreviewGrid> templatePreviewInfo;
  std::vector<Point> paletteBtnShowPos;
  int paletteBtnCols = kDefaultPaletteBtnCols;
  int paletteBtnRows = kDefaultPaletteBtnRows;
};

// The six parameters of section FormMain, defaults filled in.
FormMainListParams ReadFormMainListParams(const TOrvInterfaceInfo& info);

}  // namespace lumena
