#include "templates/template_grid.h"

#include <algorithm>

#include "images/picture_file.h"
#include "images/pixel_routines.h"
#include "images/rounding.h"
#include "platform/file_error.h"

namespace lumena {

TemplateGridShape MakeGridShape(int columns, int rows, int pictureWidth, int pictureHeight) {
  columns = std::max(columns, 1);
  rows = std::max(rows, 1);
  return {columns, rows, pictureWidth / columns, pictureHeight / rows, pictureWidth, pictureHeight};
}

ShownTemplates ShownTemplatesOf(const TTemplateBase& base, int32_t type, const TemplateFilter& filter) {
  ShownTemplates result;
  for (const TPartInfoRecord* t : base.TemplatesOfType(type)) {
    ++result.total;
    if (!filter || filter(*t)) result.shown.push_back(t);
  }
  return result;
}

int ScrollMaximum(int shown, const TemplateGridShape& shape) {
  const int page = shape.columns * shape.rows;
  if (shown <= page) return 0;
  return (shown - page + shape.columns - 1) / shape.columns;
}

std::optional<int> CellIndexAt(int x, int y, const TemplateGridShape& shape, int firstRow) {
  if (x < 0 || y < 0 || x >= shape.width || y >= shape.height || shape.cellWidth <= 0 || shape.cellHeight <= 0)
    return std::nullopt;
  const int column = std::min(x / shape.cellWidth, shape.columns - 1);
  const int row = std::min(y / shape.cellHeight, shape.rows - 1);
  return (row + firstRow) * shape.columns + column;
}

Rect PreviewPlace(const TemplateGridShape& shape, int col, int row, int w, int h) {
  const int cw = shape.cellWidth, ch = shape.cellHeight;
  const int left = col * cw, top = row * ch;
  if (w <= 0 || h <= 0) return {};
  if (w <= cw && h <= ch) {
    const int x = left + (cw - w) / 2, y = top + (ch - h) / 2;
    return {x, y, x + w, y + h};
  }
  if (static_cast<double>(ch) / cw >= static_cast<double>(h) / w) {
    const int height = Round32(h / (static_cast<double>(w) / cw));
    const int y = top + Round32((ch - height) / 2.0);
    return {left, y, left + cw, y + height};
  }
  const int width = Round32(w / (static_cast<double>(h) / ch));
  const int x = left + Round32((cw - width) / 2.0);
  return {x, top, x + width, top + ch};
}

std::vector<std::filesystem::path> PreviewRoots(const DataRoots& roots) {
  const std::vector<std::filesystem::path>& all = roots.Roots();
  std::vector<std::filesystem::path> order;
  if (all.size() == 3) order = {all[2], all[0], all[1]};
  std::vector<std::filesystem::path> tried;
  for (const std::filesystem::path& root : order)
    if (!root.empty() && (tried.empty() || tried.back() != root)) tried.push_back(root);
  return tried;
}

namespace {

Picture ReadPreviewAt(const std::filesystem::path& root, std::string_view stored, const Picture& emptyPreview) {
  const bool model = StoredExtension(stored) == ".x";
  const std::optional<std::filesystem::path> file = ResolveStoredPath(root, stored);
  if (!file) return {};
  if (!model) return LoadPictureFile(*file);
  const std::optional<std::filesystem::path> picture = ResolveStoredPath(root, ReplaceStoredExtension(stored, ".psd"));
  Picture preview;
  try {
    if (picture) preview = LoadPictureFile(*picture);
  } catch (const EFileError&) {
  } catch (const EFormatError&) {
  }
  if (preview.Empty()) return emptyPreview;
  SetAlpha(preview, 255);
  return preview;
}

}  // namespace

Picture LoadTemplatePreview(const DataRoots& roots, std::string_view stored, const Picture& emptyPreview) {
  for (const std::filesystem::path& root : PreviewRoots(roots)) {
    try {
      Picture preview = ReadPreviewAt(root, stored, emptyPreview);
      if (!preview.Empty()) return preview;
    } catch (const EFileError&) {
    } catch (const EFormatError&) {
    }
  }
  return {};
}

}  // namespace lumena
