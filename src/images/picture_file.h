#pragma once
// A picture file of either kind: our element pictures (".psd", ".fcc",
// ".fll") by their own readers, every other format through the imaging
// library. The one place that tells the two apart by the name.
#include <filesystem>
#include <string_view>

#include "images/library_picture.h"
#include "images/picture.h"

namespace lumena {

// True for the element picture extensions, in any letter case.
bool IsElementPictureName(std::string_view name);

// Reads the picture the file holds into `target`; false when it cannot be
// read (the target is then untouched). Throws EInvalidPicture for a bad
// ".psd" header and std::system_error when an element picture will not open.
bool LoadPictureFile(Picture& target, const std::filesystem::path& path,
                     PictureSource source = PictureSource::ProgramData);

}  // namespace lumena
