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

// The picture the file holds. Throws EFileError when the file cannot be read
// and EFormatError (EInvalidPicture for a bad ".psd" header) when it holds no
// picture the program reads.
Picture LoadPictureFile(const std::filesystem::path& path, PictureSource source = PictureSource::ProgramData);

}  // namespace lumena
