#pragma once
// Picture files of every kind the tool handles: element pictures (".psd",
// ".fcc", ".fll") by the system's own codecs, anything else through the
// imaging library. Failures throw EFileError, or EFormatError naming the
// file, with a message for the user.
#include <filesystem>
#include <string>

#include "images/picture.h"

namespace lumena::tool {

struct PictureFile {
  Picture picture;
  std::string kind;  // "PSD", "FCC", "FLL" or the library's format name
};

PictureFile ReadPictureFile(const std::filesystem::path& path);

// Writes by the extension: ".psd" uncompressed, ".fcc" compressed, ".fll"
// the JPEG-with-opacity container at `jpegQuality`, any other through the
// imaging library (unknown extensions give a Windows bitmap).
void WritePictureFile(const Picture& picture, const std::filesystem::path& path, int jpegQuality);

}  // namespace lumena::tool
