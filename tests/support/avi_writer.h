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
  void U16(uint16_t v) { Put(v, 2); }
  void U32(uint32_t v) { Put(v, 4); }
  void Code(const char* fourcc) { bytes_.insert(bytes_.end(), fourcc, fourcc + 4); }
  // Starts a chunk whose size is filled in by end().
  size_t Begin(const char* fourcc) {
    Code(fourcc);
    U32(0);
    return bytes_.size();
  }
  void End(size_t start) {
    const auto size = static_cast<uint32_t>(bytes_.size() - start);
    for (int i = 0; i < 4; ++i) bytes_[start - 4 + i] = static_cast<uint8_t>(size >> (8 * i));
    if (size % 2) bytes_.push_back(0);
  }
  void Append(const std::vector<uint8_t>& data) { bytes_.insert(bytes_.end(), data.begin(), data.end()); }
  size_t Size() const { return bytes_.size(); }
  const std::vector<uint8_t>& Bytes() const { return bytes_; }

 private:
  void Put(uint32_t v, int n) {
    for (int i = 0; i < n; ++i) bytes_.push_back(static_cast<uint8_t>(v >> (8 * i)));
  }
  std::vector<uint8_t> bytes_;
};

inline void WriteMotionJpegAvi(const std::filesystem::path& file, int width, int height, int frames, int fps) {
  std::vector<std::vector<uint8_t>> jpegs;
  for (int f = 0; f < frames; ++f) {
    Picture picture(width, height);
    for (Pixel& p : picture.Pixels()) p = {static_cast<uint8_t>(f * 255 / frames), 120, 200, 255};
    jpegs.push_back(EncodeJpeg(picture, 80));
  }
  AviBytes avi;
  const size_t riff = avi.Begin("RIFF");
  avi.Code("AVI ");
  const size_t hdrl = avi.Begin("LIST");
  avi.Code("hdrl");
  const size_t avih = avi.Begin("avih");
  for (uint32_t v : {uint32_t(1000000 / fps), 0u, 0u, 0x10u, uint32_t(frames), 0u, 1u, 0u, uint32_t(width),
                     uint32_t(height), 0u, 0u, 0u, 0u})
    avi.U32(v);
  avi.End(avih);
  const size_t strl = avi.Begin("LIST");
  avi.Code("strl");
  const size_t strh = avi.Begin("strh");
  avi.Code("vids");
  avi.Code("MJPG");
  for (uint32_t v : {0u, 0u, 0u, 1u, uint32_t(fps), 0u, uint32_t(frames), 0u, 0xFFFFFFFFu, 0u}) avi.U32(v);
  for (uint16_t v : {uint16_t(0), uint16_t(0), uint16_t(width), uint16_t(height)}) avi.U16(v);
  avi.End(strh);
  const size_t strf = avi.Begin("strf");
  for (uint32_t v : {40u, uint32_t(width), uint32_t(height)}) avi.U32(v);
  avi.U16(1);
  avi.U16(24);
  avi.Code("MJPG");
  for (uint32_t v : {uint32_t(width * height * 3), 0u, 0u, 0u, 0u}) avi.U32(v);
  avi.End(strf);
  avi.End(strl);
  avi.End(hdrl);
  const size_t movi = avi.Begin("LIST");
  avi.Code("movi");
  std::vector<std::pair<uint32_t, uint32_t>> index;
  for (const auto& jpeg : jpegs) {
    index.emplace_back(static_cast<uint32_t>(avi.Size() - movi), static_cast<uint32_t>(jpeg.size()));
    const size_t frame = avi.Begin("00dc");
    avi.Append(jpeg);
    avi.End(frame);
  }
  avi.End(movi);
  const size_t idx1 = avi.Begin("idx1");
  for (const auto& [offset, size] : index) {
    avi.Code("00dc");
    for (uint32_t v : {0x10u, offset, size}) avi.U32(v);
  }
  avi.End(idx1);
  avi.End(riff);
  std::ofstream(file, std::ios::binary)
      .write(reinterpret_cast<const char*>(avi.Bytes().data()), static_cast<std::streamsize>(avi.Size()));
}

}  // namespace lumena::testing
