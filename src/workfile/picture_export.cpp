#include "workfile/picture_export.h"

#include "images/library_picture.h"

namespace lumena {

bool RoomForPicture(const Picture& picture, std::uintmax_t availableBytes) {
  return availableBytes > static_cast<std::uintmax_t>(picture.Width()) * picture.Height() * 4;
}

bool ExportWorkPicture(const Picture& picture, const std::filesystem::path& path) {
  std::error_code ec;
  const std::filesystem::space_info space =
      std::filesystem::space(path.parent_path().empty() ? "." : path.parent_path(), ec);
  if (ec || !RoomForPicture(picture, space.available)) return false;
  return SavePictureThroughLibrary(picture, path, FormatCodeForExtension(path.extension().string())) == 1;
}

}  // namespace lumena
