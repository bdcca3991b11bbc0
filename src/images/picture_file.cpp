#include "images/picture_file.h"

#include "images/element_picture.h"
#include "platform/stored_path.h"

namespace lumena {

bool IsElementPictureName(std::string_view name) {
  const std::string extension = StoredExtension(name);
  return extension == ".psd" || extension == ".fcc" || extension == ".fll";
}

bool LoadPictureFile(Picture& target, const std::filesystem::path& path, PictureSource source) {
  Picture decoded;
  if (IsElementPictureName(path.filename().string()))
    LoadElementPicture(decoded, path);
  else if (LoadPictureThroughLibrary(decoded, path, source) != 1)
    return false;
  // Damaged compressed element pictures decode to nothing without an error.
  if (decoded.Empty()) return false;
  target = std::move(decoded);
  return true;
}

}  // namespace lumena
