#pragma once
// The templates window's grid of previews: the templates of a type it
// shows, how far it scrolls, the cell under a point, where a preview is
// drawn in its cell and which file shows as the preview.
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "images/picture.h"
#include "images/rect.h"
#include "platform/stored_path.h"
#include "templates/template_base.h"

namespace lumena {

struct TemplateGridShape {
  int columns = 2, rows = 4;
  int cellWidth = 0, cellHeight = 0;
  int width = 0, height = 0;  // the grid picture's
};

// Cells of the picture's size divided by the columns and rows.
TemplateGridShape MakeGridShape(int columns, int rows, int pictureWidth, int pictureHeight);

// The templates of a type in file order, and those of them that pass the
// filter (all when there is none).
struct ShownTemplates {
  std::vector<const TPartInfoRecord*> shown;
  int total = 0;
};
using TemplateFilter = std::function<bool(const TPartInfoRecord&)>;
ShownTemplates ShownTemplatesOf(const TTemplateBase& base, int32_t type, const TemplateFilter& filter = {});

// The rows the grid scrolls by: 0 while every template fits.
int ScrollMaximum(int shown, const TemplateGridShape& shape);

// The index among the shown templates of the cell a point of the grid
// picture lies in, with `firstRow` the first row shown; nothing outside
// the picture. A point belongs to the cell it is drawn in.
std::optional<int> CellIndexAt(int x, int y, const TemplateGridShape& shape, int firstRow);

// Where a preview of w x h is drawn in the cell at column `col` and row
// `row` (0-based): at its own size when it fits, else shrunk to fit keeping
// its proportions; centred.
Rect PreviewPlace(const TemplateGridShape& shape, int col, int row, int w, int h);

// The roots a preview is looked for in: the program folder, the hard disk
// and the disc folder, a root equal to the one before it tried once.
std::vector<std::filesystem::path> PreviewRoots(const DataRoots& roots);

// A template's preview picture from the first root that gives one; a
// three-dimensional model (".x") shows the ".psd" beside it, fully opaque,
// or `emptyPreview`. Empty when no root gives a picture.
Picture LoadTemplatePreview(const DataRoots& roots, std::string_view stored, const Picture& emptyPreview);

}  // namespace lumena
