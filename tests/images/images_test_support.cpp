#include "images_test_support.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace lumena::test {

namespace fs = std::filesystem;

TempFolder::TempFolder() {
  std::string pattern = (fs::temp_directory_path() / "lumena-images-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

Picture MakeTestPicture(int width, int height) {
  Picture picture(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int i = y * width + x;
      picture.At(x, y) = Pixel{static_cast<uint8_t>(i * 7 + 3), static_cast<uint8_t>(x * 31 + y * 5),
                               static_cast<uint8_t>(255 - i * 3), static_cast<uint8_t>(i % 3 == 0 ? 255 : i * 37)};
    }
  }
  return picture;
}

Picture MakeOpaquePicture(int width, int height) {
  Picture picture = MakeTestPicture(width, height);
  for (Pixel& p : picture.Pixels()) p.a = 255;
  return picture;
}

std::vector<uint8_t> ToRgba(const Picture& picture) {
  std::vector<uint8_t> out;
  for (const Pixel& p : picture.Pixels()) out.insert(out.end(), {p.r, p.g, p.b, p.a});
  return out;
}

void WriteBytes(const fs::path& path, std::span<const uint8_t> bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::vector<uint8_t> ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

CommandResult RunCommand(const std::string& command) {
  CommandResult result;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return result;
  char buffer[4096];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.output.append(buffer, n);
  const int status = ::pclose(pipe);
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

std::string Quote(const fs::path& path) {
  std::string quoted = "'";
  for (char c : path.string()) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

std::vector<uint8_t> RgbaByConvert(const fs::path& path) {
  const auto result = RunCommand(std::string(kConvert) + " -define psd:alpha-unblend=off " +
                                 Quote(path.string() + "[0]") + " -depth 8 rgba:-");
  if (result.exitCode != 0) throw std::runtime_error("convert failed on " + path.string());
  return {result.output.begin(), result.output.end()};
}

namespace {

void PutBigEndian(std::vector<uint8_t>& out, uint32_t value, int size) {
  for (int shift = 8 * (size - 1); shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

}  // namespace

std::vector<uint8_t> BuildPsd(const PsdFields& f, std::span<const uint8_t> data) {
  std::vector<uint8_t> out(f.signature.begin(), f.signature.end());
  PutBigEndian(out, f.version, 2);
  for (int i = 0; i < 6; ++i) out.push_back(0);
  PutBigEndian(out, f.channels, 2);
  PutBigEndian(out, f.height, 4);
  PutBigEndian(out, f.width, 4);
  PutBigEndian(out, f.depth, 2);
  PutBigEndian(out, f.mode, 2);
  for (const auto& section : f.sections) {
    PutBigEndian(out, static_cast<uint32_t>(section.size()), 4);
    out.insert(out.end(), section.begin(), section.end());
  }
  PutBigEndian(out, f.compression, 2);
  out.insert(out.end(), data.begin(), data.end());
  return out;
}

std::vector<uint8_t> DeflateWithZeros(std::span<const uint8_t> prefix, size_t zeros) {
  z_stream zs{};
  if (deflateInit(&zs, Z_BEST_SPEED) != Z_OK) throw std::runtime_error("deflateInit failed");
  std::vector<uint8_t> out;
  const std::vector<uint8_t> block(size_t{1} << 20, 0);
  uint8_t buffer[65536];
  auto feed = [&](const uint8_t* data, size_t size, int flush) {
    zs.next_in = const_cast<Bytef*>(data);
    zs.avail_in = static_cast<uInt>(size);
    do {
      zs.next_out = buffer;
      zs.avail_out = sizeof buffer;
      deflate(&zs, flush);
      out.insert(out.end(), buffer, buffer + (sizeof buffer - zs.avail_out));
    } while (zs.avail_out == 0);
  };
  feed(prefix.data(), prefix.size(), Z_NO_FLUSH);
  for (size_t left = zeros; left > 0;) {
    const size_t n = std::min(left, block.size());
    feed(block.data(), n, Z_NO_FLUSH);
    left -= n;
  }
  feed(nullptr, 0, Z_FINISH);
  deflateEnd(&zs);
  return out;
}

double PeakMemoryMiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB on Linux
}

}  // namespace lumena::test
