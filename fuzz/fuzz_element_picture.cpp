// Element picture decoding from memory: the ".psd" parser on the raw input,
// and the ".fcc" path (zlib, then ".psd") on the same bytes.
#include <cstddef>
#include <cstdint>
#include <span>

#include "images/element_picture.h"
#include "images/zlib_stream.h"

namespace {

// Pictures the header allows (up to 16384 a side) are legitimate but too
// slow to allocate on every run; the fuzzer skips those beyond this.
constexpr uint64_t kMaxFuzzPixels = uint64_t{1} << 22;

uint32_t bigEndian32(std::span<const uint8_t> bytes, size_t at) {
  return uint32_t{bytes[at]} << 24 | uint32_t{bytes[at + 1]} << 16 | uint32_t{bytes[at + 2]} << 8 | bytes[at + 3];
}

bool smallEnough(std::span<const uint8_t> psd) {
  if (psd.size() < 22) return true;
  return uint64_t{bigEndian32(psd, 14)} * bigEndian32(psd, 18) <= kMaxFuzzPixels;
}

void decode(std::span<const uint8_t> bytes, const char* extension) {
  lumena::Picture picture;
  try {
    lumena::DecodeElementPicture(bytes, extension, picture);
  } catch (const lumena::EInvalidPicture&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  if (smallEnough(bytes)) decode(bytes, ".psd");
  lumena::Inflater header(bytes);
  if (header.fillTo(22) && smallEnough(header.output())) decode(bytes, ".fcc");
  return 0;
}
