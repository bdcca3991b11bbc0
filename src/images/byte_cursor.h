#pragma once
// Bounds-checked reading of numbers from a byte buffer: a read past the end
// reports failure instead of touching memory beyond the buffer.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace lumena {

class ByteCursor {
 public:
  explicit ByteCursor(std::span<const uint8_t> data, size_t position = 0) : data_(data), pos_(position) {}

  size_t position() const { return pos_; }
  size_t remaining() const { return pos_ < data_.size() ? data_.size() - pos_ : 0; }
  bool atEnd() const { return remaining() == 0; }

  // Moves on by `count` bytes; false (and at the end) when fewer remain.
  bool skip(uint64_t count) {
    if (count > remaining()) {
      pos_ = data_.size();
      return false;
    }
    pos_ += static_cast<size_t>(count);
    return true;
  }

  std::optional<uint8_t> u8() {
    if (atEnd()) return std::nullopt;
    return data_[pos_++];
  }
  std::optional<uint16_t> u16be() { return number<uint16_t>(2, true); }
  std::optional<uint16_t> u16le() { return number<uint16_t>(2, false); }
  std::optional<uint32_t> u32be() { return number<uint32_t>(4, true); }
  std::optional<uint32_t> u32le() { return number<uint32_t>(4, false); }

  // Up to `count` bytes from the position on (fewer at the end of the data).
  std::span<const uint8_t> take(size_t count) {
    const size_t n = count < remaining() ? count : remaining();
    const auto piece = data_.subspan(pos_, n);
    pos_ += n;
    return piece;
  }

 private:
  template <typename T>
  std::optional<T> number(size_t size, bool bigEndian) {
    if (remaining() < size) return std::nullopt;
    T value = 0;
    for (size_t i = 0; i < size; ++i) {
      const T byte = data_[pos_ + (bigEndian ? i : size - 1 - i)];
      value = static_cast<T>((value << 8) | byte);
    }
    pos_ += size;
    return value;
  }

  std::span<const uint8_t> data_;
  size_t pos_;
};

}  // namespace lumena
