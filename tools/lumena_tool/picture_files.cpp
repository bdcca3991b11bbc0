#include "picture_files.h"

#include <stdexcept>

#include "images/element_picture.h"
#include "images/file_bytes.h"
#include "images/jpeg_alpha.h"
#include "images/library_picture.h"
#include "images/picture_file.h"
#include "images/zlib_stream.h"
#include "platform/text.h"

namespace fs = std::filesystem;

namespace lumena::tool {

namespace {

std::string ExtensionOf(const fs::path& path) { return ToLower(path.extension().string()); }

PictureFile ReadElementPicture(const fs::path& resolved) {
  PictureFile file;
  LoadElementPicture(file.picture, resolved);
  file.kind = ToUpper(resolved.extension().string().substr(1));
  return file;
}

// The tool reads pictures as program data: PostScript and metafiles are left
// to the program's open dialog, and every file must hold what its extension
// says.
PictureFile ReadLibraryPicture(const fs::path& path) {
  LibraryPicture read = ReadPictureThroughLibrary(path, PictureSource::ProgramData);
  return PictureFile{std::move(read.picture), read.format};
}

}  // namespace

PictureFile ReadPictureFile(const fs::path& path) {
  const bool element = IsElementPictureName(path.filename().string());
  const fs::path resolved = element ? ResolveElementPicturePath(path) : path;
  try {
    return element ? ReadElementPicture(resolved) : ReadLibraryPicture(resolved);
  } catch (const EFormatError& e) {
    throw EFormatError(resolved.string() + ": " + e.what());
  }
}

void WritePictureFile(const Picture& picture, const fs::path& path, int jpegQuality) {
  const std::string extension = ExtensionOf(path);
  if (extension == ".psd") {
    SaveElementPicture(picture, path);
  } else if (extension == ".fcc") {
    WriteFileBytes(path, DeflateStream(EncodePsd(picture)));
  } else if (extension == ".fll") {
    WriteFileBytes(path, EncodeJpegAlpha(picture, jpegQuality));
  } else if (SavePictureThroughLibrary(picture, path, FormatCodeForExtension(extension)) != 1) {
    throw std::runtime_error(path.string() + ": cannot write the picture");
  }
}

}  // namespace lumena::tool
