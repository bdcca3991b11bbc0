#pragma once
// The picture every subsystem shares: 32-bit pixels, row 0 at the top, bytes
// in the order blue, green, red, opacity (straight, not premultiplied).
#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

namespace lumena {

// Largest side a picture may have; files claiming more are refused before
// anything is allocated.
inline constexpr int kMaxPictureSide = 16384;

struct Pixel {
  uint8_t b = 0, g = 0, r = 0, a = 0;
  friend bool operator==(const Pixel&, const Pixel&) = default;
};
static_assert(sizeof(Pixel) == 4);
inline constexpr Pixel kOpaqueWhite{255, 255, 255, 255};
inline constexpr Pixel kOpaqueBlack{0, 0, 0, 255};

class Picture {
 public:
  Picture() = default;
  // A new picture is all zero: black and fully transparent.
  Picture(int width, int height) { Resize(width, height); }

  void Resize(int width, int height) {
    if (width < 0 || height < 0 || width > kMaxPictureSide || height > kMaxPictureSide)
      throw std::invalid_argument("picture size out of range");
    width_ = width;
    height_ = height;
    pixels_.assign(static_cast<size_t>(width) * static_cast<size_t>(height), Pixel{});
  }
  void Clear() { Resize(0, 0); }

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }
  size_t ByteCount() const { return pixels_.size() * sizeof(Pixel); }

  Pixel& At(int x, int y) { return pixels_[Index(x, y)]; }
  const Pixel& At(int x, int y) const { return pixels_[Index(x, y)]; }
  std::span<Pixel> Row(int y) { return {pixels_.data() + Index(0, y), static_cast<size_t>(width_)}; }
  std::span<const Pixel> Row(int y) const { return {pixels_.data() + Index(0, y), static_cast<size_t>(width_)}; }
  std::span<Pixel> Pixels() { return pixels_; }
  std::span<const Pixel> Pixels() const { return pixels_; }
  uint8_t* Bytes() { return reinterpret_cast<uint8_t*>(pixels_.data()); }
  const uint8_t* Bytes() const { return reinterpret_cast<const uint8_t*>(pixels_.data()); }

  friend bool operator==(const Picture&, const Picture&) = default;

 private:
  size_t Index(int x, int y) const {
    return static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x);
  }
  int width_ = 0;
  int height_ = 0;
  std::vector<Pixel> pixels_;
};

// A single colour value: red + green * 256 + blue * 65536.
inline constexpr uint32_t ColorValue(uint8_t r, uint8_t g, uint8_t b) { return r | (g << 8) | (b << 16); }
inline constexpr uint8_t ColorRed(uint32_t c) { return c & 0xFF; }
inline constexpr uint8_t ColorGreen(uint32_t c) { return (c >> 8) & 0xFF; }
inline constexpr uint8_t ColorBlue(uint32_t c) { return (c >> 16) & 0xFF; }

}  // namespace lumena
