#pragma once
// Writing the little-endian numbers of our own formats: the counterpart of
// ByteCursor.
#include <cstdint>
#include <span>
#include <vector>

namespace lumena {

class ByteWriter {
 public:
  explicit ByteWriter(std::vector<uint8_t>& out) : out_(out) {}

  void U8(uint8_t value) { out_.push_back(value); }
  void U16le(uint16_t value) { Number(value, 2); }
  void U32le(uint32_t value) { Number(value, 4); }
  void I32le(int32_t value) { Number(static_cast<uint32_t>(value), 4); }
  void Bytes(std::span<const uint8_t> data) { out_.insert(out_.end(), data.begin(), data.end()); }

 private:
  void Number(uint32_t value, int size) {
    for (int i = 0; i < size; ++i) out_.push_back(static_cast<uint8_t>(value >> (8 * i)));
  }

  std::vector<uint8_t>& out_;
};

}  // namespace lumena
