#include "picture_files.h"

#include <stdexcept>

#include "images/element_picture.h"
#include "images/file_bytes.h"
#include "images/jpeg_alpha.h"
#include "images/library_picture.h"
#include "images/zlib_stream.h"
#include "platform/text.h"

namespace fs = std::filesystem;

namespace lumena::tool {

namespace {

std::string extensionOf(const fs::path& path) { return toLower(path.extension().string()); }

bool isElementExtension(const std::string& extension) {
  return extension == ".psd" || extension == ".fcc" || extension == ".fll";
}

PictureFile readElementPicture(const fs::path& path) {
  const fs::path resolved = ResolveElementPicturePath(path);
  PictureFile file;
  try {
    LoadElementPicture(file.picture, resolved);
  } catch (const EInvalidPicture& e) {
    throw std::runtime_error(resolved.string() + ": " + e.what());
  }
  // Damaged compressed data leaves the picture empty without an error.
  if (file.picture.empty()) throw std::runtime_error(resolved.string() + ": damaged picture data");
  file.kind = toUpper(resolved.extension().string().substr(1));
  return file;
}

PictureFile readLibraryPicture(const fs::path& path) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) throw std::runtime_error(path.string() + ": no such file");
  auto read = ReadPictureThroughLibrary(path);
  if (!read) throw std::runtime_error(path.string() + ": not a picture file that can be read");
  return PictureFile{std::move(read->picture), read->format};
}

}  // namespace

PictureFile ReadPictureFile(const fs::path& path) {
  return isElementExtension(extensionOf(path)) ? readElementPicture(path) : readLibraryPicture(path);
}

void WritePictureFile(const Picture& picture, const fs::path& path, int jpegQuality) {
  const std::string extension = extensionOf(path);
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
