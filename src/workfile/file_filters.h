#pragma once
// The filters of the load and save window's file dialogs: names from the
// text table (with the built-in defaults), patterns by format.
#include <string>
#include <string_view>
#include <vector>

namespace lumena {

struct FileFilter {
  std::string name;                   // as the text table gives it
  std::vector<std::string> patterns;  // "*.jpg", "*.jpeg"; "*" for all files
};

// What a file dialog shows: the name without any pattern list of its own,
// then the filter's patterns in parentheses: "Bitmaps (*.bmp)".
std::string FilterText(const FileFilter& filter);
// The extension, with its dot, given to a name chosen under the filter
// without one: its first pattern's; "" for all files.
std::string FilterExtension(const FileFilter& filter);

// Portraits: all the formats together, each format, all files.
std::vector<FileFilter> PortraitOpenFilters();
// Works: both kinds together, then each kind.
std::vector<FileFilter> WorkOpenFilters(std::string_view productName);
// Exported pictures: BMP, JPEG, PSD, TIFF, PCX, TGA and PNG.
std::vector<FileFilter> PictureExportFilters();
// Saved works: compressed, then uncompressed.
std::vector<FileFilter> WorkSaveFilters(std::string_view productName);

}  // namespace lumena
