#include "images/picture_signature.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string>

#include "platform/text.h"

namespace lumena {

namespace {

bool startsWith(std::span<const uint8_t> bytes, std::string_view prefix) {
  return bytes.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes.begin(),
                                                     [](char a, uint8_t b) { return static_cast<uint8_t>(a) == b; });
}

bool startsWithAny(std::span<const uint8_t> bytes, std::initializer_list<std::string_view> prefixes) {
  return std::any_of(prefixes.begin(), prefixes.end(), [&](std::string_view p) { return startsWith(bytes, p); });
}

bool byteIn(std::span<const uint8_t> bytes, size_t at, std::initializer_list<uint8_t> values) {
  return bytes.size() > at && std::find(values.begin(), values.end(), bytes[at]) != values.end();
}

using namespace std::string_view_literals;

bool isBmp(std::span<const uint8_t> b) { return startsWith(b, "BM"); }
bool isJpeg(std::span<const uint8_t> b) { return startsWith(b, "\xFF\xD8\xFF"); }
bool isPsd(std::span<const uint8_t> b) { return startsWith(b, "8BPS"); }
bool isGif(std::span<const uint8_t> b) { return startsWithAny(b, {"GIF87a", "GIF89a"}); }
bool isTiff(std::span<const uint8_t> b) { return startsWithAny(b, {"II*\0"sv, "MM\0*"sv, "II+\0"sv, "MM\0+"sv}); }
bool isPng(std::span<const uint8_t> b) { return startsWith(b, "\x89PNG\r\n\x1A\n"); }
// PostScript text, or the binary header of a DOS EPS file.
bool isEps(std::span<const uint8_t> b) { return startsWithAny(b, {"%!PS", "\xC5\xD0\xD3\xC6"}); }
// A placeable metafile, or a plain one (memory or disk type, 9-word header).
bool isWmf(std::span<const uint8_t> b) {
  return startsWithAny(b, {"\xD7\xCD\xC6\x9A", "\x01\x00\x09\x00"sv, "\x02\x00\x09\x00"sv});
}
// Manufacturer 10, a known version, no or run-length encoding, a usual depth.
bool isPcx(std::span<const uint8_t> b) {
  return byteIn(b, 0, {0x0A}) && byteIn(b, 1, {0, 2, 3, 4, 5}) && byteIn(b, 2, {0, 1}) && byteIn(b, 3, {1, 2, 4, 8});
}
// Targa has no signature: its header must at least be a Targa header.
bool isTga(std::span<const uint8_t> b) {
  return b.size() >= 18 && byteIn(b, 1, {0, 1}) && byteIn(b, 2, {1, 2, 3, 9, 10, 11}) &&
         byteIn(b, 16, {8, 15, 16, 24, 32});
}

struct ExtensionFormat {
  std::string_view extension;
  LibraryReadFormat format;
};

constexpr std::array<ExtensionFormat, 13> kReadFormats = {{
    {".bmp", {"BMP", false, isBmp}},
    {".jpg", {"JPEG", false, isJpeg}},
    {".jpeg", {"JPEG", false, isJpeg}},
    {".jpe", {"JPEG", false, isJpeg}},
    {".psd", {"PSD", false, isPsd}},
    {".gif", {"GIF", false, isGif}},
    {".tif", {"TIFF", false, isTiff}},
    {".tiff", {"TIFF", false, isTiff}},
    {".pcx", {"PCX", false, isPcx}},
    {".tga", {"TGA", false, isTga}},
    {".png", {"PNG", false, isPng}},
    {".eps", {"EPS", true, isEps}},
    {".wmf", {"WMF", true, isWmf}},
}};

}  // namespace

std::optional<LibraryReadFormat> LibraryReadFormatFor(std::string_view extension) {
  std::string lower = toLower(extension);
  if (!lower.starts_with('.')) lower.insert(lower.begin(), '.');
  const auto it = std::find_if(kReadFormats.begin(), kReadFormats.end(), [&](const auto& f) { return f.extension == lower; });
  if (it == kReadFormats.end()) return std::nullopt;
  return it->format;
}

const char* LibraryCoderFor(std::string_view extension, std::span<const uint8_t> bytes, PictureSource source) {
  const auto format = LibraryReadFormatFor(extension);
  if (!format) return nullptr;
  if (format->userPickedOnly && source != PictureSource::UserPicked) return nullptr;
  return format->signatureMatches(bytes) ? format->magick : nullptr;
}

}  // namespace lumena
