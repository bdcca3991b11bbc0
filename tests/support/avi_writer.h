#pragma once
// A small Motion-JPEG AVI file for tests of video playing: frames of one
// colour each, fading from black.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <vector>

#include "images/jpeg_codec.h"

namespace lumena::testing {

class AviBytes {
 public:
  void u16(uint16_t v) { put(v, 2); }
  void u32(uint32_t v) { put(v, 4); }
  void code(const char* fourcc) { bytes_.insert(bytes_.end(), fourcc, fourcc + 4); }
  // Starts a chunk whose size is filled in by end().
  size_t begin(const char* fourcc) {
    code(fourcc);
    u32(0);
    return bytes_.size();
  }
  void end(size_t start) {
    const auto size = static_cast<uint32_t>(bytes_.size() - start);
    for (int i = 0; i < 4; ++i) bytes_[start - 4 + i] = static_cast<uint8_t>(size >> (8 * i));
    if (size % 2) bytes_.push_back(0);
  }
  void append(const std::vector<uint8_t>& data) { bytes_.insert(bytes_.end(), data.begin(), data.end()); }
  size_t size() const { return bytes_.size(); }
  const std::vector<uint8_t>& bytes() const { return bytes_; }

 private:
  void put(uint32_t v, int n) {
    for (int i = 0; i < n; ++i) bytes_.push_back(static_cast<uint8_t>(v >> (8 * i)));
  }
  std::vector<uint8_t> bytes_;
};

inline void WriteMotionJpegAvi(const std::filesystem::path& file, int width, int height, int frames, int fps) {
  std::vector<std::vector<uint8_t>> jpegs;
  for (int f = 0; f < frames; ++f) {
    Picture picture(width, height);
    for (Pixel& p : picture.pixels()) p = {static_cast<uint8_t>(f * 255 / frames), 120, 200, 255};
    jpegs.push_back(EncodeJpeg(picture, 80));
  }
  AviBytes avi;
  const size_t riff = avi.begin("RIFF");
  avi.code("AVI ");
  const size_t hdrl = avi.begin("LIST");
  avi.code("hdrl");
  const size_t avih = avi.begin("avih");
  for (uint32_t v : {uint32_t(1000000 / fps), 0u, 0u, 0x10u, uint32_t(frames), 0u, 1u, 0u, uint32_t(width),
                     uint32_t(height), 0u, 0u, 0u, 0u})
    avi.u32(v);
  avi.end(avih);
  const size_t strl = avi.begin("LIST");
  avi.code("strl");
  const size_t strh = avi.begin("strh");
  avi.code("vids");
  avi.code("MJPG");
  for (uint32_t v : {0u, 0u, 0u, 1u, uint32_t(fps), 0u, uint32_t(frames), 0u, 0xFFFFFFFFu, 0u}) avi.u32(v);
  for (uint16_t v : {uint16_t(0), uint16_t(0), uint16_t(width), uint16_t(height)}) avi.u16(v);
  avi.end(strh);
  const size_t strf = avi.begin("strf");
  for (uint32_t v : {40u, uint32_t(width), uint32_t(height)}) avi.u32(v);
  avi.u16(1);
  avi.u16(24);
  avi.code("MJPG");
  for (uint32_t v : {uint32_t(width * height * 3), 0u, 0u, 0u, 0u}) avi.u32(v);
  avi.end(strf);
  avi.end(strl);
  avi.end(hdrl);
  const size_t movi = avi.begin("LIST");
  avi.code("movi");
  std::vector<std::pair<uint32_t, uint32_t>> index;
  for (const auto& jpeg : jpegs) {
    index.emplace_back(static_cast<uint32_t>(avi.size() - movi), static_cast<uint32_t>(jpeg.size()));
    const size_t frame = avi.begin("00dc");
    avi.append(jpeg);
    avi.end(frame);
  }
  avi.end(movi);
  const size_t idx1 = avi.begin("idx1");
  for (const auto& [offset, size] : index) {
    avi.code("00dc");
    for (uint32_t v : {0x10u, offset, size}) avi.u32(v);
  }
  avi.end(idx1);
  avi.end(riff);
  std::ofstream(file, std::ios::binary)
      .write(reinterpret_cast<const char*>(avi.bytes().data()), static_cast<std::streamsize>(avi.size()));
}

}  // namespace lumena::testing
