#pragma once
// Common picture file formats through the imaging library (ImageMagick):
// BMP, JPEG, PSD, GIF, TIFF, PCX, TGA, PNG, EPS and WMF, nothing else.
#include <filesystem>
#include <string>
#include <string_view>

#include "images/picture.h"
#include "images/picture_signature.h"

namespace lumena {

// Format codes for SavePictureThroughLibrary.
enum LibraryFormatCode : int {
  kFormatPcx = 1,
  kFormatGif = 2,
  kFormatTiff = 3,
  kFormatTga = 4,
  kFormatBmp = 6,
  kFormatJpeg = 23,
  kFormatPng = 75,
  kFormatPsd = 76,
};

// The code that writes a file with this extension (".jpg" or "jpg", any
// case): ".BMP" 6, ".JPG" and ".JPEG" 23, ".PSD" 76, ".TIF" and ".TIFF" 3,
// ".PCX" 1, ".TGA" 4, ".PNG" 75, ".GIF" 2; every other extension gives 6,
// a Windows bitmap.
int FormatCodeForExtension(std::string_view extension);
// True for the extensions above, which name the format they write.
bool IsExportExtension(std::string_view extension);
// The name an export is written under: the chosen one, with
// `defaultExtension` (the chosen filter's, with its dot) added when it has
// no export extension of its own.
std::filesystem::path WithExportExtension(const std::filesystem::path& chosen, std::string_view defaultExtension);

struct LibraryPicture {
  Picture picture;
  std::string format;  // the library's name of the file's format: "PNG", "JPEG"
};

// Reads the first picture of a file as 32-bit straight BGRA (8 bits per
// channel, rounded from deeper samples; opaque where the file has no
// opacity). Only the open dialog's formats are read, each by the coder its
// extension names and only when the content's signature agrees; EPS and WMF
// only for a file the user picked. Throws EFileError when the file cannot be
// read and EFormatError, giving the reason, when it is refused or cannot be
// decoded.
LibraryPicture ReadPictureThroughLibrary(const std::filesystem::path& path,
                                         PictureSource source = PictureSource::ProgramData);

// ReadPictureThroughLibrary with the platform's result: replaces `target`
// with the file's picture and returns 1; on any failure the target is empty
// and the result is 0.
int LoadPictureThroughLibrary(Picture& target, const std::filesystem::path& path,
                              PictureSource source = PictureSource::ProgramData);

// Writes the picture in the format of `formatCode`, keeping its opacity where
// the format has room for it. Returns 1 on success, 0 on failure (an empty
// picture, an unknown code, an encoder or file error).
int SavePictureThroughLibrary(const Picture& picture, const std::filesystem::path& path, int formatCode);

}  // namespace lumena
