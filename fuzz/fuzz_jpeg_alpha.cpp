// The JPEG-with-opacity container: the input as a whole stream, and the input
// as the inflated content (compressed here), so that mutations reach the
// lengths and the JPEG data directly.
#include <cstddef>
#include <cstdint>
#include <span>

#include "images/jpeg_alpha.h"
#include "images/zlib_stream.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  (void)lumena::DecodeJpegAlpha(bytes);
  (void)lumena::DecodeJpegAlpha(lumena::DeflateStream(bytes));
  return 0;
}
