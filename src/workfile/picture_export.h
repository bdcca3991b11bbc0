#pragma once
// The composed work exported as a picture: in the format its name's
// extension names, only when the folder has room for it, and through a
// temporary file beside it, so that a failed export leaves nothing
// half-written.
#include <cstdint>
#include <filesystem>

#include "images/picture.h"

namespace lumena {

// Room for the picture: more than four bytes a pixel.
bool RoomForPicture(const Picture& picture, std::uintmax_t availableBytes);

// False, with nothing written, when there is no room or writing failed.
bool ExportWorkPicture(const Picture& picture, const std::filesystem::path& path);

}  // namespace lumena
