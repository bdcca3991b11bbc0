#include "images/jpeg_codec.h"

#include <jpeglib.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace lumena {

namespace {

// libjpeg reports fatal errors through a callback that must not return; it
// jumps back to the caller's setjmp. Between setjmp and a jump only objects
// created before the setjmp are alive, so no destructor is skipped.
struct ErrorTrap {
  jpeg_error_mgr manager{};
  std::jmp_buf jump{};
};

[[noreturn]] void JumpOnError(j_common_ptr info) { std::longjmp(reinterpret_cast<ErrorTrap*>(info->err)->jump, 1); }
void StayQuiet(j_common_ptr, int) {}
void StayQuiet(j_common_ptr) {}

jpeg_error_mgr* InstallTrap(ErrorTrap& trap) {
  jpeg_std_error(&trap.manager);
  trap.manager.error_exit = JumpOnError;
  trap.manager.emit_message = StayQuiet;
  trap.manager.output_message = StayQuiet;
  return &trap.manager;
}

struct Decompressor {
  jpeg_decompress_struct info{};
  ~Decompressor() { jpeg_destroy_decompress(&info); }
};

struct Compressor {
  jpeg_compress_struct info{};
  unsigned char* buffer = nullptr;  // owned by the codec's memory destination until freed here
  unsigned long size = 0;
  ~Compressor() {
    jpeg_destroy_compress(&info);
    std::free(buffer);
  }
};

bool ValidSize(JDIMENSION width, JDIMENSION height) {
  const auto side = static_cast<JDIMENSION>(kMaxPictureSide);
  return width >= 1 && height >= 1 && width <= side && height <= side;
}

// Reads the scan lines straight into the picture's rows.
void ReadRows(jpeg_decompress_struct& info, Picture& picture) {
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = picture.Bytes() + size_t{info.output_scanline} * picture.Width() * sizeof(Pixel);
    if (jpeg_read_scanlines(&info, &row, 1) != 1) break;  // data ended; the rest stays as it is
  }
}

void WriteRows(jpeg_compress_struct& info, const Picture& picture) {
  while (info.next_scanline < info.image_height) {
    // The codec only reads the row, its interface is not const-correct.
    auto row = const_cast<JSAMPROW>(picture.Bytes() + size_t{info.next_scanline} * picture.Width() * sizeof(Pixel));
    jpeg_write_scanlines(&info, &row, 1);
  }
}

// Call after the frame's setjmp: a damaged header jumps back there.
void ReadHeader(jpeg_decompress_struct& info, std::span<const uint8_t> data) {
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data.data(), static_cast<unsigned long>(data.size()));
  jpeg_read_header(&info, TRUE);
}

}  // namespace

std::optional<Picture> TryDecodeJpeg(std::span<const uint8_t> data, size_t maxPixels) {
  Picture picture;
  Decompressor decompressor;
  ErrorTrap trap;
  jpeg_decompress_struct& info = decompressor.info;
  info.err = InstallTrap(trap);
  if (setjmp(trap.jump)) return std::nullopt;
  ReadHeader(info, data);
  if (!ValidSize(info.image_width, info.image_height)) return std::nullopt;
  if (size_t{info.image_width} * info.image_height > maxPixels) return std::nullopt;
  info.out_color_space = JCS_EXT_BGRA;  // our pixel layout, opacity 255
  jpeg_start_decompress(&info);
  picture.Resize(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
  ReadRows(info, picture);
  jpeg_finish_decompress(&info);
  return picture;
}

std::optional<JpegSize> ParseJpegSize(std::span<const uint8_t> data) {
  Decompressor decompressor;
  ErrorTrap trap;
  jpeg_decompress_struct& info = decompressor.info;
  info.err = InstallTrap(trap);
  if (setjmp(trap.jump)) return std::nullopt;
  ReadHeader(info, data);
  return JpegSize{info.image_width, info.image_height};
}

std::vector<uint8_t> EncodeJpeg(const Picture& picture, int quality) {
  if (picture.Empty()) throw std::runtime_error("Cannot compress an empty picture as JPEG");
  Compressor compressor;
  ErrorTrap trap;
  jpeg_compress_struct& info = compressor.info;
  info.err = InstallTrap(trap);
  if (setjmp(trap.jump)) throw std::runtime_error("JPEG compression failed");
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, &compressor.buffer, &compressor.size);
  info.image_width = static_cast<JDIMENSION>(picture.Width());
  info.image_height = static_cast<JDIMENSION>(picture.Height());
  info.input_components = 4;
  info.in_color_space = JCS_EXT_BGRA;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, std::clamp(quality, 0, 100), TRUE);
  jpeg_start_compress(&info, TRUE);
  WriteRows(info, picture);
  jpeg_finish_compress(&info);
  return {compressor.buffer, compressor.buffer + compressor.size};
}

}  // namespace lumena
