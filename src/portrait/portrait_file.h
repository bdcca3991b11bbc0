#pragma once
// A portrait read from a file, as the open dialog and the command line read
// it: element pictures by their own reader, keeping their opacity (one that
// is transparent everywhere is made opaque), JPEG by the JPEG codec, the
// other formats of the open dialog through the imaging library.
#include <filesystem>

#include "images/picture.h"

namespace lumena {

struct PortraitPicture {
  Picture picture;
  bool ownOpacity = false;  // only element pictures bring their own
};

// Throws EFileError when the file cannot be read and EFormatError when it
// holds no picture the program reads.
PortraitPicture LoadPortraitFile(const std::filesystem::path& path);

}  // namespace lumena
