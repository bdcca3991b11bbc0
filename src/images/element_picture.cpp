#include "images/element_picture.h"

#include <system_error>

#include "images/file_bytes.h"
#include "images/jpeg_alpha.h"
#include "images/zlib_stream.h"
#include "platform/stored_path.h"
#include "platform/text.h"

namespace fs = std::filesystem;

namespace lumena {

namespace {

std::optional<fs::path> ExistingFile(const fs::path& path) {
  std::error_code ec;
  if (fs::exists(path, ec)) return path;
  const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
  return ResolveStoredPath(folder, path.filename().string());
}

}  // namespace

fs::path ResolveElementPicturePath(const fs::path& path) {
  if (auto found = ExistingFile(path)) return *found;
  for (const char* extension : {".psd", ".fcc", ".fll"}) {
    if (auto found = ExistingFile(fs::path(path).replace_extension(extension))) return *found;
  }
  return path;
}

void DecodeCompressedPsd(std::span<const uint8_t> file, Picture& target) {
  Inflater inflater(file);
  // Inflate step by step: each step reveals more of the header and with it
  // how much output the picture can use at most. A header that asks for more
  // than any stream may give is left to the decoder to refuse as it stands.
  uint64_t wanted = 0;
  for (;;) {
    const auto output = inflater.Output();
    const uint64_t bound = PsdSizeBound(output);
    if (bound <= output.size() || bound <= wanted || bound > kDefaultInflateLimit || inflater.Finished()) break;
    wanted = bound;
    if (!inflater.FillTo(static_cast<size_t>(wanted))) throw EFormatError("Damaged compressed picture");
  }
  DecodePsd(inflater.Output(), target);
}

void DecodeElementPicture(std::span<const uint8_t> file, std::string_view extension, Picture& target) {
  if (extension == ".fll") {
    auto picture = DecodeJpegAlpha(file);
    if (!picture) throw EFormatError("Damaged JPEG-with-opacity picture");
    target = std::move(*picture);
  } else if (extension == ".fcc") {
    DecodeCompressedPsd(file, target);
  } else {
    DecodePsd(file, target);
  }
}

void LoadElementPicture(Picture& target, const fs::path& path) {
  const fs::path resolved = ResolveElementPicturePath(path);
  const std::vector<uint8_t> file = ReadFileBytes(resolved);
  DecodeElementPicture(file, ToLower(resolved.extension().string()), target);
}

void SaveElementPicture(const Picture& picture, const fs::path& path) { WriteFileBytes(path, EncodePsd(picture)); }

}  // namespace lumena
