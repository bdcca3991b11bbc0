#include "images/zlib_stream.h"

#include <gtest/gtest.h>

#include <numeric>

namespace lumena {
namespace {

std::vector<uint8_t> SampleBytes(size_t size) {
  std::vector<uint8_t> bytes(size);
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>((i * 7919) >> 3);
  return bytes;
}

std::vector<uint8_t> WithByteFlipped(std::span<const uint8_t> bytes, size_t at) {
  std::vector<uint8_t> copy(bytes.begin(), bytes.end());
  if (at < copy.size()) copy[at] ^= 0x55;
  return copy;
}

TEST(ZlibStreamTest, DeflateWritesALevelNineZlibStreamThatInflatesBack) {
  for (size_t size : {size_t{0}, size_t{1}, size_t{4095}, size_t{4096}, size_t{4097}, size_t{100000}}) {
    const auto data = SampleBytes(size);
    const auto stream = DeflateStream(data);
    ASSERT_GE(stream.size(), 2u);
    EXPECT_EQ(stream[0], 0x78);
    EXPECT_EQ(stream[1], 0xDA) << "level 9 header";
    EXPECT_EQ(InflateStream(stream), data) << size;
  }
}

TEST(ZlibStreamTest, DamagedOrTruncatedStreamsGiveNothing) {
  const auto stream = DeflateStream(SampleBytes(20000));
  const auto badChecksum = WithByteFlipped(stream, stream.size() - 1);
  const auto badHeader = WithByteFlipped(stream, 0);
  const std::vector<std::vector<uint8_t>> cases = {
      {},
      {0x78},
      std::vector<uint8_t>(stream.begin(), stream.begin() + 2),
      std::vector<uint8_t>(stream.begin(), stream.end() - 1),
      std::vector<uint8_t>(stream.begin(), stream.begin() + static_cast<long>(stream.size() / 2)),
      badChecksum,
      badHeader,
  };
  for (size_t i = 0; i < cases.size(); ++i) EXPECT_FALSE(InflateStream(cases[i]).has_value()) << "case " << i;
}

TEST(ZlibStreamTest, OutputBeyondTheLimitGivesNothing) {
  const std::vector<uint8_t> zeros(1 << 20, 0);
  const auto stream = DeflateStream(zeros);
  EXPECT_LT(stream.size(), 2000u) << "a small stream that claims a lot";
  EXPECT_FALSE(InflateStream(stream, 1000).has_value());
  EXPECT_FALSE(InflateStream(stream, zeros.size() - 1).has_value());
  EXPECT_EQ(InflateStream(stream, zeros.size()), zeros);
}

TEST(ZlibStreamTest, BytesAfterTheStreamEndAreIgnored) {
  const auto data = SampleBytes(5000);
  auto stream = DeflateStream(data);
  stream.insert(stream.end(), {1, 2, 3});
  EXPECT_EQ(InflateStream(stream), data);
}

TEST(InflaterTest, FillsOnlyAsFarAsAskedSoDamageFurtherOnIsNotSeen) {
  const auto data = SampleBytes(1 << 20);
  auto stream = DeflateStream(data);
  // Damage the end of the stream: the first bytes still come out.
  for (size_t i = stream.size() - 64; i < stream.size(); ++i) stream[i] ^= 0xA5;
  Inflater inflater(stream);
  ASSERT_TRUE(inflater.FillTo(100));
  ASSERT_GE(inflater.Output().size(), 100u);
  EXPECT_LT(inflater.Output().size(), data.size());
  EXPECT_FALSE(inflater.Finished());
  EXPECT_TRUE(std::equal(inflater.Output().begin(), inflater.Output().end(), data.begin()));
  EXPECT_FALSE(inflater.FillTo(data.size()));
}

}  // namespace
}  // namespace lumena
