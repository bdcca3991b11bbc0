#include "workfile/file_filters.h"

#include <array>

#include "interface/interface_context.h"

namespace lumena {

namespace {

struct FormatFilter {
  std::string_view key, defaultName;
  std::vector<std::string> patterns;
};

const std::array<FormatFilter, 10>& PortraitFormats() {
  static const std::array<FormatFilter, 10> formats = {{
      {"BMP_GraphicFilterName", "Bitmaps (*.bmp)", {"*.bmp"}},
      {"JPG_GraphicFilterName", "JPEG image files (*.jpg, *.jpeg)", {"*.jpg", "*.jpeg"}},
      {"PSD_GraphicFilterName", "PhotoShop files (*.psd)", {"*.psd"}},
      {"GIF_GraphicFilterName", "CompuServe GIF images (*.gif)", {"*.gif"}},
      {"TIF_GraphicFilterName", "Tag image files (*.tif)", {"*.tif"}},
      {"PCX_GraphicFilterName", "PCX files (*.pcx)", {"*.pcx"}},
      {"TGA_GraphicFilterName", "Targa images (*.tga)", {"*.tga"}},
      {"PNG_GraphicFilterName", "Portable Network Graphics (*.png)", {"*.png"}},
      {"EPS_GraphicFilterName", "Enapsulated PostScript files (*.eps)", {"*.eps"}},
      {"WMF_GraphicFilterName", "Metafiles (*.wmf)", {"*.wmf"}},
  }};
  return formats;
}

FileFilter Named(const FormatFilter& f) { return {GetTermin(f.key, f.defaultName), f.patterns}; }

FileFilter CompressedWorks(std::string_view product) {
  return {GetTermin("CompressedWorkFilterName", std::string(product) + " compressed work (*.lmc)"), {"*.lmc"}};
}

FileFilter UncompressedWorks(std::string_view product) {
  return {GetTermin("UncompressedWorkFilterName", std::string(product) + " uncompressed work (*.lmu)"), {"*.lmu"}};
}

}  // namespace

std::string FilterText(const FileFilter& filter) {
  std::string name = filter.name;
  if (const size_t open = name.rfind(" ("); open != std::string::npos && name.ends_with(')')) name.erase(open);
  std::string patterns;
  for (const std::string& p : filter.patterns) patterns += (patterns.empty() ? "" : " ") + p;
  return name + " (" + patterns + ")";
}

std::string FilterExtension(const FileFilter& filter) {
  if (filter.patterns.empty() || !filter.patterns.front().starts_with("*.")) return {};
  return filter.patterns.front().substr(1);
}

std::vector<FileFilter> PortraitOpenFilters() {
  FileFilter all{GetTermin("AllGraphicsFilterName", "All supported graphical formats"), {}};
  std::vector<FileFilter> filters{all};
  for (const FormatFilter& f : PortraitFormats()) {
    filters.front().patterns.insert(filters.front().patterns.end(), f.patterns.begin(), f.patterns.end());
    filters.push_back(Named(f));
  }
  filters.push_back({GetTermin("AllFilesFilterName", "All files (*.*)"), {"*"}});
  return filters;
}

std::vector<FileFilter> WorkOpenFilters(std::string_view productName) {
  return {{GetTermin("AllSavedWorksFilterName", "All saved works formats"), {"*.lmc", "*.lmu"}},
          CompressedWorks(productName),
          UncompressedWorks(productName)};
}

std::vector<FileFilter> PictureExportFilters() {
  std::vector<FileFilter> filters;
  for (const FormatFilter& f : PortraitFormats()) {
    const std::string_view key = f.key;
    if (key.starts_with("GIF") || key.starts_with("EPS") || key.starts_with("WMF")) continue;
    filters.push_back({GetTermin(f.key, f.defaultName), {f.patterns.front()}});
  }
  return filters;
}

std::vector<FileFilter> WorkSaveFilters(std::string_view productName) {
  return {CompressedWorks(productName), UncompressedWorks(productName)};
}

}  // namespace lumena
