#include "images/library_picture.h"

#include <Magick++.h>

#include <algorithm>
#include <array>
#include <exception>

#include "images/file_bytes.h"
#include "images/magick_setup.h"
#include "images/picture_signature.h"
#include "platform/file_error.h"
#include "platform/text.h"

namespace lumena {

namespace {

struct LibraryFormat {
  std::string_view extension;
  int code;
  const char* magick;
};

// A format's first extension is the one the save dialog offers.
constexpr std::array<LibraryFormat, 10> kFormats = {{
    {".BMP", kFormatBmp, "BMP"},
    {".JPG", kFormatJpeg, "JPEG"},
    {".JPEG", kFormatJpeg, "JPEG"},
    {".PSD", kFormatPsd, "PSD"},
    {".TIF", kFormatTiff, "TIFF"},
    {".TIFF", kFormatTiff, "TIFF"},
    {".PCX", kFormatPcx, "PCX"},
    {".TGA", kFormatTga, "TGA"},
    {".PNG", kFormatPng, "PNG"},
    {".GIF", kFormatGif, "GIF"},
}};

// Quality of JPEG exports: high, the exported work is a finished picture.
constexpr size_t kExportJpegQuality = 90;

const LibraryFormat* FormatOfCode(int code) {
  const auto it = std::find_if(kFormats.begin(), kFormats.end(), [&](const auto& f) { return f.code == code; });
  return it == kFormats.end() ? nullptr : &*it;
}

// Decodes from memory with the coder set explicitly, so that no part of a
// file name is taken for a coder prefix ("msl:", "https:") or a frame
// selection, and the library never guesses a format from the content.
Magick::Image Decode(std::span<const uint8_t> bytes, const char* coder) {
  Magick::Image image;
  image.quiet(true);  // warnings about slightly damaged files are no failure
  // Keeps the colours of half-transparent PSD pixels as stored.
  image.defineValue("psd", "alpha-unblend", "off");
  image.magick(coder);
  image.subRange(1);  // the first frame only: no time spent on the rest
  image.read(Magick::Blob(bytes.data(), bytes.size()));
  return image;
}

bool ValidSize(size_t width, size_t height) {
  const auto side = static_cast<size_t>(kMaxPictureSide);
  return width >= 1 && height >= 1 && width <= side && height <= side;
}

Picture ExportPixels(Magick::Image& image) {
  if (image.colorSpace() == Magick::CMYKColorspace) image.colorSpace(Magick::sRGBColorspace);
  Picture picture(static_cast<int>(image.columns()), static_cast<int>(image.rows()));
  // The library scales deeper samples to 8 bits with rounding.
  image.write(0, 0, image.columns(), image.rows(), "BGRA", Magick::CharPixel, picture.Bytes());
  if (!image.matte()) {
    for (Pixel& p : picture.Pixels()) p.a = 255;
  }
  return picture;
}

bool HasTransparency(const Picture& picture) {
  return std::any_of(picture.Pixels().begin(), picture.Pixels().end(), [](const Pixel& p) { return p.a != 255; });
}

Magick::Image ImportPixels(const Picture& picture, const LibraryFormat& format) {
  Magick::Image image(picture.Width(), picture.Height(), "BGRA", Magick::CharPixel, picture.Bytes());
  // True colour always, as the picture is; writers would otherwise pick a
  // palette for pictures of few colours.
  const bool opacity = HasTransparency(picture);
  image.type(opacity ? Magick::TrueColorMatteType : Magick::TrueColorType);
  image.defineValue("png", "format", opacity ? "png32" : "png24");
  image.depth(8);
  image.orientation(Magick::TopLeftOrientation);  // TGA is written bottom-up otherwise
  image.quality(kExportJpegQuality);
  image.magick(format.magick);
  return image;
}

}  // namespace

namespace {

const LibraryFormat* FormatOfExtension(std::string_view extension) {
  std::string upper = ToUpper(extension);
  if (!upper.starts_with('.')) upper.insert(upper.begin(), '.');
  const auto it = std::find_if(kFormats.begin(), kFormats.end(), [&](const auto& f) { return f.extension == upper; });
  return it == kFormats.end() ? nullptr : &*it;
}

}  // namespace

int FormatCodeForExtension(std::string_view extension) {
  const LibraryFormat* format = FormatOfExtension(extension);
  return format ? format->code : kFormatBmp;
}

bool IsExportExtension(std::string_view extension) {
  return extension.size() > 1 && FormatOfExtension(extension) != nullptr;
}

std::filesystem::path WithExportExtension(const std::filesystem::path& chosen, std::string_view defaultExtension) {
  if (IsExportExtension(chosen.extension().string())) return chosen;
  return chosen.string() + std::string(defaultExtension);
}

LibraryPicture ReadPictureThroughLibrary(const std::filesystem::path& path, PictureSource source) {
  EnsureImagingLibrary();
  const std::vector<uint8_t> bytes = ReadFileBytes(path);
  const char* coder = LibraryCoderFor(path.extension().string(), bytes, source);
  if (std::string_view(coder) == "EPS" && !PostScriptRunsSafely())
    throw EFormatError("PostScript is not rendered: its interpreter cannot be run safely here");
  Magick::Image image;
  try {
    image = Decode(bytes, coder);
  } catch (const Magick::Exception&) {
    throw EFormatError(UnreadablePicture(coder));
  }
  if (!ValidSize(image.columns(), image.rows())) throw EFormatError("the picture is larger than the program takes");
  if (image.magick() == "TGA") image.autoOrient();
  return LibraryPicture{ExportPixels(image), image.magick()};
}

int LoadPictureThroughLibrary(Picture& target, const std::filesystem::path& path, PictureSource source) {
  target.Clear();
  try {
    target = ReadPictureThroughLibrary(path, source).picture;
    return 1;
  } catch (const std::exception&) {
    return 0;
  }
}

int SavePictureThroughLibrary(const Picture& picture, const std::filesystem::path& path, int formatCode) {
  const LibraryFormat* format = FormatOfCode(formatCode);
  if (!format || picture.Empty()) return 0;
  EnsureImagingLibrary();
  try {
    Magick::Image image = ImportPixels(picture, *format);
    Magick::Blob blob;
    image.write(&blob);
    WriteFileBytes(path, std::span(static_cast<const uint8_t*>(blob.data()), blob.length()));
    return 1;
  } catch (const std::exception&) {
    return 0;
  }
}

}  // namespace lumena
