#include "portrait/portrait_file.h"

#include <algorithm>

#include "images/file_bytes.h"
#include "images/jpeg_codec.h"
#include "images/picture_file.h"
#include "images/pixel_routines.h"
#include "platform/file_error.h"
#include "platform/stored_path.h"

namespace lumena {

PortraitPicture LoadPortraitFile(const std::filesystem::path& path) {
  const std::string extension = StoredExtension(path.filename().string());
  if (extension == ".jpg" || extension == ".jpeg") {
    const std::vector<uint8_t> bytes = ReadFileBytes(path);
    std::optional<Picture> picture = TryDecodeJpeg(bytes);
    if (!picture) throw EFormatError("Damaged JPEG picture: " + path.filename().string());
    return {std::move(*picture), false};
  }
  if (!IsElementPictureName(path.filename().string())) return {LoadPictureFile(path, PictureSource::UserPicked), false};
  PortraitPicture portrait{LoadPictureFile(path), true};
  // A picture saved without opacity reads as transparent everywhere.
  if (AlphaIs(portrait.picture, 0)) SetAlpha(portrait.picture, 255);
  return portrait;
}

}  // namespace lumena
