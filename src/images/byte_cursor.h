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

  size_t Position() const { return pos_; }
  size_t Remaining() const { return pos_ < data_.size() ? data_.size() - pos_ : 0; }
  bool AtEnd() const { return Remaining() == 0; }

  // Moves on by `count` bytes; false (and at the end) when fewer remain.
  bool Skip(uint64_t count) {
    if (count > Remaining()) {
      pos_ = data_.size();
      return false;
    }
    pos_ += static_cast<size_t>(count);
    return true;
  }

  std::optional<uint8_t> U8() {
    if (AtEnd()) return std::nullopt;
    return data_[pos_++];
  }
  std::optional<uint16_t> U16be() { return Number<uint16_t>(2, true); }
  std::optional<uint16_t> U16le() { return Number<uint16_t>(2, false); }
  std::optional<uint32_t> U32be() { return Number<uint32_t>(4, true); }
  std::optional<uint32_t> U32le() { return Number<uint32_t>(4, false); }

  // Up to `count` bytes from the position on (fewer at the end of the data).
  std::span<const uint8_t> Take(size_t count) {
    const size_t n = count < Remaining() ? count : Remaining();
    const auto piece = data_.subspan(pos_, n);
    pos_ += n;
    return piece;
  }

 private:
  template <typename T>
  std::optional<T> Number(size_t size, bool bigEndian) {
    if (Remaining() < size) return std::nullopt;
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
