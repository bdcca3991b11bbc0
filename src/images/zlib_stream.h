#pragma once
// Whole zlib streams: every compressed file and stream of the system is one
// standard zlib stream (header, deflate data, checksum), written at level 9.
#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace lumena {

// The most any stream may inflate to unless a caller knows better: a small
// file must not be able to claim gigabytes.
inline constexpr size_t kDefaultInflateLimit = size_t{512} << 20;

// Inflates a whole zlib stream from its start. Nothing when the data is
// damaged or truncated, or when the output would exceed `limit` bytes.
std::optional<std::vector<uint8_t>> InflateStream(std::span<const uint8_t> stream, size_t limit = kDefaultInflateLimit);

// The first min(content size, limit) bytes of a stream's content, or nothing
// when the stream is damaged, cut short or fails its checksum. Content past
// the limit is inflated and dropped, so nothing beyond it is ever kept.
std::optional<std::vector<uint8_t>> InflateStreamPrefix(std::span<const uint8_t> stream, size_t limit);

// Compresses bytes into one zlib stream at level 9.
std::vector<uint8_t> DeflateStream(std::span<const uint8_t> data);

// Inflates a stream a piece at a time, so that a reader can decide from the
// first bytes how much of the output it needs.
class Inflater {
 public:
  explicit Inflater(std::span<const uint8_t> stream);
  ~Inflater();
  Inflater(const Inflater&) = delete;
  Inflater& operator=(const Inflater&) = delete;

  // Inflates until the output holds at least `size` bytes or the stream has
  // ended. False when the data is damaged or ends before the stream does.
  bool FillTo(size_t size);
  // True once the stream's end was reached.
  bool Finished() const { return finished_; }
  std::span<const uint8_t> Output() const { return output_; }
  std::vector<uint8_t> TakeOutput() { return std::move(output_); }

 private:
  z_stream zs_{};
  std::vector<uint8_t> output_;
  bool finished_ = false;
  bool failed_ = false;
};

}  // namespace lumena
