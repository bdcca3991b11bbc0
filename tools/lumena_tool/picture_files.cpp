#include "picture_files.h"

#include <stdexcept>

#include "images/element_picture.h"
#include "images/file_bytes.h"
#include "images/jpeg_alpha.h"
#include "images/library_picture.h"
#include "images/picture_file.h"
#include "images/picture_signature.h"
#include "images/zlib_stream.h"
#include "platform/text.h"

namespace fs = std::filesystem;

namespace lumena::tool {

namespace {

std::string ExtensionOf(const fs::path& path) { return ToLower(path.extension().string()); }

PictureFile ReadElementPicture(const fs::path& path) {
  const fs::path resolved = ResolveElementPicturePath(path);
  PictureFile file;
  try {
    LoadElementPicture(file.picture, resolved);
  } catch (const EInvalidPicture& e) {
    throw std::runtime_error(resolved.string() + ": " + e.what());
  }
  // Damaged compressed data leaves the picture empty without an error.
  if (file.picture.Empty()) throw std::runtime_error(resolved.string() + ": damaged picture data");
  file.kind = ToUpper(resolved.extension().string().substr(1));
  return file;
}

// The tool reads pictures as program data: PostScript and metafiles are left
// to the program's open dialog, and every file must hold what its extension
// says.
PictureFile ReadLibraryPicture(const fs::path& path) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) throw std::runtime_error(path.string() + ": no such file");
  const auto format = LibraryReadFormatFor(path.extension().string());
  if (!format) throw std::runtime_error(path.string() + ": not a picture format the tool reads");
  if (format->userPickedOnly)
    throw std::runtime_error(path.string() + ": " + format->magick +
                             " pictures are read only when picked in the program's open dialog");
  auto read = ReadPictureThroughLibrary(path, PictureSource::ProgramData);
  if (!read) throw std::runtime_error(path.string() + ": does not hold a " + format->magick + " picture that can be read");
  return PictureFile{std::move(read->picture), read->format};
}

}  // namespace

PictureFile ReadPictureFile(const fs::path& path) {
  return IsElementPictureName(path.filename().string()) ? ReadElementPicture(path) : ReadLibraryPicture(path);
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
