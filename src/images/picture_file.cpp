#include "images/picture_file.h"

#include "images/element_picture.h"
#include "platform/stored_path.h"

namespace lumena {

bool IsElementPictureName(std::string_view name) {
  const std::string extension = StoredExtension(name);
  return extension == ".psd" || extension == ".fcc" || extension == ".fll";
}

Picture LoadPictureFile(const std::filesystem::path& path, PictureSource source) {
  if (!IsElementPictureName(path.filename().string())) return ReadPictureThroughLibrary(path, source).picture;
  Picture picture;
  LoadElementPicture(picture, path);
  return picture;
}

}  // namespace lumena
