#include "images/picture_signature.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string>

#include "platform/file_error.h"
#include "platform/text.h"

namespace lumena {

namespace {

bool StartsWith(std::span<const uint8_t> bytes, std::string_view prefix) {
  return bytes.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes.begin(),
                                                     [](char a, uint8_t b) { return static_cast<uint8_t>(a) == b; });
}

bool StartsWithAny(std::span<const uint8_t> bytes, std::initializer_list<std::string_view> prefixes) {
  return std::any_of(prefixes.begin(), prefixes.end(), [&](std::string_view p) { return StartsWith(bytes, p); });
}

bool ByteIn(std::span<const uint8_t> bytes, size_t at, std::initializer_list<uint8_t> values) {
  return bytes.size() > at && std::find(values.begin(), values.end(), bytes[at]) != values.end();
}

using namespace std::string_view_literals;

bool IsBmp(std::span<const uint8_t> b) { return StartsWith(b, "BM"); }
bool IsJpeg(std::span<const uint8_t> b) { return StartsWith(b, "\xFF\xD8\xFF"); }
bool IsPsd(std::span<const uint8_t> b) { return StartsWith(b, "8BPS"); }
bool IsGif(std::span<const uint8_t> b) { return StartsWithAny(b, {"GIF87a", "GIF89a"}); }
bool IsTiff(std::span<const uint8_t> b) { return StartsWithAny(b, {"II*\0"sv, "MM\0*"sv, "II+\0"sv, "MM\0+"sv}); }
bool IsPng(std::span<const uint8_t> b) { return StartsWith(b, "\x89PNG\r\n\x1A\n"); }
// PostScript text, or the binary header of a DOS EPS file.
bool IsEps(std::span<const uint8_t> b) { return StartsWithAny(b, {"%!PS", "\xC5\xD0\xD3\xC6"}); }
// A placeable metafile, or a plain one (memory or disk type, 9-word header).
bool IsWmf(std::span<const uint8_t> b) {
  return StartsWithAny(b, {"\xD7\xCD\xC6\x9A", "\x01\x00\x09\x00"sv, "\x02\x00\x09\x00"sv});
}
// Manufacturer 10, a known version, no or run-length encoding, a usual depth.
bool IsPcx(std::span<const uint8_t> b) {
  return ByteIn(b, 0, {0x0A}) && ByteIn(b, 1, {0, 2, 3, 4, 5}) && ByteIn(b, 2, {0, 1}) && ByteIn(b, 3, {1, 2, 4, 8});
}
// Targa has no signature: its header must at least be a Targa header.
bool IsTga(std::span<const uint8_t> b) {
  return b.size() >= 18 && ByteIn(b, 1, {0, 1}) && ByteIn(b, 2, {1, 2, 3, 9, 10, 11}) &&
         ByteIn(b, 16, {8, 15, 16, 24, 32});
}

struct ExtensionFormat {
  std::string_view extension;
  LibraryReadFormat format;
};

constexpr std::array<ExtensionFormat, 13> kReadFormats = {{
    {".bmp", {"BMP", false, IsBmp}},
    {".jpg", {"JPEG", false, IsJpeg}},
    {".jpeg", {"JPEG", false, IsJpeg}},
    {".jpe", {"JPEG", false, IsJpeg}},
    {".psd", {"PSD", false, IsPsd}},
    {".gif", {"GIF", false, IsGif}},
    {".tif", {"TIFF", false, IsTiff}},
    {".tiff", {"TIFF", false, IsTiff}},
    {".pcx", {"PCX", false, IsPcx}},
    {".tga", {"TGA", false, IsTga}},
    {".png", {"PNG", false, IsPng}},
    {".eps", {"EPS", true, IsEps}},
    {".wmf", {"WMF", true, IsWmf}},
}};

}  // namespace

std::optional<LibraryReadFormat> FindLibraryReadFormat(std::string_view extension) {
  std::string lower = ToLower(extension);
  if (!lower.starts_with('.')) lower.insert(lower.begin(), '.');
  const auto it =
      std::find_if(kReadFormats.begin(), kReadFormats.end(), [&](const auto& f) { return f.extension == lower; });
  if (it == kReadFormats.end()) return std::nullopt;
  return it->format;
}

std::string UnreadablePicture(std::string_view magick) {
  return "does not hold a " + std::string(magick) + " picture that can be read";
}

const char* LibraryCoderFor(std::string_view extension, std::span<const uint8_t> bytes, PictureSource source) {
  const auto format = FindLibraryReadFormat(extension);
  if (!format) throw EFormatError("not a picture format the program reads");
  if (format->userPickedOnly && source != PictureSource::UserPicked)
    throw EFormatError(std::string(format->magick) +
                       " pictures are read only when picked in the program's open dialog");
  if (!format->signatureMatches(bytes)) throw EFormatError(UnreadablePicture(format->magick));
  return format->magick;
}

}  // namespace lumena
