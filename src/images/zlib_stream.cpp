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

bool Inflater::FillTo(size_t size) {
  while (!failed_ && !finished_ && output_.size() < size) {
    const size_t before = output_.size();
    output_.resize(before + kInflateBlock);
    zs_.next_out = output_.data() + before;
    zs_.avail_out = static_cast<uInt>(kInflateBlock);
    const int result = inflate(&zs_, Z_NO_FLUSH);
    output_.resize(before + kInflateBlock - zs_.avail_out);
    if (result == Z_STREAM_END) finished_ = true;
    // Z_BUF_ERROR with output room left means the input ran out early.
    else if (result != Z_OK)
      failed_ = true;
  }
  return !failed_;
}

std::optional<std::vector<uint8_t>> InflateStream(std::span<const uint8_t> stream, size_t limit) {
  Inflater inflater(stream);
  const size_t target = limit == std::numeric_limits<size_t>::max() ? limit : limit + 1;
  if (!inflater.FillTo(target) || !inflater.Finished() || inflater.Output().size() > limit) return std::nullopt;
  return inflater.TakeOutput();
}

std::vector<uint8_t> DeflateStream(std::span<const uint8_t> data) {
  uLongf size = compressBound(static_cast<uLong>(data.size()));
  std::vector<uint8_t> out(size);
  if (compress2(out.data(), &size, data.data(), static_cast<uLong>(data.size()), Z_BEST_COMPRESSION) != Z_OK)
    throw std::runtime_error("zlib compression failed");
  out.resize(size);
  return out;
}

namespace {

// zlib counts in 32 bits; feed it in pieces it can count.
constexpr size_t kPiece = size_t{1} << 30;

class ZStream {
 public:
  ZStream() {
    if (inflateInit(&stream_) != Z_OK) throw std::runtime_error("zlib inflate init failed");
  }
  ~ZStream() { inflateEnd(&stream_); }
  ZStream(const ZStream&) = delete;
  ZStream& operator=(const ZStream&) = delete;
  z_stream* operator->() { return &stream_; }
  z_stream* Get() { return &stream_; }

 private:
  z_stream stream_{};
};

}  // namespace

// Content beyond the limit is inflated into a scratch buffer and dropped,
// so that the stream's checksum is still verified.
std::optional<std::vector<uint8_t>> InflateStreamPrefix(std::span<const uint8_t> compressed, size_t limit) {
  ZStream z;
  std::vector<uint8_t> out(limit);
  std::vector<uint8_t> scratch;
  size_t inUsed = 0, outUsed = 0;
  while (true) {
    const bool full = outUsed == limit;
    if (full && scratch.empty()) scratch.resize(64 * 1024);
    uint8_t* target = full ? scratch.data() : out.data() + outUsed;
    const size_t room = full ? scratch.size() : std::min(limit - outUsed, kPiece);
    const size_t inPiece = std::min(compressed.size() - inUsed, kPiece);
    z->next_in = const_cast<Bytef*>(compressed.data() + inUsed);
    z->avail_in = static_cast<uInt>(inPiece);
    z->next_out = target;
    z->avail_out = static_cast<uInt>(room);
    const int status = inflate(z.Get(), Z_NO_FLUSH);
    inUsed += inPiece - z->avail_in;
    if (!full) outUsed += room - z->avail_out;
    if (status == Z_STREAM_END) break;
    // Z_BUF_ERROR while output room remains means the input ran out.
    if (status != Z_OK) return std::nullopt;
  }
  out.resize(outUsed);
  return out;
}

}  // namespace lumena
