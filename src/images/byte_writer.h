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

  void u8(uint8_t value) { out_.push_back(value); }
  void u16le(uint16_t value) { number(value, 2); }
  void u32le(uint32_t value) { number(value, 4); }
  void i32le(int32_t value) { number(static_cast<uint32_t>(value), 4); }
  void bytes(std::span<const uint8_t> data) { out_.insert(out_.end(), data.begin(), data.end()); }

 private:
  void number(uint32_t value, int size) {
    for (int i = 0; i < size; ++i) out_.push_back(static_cast<uint8_t>(value >> (8 * i)));
  }

  std::vector<uint8_t>& out_;
};

}  // namespace lumena
