#pragma once
// Element pictures: the 32-bit pictures with opacity that skins, templates,
// ready solutions and saved portraits are stored in, as ".psd" (the subset of
// psd_codec.h), ".fcc" (that file as one zlib stream) or ".fll" (the
// JPEG-with-opacity container of jpeg_alpha.h).
#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>

#include "images/picture.h"
#include "images/psd_codec.h"

namespace lumena {

// The file LoadElementPicture reads for `path`: the path itself when it
// exists, else the first of its ".psd", ".fcc", ".fll" forms that exists, else
// the path as given. Names are matched without regard to case.
std::filesystem::path ResolveElementPicturePath(const std::filesystem::path& path);

// Reads an element picture into `target`, choosing the decoder by the
// resolved file's extension: ".fll" the container, ".fcc" the compressed
// ".psd", anything else ".psd". Throws EFileError when no file opens,
// EInvalidPicture for a bad ".psd" header and EFormatError for damaged
// ".fcc" or ".fll" data; the target is then untouched.
void LoadElementPicture(Picture& target, const std::filesystem::path& path);

// The decoding step of LoadElementPicture for bytes already in memory;
// `extension` is lower case with its dot.
void DecodeElementPicture(std::span<const uint8_t> file, std::string_view extension, Picture& target);

// Decodes a ".fcc" file: the zlib stream is inflated only as far as the
// ".psd" header inside declares. Throws EFormatError for damaged zlib data.
void DecodeCompressedPsd(std::span<const uint8_t> file, Picture& target);

// Writes the picture as an uncompressed four-channel ".psd"; throws
// EFileError when the file cannot be written.
void SaveElementPicture(const Picture& picture, const std::filesystem::path& path);

}  // namespace lumena
