#pragma once
// Which picture files may be handed to the imaging library, and in which of
// its coders: the formats of the open dialog, chosen by the file's extension
// and read only when the file's first bytes agree with that extension.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace lumena {

// Where a picture file comes from, which decides what may render it.
enum class PictureSource {
  // Skins, intro pictures, templates, anything downloaded: raster formats only.
  ProgramData,
  // A file the user picked in the open dialog: PostScript (through
  // Ghostscript) and Windows metafiles are read too.
  UserPicked,
};

struct LibraryReadFormat {
  const char* magick;  // the imaging library's coder
  bool userPickedOnly;
  bool (*signatureMatches)(std::span<const uint8_t> bytes);
};

// The format a file of this extension ("png" or ".PNG") is read as, when it
// is one of the open dialog's formats: BMP, JPEG, PSD, GIF, TIFF, PCX, TGA,
// PNG, EPS, WMF.
std::optional<LibraryReadFormat> FindLibraryReadFormat(std::string_view extension);

// The reason given for a file whose content the coder `magick` cannot read.
std::string UnreadablePicture(std::string_view magick);

// The coder to read `bytes` with: the extension's format when the source may
// use it and the content's signature agrees. Throws EFormatError saying which
// of these fails.
const char* LibraryCoderFor(std::string_view extension, std::span<const uint8_t> bytes, PictureSource source);

}  // namespace lumena
