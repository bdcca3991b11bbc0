#include "images/zlib_stream.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace lumena {

namespace {

// Output grows in blocks of this size, so a stream is never trusted for more
// than it has actually produced.
constexpr size_t kInflateBlock = 4096;

}  // namespace

Inflater::Inflater(std::span<const uint8_t> stream) {
  // zlib's avail_in is 32-bit; a longer input is cut, which only matters for
  // streams that would exceed every limit anyway.
  zs_.next_in = const_cast<Bytef*>(stream.data());
  zs_.avail_in = static_cast<uInt>(std::min<size_t>(stream.size(), std::numeric_limits<uInt>::max()));
  failed_ = inflateInit(&zs_) != Z_OK;
}

Inflater::~Inflater() { inflateEnd(&zs_); }

bool Inflater::fillTo(size_t size) {
  while (!failed_ && !finished_ && output_.size() < size) {
    const size_t before = output_.size();
    output_.resize(before + kInflateBlock);
    zs_.next_out = output_.data() + before;
    zs_.avail_out = static_cast<uInt>(kInflateBlock);
    const int result = inflate(&zs_, Z_NO_FLUSH);
    output_.resize(before + kInflateBlock - zs_.avail_out);
    if (result == Z_STREAM_END) finished_ = true;
    // Z_BUF_ERROR with output room left means the input ran out early.
    else if (result != Z_OK) failed_ = true;
  }
  return !failed_;
}

std::optional<std::vector<uint8_t>> InflateStream(std::span<const uint8_t> stream, size_t limit) {
  Inflater inflater(stream);
  const size_t target = limit == std::numeric_limits<size_t>::max() ? limit : limit + 1;
  if (!inflater.fillTo(target) || !inflater.finished() || inflater.output().size() > limit) return std::nullopt;
  return inflater.takeOutput();
}

std::vector<uint8_t> DeflateStream(std::span<const uint8_t> data) {
  uLongf size = compressBound(static_cast<uLong>(data.size()));
  std::vector<uint8_t> out(size);
  if (compress2(out.data(), &size, data.data(), static_cast<uLong>(data.size()), Z_BEST_COMPRESSION) != Z_OK)
    throw std::runtime_error("zlib compression failed");
  out.resize(size);
  return out;
}

}  // namespace lumena
