#include "images/library_picture.h"

#include <Magick++.h>

#include <algorithm>
#include <array>
#include <exception>

#include "images/file_bytes.h"
#include "images/magick_setup.h"
#include "platform/text.h"

namespace lumena {

namespace {

struct LibraryFormat {
  std::string_view extension;
  int code;
  const char* magick;
};

constexpr std::array<LibraryFormat, 7> kFormats = {{
    {".BMP", kFormatBmp, "BMP"},
    {".JPG", kFormatJpeg, "JPEG"},
    {".PSD", kFormatPsd, "PSD"},
    {".TIF", kFormatTiff, "TIFF"},
    {".PCX", kFormatPcx, "PCX"},
    {".TGA", kFormatTga, "TGA"},
    {".PNG", kFormatPng, "PNG"},
}};

// Quality of JPEG exports: high, the exported work is a finished picture.
constexpr size_t kExportJpegQuality = 90;

const LibraryFormat* formatOfCode(int code) {
  const auto it = std::find_if(kFormats.begin(), kFormats.end(), [&](const auto& f) { return f.code == code; });
  return it == kFormats.end() ? nullptr : &*it;
}

// Decodes from memory so that no part of a file name is taken for a format
// prefix or a frame selection. `hint` names the format for files the library
// cannot recognise by content (TGA has no signature).
Magick::Image decode(const Magick::Blob& blob, const std::string& hint) {
  Magick::Image image;
  image.quiet(true);  // warnings about slightly damaged files are no failure
  // Keeps the colours of half-transparent PSD pixels as stored.
  image.defineValue("psd", "alpha-unblend", "off");
  if (!hint.empty()) image.magick(hint);
  image.read(blob);
  return image;
}

Magick::Image decodeFile(const std::filesystem::path& path) {
  const std::vector<uint8_t> bytes = ReadFileBytes(path);
  const Magick::Blob blob(bytes.data(), bytes.size());
  try {
    return decode(blob, "");
  } catch (const Magick::Exception&) {
    const std::string extension = toUpper(path.extension().string());
    if (extension.size() < 2) throw;
    return decode(blob, extension.substr(1));
  }
}

bool validSize(size_t width, size_t height) {
  const auto side = static_cast<size_t>(kMaxPictureSide);
  return width >= 1 && height >= 1 && width <= side && height <= side;
}

Picture exportPixels(Magick::Image& image) {
  if (image.colorSpace() == Magick::CMYKColorspace) image.colorSpace(Magick::sRGBColorspace);
  Picture picture(static_cast<int>(image.columns()), static_cast<int>(image.rows()));
  // The library scales deeper samples to 8 bits with rounding.
  image.write(0, 0, image.columns(), image.rows(), "BGRA", Magick::CharPixel, picture.bytes());
  if (!image.matte()) {
    for (Pixel& p : picture.pixels()) p.a = 255;
  }
  return picture;
}

bool hasTransparency(const Picture& picture) {
  return std::any_of(picture.pixels().begin(), picture.pixels().end(), [](const Pixel& p) { return p.a != 255; });
}

Magick::Image importPixels(const Picture& picture, const LibraryFormat& format) {
  Magick::Image image(picture.width(), picture.height(), "BGRA", Magick::CharPixel, picture.bytes());
  // True colour always, as the picture is; writers would otherwise pick a
  // palette for pictures of few colours.
  const bool opacity = hasTransparency(picture);
  image.type(opacity ? Magick::TrueColorMatteType : Magick::TrueColorType);
  image.defineValue("png", "format", opacity ? "png32" : "png24");
  image.depth(8);
  image.orientation(Magick::TopLeftOrientation);  // TGA is written bottom-up otherwise
  image.quality(kExportJpegQuality);
  image.magick(format.magick);
  return image;
}

}  // namespace

int FormatCodeForExtension(std::string_view extension) {
  std::string upper = toUpper(extension);
  if (!upper.starts_with('.')) upper.insert(upper.begin(), '.');
  const auto it = std::find_if(kFormats.begin(), kFormats.end(), [&](const auto& f) { return f.extension == upper; });
  return it == kFormats.end() ? kFormatBmp : it->code;
}

std::optional<LibraryPicture> ReadPictureThroughLibrary(const std::filesystem::path& path) {
  EnsureImagingLibrary();
  try {
    Magick::Image image = decodeFile(path);
    if (!validSize(image.columns(), image.rows())) return std::nullopt;
    if (image.magick() == "TGA") image.autoOrient();
    return LibraryPicture{exportPixels(image), image.magick()};
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

int LoadPictureThroughLibrary(Picture& target, const std::filesystem::path& path) {
  target.clear();
  auto result = ReadPictureThroughLibrary(path);
  if (!result) return 0;
  target = std::move(result->picture);
  return 1;
}

int SavePictureThroughLibrary(const Picture& picture, const std::filesystem::path& path, int formatCode) {
  const LibraryFormat* format = formatOfCode(formatCode);
  if (!format || picture.empty()) return 0;
  EnsureImagingLibrary();
  try {
    Magick::Image image = importPixels(picture, *format);
    Magick::Blob blob;
    image.write(&blob);
    WriteFileBytes(path, std::span(static_cast<const uint8_t*>(blob.data()), blob.length()));
    return 1;
  } catch (const std::exception&) {
    return 0;
  }
}

}  // namespace lumena
