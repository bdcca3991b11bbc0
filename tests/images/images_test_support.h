#pragma once
// Helpers shared by the picture tests: temporary folders, sample pictures,
// hand-made ".psd" bytes and running the system's own image tools.
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "images/picture.h"

namespace lumena::test {

// A fresh folder below the system's temporary folder, removed afterwards.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// A picture whose every byte differs from its neighbours, opacity included
// (0 and 255 among the values).
Picture MakeTestPicture(int width, int height);
// Opacity 255 everywhere (for formats without opacity).
Picture MakeOpaquePicture(int width, int height);

// Red, green, blue, opacity bytes of each pixel, rows from the top.
std::vector<uint8_t> ToRgba(const Picture& picture);

void WriteBytes(const std::filesystem::path& path, std::span<const uint8_t> bytes);
std::vector<uint8_t> ReadBytes(const std::filesystem::path& path);

struct CommandResult {
  int exitCode = -1;
  std::string output;  // standard output only
};
// Runs a shell command; its standard error goes to the test's own.
CommandResult RunCommand(const std::string& command);
std::string Quote(const std::filesystem::path& path);

// The real ImageMagick and the system Python (with PIL), never wrappers that
// may come first on the PATH.
inline constexpr const char* kConvert = "/usr/bin/convert";
inline constexpr const char* kPython = "/usr/bin/python3";

// The file's first picture as 8-bit RGBA, as ImageMagick's convert reads it
// (PSD alpha unblending off).
std::vector<uint8_t> RgbaByConvert(const std::filesystem::path& path);

// The fields of a hand-made ".psd" file; the defaults make a valid 1 x 1
// four-channel RGB file header.
struct PsdFields {
  std::string signature = "8BPS";
  uint16_t version = 1;
  uint16_t channels = 4;
  uint32_t height = 1;
  uint32_t width = 1;
  uint16_t depth = 8;
  uint16_t mode = 3;
  std::vector<uint8_t> sections[3];
  uint16_t compression = 0;
};
std::vector<uint8_t> BuildPsd(const PsdFields& fields, std::span<const uint8_t> data);

// One zlib stream of `prefix` followed by `zeros` zero bytes, made without
// holding the zeros in memory (fast level: only the content matters).
std::vector<uint8_t> DeflateWithZeros(std::span<const uint8_t> prefix, size_t zeros);

// The highest resident memory of this process so far, in MiB. A test reads
// it before and after a step: a picture allocated on the way shows as growth,
// as long as the step would exceed the process's earlier peak.
double PeakMemoryMiB();

}  // namespace lumena::test
