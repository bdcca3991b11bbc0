#include "interface/main_form_params.h"

#include <algorithm>
#include <optional>

#include "interface/interface_info.h"
#include "platform/interface_token.h"
#include "platform/text.h"

namespace lumena {

std::vector<int> InterfaceIntegerList(std::string_view value) {
  std::vector<int> numbers;
  for (const std::string& token : InterfaceTokenList(value))
    if (std::optional<int> n = ParseInt(token)) numbers.push_back(*n);
  return numbers;
}

std::vector<Point> PointList(std::string_view value) {
  const std::vector<int> n = InterfaceIntegerList(value);
  std::vector<Point> points;
  for (size_t i = 0; i + 1 < n.size(); i += 2) points.push_back({n[i], n[i + 1]});
  return points;
}

std::vector<TemplatePreviewGrid> TemplatePreviewGrids(std::string_view value) {
  const std::vector<int> n = InterfaceIntegerList(value);
  std::vector<TemplatePreviewGrid> grids;
  for (size_t i = 0; i + 2 < n.size(); i += 3) grids.push_back({n[i], n[i + 1], n[i + 2]});
  return grids;
}

TemplatePreviewGrid PreviewGridFor(const std::vector<TemplatePreviewGrid>& grids, int type) {
  auto it = std::find_if(grids.begin(), grids.end(), [&](const TemplatePreviewGrid& g) { return g.type == type; });
  TemplatePreviewGrid grid = it == grids.end() ? TemplatePreviewGrid{type} : *it;
  // A grid without columns or rows would show nothing: those take the defaults.
  const TemplatePreviewGrid defaults{type};
  if (grid.columns <= 0) grid.columns = defaults.columns;
  if (grid.rows <= 0) grid.rows = defaults.rows;
  return grid;
}

FormMainListParams ReadFormMainListParams(const TOrvInterfaceInfo& info) {
  FormMainListParams p;
  p.templateButtons = InterfaceTokenList(info.GetParam("FormMain.TemplateButtons"));
  p.templateBtnShowPos = PointList(info.GetParam("FormMain.TemplateBtnShowPos"));
  p.templatePreviewInfo = TemplatePreviewGrids(info.GetParam("FormMain.TemplatePreviewInfo"));
  std::string palettePos = info.GetParam("FormMain.PaletteBtnShowPos");
  p.paletteBtnShowPos = PointList(palettePos.empty() ? kDefaultPaletteBtnShowPos : palettePos);
  p.paletteBtnCols = info.FindInt("FormMain.PaletteBtnCols").value_or(kDefaultPaletteBtnCols);
  p.paletteBtnRows = info.FindInt("FormMain.PaletteBtnRows").value_or(kDefaultPaletteBtnRows);
  return p;
}

}  // namespace lumena
